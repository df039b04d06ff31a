// Every file the program writes, with each step of the write failing as it can on Windows: the
// player is told, the old file stays as it was and no temporary file is left beside it. (A file
// that cannot be read: the control setup and launcher arguments tests.)
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
        desktop.chosenFiles = {folder.path("mine.ZTP")}; // saved as, or the game located at
    }
    ~FailingFiles() { failFileStep(std::nullopt); }

    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (const MessageBoxShown& box : desktop.messageBoxes)
            texts.push_back(box.text + (box.caption == "Error" ? "" : " (not an error)"));
        return texts;
    }
};

} // namespace

TEST(FileFailures, AFailedWriteIsReportedAndLeavesTheOldFileAlone) {
    const struct {
        const char* file;
        const Page* page;
        void (*write)(FakePage&);
        std::string_view cannotCreate, cannotWrite;
    } files[] = {
        {"mine.ZTP", &runPage,
         [](FakePage& page) {
             page.click(IDC_SAVE_SETTINGS);
             page.click(IDC_NEXT);
         },
         settingsMessages::cantOpen, settingsMessages::cantWrite},
        {"ZatStart.ini", &gameTypePage, [](FakePage& page) { page.command(IDM_LOCATE_GAME); },
         "The game location could not be saved in ZatStart.ini.\nZat Start will ask for the game "
         "again at its next start.",
         ""},
        {"game\\base\\ZatStart.cfg", &optionTextPage, [](FakePage& page) { page.click(IDC_NEXT); },
         configMessages::cantWrite, ""},
    };
    for (const auto& f : files)
        for (const FileStep step : {FileStep::create, FileStep::write, FileStep::replace}) {
            FailingFiles bench;
            bench.folder.write(f.file, "the old file");
            failFileStep(step);
            bench.open(*f.page, [&](FakePage& page) {
                f.write(page);
                if (!page.ended())
                    page.command(IDM_WELCOME);
            });
            const std::string_view message =
                step == FileStep::create || f.cannotWrite.empty() ? f.cannotCreate : f.cannotWrite;
            EXPECT_EQ(std::vector<std::string>{std::string(message)}, bench.shown())
                << f.file << " " << static_cast<int>(step);
            EXPECT_EQ("the old file", bench.folder.read(f.file)) << f.file;
            const auto folder = bench.folder.native(f.file).parent_path();
            EXPECT_EQ(f.file[0] == 'g' ? 1 : 2,
                      std::distance(std::filesystem::directory_iterator(folder), {}))
                << f.file << ": a temporary file was left";
        }
}

// Once the INI lives in application data, a failed write there is the failure the player hears
// of, not a success.
TEST(FileFailures, AnIniInApplicationDataThatCannotBeWrittenIsAFailure) {
    TempFolder folder;
    std::filesystem::create_directory(folder.native("app"));
    folder.write("app\\ZatStart.ini", "the old file");
    const IniLocations where{folder.path("ZatStart.ini"), folder.path("app\\ZatStart.ini")};
    for (const FileStep step : {FileStep::create, FileStep::write, FileStep::replace}) {
        failFileStep(step);
        EXPECT_FALSE(writeGameLocation(kStartupValues, where)) << static_cast<int>(step);
    }
    failFileStep(std::nullopt);
    EXPECT_EQ("the old file", folder.read("app\\ZatStart.ini"));
    EXPECT_FALSE(folder.exists("ZatStart.ini"));
}
