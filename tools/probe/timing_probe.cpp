// Times the real zatstart.exe under Wine from outside, as a player sees it: start to the first
// window, page switches (Next and Back), and Run to the game's start against starting the
// stand-in game directly. Prints medians (and the 95th percentile of the page switches), and
// the launcher's resident memory over many page switches.
// Not a test: tools/benchmark.sh runs it on a virtual display.
//
// Every wait here polls every millisecond; the driver's waits poll every 50 ms, too coarse
// for a page switch.

#include "driver.h"
#include "game_files.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace e2e;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kStarts = 5;
constexpr int kSwitchesEachWay = 60;
constexpr int kGameStarts = 30;
constexpr int kMemorySwitches = 1000;

struct ProbeFailed {
    std::string why;
};

// Polls every millisecond; the time it took, or a failure after 20 s.
template <typename Condition>
double millisecondsUntil(Clock::time_point from, Condition holds, const char* what) {
    const auto deadline = from + 20s;
    while (!holds()) {
        if (Clock::now() > deadline)
            throw ProbeFailed{what};
        std::this_thread::sleep_for(1ms);
    }
    return Milliseconds(Clock::now() - from).count();
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[at];
}

void report(const char* item, const std::vector<double>& values) {
    std::printf("%-52s median %8.1f ms  p95 %8.1f ms  (%zu runs)\n", item, percentile(values, 0.5),
                percentile(values, 0.95), values.size());
}

long long fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Presses a page's button; how long until the page it leads to shows.
double switchPage(ZatStart& zat, HWND& page, int button, Page expected) {
    const HWND from = page;
    const auto pressed = Clock::now();
    click(from, button);
    const double took = millisecondsUntil(
        pressed,
        [&] {
            page = zat.visiblePage();
            return page && page != from && pageOf(page) == expected;
        },
        "a page switch did not happen");
    return took;
}

// The resident size of the process that shows the window.
double residentMegabytes(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    PROCESS_MEMORY_COUNTERS counters{};
    const bool read = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process)
        CloseHandle(process);
    if (!read)
        throw ProbeFailed{"the launcher's memory could not be read"};
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// Walks the single-player chain from the welcome page to the run page and back, again and
// again, and prints the launcher's resident memory every hundred switches. Ends on the
// welcome page.
void memoryOverPageSwitches(ZatStart& zat, HWND& page) {
    const Page chain[] = {Page::welcome,   Page::gameType,   Page::gameOptions,
                          Page::mapSelect, Page::optionText, Page::run};
    const int last = static_cast<int>(std::size(chain)) - 1;
    int switches = 0;
    const auto count = [&] {
        if (++switches % 100 == 0)
            std::printf("resident memory after %4d page switches %20.1f MB\n", switches,
                        residentMegabytes(page));
    };
    while (switches < kMemorySwitches) {
        for (int i = 1; i <= last; ++i, count())
            switchPage(zat, page, IDC_NEXT, chain[i]);
        for (int i = last - 1; i >= 0; --i, count())
            switchPage(zat, page, IDC_BACK, chain[i]);
    }
}

// Starts the stand-in game as the launcher does, with the launch command it was given.
void startGameDirectly(const std::string& launchCommand, const std::string& gameDirectory) {
    std::string line = launchCommand;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        gameDirectory.c_str(), &startup, &info))
        throw ProbeFailed{"the stand-in game could not be started directly"};
    WaitForSingleObject(info.hProcess, 20000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

void probe() {
    TestFolder folder("timing-probe");
    removeIniFiles();
    writeIni(folder.gameShortDirectory());
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1"); // the game records its start and ends

    std::vector<double> firstWindow;
    std::unique_ptr<ZatStart> zat;
    for (int i = 0; i < kStarts; ++i) {
        zat.reset();
        waitUntil([] { return !anyPageShowing(); }, 15s);
        const auto started = Clock::now();
        zat = std::make_unique<ZatStart>(zatStartExe(), folder.directory());
        firstWindow.push_back(millisecondsUntil(
            started, [&] { return zat->findSplash() != nullptr; }, "no splash"));
        if (!zat->waitForPage(Page::welcome))
            throw ProbeFailed{"no welcome page"};
    }
    report("start to the first window (the splash)", firstWindow);

    HWND page = zat->waitForPage(Page::welcome);
    std::vector<double> nexts, backs;
    for (int i = 0; i < kSwitchesEachWay; ++i) {
        nexts.push_back(switchPage(*zat, page, IDC_NEXT, Page::gameType));
        backs.push_back(switchPage(*zat, page, IDC_BACK, Page::welcome));
    }
    report("page switch, Next (welcome to game type)", nexts);
    report("page switch, Back (game type to welcome)", backs);
    std::vector<double> both = nexts;
    both.insert(both.end(), backs.begin(), backs.end());
    report("page switch, Next and Back", both);
    memoryOverPageSwitches(*zat, page);

    command(page, IDM_OPTION_TEXT);
    HWND optionText = zat->waitForPage(Page::optionText);
    if (!optionText)
        throw ProbeFailed{"no option text page"};
    switchPage(*zat, optionText, IDC_NEXT, Page::run);
    const HWND run = optionText;

    // One start via Run first, to learn the launch command the launcher gives the game; then
    // the two ways take turns, so that the machine's ups and downs fall on both alike.
    const std::string log = folder.standinLog();
    const auto startViaRun = [&] {
        const long long before = fileSize(log);
        const auto pressed = Clock::now();
        click(run, IDC_NEXT);
        const double took = millisecondsUntil(
            pressed, [&] { return fileSize(log) > before; }, "Run did not start the game");
        if (!waitUntil([&] { return launchEnded(run); }))
            throw ProbeFailed{"the run page did not come back from the game"};
        return took;
    };
    startViaRun();
    const std::string gameCommand = gameStarts(log).back().launchCommand;
    std::vector<double> viaRun, direct;
    for (int i = 0; i < kGameStarts; ++i) {
        viaRun.push_back(startViaRun());
        const long long before = fileSize(log);
        const auto started = Clock::now();
        std::thread game(startGameDirectly, gameCommand, folder.gameDirectory());
        direct.push_back(millisecondsUntil(
            started, [&] { return fileSize(log) > before; }, "the game did not start"));
        game.join();
    }
    report("Run to the game's start (its first record)", viaRun);
    report("the stand-in game started directly, the same way", direct);
    std::printf("%-52s %8.1f %%\n", "Run against a direct start, medians",
                100.0 * (percentile(viaRun, 0.5) / percentile(direct, 0.5) - 1.0));
}

} // namespace

int main() {
    try {
        probe();
    } catch (const ProbeFailed& failed) {
        std::printf("probe failed: %s\n", failed.why.c_str());
        removeIniFiles();
        return 1;
    }
    removeIniFiles();
    return 0;
}
