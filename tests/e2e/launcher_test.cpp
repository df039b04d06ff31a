#include "launcher_test.h"

#include <windows.h>

namespace e2e {

namespace {

std::string currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '-';
    return name;
}

} // namespace

void LauncherTest::SetUp() {
    // A launcher left showing a page would refuse ours as a second instance.
    ASSERT_TRUE(waitUntil([] { return !anyPageShowing(); }, 15s))
        << "a launcher page from elsewhere is still showing";
    folder_ = std::make_unique<TestFolder>(currentTestName());
    removeIniFiles();
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1");
    SetEnvironmentVariableA("ZAT_STANDIN_STAY", nullptr);
    SetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE", nullptr);
}

void LauncherTest::TearDown() {
    launchers_.clear();
    removeIniFiles();
}

ZatStart& LauncherTest::startZatStart(const std::string& arguments, bool captureOutput) {
    launchers_.push_back(
        std::make_unique<ZatStart>(zatStartExe(), folder_->directory(), arguments, captureOutput));
    return *launchers_.back();
}

HWND LauncherTest::startAtWelcomePage() {
    writeIni(folder_->gameShortDirectory());
    ZatStart& started = startZatStart();
    HWND welcome = started.waitForPage(Page::welcome);
    EXPECT_NE(welcome, nullptr) << "the welcome page did not show";
    return welcome;
}

HWND LauncherTest::press(ZatStart& launcher, HWND page, int button, Page expected) {
    click(page, button);
    HWND reached = launcher.waitForPage(expected);
    EXPECT_NE(reached, nullptr) << (button == nextButton ? "Next" : "Back") << " on the "
                                << pageName(pageOf(page)) << " page did not lead to the "
                                << pageName(expected) << " page";
    return reached;
}

HWND LauncherTest::goToRunPage(ZatStart& launcher, HWND page) {
    command(page, 307);
    HWND commandLine = launcher.waitForPage(Page::commandLine);
    EXPECT_NE(commandLine, nullptr) << "command 307 did not open the command line page";
    return commandLine ? next(launcher, commandLine, Page::run) : nullptr;
}

MessageBoxWindow LauncherTest::loadSettingsFile(ZatStart& launcher, HWND welcome,
                                                const std::string& path) {
    click(welcome, 222);
    HWND dialog = launcher.waitForDialog(loadTitle);
    EXPECT_NE(dialog, nullptr) << "no \"" << loadTitle << "\" dialog";
    if (!dialog)
        return {};
    EXPECT_TRUE(chooseFile(dialog, path)) << "the load dialog did not take " << path;
    const auto question = launcher.waitForMessageBox();
    EXPECT_TRUE(question.has_value()) << "no message box after loading";
    return question.value_or(MessageBoxWindow{});
}

std::string launchCommandFor(const std::string& gameDirectory, int deathmatch) {
    return gameDirectory + "zat.exe +set deathmatch " + std::to_string(deathmatch) + " +exec " +
           gameDirectory + "base\\zatstart.cfg";
}

std::string configFileFor(const std::string& optionText) {
    std::string file;
    for (char c : optionText) {
        if (c == '+')
            file += "\r\n";
        else
            file += c;
    }
    return file;
}

} // namespace e2e
