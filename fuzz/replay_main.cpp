// Replays a fuzz target's corpus as an ordinary test: every file in the folders (or the
// files) named on the command line goes through the target once.
#include "fuzz_check.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", file.filename().string().c_str(), bytes.size());
    std::fflush(stdout); // named before a finding aborts the run
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path where(argv[i]);
        if (std::filesystem::is_directory(where)) {
            for (const auto& entry : std::filesystem::directory_iterator(where))
                if (entry.is_regular_file()) {
                    replay(entry.path());
                    ++replayed;
                }
        } else {
            replay(where);
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1; // an empty corpus is a mistake, not a pass
}
