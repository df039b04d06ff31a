// Every file the program writes, with each step of the write failing as it can on Windows: the
// player is told, the old file stays as it was and no temporary file is left beside it. (A file
// that cannot be read: the control setup and launcher arguments tests.)
#include "app/locate_game.h"
#include "controls/game_config.h"
#include "platform/posix/file_faults.h"
#include "platform/temporary_name.h"
#include "settings/settings_file.h"
#include "walk.h"

#include <ctime>
#include <filesystem>
#include <unistd.h>

namespace {

// Every step works again when a check ends, however it ends.
struct FailingStep {
    explicit FailingStep(FileStep step) { failFileStep(step); }
    ~FailingStep() { failFileStep(std::nullopt); }
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
            Bench bench;
            bench.app.ini = iniLocationsOf(bench.desktop);
            std::filesystem::create_directories(bench.folder.native("game\\base"));
            storeFieldText(bench.app.settings.gameDirectory, bench.folder.path("game\\"));
            bench.desktop.chosenFiles = {bench.folder.path("mine.ZTP")}; // saved as, or located
            bench.folder.write(f.file, "the old file");
            const FailingStep failing(step);
            bench.open(*f.page, [&](FakePage& page) {
                f.write(page);
                if (!page.ended())
                    page.command(IDM_WELCOME);
            });
            const std::string_view message =
                step == FileStep::create || f.cannotWrite.empty() ? f.cannotCreate : f.cannotWrite;
            ASSERT_EQ(1u, bench.desktop.messageBoxes.size()) << f.file << static_cast<int>(step);
            EXPECT_EQ(message, bench.desktop.messageBoxes[0].text);
            EXPECT_EQ("Error", bench.desktop.messageBoxes[0].caption);
            EXPECT_EQ("the old file", bench.folder.read(f.file)) << f.file;
            const auto folder = bench.folder.native(f.file).parent_path();
            EXPECT_EQ(f.file[0] == 'g' ? 1 : 2,
                      std::distance(std::filesystem::directory_iterator(folder), {}))
                << f.file << ": a temporary file was left";
        }
}

// The INI file goes to application data when the Windows folder is closed, and from then on is
// read and written there; a failed write there is a failure, not a success.
TEST(FileFailures, TheIniMovesToApplicationDataForGoodAndAFailedWriteThereIsAFailure) {
    TempFolder folder;
    LaunchSettings s = kStartupValues;
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    std::filesystem::create_directories(folder.native("app"));
    const IniLocations where{folder.path("windows\\ZatStart.ini"),
                             folder.path("app\\ZatStart.ini")};
    // The first temporary names a write would try, taken by a writer that did not finish (the
    // Windows folder is made with them).
    for (auto now = static_cast<unsigned>(std::time(nullptr)), t = now; t < now + 3; ++t)
        folder.write(temporaryNameFor("windows\\ZatStart.ini", ::getpid() ^ t, 0), "");
    ASSERT_TRUE(writeGameLocation(s, where));
    EXPECT_FALSE(folder.exists("app\\ZatStart.ini")) << "the Windows folder first";
    std::filesystem::remove_all(folder.native("windows"));
    ASSERT_TRUE(writeGameLocation(s, where));
    EXPECT_EQ("0\r\nC:\\GAMES\\ZAT\\", folder.read("app\\ZatStart.ini"));

    folder.write("windows\\ZatStart.ini", "0\r\nC:\\OLD\\");
    storeFieldText(s.gameDirectory, "D:\\ZAT\\");
    ASSERT_TRUE(writeGameLocation(s, where));
    LaunchSettings next{};
    readGameLocation(next, where);
    EXPECT_EQ("D:\\ZAT\\", fieldText(next.gameDirectory));
    for (const FileStep step : {FileStep::create, FileStep::write, FileStep::replace}) {
        const FailingStep failing(step);
        EXPECT_FALSE(writeGameLocation(kStartupValues, where)) << static_cast<int>(step);
    }
    EXPECT_EQ("0\r\nD:\\ZAT\\", folder.read("app\\ZatStart.ini"));
    EXPECT_EQ("0\r\nC:\\OLD\\", folder.read("windows\\ZatStart.ini"));
}
