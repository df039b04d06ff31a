// The three deathmatch chains in the real program: the choices made on the pages reach the
// command line page, the game and a saved settings file, and that file shows them again.
#include "deathmatch_choices.h"
#include "launcher_test.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace e2e {
namespace {

const std::string gameOptions = " +set crosshair 1 +set dialog 3 +set cl_run 1 +set m_filter 1 "
                                "+set lookspring 1 +set lookstrafe 0 +set freelook 1";
const std::string player =
    " +set name Mira Player Wit +set hand 1 +set model pl_mira +set skin Mira_Base3";
const std::string joinOptions = player + " +connect 192.168.1.20:27910" + gameOptions;
const std::string serverOptions = player +
                                  " +set dmflags 0 +set allow_download 1 +set cheats 0 "
                                  "+set hostname Zat Server" +
                                  gameOptions + " +map dm_arena";
const std::string dedicatedOptions =
    player +
    " +set dmflags 140 +set allow_download 1 +set cheats 0 +set hostname Zat Server "
    "+set timelimit 20 +set fraglimit 12345 +set maxclients 16" +
    gameOptions + " +map dm_arena";

using Choices = void (*)(HWND page, Page kind);

// The saved record's numbers and texts at their offsets.
void expectFields(const std::string& file,
                  std::initializer_list<std::pair<std::size_t, std::int32_t>> numbers,
                  std::initializer_list<std::pair<std::size_t, const char*>> texts) {
    ASSERT_EQ(file.size(), SettingsImage::size);
    for (const auto& [offset, number] : numbers) {
        std::int32_t stored = 0;
        std::memcpy(&stored, file.data() + offset, sizeof stored);
        EXPECT_EQ(stored, number) << "at " << offset;
    }
    for (const auto& [offset, text] : texts)
        EXPECT_STREQ(file.c_str() + offset, text) << "at " << offset;
}

class DeathmatchChains : public LauncherTest {
  protected:
    // From the welcome page, makes the chain's choices on each page on the way and presses
    // Next until the command line page; checks its option text.
    HWND walk(HWND welcome, Choices choose, std::initializer_list<Page> pages,
              const std::string& options) {
        HWND page = welcome;
        for (Page expected : pages) {
            page = next(zat(), page, expected);
            if (!page)
                return nullptr;
            choose(page, expected);
            // Typing stops at the stored length.
            if (choose == joinChoices && expected == Page::playerSetup) {
                EXPECT_EQ(itemText(page, 600), "Mira Player Wit");
            }
            if (choose == dedicatedServerChoices && expected == Page::serverOptions) {
                EXPECT_EQ(itemText(page, 601), "12345");
            }
        }
        page = next(zat(), page, Page::commandLine);
        EXPECT_EQ(itemText(page, 600), options);
        return page;
    }

