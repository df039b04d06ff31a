#pragma once
// A fresh folder per test, named with the program's backslash separators so the same test
// runs natively and under Wine.

#include "settings/launch_settings.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A record's raw image: the bytes of a settings file.
inline std::string imageOf(const LaunchSettings& s) {
    return {reinterpret_cast<const char*>(&s), sizeof s};
}

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() /
               ("zat-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // The folder with backslashes only, and one at its end, as gameDirectory holds it: so
    // natively too its paths are never read as switches.
    std::string directory() const {
        std::string directory = dir_.string() + "\\";
        std::replace(directory.begin(), directory.end(), '/', '\\');
        return directory;
    }
    std::string path(std::string_view name) const { return directory() + std::string(name); }
    std::filesystem::path native(std::string_view relative) const {
        std::string rel(relative);
        std::replace(rel.begin(), rel.end(), '\\', '/');
        return dir_ / rel;
    }

    // Makes the folders the file goes into.
    void write(std::string_view relative, std::string_view bytes) const {
        std::filesystem::create_directories(native(relative).parent_path());
        std::ofstream out(native(relative), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read(std::string_view relative) const {
        std::ifstream in(native(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(std::string_view relative) const {
        return std::filesystem::exists(native(relative));
    }

  private:
    std::filesystem::path dir_;
};
