// What every page shares: Close asks first, and a moved page hands its place to the next.
#include "launcher_test.h"

#include <windows.h>

#include <cstdlib>
#include <thread>

namespace e2e {
namespace {

constexpr char exitQuestion[] = "Are you sure you wish to exit Zat Start?";

using PageFrame = LauncherTest;

TEST_F(PageFrame, CloseAndEscapeAskFirstAndNoKeepsThePage) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    click(welcome, closeButton);
    auto question = zat().waitForMessageBox();
    ASSERT_TRUE(question.has_value()) << "Close did not ask";
    EXPECT_EQ(question->caption, "Zat Start");
    EXPECT_EQ(question->text, exitQuestion);
    EXPECT_TRUE(hasItem(question->window, IDYES) && hasItem(question->window, IDNO));
    EXPECT_EQ(GetWindow(question->window, GW_OWNER), welcome) << "the question is not the page's";
    answer(*question, IDNO);

    ASSERT_TRUE(waitUntil([&] { return !zat().findMessageBox(); }));
    pressEscape(welcome, nextButton);
    question = zat().waitForMessageBox();
    ASSERT_TRUE(question.has_value()) << "Escape did not ask";
    EXPECT_EQ(question->text, exitQuestion);
    answer(*question, IDNO);

    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(zat().running());
    EXPECT_EQ(zat().visiblePage(), welcome) << "the page did not stay after No";
    EXPECT_NE(next(zat(), welcome, Page::gameType), nullptr) << "the page is dead after No";
}

TEST_F(PageFrame, CloseThenYesDeepInTheChainEndsTheProgram) {
    HWND page = startAtWelcomePage();
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page = next(zat(), page, Page::gameType), nullptr);
    ASSERT_NE(page = next(zat(), page, Page::gameOptions), nullptr);
    ASSERT_NE(page = next(zat(), page, Page::mapSelect), nullptr);
    ASSERT_NE(page = back(zat(), page, Page::gameOptions), nullptr);
    ASSERT_NE(page = next(zat(), page, Page::mapSelect), nullptr);
    click(page, closeButton);
    const auto question = zat().waitForMessageBox();
    ASSERT_TRUE(question.has_value());
    answer(*question, IDYES);
    const auto exitCode = zat().waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "Yes on the map select page did not end the launcher";
    EXPECT_EQ(*exitCode, 0u);
}

TEST_F(PageFrame, TheWelcomePageOpensCentredAndAMovedPageHandsItsPlaceOn) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    const RECT before = windowRect(welcome);
    EXPECT_LE(std::abs((before.left + before.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 20);
    EXPECT_LE(std::abs((before.top + before.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 40);
    moveWindowTo(welcome, 37, 45);
    ASSERT_TRUE(waitUntil([&] { return windowRect(welcome).left == 37; }, 5s));

    HWND gameType = next(zat(), welcome, Page::gameType);
    ASSERT_NE(gameType, nullptr);
    RECT at = windowRect(gameType);
    EXPECT_EQ(at.left, 37);
    EXPECT_EQ(at.top, 45);
    EXPECT_EQ(at.right - at.left, before.right - before.left);
    EXPECT_EQ(at.bottom - at.top, before.bottom - before.top);

    moveWindowTo(gameType, 301, 122);
    ASSERT_TRUE(waitUntil([&] { return windowRect(gameType).left == 301; }, 5s));
    welcome = back(zat(), gameType, Page::welcome);
    ASSERT_NE(welcome, nullptr);
    at = windowRect(welcome);
    EXPECT_EQ(at.left, 301);
    EXPECT_EQ(at.top, 122);
}

} // namespace
} // namespace e2e
