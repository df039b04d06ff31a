// Damaged and hostile settings files loaded from the welcome page: a short file is reported,
// any other is taken, and the launcher goes on working with whatever the record now holds.
#include "launcher_test.h"

#include <windows.h>

#include <random>

namespace e2e {
namespace {

struct BadFile {
    const char* name;
    std::string bytes;
    bool tooShort; // fewer bytes than a whole record
};

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xff);
    return bytes;
}

class HostileSettingsFile : public LauncherTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(HostileSettingsFile, IsReportedOrTakenAndTheLauncherGoesOn) {
    const BadFile& bad = GetParam();
    const std::string file = folder().path(std::string(bad.name) + ".ztp");
    writeFile(file, bad.bytes);
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);

    MessageBoxWindow shown = loadSettingsFile(zat(), welcome, file);
    ASSERT_NE(shown.window, nullptr) << "the launcher ended or hung after loading";
    if (bad.tooShort) {
        EXPECT_EQ(shown.caption, "Error");
        EXPECT_EQ(shown.text, "Couldn't Read from File");
        answer(shown, IDOK);
        const auto question = zat().waitForMessageBox();
        ASSERT_TRUE(question.has_value()) << "no question after the read error";
        shown = *question;
    }
    if (shown.caption == "Zat Start" && shown.text.find("directory") != std::string::npos) {
        answer(shown, IDYES); // the file's own directory, whatever it holds
        const auto question = zat().waitForMessageBox();
        ASSERT_TRUE(question.has_value()) << "no question after the one about the directory";
        shown = *question;
    }
    EXPECT_EQ(shown.text, "Skip to the Command Line dialog?");

    // Compose from the damaged record, write its config and reach the run page.
    answer(shown, IDYES);
    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr) << "the command line page did not open";
    ASSERT_TRUE(zat().running());
    EXPECT_LE(itemText(commandLine, 600).size(), 2000u);
    click(commandLine, nextButton);
    HWND run = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        if (auto box = zat().findMessageBox())
            answer(*box, IDOK); // the config file may not be writable where the record points
        run = zat().visiblePage();
        return (run && pageOf(run) == Page::run) || !zat().running();
    })) << "the run page did not come";
    ASSERT_TRUE(zat().running()) << "the launcher ended";
    EXPECT_TRUE(answers(run));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSettingsFile,
    ::testing::Values(BadFile{"empty", "", true},
                      BadFile{"hundred_bytes", randomBytes(100, 1), true},
                      BadFile{"random_record", randomBytes(1648, 2), false},
                      BadFile{"unterminated_texts", std::string(1648, 'A'), false},
                      BadFile{"long_random", randomBytes(5000, 3), false}),
    [](const ::testing::TestParamInfo<BadFile>& file) { return std::string(file.param.name); });

} // namespace
} // namespace e2e
