// Every file the program writes, with each step of the write failing as it can on Windows: the
// player is told, the old file stays as it was and no temporary file is left beside it. And a
// file that cannot be read is reported, not taken as empty.
#include "app/locate_game.h"
#include "controls/game_config.h"
#include "platform/posix/file_faults.h"
#include "settings/settings_file.h"
#include "walk.h"

#include <filesystem>

namespace {

struct FailingFiles : Bench {
    FailingFiles() {
        app.ini = iniLocationsOf(desktop);
        std::filesystem::create_directories(folder.native("game\\base"));
        storeFieldText(app.settings.gameDirectory, folder.path("game\\"));
    }
    ~FailingFiles() { failFileStep(std::nullopt); }

    // The settings file, saved before the launch.
    void save() {
        desktop.chosenFiles = {folder.path("mine.ZTP")};
        open(runPage, [](FakePage& page) {
            page.click(IDC_SAVE_SETTINGS);
            page.click(IDC_NEXT);
            page.command(IDM_WELCOME);
        });
    }
    // The INI file, rewritten when the game is located.
    void locate() {
        desktop.chosenFiles = {"D:\\ZAT\\zat.exe"};
        open(gameTypePage, [](FakePage& page) {
            page.command(IDM_LOCATE_GAME);
            page.command(IDM_WELCOME);
        });
    }
    // The config file, written by the option text page's Next.
    void writeConfig() {
        open(optionTextPage, [](FakePage& page) { page.click(IDC_NEXT); });
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (const MessageBoxShown& box : desktop.messageBoxes)
            texts.push_back(box.text + (box.caption == "Error" ? "" : " (not an error)"));
        return texts;
    }
};

const std::string kIniNotSaved = "The game location could not be saved in ZatStart.ini.\n"
                                 "Zat Start will ask for the game again at its next start.";

} // namespace

TEST(FileFailures, AFailedWriteIsReportedAndLeavesTheOldFileAlone) {
    const struct {
        const char* file;
        void (FailingFiles::*write)();
        FileStep step;
        std::string_view message;
    } cases[] = {
        {"mine.ZTP", &FailingFiles::save, FileStep::create, settingsMessages::cantOpen},
        {"mine.ZTP", &FailingFiles::save, FileStep::write, settingsMessages::cantWrite},
        {"mine.ZTP", &FailingFiles::save, FileStep::replace, settingsMessages::cantWrite},
        {"ZatStart.ini", &FailingFiles::locate, FileStep::create, kIniNotSaved},
        {"ZatStart.ini", &FailingFiles::locate, FileStep::write, kIniNotSaved},
        {"ZatStart.ini", &FailingFiles::locate, FileStep::replace, kIniNotSaved},
        {"game\\base\\ZatStart.cfg", &FailingFiles::writeConfig, FileStep::create,
         configMessages::cantWrite},
        {"game\\base\\ZatStart.cfg", &FailingFiles::writeConfig, FileStep::write,
         configMessages::cantWrite},
        {"game\\base\\ZatStart.cfg", &FailingFiles::writeConfig, FileStep::replace,
         configMessages::cantWrite},
    };
    for (const auto& c : cases) {
        FailingFiles bench;
        bench.folder.write(c.file, "the old file");
        failFileStep(c.step);
        (bench.*c.write)();
        EXPECT_EQ(std::vector<std::string>{std::string(c.message)}, bench.shown())
            << c.file << " " << static_cast<int>(c.step);
        EXPECT_EQ("the old file", bench.folder.read(c.file)) << c.file;
        const auto folder = bench.folder.native(c.file).parent_path();
        EXPECT_EQ(c.file[0] == 'g' ? 1 : 2,
                  std::distance(std::filesystem::directory_iterator(folder), {}))
            << c.file << ": a temporary file was left";
    }
}

TEST(FileFailures, AFileThatCannotBeReadIsReported) {
    FailingFiles bench;
    bench.folder.write("mine.ZTP", imageOf(kStartupValues));
    bench.folder.write("keys.cfg", "bind SPACE +attack\n");
    failFileStep(FileStep::read);
    bench.desktop.chosenFiles = {bench.folder.path("mine.ZTP"), bench.folder.path("keys.cfg")};
    bench.desktop.answers.push_back(MessageAnswer::no); // skip to the command line? no
    bench.open(welcomePage, [](FakePage& page) {
        page.click(IDC_LOAD_SETTINGS);
        page.command(IDM_GAME_TYPE);
    });
    bench.on(IDD_GAME_OPTIONS, [](FakePage& page) { page.command(IDC_CONTROL_SETUP); });
    bench.on(IDD_CONTROL_SETUP, [](FakePage& page) {
        page.click(IDC_LOAD_CONFIG);
        page.click(IDC_OK);
    });
    bench.on(IDD_GAME_OPTIONS, [](FakePage& page) { page.command(IDM_WELCOME); });
    bench.open(gameOptionsPage);
    EXPECT_EQ((std::vector<std::string>{"Can't load file!",
                                        "Skip to the Command Line dialog? (not an error)",
                                        "There was an error reading the Config File"}),
              bench.shown());
}
