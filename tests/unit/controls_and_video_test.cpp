// The control setup page over the game options page, the video options page with its lists
// and advanced page.
#include "controls/bindings.h"
#include "walk.h"

namespace {

// The keys the game starts with, in the order of the binding table.
void expectDefaultKeys(FakePage& page) {
    std::string keys;
    for (const BindableAction& action : bindableActions)
        keys += page.text(action.boxId) + " ";
    EXPECT_EQ("CTRL UPARROW DOWNARROW SHIFT LEFTARROW RIGHTARROW , . ENTER ] [ / INS C SPACE PGDN "
              "DEL END \\ ALT U ",
              keys);
}

} // namespace

// Over the game options page, whose boxes are kept on leaving and radios at the click.
TEST(ControlSetupPage, ShowsTheDefaultKeysAndKeepsTheKeysOfALoadedFile) {
    Bench bench;
    const LaunchSettings& s = bench.app.settings;
    bench.folder.write("mine.cfg", "bind SPACE +attack\r\nbind x +forward\r\n");
    bench.desktop.chosenFiles = {std::nullopt, bench.folder.path("absent.cfg"),
                                 bench.folder.path("mine.cfg")};
    storeFieldText(bench.app.settings.bindings[0], "F");
    bench.on(IDD_GAME_OPTIONS, [&](FakePage& page) {
        page.click(IDC_ALWAYS_RUN);
        page.click(IDC_LOOK_STRAFE);
        page.click(IDC_CROSSHAIR_DOT);
        page.click(IDC_DIALOG_OFF);
        page.command(IDC_CONTROL_SETUP);
        EXPECT_FALSE(page.ended()) << "the game options page stays beneath";
        EXPECT_EQ(1, s.alwaysRun) << "a box is kept on leaving";
        EXPECT_EQ(crosshairs::dot, s.crosshair) << "a radio at its click";
        page.command(IDM_MAP_SELECT);
    });
    bench.on(IDD_CONTROL_SETUP, [&](FakePage& page) {
        expectDefaultKeys(page);
        page.click(IDC_LOAD_CONFIG); // cancelled
        page.click(IDC_LOAD_CONFIG); // a file that cannot be read
        expectDefaultKeys(page);
        page.click(IDC_LOAD_CONFIG);
        EXPECT_EQ("SPACE", page.text(IDC_BIND_ATTACK));
        EXPECT_EQ("x", page.text(IDC_BIND_FORWARD));
        const Rect at = page.windowRect();
        page.moveMouse({at.left + 40, at.top + 57});
        EXPECT_EQ("Cursor X = 40 , Cursor Y = 57", page.text(IDC_CURSOR_POSITION));
        page.click(IDC_SET_DEFAULT_KEYS);
        expectDefaultKeys(page);
        page.click(IDC_OK);
    });
    EXPECT_EQ(IDD_MAP_SELECT, bench.open(gameOptionsPage));
    EXPECT_EQ("SPACE", fieldText(s.bindings[0]));
    EXPECT_EQ(0, s.alwaysRun);
    EXPECT_EQ(1, s.lookStrafe);
    EXPECT_EQ(dialogModes::off, s.dialogMode);
    ASSERT_EQ(1u, bench.desktop.messageBoxes.size());
    EXPECT_EQ("There was an error reading the Config File", bench.desktop.messageBoxes[0].text);
}

TEST(VideoOptionsPage, NamesFromTheTablesListsThatStoreOnOkAndDefaultsInOrder) {
    Bench bench;
    LaunchSettings& s = bench.app.settings;
    s.videoDriver = 0;
    s.videoMode = 10;
    // The dialogs over the page take the steps after it.
    bench.on(IDD_VIDEO_OPTIONS, [&](FakePage& page) {
        EXPECT_EQ("Static", page.text(IDC_VIDEO_DRIVER)) << "a position outside its table";
        EXPECT_EQ("Static", page.text(IDC_VIDEO_MODE));
        page.click(IDC_TEXTURE_16BIT);
        page.click(IDC_FULLSCREEN_NO);
        page.click(IDC_CHANGE_DRIVER);
        EXPECT_EQ("ATI Rage OpenGL", page.text(IDC_VIDEO_DRIVER));
        page.click(IDC_CHANGE_MODE);
        EXPECT_EQ("Static", page.text(IDC_VIDEO_MODE)) << "Cancel stores nothing";
        page.click(IDC_ADVANCED_VIDEO);
        page.click(IDC_ADVANCED_VIDEO);
        EXPECT_EQ(7, s.videoDriver);
        page.click(IDC_SET_VIDEO_DEFAULTS);
        EXPECT_EQ("Software", page.text(IDC_VIDEO_DRIVER));
        page.click(IDC_BACK);
    });
    bench.on(IDD_DRIVER_LIST, [](FakePage& page) {
        page.chooseListEntry(IDC_VIDEO_LIST, 6); // the last
        page.click(IDC_OK);
    });
    bench.on(IDD_MODE_LIST, [](FakePage& page) {
        EXPECT_EQ(0, page.listSelection(IDC_VIDEO_LIST)) << "the list opens on its first entry";
        page.chooseListEntry(IDC_VIDEO_LIST, 8);
        page.click(IDC_CLOSE);
    });
    // The advanced page keeps nothing: OK and Close just close it.
    bench.on(IDD_ADVANCED_VIDEO, [](FakePage& page) { page.click(IDC_OK); });
    bench.on(IDD_ADVANCED_VIDEO, [](FakePage& page) { page.pressEscape(); });
    EXPECT_EQ(IDD_MAP_SELECT, bench.open(videoOptionsPage));
    EXPECT_EQ(0, std::memcmp(&kStartupValues.videoDriver, &s.videoDriver, 16));
}
