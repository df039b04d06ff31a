// The launcher's own arguments: /run hands back the game's exit code, /print writes into a
// pipe; both beside a launcher that shows its pages.
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "launcher_test.h"

namespace e2e {
namespace {

using LauncherArguments = LauncherTest;

TEST_F(LauncherArguments, RunReturnsTheGamesExitCodeAndPrintWritesIntoAPipe) {
    const std::string file = folder().path("arguments.ZTP");
    saveRecord(file, startupRecordFor("C:\\Elsewhere\\"));
    const GameLaunch expected = composeGameLaunch(startupRecordFor(folder().gameShortDirectory()));

    ZatStart& print = startZatStart("/print \"" + file + "\"", folder().directory(), true);
    EXPECT_EQ(print.readOutput(),
              expected.launchCommand + "\r\n" + gameConfigText(expected.optionText) + "\r\n");
    EXPECT_EQ(print.waitForExit(), 0u);

    standInGame(true, 7);
    const std::size_t startsBefore = gameStarts(folder().standinLog()).size();
    EXPECT_EQ(startZatStart("/run \"" + file + "\"", folder().directory()).waitForExit(), 7u);
    const auto starts = gameStarts(folder().standinLog());
    ASSERT_EQ(starts.size(), startsBefore + 1);
    EXPECT_EQ(starts.back().launchCommand, expected.launchCommand);
}

} // namespace
} // namespace e2e
