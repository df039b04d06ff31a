// A game config file from anywhere, read for its bind entries: only the binding slots change,
// and every slot ends within its 20 bytes.
#include "controls/game_config.h"
#include "fuzz_check.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LaunchSettings settings;
    std::memset(&settings, 0xA5, sizeof settings);
    const LaunchSettings before = settings;
    takeBindEntries(settings, bytesOf(data, size));

    for (const auto& slot : settings.bindings)
        fuzzCheck(std::memchr(slot, '\0', sizeof slot) != nullptr, "every slot ends within it");
    const auto* now = reinterpret_cast<const char*>(&settings);
    const auto* was = reinterpret_cast<const char*>(&before);
    const std::size_t from = offsetof(LaunchSettings, bindings);
    const std::size_t to = from + sizeof settings.bindings;
    fuzzCheck(std::memcmp(now, was, from) == 0 &&
                  std::memcmp(now + to, was + to, sizeof settings - to) == 0,
              "nothing but the binding slots changes");
    return 0;
}
