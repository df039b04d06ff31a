#pragma once
// What the launcher leaves on disk and what the stand-in game recorded: a fresh folder per
// test with a copy of the demo game, the INI file, settings files and the stand-in's log.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// Where the build put things, as this program sees them.
std::string zatStartExe();
std::string demoGameDirectory(); // with a trailing backslash

std::optional<std::string> readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);
// The 8.3 form of an existing path (UTF-8) as the volume gives it, in the code page's
// characters (the path itself if it gives none that fit).
std::string shortPathOf(const std::string& path);

// The INI file in the Windows directory (writable under Wine, so the launcher never falls back
// to the one in application data).
std::string windowsIniPath();
// The game location as the launcher writes it: "0", a line break, the directory.
void writeIni(const std::string& gameDirectory);

// A fresh, empty folder for one test with a copy of the demo game in it, in a folder of the
// given name (UTF-8).
class TestFolder {
  public:
    explicit TestFolder(const std::string& name, std::string_view gameFolder = "Zat Demo Game");
    std::string path(std::string_view name) const { return dir_ + std::string(name); }
    const std::string& directory() const { return dir_; } // trailing backslash
    // The copied game: a directory with blanks in its name, so its short form differs.
    const std::string& gameDirectory() const { return game_; } // UTF-8, trailing backslash
    std::string gameShortDirectory() const { return shortPathOf(game_); }
    std::string gameExe() const { return game_ + "zat.exe"; }
    std::string standinLog() const { return gameShortDirectory() + "zat-standin.log"; }

  private:
    std::string dir_;
    std::string game_;
};

// What the stand-in game's log holds under the key, one value a start, oldest first: its
// "command-line" (as the game was started), "current-directory", "config-path".
std::vector<std::string> logged(const std::string& logPath, std::string_view key);

// A settings file through the program's own record, written as the launcher writes it: the
// start-up record with the game directory.
void saveSettingsFile(const std::string& path, std::string_view gameDirectory);

} // namespace e2e
