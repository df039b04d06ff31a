#include "app/game_start.h"

std::optional<std::uint32_t> startGame(Desktop& desktop, const std::string& directory,
                                       const CommandLine& line,
                                       const std::function<void()>& started) {
    return desktop.runProgram(directory + "zat.exe", line.launchCommand, directory, started);
}
