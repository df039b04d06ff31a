#pragma once
// The common ground of the end-to-end tests. A launcher start costs seconds under Wine (the
// splash alone shows for three), so the tests share one: started once, on a first run (no
// INI file), with a copy of the demo game in a folder outside the code page; what its start showed
// is kept for the start-up tests, and before every test it is brought back to its welcome page.
// Launches by /run and /print and second instances are started by the tests themselves.

#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

// What the shared launcher's start showed.
struct StartSeen {
    std::chrono::steady_clock::duration toWelcome{}; // from the start
    std::chrono::steady_clock::duration splashShown{};
    bool pageBesideSplash = false;
    HWND welcome = nullptr;
    RECT welcomeRect{};
    HWND locateOwner = nullptr;
    bool gameLocated = false; // the locate dialog took the game's zat.exe
    std::optional<std::string> ini;
};

class LauncherTest : public ::testing::Test {
  protected:
    // Starts the shared launcher the first time; brings it to its welcome page.
    void SetUp() override;

    static const TestFolder& folder();
    static ZatStart& zat();
    static const StartSeen& startSeen();
    HWND welcome() const { return welcome_; }

    // Another zatstart.exe, ended when the test ends.
    ZatStart& startZatStart(const std::string& arguments, const std::string& currentDirectory,
                            bool captureOutput = false);
    // Presses Next and waits for the page it should lead to.
    HWND next(HWND page, Page expected);

  private:
    HWND welcome_ = nullptr;
    std::vector<std::unique_ptr<ZatStart>> others_; // ended with the test's fixture
};

// Environment for the stand-in game the launchers start from now on: quick (no window), and
// the exit code it ends with.
void standInGame(bool quick, int exitCode = 0);

} // namespace e2e
