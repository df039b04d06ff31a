// Times the real zatstart.exe under Wine from outside, as a player sees it, side by side with
// bare_pages.exe (the same templates with nothing of the program's own): start to the first
// window and page switches (Next and Back), in rounds that take turns between the two so that
// the machine's load falls on both alike. Then the launcher's memory over many page
// switches, and Run to the game's start against starting the stand-in game directly. Prints
// medians and their spread.
// Not a test: tools/benchmark.sh runs it on a virtual display, at each DPI.
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

constexpr int kRounds = 20;           // each program started this often, in turns
constexpr int kSwitchPairsARound = 6; // Next and Back
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
double switchPage(ZatStart& zat, HWND& page, int button) {
    const HWND from = page;
    const auto pressed = Clock::now();
    click(from, button);
    const double took = millisecondsUntil(
        pressed,
        [&] {
            page = zat.visiblePage();
            return page && page != from;
        },
        "a page switch did not happen");
    return took;
}

// In MB. Under Wine the working set is the process's resident size, shared and mapped files
// included, and the page file use is its anonymous resident memory (and swap): its own heaps
// and bitmaps, which show growth without the coming and going of shared pages.
struct Memory {
    double resident, own;
};

// The memory of the process that shows the window.
Memory memoryOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    PROCESS_MEMORY_COUNTERS counters{};
    const bool read = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process)
        CloseHandle(process);
    if (!read)
        throw ProbeFailed{"the launcher's memory could not be read"};
    constexpr double megabyte = 1024.0 * 1024.0;
    return {static_cast<double>(counters.WorkingSetSize) / megabyte,
            static_cast<double>(counters.PagefileUsage) / megabyte};
}

// Walks the single-player chain from the welcome page to the run page and back, again and
// again, and prints the launcher's memory every hundred switches. Ends on the
// welcome page.
void memoryOverPageSwitches(ZatStart& zat, HWND& page) {
    constexpr int last = 5; // the run page: the welcome page is the first
    int switches = 0;
    const auto count = [&] {
        if (++switches % 100 == 0) {
            const Memory memory = memoryOf(page);
            std::printf("memory after %4d page switches: resident %6.1f MB, private %6.1f MB\n",
                        switches, memory.resident, memory.own);
        }
    };
    while (switches < kMemorySwitches) {
        for (int i = 1; i <= last; ++i, count())
            switchPage(zat, page, IDC_NEXT);
        for (int i = last - 1; i >= 0; --i, count())
            switchPage(zat, page, IDC_BACK);
    }
}

struct Timings {
    std::vector<double> splash, switches;
    void add(const Timings& more) {
        splash.insert(splash.end(), more.splash.begin(), more.splash.end());
        switches.insert(switches.end(), more.switches.begin(), more.switches.end());
    }
};

// Starts the program, times it to its splash, then switches between the welcome and the game
// type page; the program is ended after.
Timings timeOneStart(const std::string& program, const std::string& directory) {
    waitUntil([] { return !FindWindowA(nullptr, pageTitle); }, 15s);
    Timings times;
    const auto started = Clock::now();
    ZatStart running(program, directory);
    times.splash.push_back(millisecondsUntil(
        started, [&] { return running.waitForDialog("", 0s) != nullptr; }, "no splash"));
    HWND page = running.waitForPage(IDC_LOAD_SETTINGS);
    if (!page)
        throw ProbeFailed{"no welcome page"};
    for (int i = 0; i < kSwitchPairsARound; ++i) {
        times.switches.push_back(switchPage(running, page, IDC_NEXT));
        times.switches.push_back(switchPage(running, page, IDC_BACK));
    }
    return times;
}

// The launcher's median against the bare pages', and how the rounds' ratios spread.
void compare(const char* item, const std::vector<double>& launcher, const std::vector<double>& bare,
             const std::vector<double>& ratios) {
    std::printf("%s\n", item);
    report("  zatstart.exe", launcher);
    report("  bare_pages.exe", bare);
    std::printf("  launcher / bare pages: x%.3f (medians); the rounds' ratios x%.2f to x%.2f, "
                "median x%.3f\n",
                percentile(launcher, 0.5) / percentile(bare, 0.5), percentile(ratios, 0.0),
                percentile(ratios, 1.0), percentile(ratios, 0.5));
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
    writeIni(folder.gameShortDirectory());
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1"); // the game records its start and ends

    const std::string launcher = zatStartExe();
    const std::string bare = programPath(ZAT_BARE_PAGES);
    Timings launcherTimes, bareTimes;
    std::vector<double> splashRatios, switchRatios;
    for (int i = 0; i < kRounds; ++i) {
        // Each goes first in every other round.
        Timings a, b;
        if (i % 2 == 0) {
            a = timeOneStart(launcher, folder.directory());
            b = timeOneStart(bare, folder.directory());
        } else {
            b = timeOneStart(bare, folder.directory());
            a = timeOneStart(launcher, folder.directory());
        }
        splashRatios.push_back(a.splash[0] / b.splash[0]);
        switchRatios.push_back(percentile(a.switches, 0.5) / percentile(b.switches, 0.5));
        launcherTimes.add(a);
        bareTimes.add(b);
    }
    compare("start to the first window (the splash)", launcherTimes.splash, bareTimes.splash,
            splashRatios);
    compare("page switch, Next and Back (welcome, game type)", launcherTimes.switches,
            bareTimes.switches, switchRatios);

    waitUntil([] { return !FindWindowA(nullptr, pageTitle); }, 15s);
    auto zat = std::make_unique<ZatStart>(launcher, folder.directory());
    HWND page = zat->waitForPage(IDC_LOAD_SETTINGS);
    if (!page)
        throw ProbeFailed{"no welcome page"};
    memoryOverPageSwitches(*zat, page);

    command(page, IDM_OPTION_TEXT);
    HWND optionText = zat->waitForPage(IDC_OPTION_TEXT);
    if (!optionText)
        throw ProbeFailed{"no option text page"};
    switchPage(*zat, optionText, IDC_NEXT);
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
    const std::string gameCommand = logged(log, "command-line").back();
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
        DeleteFileA(windowsIniPath().c_str());
        return 1;
    }
    DeleteFileA(windowsIniPath().c_str());
    return 0;
}
