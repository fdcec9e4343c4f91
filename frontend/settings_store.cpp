// The settings file's names, its number format, and loading and saving the music settings.
#include "settings_store.h"

#include <limits>

#include "decimal_text.h"

const char kSettingsSection[] = "Section";
const char kBgmTypeKey[] = "\x42\x47\x4D\x8B\xE6\x95\xAA";              // BGM区分
const char kBgmRepeatTrackKey[] = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";   // BGMﾘﾋﾟｰﾄ
const char kBgmFileKey[] = "\x42\x47\x4D\xCC\xA7\xB2\xD9";              // BGMﾌｧｲﾙ

namespace {

// テセラリウム.ini
const char kSettingsFileName[] = "\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80.ini";

// Empty gives 0; a value that is no number in range leaves `field` as it was.
void readNumberInto(int16_t& field, const std::string& value) {
    if (value.empty()) {
        field = 0;
        return;
    }
    if (const std::optional<int16_t> number = readSettingNumber(value)) field = *number;
}

}  // namespace

std::string settingsFilePath(const std::string& programFolder) {
    return programFolder + "\\" + kSettingsFileName;
}

std::string withoutTrailingBackslash(const std::string& path) {
    size_t last = 0;
    for (size_t i = 0; i < path.size(); i = nextCharacter(path, i)) last = i;
    if (last + 1 == path.size() && path[last] == '\\') return path.substr(0, last);
    return path;
}

std::optional<int16_t> readSettingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    size_t end = i;
    const std::optional<int64_t> value = readDecimal(text, i, Rounding::kFloor, end);
    if (end == i) return std::nullopt;
    while (end < text.size() && isBlank(text[end])) ++end;
    if (end != text.size() || !value || *value < std::numeric_limits<int16_t>::min() ||
        *value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(*value);
}

std::string settingNumberText(int value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

void LoadSettings(MusicSettings& settings, const std::string& programFolder) {
    const std::string file = settingsFilePath(programFolder);
    readNumberInto(settings.bgmType, GetIni(kSettingsSection, kBgmTypeKey, file));
    readNumberInto(settings.bgmRepeatTrack, GetIni(kSettingsSection, kBgmRepeatTrackKey, file));

    settings.bgmFile = GetIni(kSettingsSection, kBgmFileKey, file);
    if (!settings.bgmFile.empty() && !FileExists(settings.bgmFile)) settings.bgmFile.clear();
    if (settings.bgmFile.empty() && settings.bgmType == kBgmSoundFile) settings.bgmType = kBgmNone;
}

void SaveSettings(const MusicSettings& settings, const std::string& programFolder) {
    const std::string file = settingsFilePath(programFolder);
    WriteIni(kSettingsSection, kBgmTypeKey, settingNumberText(settings.bgmType), file);
    WriteIni(kSettingsSection, kBgmRepeatTrackKey, settingNumberText(settings.bgmRepeatTrack), file);
    WriteIni(kSettingsSection, kBgmFileKey, settings.bgmFile, file);
}
