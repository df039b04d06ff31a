// An INI file from anywhere: only the game location changes, its directory stays within its
// field, and writing it back and reading it again gives the same location.
#include "fuzz_check.h"
#include "settings/game_location.h"
#include "settings/text_field.h"

#include <cstring>

namespace {

LaunchSettings patterned() {
    LaunchSettings settings;
    std::memset(&settings, 0xA5, sizeof settings);
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LaunchSettings settings = patterned();
    parseGameLocation(settings, bytesOf(data, size));

    fuzzCheck(std::memchr(settings.gameDirectory, '\0', sizeof settings.gameDirectory) != nullptr,
              "the directory ends within its field");
    LaunchSettings others = settings;
    const LaunchSettings untouched = patterned();
    others.locateGamePending = untouched.locateGamePending;
    std::memcpy(others.gameDirectory, untouched.gameDirectory, sizeof others.gameDirectory);
    fuzzCheck(std::memcmp(&others, &untouched, sizeof others) == 0,
              "nothing but the game location changes");

    LaunchSettings again = patterned();
    parseGameLocation(again, formatGameLocation(settings));
    fuzzCheck(again.locateGamePending == settings.locateGamePending,
              "the locate-pending number survives writing and reading");
    fuzzCheck(fieldText(again.gameDirectory) == fieldText(settings.gameDirectory),
              "the directory survives writing and reading");
    return 0;
}