    // Run with "save settings" checked: the settings file, then the game with what the
    // command line page showed. Returns the saved file.
    std::string runAndSave(HWND commandLine, const std::string& name, bool dedicated,
                           const std::string& options) {
        HWND run = next(zat(), commandLine, Page::run);
        if (!run)
            return {};
        setButton(run, 500, true);
        const std::size_t startsBefore = gameStarts(folder().standinLog()).size();
        click(run, nextButton);
        HWND save = zat().waitForDialog(saveTitle);
        const std::string file = folder().path(name);
        EXPECT_TRUE(save && chooseFile(save, file));
        const auto starts = waitForGameStarts(folder().standinLog(), startsBefore + 1);
        EXPECT_GT(starts.size(), startsBefore);
        if (starts.size() > startsBefore) {
            const std::string directory = folder().gameShortDirectory();
            EXPECT_EQ(starts.back().commandLine, directory + "zat.exe +set deathmatch 1" +
                                                     (dedicated ? " +dedicated 1" : "") +
                                                     " +exec " + directory + "base\\zatstart.cfg");
            EXPECT_EQ(visible(starts.back().config.value_or("(missing)")),
                      visible(configFileFor(options)));
        }
        EXPECT_TRUE(waitUntil([&] { return launchEnded(run); }));
        command(run, 300);
        EXPECT_NE(zat().waitForPage(Page::welcome), nullptr);
        return readFile(file).value_or("");
    }
};

TEST_F(DeathmatchChains, JoinStartAndDedicatedServerReachTheGameAndLoadBack) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);

    HWND commandLine = walk(
        welcome, joinChoices,
        {Page::gameType, Page::playerSetup, Page::multiplayer, Page::gameOptions}, joinOptions);
    ASSERT_NE(commandLine, nullptr);
    expectFields(runAndSave(commandLine, "join.ztp", false, joinOptions),
                 {{12, 200}, {20, 501}, {24, 510}, {44, 2}},
                 {{648, "192.168.1.20:27910"}, {808, "Mira Player Wit"}, {888, "Mira_Base3"}});

    const auto serverChain = {Page::gameType,      Page::playerSetup, Page::multiplayer,
                              Page::serverOptions, Page::gameOptions, Page::mapSelect};
    welcome = zat().waitForPage(Page::welcome);
    commandLine = walk(welcome, serverChoices, serverChain, serverOptions);
    ASSERT_NE(commandLine, nullptr);
    expectFields(runAndSave(commandLine, "server.ztp", false, serverOptions),
                 {{12, 202}, {1028, 0}}, {{1130, "Zat Server"}, {728, "dm_arena"}});

    welcome = zat().waitForPage(Page::welcome);
    commandLine = walk(welcome, dedicatedServerChoices, serverChain, dedicatedOptions);
    ASSERT_NE(commandLine, nullptr);
    // dmflags: no falling damage, weapons stay, model teams; then dedicated, team play, skin
    // and model teams, the three limits switched on.
    expectFields(runAndSave(commandLine, "dedicated.ztp", true, dedicatedOptions),
                 {{1028, 0x8 | 0x4 | 0x80},
                  {1048, 1},
                  {1096, 1},
                  {1080, 0},
                  {1084, 1},
                  {1032, 1},
                  {1036, 1},
                  {1040, 1}},
                 {{1100, "20"}, {1110, "12345"}, {1120, "16"}});

    // A fresh start shows the saved server set-up again, page by page.
    click(zat().waitForPage(Page::welcome), closeButton);
    if (auto question = zat().waitForMessageBox())
        answer(*question, IDYES);
    ASSERT_TRUE(zat().waitForExit().has_value());
    ZatStart& again = startZatStart();
    welcome = again.waitForPage(Page::welcome);
    ASSERT_NE(welcome, nullptr);
    const MessageBoxWindow question =
        loadSettingsFile(again, welcome, folder().path("dedicated.ztp"));
    ASSERT_NE(question.window, nullptr);
    answer(question, IDNO);
    HWND page = next(again, welcome, Page::gameType);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(isChecked(page, 22));
    page = next(again, page, Page::playerSetup);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(isChecked(page, 501) && isChecked(page, 510));
    EXPECT_TRUE(isShown(page, 701) && !isShown(page, 700) && !isShown(page, 702));
    EXPECT_EQ(listSelection(page, 701), 2);
    EXPECT_EQ(itemText(page, 600), "Mira Player Wit");
    page = next(again, page, Page::multiplayer);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(isChecked(page, 202) && !isEnabled(page, 201));
    EXPECT_EQ(itemText(page, 201), "192.168.1.20:27910");
    page = next(again, page, Page::serverOptions);
    ASSERT_NE(page, nullptr);
    for (int box : {514, 510, 511, 512, 900, 807, 501, 513, 504})
        EXPECT_TRUE(isChecked(page, box)) << box;
    for (int box : {500, 806, 515})
        EXPECT_FALSE(isChecked(page, box)) << box;
    EXPECT_TRUE(isEnabled(page, 806) && isEnabled(page, 600));
    EXPECT_EQ(itemText(page, 601), "12345");
    EXPECT_EQ(itemText(page, 603), "Zat Server");
}

} // namespace
} // namespace e2e
