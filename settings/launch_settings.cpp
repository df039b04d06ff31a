#include "settings/launch_settings.h"

#include <algorithm>
#include <iterator>

void applyStartupValues(LaunchSettings& s) {
    const LaunchSettings located = s;
    s = kStartupValues;
    s.locateGamePending = located.locateGamePending;
    std::copy(std::begin(located.gameDirectory), std::end(located.gameDirectory),
              std::begin(s.gameDirectory));
}
