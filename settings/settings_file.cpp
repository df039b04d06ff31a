#include "settings/settings_file.h"

#include "platform/files.h"
#include "settings/game_location.h"
#include "settings/text_field.h"

#include <cstring>
#include <string>

Failure writeSettingsFile(const LaunchSettings& settings) {
    const std::string path(fieldText(settings.savePath));
    const std::string_view image(reinterpret_cast<const char*>(&settings), sizeof settings);
    switch (replaceFile(path, image)) {
    case ReplaceResult::replaced:
        return std::nullopt;
    case ReplaceResult::cannotCreate:
        return settingsMessages::cantOpen;
    case ReplaceResult::cannotWrite:
        break;
    }
    return settingsMessages::cantWrite;
}

Failure readSettingsFile(LaunchSettings& settings) {
    const std::string path(fieldText(settings.loadPath));
    const auto bytes = readFileBytes(path, sizeof settings);
    if (!bytes)
        return settingsMessages::cantLoad;
    return settingsFromBytes(settings, *bytes);
}

Failure settingsFromBytes(LaunchSettings& settings, std::string_view bytes) {
    if (bytes.size() < sizeof settings)
        return settingsMessages::cantRead;
    std::memcpy(&settings, bytes.data(), sizeof settings);
    keepGameDirectoryAsRead(settings);
    return std::nullopt;
}

Failure storeChosenPath(char (&field)[200], std::string_view path) {
    if (!storeFieldText(field, path))
        return settingsMessages::pathTooLong;
    return std::nullopt;
}
