// The version information Explorer shows in the built exe's properties.
#include "game_files.h"
#include "zat_version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

std::string versionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
        length == 0)
        return "(missing)";
    return std::string(value);
}

TEST(VersionInfo, WindowsReadsTheProductAndItsVersion) {
    const std::string exe = zatStartExe();
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u) << exe << " carries no version information";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

    EXPECT_EQ(versionString(info, "ProductName"), "Zat Start");
    EXPECT_EQ(versionString(info, "ProductVersion"), ZAT_VERSION_TEXT);
    EXPECT_EQ(versionString(info, "FileVersion"), ZAT_VERSION_TEXT);
    EXPECT_NE(versionString(info, "FileDescription"), "(missing)");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ZAT_VERSION_MINOR, ZAT_VERSION_MAJOR));
}

} // namespace
} // namespace e2e
