// The control setup page takes the keys of a game config file into a saved settings file, the
// video page chooses its driver by name, and F1 opens help on the page's topic.
#include "launcher_test.h"

#include <cstring>

namespace e2e {
namespace {

constexpr char controlSetupTitle[] = "Zat Start";
constexpr char driverListTitle[] = "ZatStart Version 1.5";
constexpr char helpTitle[] = "Zat Start Help";
constexpr std::size_t bindingsAt = 1212, slotWidth = 20, videoDriverAt = 1632;

std::int32_t intAt(const std::string& bytes, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::string slotAt(const std::string& bytes, std::size_t slot) {
    const std::string field = bytes.substr(bindingsAt + slot * slotWidth, slotWidth);
    return field.substr(0, field.find('\0'));
}

using ControlsAndVideo = LauncherTest;

TEST_F(ControlsAndVideo, LoadedKeysAndAChosenDriverReachTheSettingsFileAndHelpFollowsThePage) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    command(welcome, 304);
    HWND gameOptions = zat().waitForPage(Page::gameOptions);
    ASSERT_NE(gameOptions, nullptr);

    command(gameOptions, 200);
    HWND controls = zat().waitForDialog(controlSetupTitle);
    ASSERT_NE(controls, nullptr) << "command 200 opened no control setup page";
    EXPECT_EQ(itemText(controls, 500), "CTRL");
    EXPECT_EQ(itemText(controls, 523), "U");
    const std::string config = folder().path("keys.cfg");
    writeFile(config, "bind SPACE +attack\r\nbind W +forward\r\n");
    click(controls, 110);
    HWND load = zat().waitForDialog("Load Zat Config File");
    ASSERT_NE(load, nullptr);
    ASSERT_TRUE(chooseFile(load, config));
    EXPECT_TRUE(waitUntil([&] { return itemText(controls, 500) == "SPACE"; }));
    EXPECT_EQ(itemText(controls, 504), "W");
    EXPECT_EQ(itemText(controls, 523), "");
    click(controls, closeButton);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(controls) || !IsWindowVisible(controls); }));
    EXPECT_EQ(zat().visiblePage(), gameOptions);

    command(gameOptions, 306);
    HWND video = zat().waitForPage(Page::videoOptions);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(itemText(video, 500), "Software");
    EXPECT_EQ(itemText(video, 501), "640 X 480");
    click(video, 400);
    HWND drivers = zat().waitForDialog(driverListTitle);
    ASSERT_NE(drivers, nullptr);
    selectListEntry(drivers, 900, 4);
    click(drivers, nextButton);
    EXPECT_TRUE(waitUntil([&] { return itemText(video, 500) == "Verite OpenGL"; }));

    pressF1(video, 151);
    HWND help = zat().waitForDialog(helpTitle);
    ASSERT_NE(help, nullptr) << "F1 opened no help";
    EXPECT_EQ(itemText(help, 600).rfind("Video Driver", 0), 0u) << itemText(help, 600);
    click(help, closeButton);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(help) || !IsWindowVisible(help); }));

    HWND run = goToRunPage(zat(), video);
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(setButton(run, 500, true));
    click(run, nextButton);
    HWND save = zat().waitForDialog(saveTitle);
    ASSERT_NE(save, nullptr);
    const std::string saved = folder().path("video.ZTP");
    ASSERT_TRUE(chooseFile(save, saved));
    std::optional<std::string> bytes;
    ASSERT_TRUE(waitUntil([&] { return (bytes = readFile(saved)) && bytes->size() == 1648; }));
    EXPECT_EQ(slotAt(*bytes, 0), "SPACE");
    EXPECT_EQ(slotAt(*bytes, 1), "W");
    EXPECT_EQ(slotAt(*bytes, 2), "");
    EXPECT_EQ(intAt(*bytes, videoDriverAt), 5);

    ASSERT_TRUE(waitUntil([&] { return answers(run); }));
    command(run, 306);
    video = zat().waitForPage(Page::videoOptions);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(itemText(video, 500), "Verite OpenGL");
    click(video, 150);
    EXPECT_TRUE(waitUntil([&] { return itemText(video, 500) == "Software"; }));
}

} // namespace
} // namespace e2e
