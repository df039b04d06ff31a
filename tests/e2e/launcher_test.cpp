// The real zatstart.exe under Wine, for what only real Win32 shows. A launcher start costs
// seconds (the splash alone shows for three), so the tests share one: started once, on a first
// run (no INI file), with a copy of the demo game in a folder outside the code page, checked as
// it starts, and brought back to its welcome page before every test. Launches by /run and
// /print and second instances are started by the tests themselves.
#include "controls/game_config.h"
#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace e2e {
namespace {

// On a first run the splash shows alone for three seconds, then a centred welcome page that
// owns the dialog asking where the game is; the game's folder is kept in its short form, which
// keeps blanks out of the command line.
struct SharedLauncher {
    SharedLauncher() {
        SCOPED_TRACE("the shared launcher's first start");
        DeleteFileA(windowsIniPath().c_str());
        zat = std::make_unique<ZatStart>(zatStartExe(), folder.directory());
        zat->waitForDialog(""); // the splash
        const auto splashSeen = std::chrono::steady_clock::now();
        EXPECT_EQ(zat->visiblePage(), nullptr) << "a page beside the splash";
        const HWND welcome = zat->waitForPage(IDC_LOAD_SETTINGS);
        const auto splashShown = std::chrono::steady_clock::now() - splashSeen;
        EXPECT_GT(splashShown, 2s) << "no splash, or shown too briefly";
        EXPECT_LT(splashShown, 10s);
        RECT at{};
        GetWindowRect(welcome, &at);
        EXPECT_LE(std::abs((at.left + at.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 20);
        EXPECT_LE(std::abs((at.top + at.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 40);
        const HWND locate = zat->waitForDialog(locateTitle);
        EXPECT_EQ(GetWindow(locate, GW_OWNER), welcome) << "not the welcome page's locate dialog";
        EXPECT_TRUE(chooseFile(locate, folder.gameExe()));
        EXPECT_TRUE(waitUntil(
            [this] { return readFile(windowsIniPath()) == "0\r\n" + folder.gameShortDirectory(); },
            10s))
            << readFile(windowsIniPath()).value_or("no INI file");
    }

    // Omega lies outside code page 1252: the launcher never sees the game's folder in its own
    // characters, only its short form.
    TestFolder folder{"shared-launcher", "Zat \xCE\xA9"};
    std::unique_ptr<ZatStart> zat;
};

SharedLauncher& sharedLauncher() { // started when first asked for
    static SharedLauncher launcher;
    return launcher;
}

class Launcher : public ::testing::Test {
  protected:
    // Brings the shared launcher (started by the first test) to its welcome page: the last test
    // may have left it on another page, or on its way to one.
    void SetUp() override {
        writeIni(launcher.folder.gameShortDirectory());
        waitUntil([this] {
            welcome = launcher.zat->visiblePage();
            if (welcome && !GetDlgItem(welcome, IDC_LOAD_SETTINGS))
                command(std::exchange(welcome, nullptr), IDM_WELCOME);
            return welcome != nullptr;
        });
        ASSERT_NE(welcome, nullptr) << "the shared launcher does not come back to its welcome page";
    }

    SharedLauncher& launcher = sharedLauncher();
    HWND welcome = nullptr;
};

// Escape is Cancel: it asks before closing, and No keeps the page. From there the option text
// goes to the stand-in game in the folder outside the code page, with the settings saved there
// on the way.
TEST_F(Launcher, EscapeAsksAndNoKeepsThePageThenAChainIsSavedAsZtpAndReachesTheGame) {
    pressKey(welcome, IDC_NEXT, VK_ESCAPE);
    const HWND question = launcher.zat->waitForMessageBox();
    ASSERT_NE(question, nullptr) << "Escape did not ask";
    EXPECT_EQ(GetWindow(question, GW_OWNER), welcome);
    answer(question, IDNO);
    command(welcome, IDM_OPTION_TEXT);
    HWND page = launcher.zat->waitForPage(IDC_OPTION_TEXT);
    ASSERT_NE(page, nullptr);
    const std::string options = itemText(page, IDC_OPTION_TEXT);
    click(page, IDC_NEXT);
    ASSERT_NE(page = launcher.zat->waitForPage(IDC_SAVE_SETTINGS), nullptr) << "no run page";
    click(page, IDC_SAVE_SETTINGS); // off at the start
    click(page, IDC_NEXT);
    HWND save = launcher.zat->waitForDialog("Save ZatStart Settings File");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), page) << "the save dialog is not the run page's";
    ASSERT_TRUE(chooseFile(save, launcher.folder.gameDirectory() + "chain"));
    ASSERT_TRUE(waitUntil([] { return FindWindowA(nullptr, "Zat (stand-in)") != nullptr; }));
    EXPECT_TRUE(answers(page, 300ms)) << "the launcher froze while the game runs";
    EXPECT_TRUE(waitUntil([&] { return launchEnded(page); })) << "Run did not come back";

    // The game's folder lies outside the code page: the launcher knows it by its short form.
    const std::string game = launcher.folder.gameShortDirectory();
    const auto directories = logged(launcher.folder.standinLog(), "current-directory");
    ASSERT_EQ(directories.size(), 1u) << "the game did not start";
    EXPECT_EQ(shortPathOf(directories[0] + "\\"), game) << "not in its own directory";
    EXPECT_EQ(readFile(game + "base\\ZatStart.cfg"), gameConfigText(options));
    // A name typed without an extension is saved as a settings file.
    EXPECT_TRUE(fileExists(game + "chain.ZTP"));
}

// A page checks a loaded choice as a plain radio button: the player's click must still check
// the button and clear the rest of its group.
TEST_F(Launcher, AClickedRadioButtonChecksItselfAndClearsItsGroup) {
    click(welcome, IDC_NEXT);
    const HWND page = launcher.zat->waitForPage(IDC_DEATHMATCH);
    const auto checked = [page](int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; };
    EXPECT_TRUE(checked(IDC_SINGLE_PLAYER)) << "the loaded choice";
    for (const int id : {IDC_DEATHMATCH, IDC_SINGLE_PLAYER}) { // the last as the tests expect
        click(page, id);
        EXPECT_TRUE(waitUntil([&] { return checked(id); })) << id;
        EXPECT_NE(checked(IDC_SINGLE_PLAYER), checked(IDC_DEATHMATCH));
    }
}

// A game directory full of a shell's signs, a zat.exe where the launcher starts, and a settings
// file named outside the code page: /run starts the located game and nothing else and hands
// back its exit code; /print writes the same launch into a pipe.
TEST_F(Launcher, RunAndPrintUseTheLocatedGameWithoutAShellAndGiveItsExitCodeAndItsLaunch) {
    const TestFolder here("run-and-print", "x&md;pwned&y");
    CopyFileA(here.gameExe().c_str(), here.path("zat.exe").c_str(), FALSE);
    CreateDirectoryA(here.path("base").c_str(), nullptr);
    writeIni(here.gameDirectory());
    saveSettingsFile(launcher.folder.gameShortDirectory() + "run.ZTP", "");
    const std::string file = " \"" + launcher.folder.gameDirectory() + "run.ZTP\"";
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1");
    SetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE", "7");

    EXPECT_EQ(ZatStart(zatStartExe(), here.directory(), "/run" + file).waitForExit(), 7u);
    const auto launches = logged(here.gameDirectory() + "zat-standin.log", "command-line");
    ASSERT_EQ(launches.size(), 1u) << "the located game did not start";
    EXPECT_FALSE(fileExists(here.path("zat-standin.log"))) << "the current directory's game ran";
    for (const std::string& where : {here.directory(), here.gameDirectory()})
        EXPECT_FALSE(fileExists(where + "pwned")) << "a command interpreter ran in " << where;

    ZatStart print(zatStartExe(), here.directory(), "/print" + file, true);
    EXPECT_EQ(print.readOutput().find(launches[0] + "\r\n"), 0u);
    EXPECT_EQ(print.waitForExit(), 0u);
}

// One launcher at a time from the first page on: also in the instant between two pages, when
// the first launcher shows no page at all. That instant is made certain here rather than hit by
// chance: a page that lost its title stands for it, and only the first launcher's claim can
// cover it.
TEST_F(Launcher, TheClaimRefusesASecondLauncherWhenNoPageCanBeFound) {
    SetWindowTextA(welcome, "");
    ZatStart second(zatStartExe(), launcher.folder.directory());
    const HWND refusal = second.waitForMessageBox();
    EXPECT_EQ(second.waitForDialog("", 0s), nullptr) << "the second launcher got through";
    SetWindowTextA(welcome, pageTitle);
    ASSERT_NE(refusal, nullptr) << "the second launcher was not refused";
    answer(refusal, IDOK);
    EXPECT_TRUE(second.waitForExit().has_value());
}

// A settings file goes to the launcher that runs: from another current directory and named
// relative to it.
TEST_F(Launcher, ASecondStartWithASettingsFileHandsItToTheRunningLauncher) {
    const TestFolder elsewhere("hand-over");
    saveSettingsFile(elsewhere.path("handed.ZTP"), launcher.folder.gameShortDirectory());
    EXPECT_EQ(ZatStart(zatStartExe(), elsewhere.directory(), "handed.ZTP").waitForExit(), 0u);
    EXPECT_NE(launcher.zat->waitForPage(IDC_OPTION_TEXT), nullptr) << "the file was not loaded";
}

// The version information Explorer shows in the exe's properties.
TEST(VersionInfo, WindowsReadsTheProductAndItsVersion) {
    const std::string exe = zatStartExe();
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, info.size(), info.data())) << "none";
    // A value of the version resource; nothing when it is missing or empty.
    const auto value = [&info](const std::string& name) -> const char* {
        char* data = nullptr;
        UINT length = 0;
        VerQueryValueA(info.data(), name.c_str(), reinterpret_cast<void**>(&data), &length);
        return length ? data : nullptr;
    };
    const std::string strings = "\\StringFileInfo\\040904B0\\";
    EXPECT_STREQ(value(strings + "ProductName"), "Zat Start");
    EXPECT_STREQ(value(strings + "ProductVersion"), ZAT_VERSION_TEXT);
    EXPECT_STREQ(value(strings + "FileVersion"), ZAT_VERSION_TEXT);
    EXPECT_NE(value(strings + "FileDescription"), nullptr);
    const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(value("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ZAT_VERSION_MINOR, ZAT_VERSION_MAJOR));
}

} // namespace
} // namespace e2e
