#pragma once
// The common ground of the end-to-end tests. A launcher start costs seconds under Wine (the
// splash alone shows for three), so the tests share one: started once, on a first run (no
// INI file), with a copy of the demo game in a folder outside the code page; what its start
// showed is kept for the start-up test, and before every test it is brought back to its welcome
// page. Launches by /run and /print and second instances are started by the tests themselves.

#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace e2e {

struct SharedLauncher {
    SharedLauncher();

    // Omega lies outside code page 1252: the launcher never sees the game's folder in its own
    // characters, only its short form.
    TestFolder folder{"shared-launcher", "Zat \xCE\xA9"};
    std::unique_ptr<ZatStart> zat;
    // What its start showed.
    std::chrono::steady_clock::duration splashShown{};
    bool pageBesideSplash = false;
    HWND welcome = nullptr;
    RECT welcomeRect{};
    HWND locateOwner = nullptr;
    bool gameLocated = false; // the locate dialog took the game's zat.exe
    std::optional<std::string> ini;
};
SharedLauncher& sharedLauncher(); // started when first asked for

class LauncherTest : public ::testing::Test {
  protected:
    // Brings the shared launcher (started by the first test) to its welcome page.
    void SetUp() override;

    SharedLauncher& launcher = sharedLauncher();
    HWND welcome = nullptr;
};

} // namespace e2e
