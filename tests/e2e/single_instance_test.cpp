// One launcher at a time from the first page on: also in the instant between two pages, when
// the first launcher shows no page at all; a settings file goes to the launcher that runs. That
// instant is made certain here rather than hit by chance: a page that lost its title stands for it,
// and only the first launcher's claim can cover it.
#include "launcher_test.h"

#include <windows.h>

namespace e2e {
namespace {

using SingleInstance = LauncherTest;

TEST_F(SingleInstance, TheClaimRefusesASecondLauncherWhenNoPageCanBeFound) {
    SetWindowTextA(welcome(), "");
    ZatStart& second = startZatStart("", folder().directory());
    const auto refusal = second.waitForMessageBox();
    EXPECT_EQ(second.findSplash(), nullptr) << "the second launcher got through";
    SetWindowTextA(welcome(), pageTitle);
    ASSERT_NE(refusal, nullptr) << "the second launcher was not refused";
    answer(refusal, IDOK);
    EXPECT_TRUE(second.waitForExit().has_value());
    EXPECT_TRUE(zat().running());
}

// A settings file opened while a launcher runs goes to that launcher, from another current
// directory and named relative to it.
TEST_F(SingleInstance, ASecondStartWithASettingsFileHandsItToTheRunningLauncher) {
    TestFolder elsewhere("hand-over");
    saveRecord(elsewhere.path("handed.ZTP"), startupRecordFor(folder().gameShortDirectory()));
    ZatStart& second = startZatStart("handed.ZTP", elsewhere.directory());
    EXPECT_EQ(second.waitForExit(), 0u) << "the second start did not end at once";
    EXPECT_NE(zat().waitForPage(Page::optionText), nullptr) << "the file was not loaded";
}

} // namespace
} // namespace e2e
