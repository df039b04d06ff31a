#pragma once
// The common ground of every end-to-end test: a fresh folder with a copy of the demo game, no
// INI file left from another test, the stand-in game in its quick mode, and the launchers the
// test started, which are ended when it ends.

#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// The options a freshly started launcher composes when nothing was chosen and no map picked.
inline constexpr char startupOptions[] =
    " +set skill 0 +set crosshair 1 +set dialog 3 +set cl_run 1 "
    "+set m_filter 1 +set lookspring 1 +set lookstrafe 0 "
    "+set freelook 1";

class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts zatstart.exe with the test's folder as its current directory.
    ZatStart& startZatStart(const std::string& arguments = "", bool captureOutput = false);
    // The usual start: the game already located (INI file present), then the welcome page.
    HWND startAtWelcomePage();
    // Presses a page's button and waits for the page it should lead to.
    HWND next(ZatStart& zat, HWND page, Page expected) {
        return press(zat, page, nextButton, expected);
    }
    HWND back(ZatStart& zat, HWND page, Page expected) {
        return press(zat, page, backButton, expected);
    }
    // From a page: command 307 to the command line page, then Next to the run page, which
    // writes the game config file on the way.
    HWND goToRunPage(ZatStart& zat, HWND page);
    // Welcome page, "Load", the file dialog, and the question that follows (not answered).
    MessageBoxWindow loadSettingsFile(ZatStart& zat, HWND welcome, const std::string& path);

    const TestFolder& folder() const { return *folder_; }
    ZatStart& zat() { return *launchers_.front(); }

  private:
    HWND press(ZatStart& zat, HWND page, int button, Page expected);

    std::unique_ptr<TestFolder> folder_;
    std::vector<std::unique_ptr<ZatStart>> launchers_;
};

// The launch command the launcher hands the game for a game directory, when the game type is
// single player (deathmatch 0) or deathmatch (1).
std::string launchCommandFor(const std::string& gameDirectory, int deathmatch);
// What a game config file holds for an option text: every plus sign a line break.
std::string configFileFor(const std::string& optionText);

} // namespace e2e
