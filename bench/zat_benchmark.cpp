// Timings of the launcher's logic, natively: each item runs several times and the median is
// printed. Not a test: it checks only that each item did its work, so that nothing is timed
// that the compiler could drop.
//
// Usage: zat_benchmark <scratch folder>
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "platform/files.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCenterViewSlot = 17; // in the binding table's order

// Runs work `repetitions` times; the median duration of one run, in microseconds.
template <typename Work> double medianMicroseconds(int repetitions, Work work) {
    std::vector<double> runs;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        work();
        runs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "zat_benchmark: %s\n", what);
        std::exit(1);
    }
}

// A config file of about `size` bytes as a player's grows: comments, settings, aliases and
// binds, CR LF line breaks; only its last line binds Center View (to HOME).
std::string bigConfigText(std::size_t size) {
    static const char* const lines[] = {"// movement\r\n",
                                        "bind w +forward\r\n",
                                        "set sensitivity 3.5\r\n",
                                        "bind MOUSE1 +attack\r\n",
                                        "alias zoomin \"fov 40\"\r\n",
                                        "bind SPACE +moveup\r\n",
                                        "set cl_run 1\r\n",
                                        "echo loaded\r\n"};
    std::string text;
    text.reserve(size + 64);
    for (std::size_t i = 0; text.size() < size; ++i)
        text += lines[i % std::size(lines)];
    return text + "bind HOME centerview\r\n";
}

// The same file read as plainly as it gets: chunk by chunk, its line breaks counted.
std::size_t plainLineCount(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    require(file != nullptr, "cannot open big.cfg");
    std::size_t lines = 0;
    char chunk[1 << 16];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        lines += static_cast<std::size_t>(std::count(chunk, chunk + got, '\n'));
    std::fclose(file);
    return lines;
}

// A server of the player's own with every option and text field in use.
LaunchSettings fullServer() {
    LaunchSettings s{};
    applyStartupValues(s);
    storeFieldText(s.gameDirectory, "C:\\Program Files\\Zat Game\\");
    s.gameType = 22;
    s.multiplayerMode = 202;
    s.dedicated = 1;
    s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
    s.allowDownloads = s.allowCheats = s.teamPlay = s.fixedFov = 1;
    s.dmflags = 0x7fff;
    storeFieldText(s.timeLimit, "30");
    storeFieldText(s.fragLimit, "100");
    storeFieldText(s.maxPlayers, "16");
    storeFieldText(s.hostName, std::string(81, 'h'));
    storeFieldText(s.playerName, std::string(79, 'p'));
    storeFieldText(s.skinName, "Rook_Base2");
    storeFieldText(s.mapName, "dm_forge");
    return s;
}

void report(const char* item, double microseconds) {
    std::printf("%-58s %12.1f us\n", item, microseconds);
}

} // namespace

int main(int argc, char** argv) {
    require(argc == 2, "usage: zat_benchmark <scratch folder>");
    const std::string folder = std::string(argv[1]) + "/";

    const std::string configPath = folder + "big.cfg";
    const std::string config = bigConfigText(10u << 20);
    require(replaceFile(configPath, config) == ReplaceResult::replaced, "cannot write big.cfg");
    const std::size_t lines = std::count(config.begin(), config.end(), '\n');

    const double plain = medianMicroseconds(
        15, [&] { require(plainLineCount(configPath) == lines, "the plain read miscounted"); });
    const double binds = medianMicroseconds(15, [&] {
        LaunchSettings s{};
        require(!readGameConfig(s, configPath), "the config file was not read");
        require(fieldText(s.bindings[kCenterViewSlot]) == "HOME", "the file's end was not read");
    });
    report("10 MB config file: plain read counting its lines", plain);
    report("10 MB config file: reading its bind entries", binds);
    std::printf("%-58s %12.2f x\n", "  bind entries against the plain read", binds / plain);

    LaunchSettings server = fullServer();
    const std::string settingsPath = folder + "server.ZTP";
    require(storeChosenPath(server.savePath, settingsPath) == std::nullopt, "path too long");
    require(storeChosenPath(server.loadPath, settingsPath) == std::nullopt, "path too long");
    report("settings file: save", medianMicroseconds(51, [&] {
               require(!writeSettingsFile(server), "the settings file was not written");
           }));
    report("settings file: load", medianMicroseconds(51, [&] {
               LaunchSettings loaded{};
               std::memcpy(loaded.loadPath, server.loadPath, sizeof loaded.loadPath);
               require(!readSettingsFile(loaded), "the settings file was not read");
           }));
    report("command line of a full dedicated server: compose", medianMicroseconds(1001, [&] {
               require(composeGameLaunch(server).optionText.size() > 100, "nothing composed");
           }));
    return 0;
}
