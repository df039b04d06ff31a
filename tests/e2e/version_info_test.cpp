// The version information Explorer shows in the built exe's properties.
#include "game_files.h"
#include "zat_version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

TEST(VersionInfo, WindowsReadsTheProductAndItsVersion) {
    const std::string exe = zatStartExe();
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, info.size(), info.data())) << "none";
    // A value of the version resource; nothing when it is missing or empty.
    const auto value = [&info](const std::string& name) -> const char* {
        char* data = nullptr;
        UINT length = 0;
        VerQueryValueA(info.data(), name.c_str(), reinterpret_cast<void**>(&data), &length);
        return length ? data : nullptr;
    };
    const std::string strings = "\\StringFileInfo\\040904B0\\";
    EXPECT_STREQ(value(strings + "ProductName"), "Zat Start");
    EXPECT_STREQ(value(strings + "ProductVersion"), ZAT_VERSION_TEXT);
    EXPECT_STREQ(value(strings + "FileVersion"), ZAT_VERSION_TEXT);
    EXPECT_NE(value(strings + "FileDescription"), nullptr);
    const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(value("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ZAT_VERSION_MINOR, ZAT_VERSION_MAJOR));
}

} // namespace
} // namespace e2e
