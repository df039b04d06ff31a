// One launcher at a time from the first page on: also in the instant between two pages, when
// the first launcher shows no page at all; a settings file goes to the launcher that runs. That
// instant is made certain here rather than hit by chance: a page that lost its title stands for
// it, and only the first launcher's claim can cover it.
#include "launcher_test.h"

namespace e2e {
namespace {

using SingleInstance = LauncherTest;

TEST_F(SingleInstance, TheClaimRefusesASecondLauncherWhenNoPageCanBeFound) {
    SetWindowTextA(welcome, "");
    ZatStart second(zatStartExe(), launcher.folder.directory());
    const HWND refusal = second.waitForMessageBox();
    EXPECT_EQ(second.findSplash(), nullptr) << "the second launcher got through";
    SetWindowTextA(welcome, pageTitle);
    ASSERT_NE(refusal, nullptr) << "the second launcher was not refused";
    answer(refusal, IDOK);
    EXPECT_TRUE(second.waitForExit().has_value());
}

// From another current directory and named relative to it.
TEST_F(SingleInstance, ASecondStartWithASettingsFileHandsItToTheRunningLauncher) {
    const TestFolder elsewhere("hand-over");
    saveRecord(elsewhere.path("handed.ZTP"),
               startupRecordFor(launcher.folder.gameShortDirectory()));
    EXPECT_EQ(ZatStart(zatStartExe(), elsewhere.directory(), "handed.ZTP").waitForExit(), 0u);
    EXPECT_NE(launcher.zat->waitForPage(Page::optionText), nullptr) << "the file was not loaded";
}

} // namespace
} // namespace e2e
