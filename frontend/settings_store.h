// The settings file beside the front end and the procedures that read and write it.
// GetIni, WriteIni and FileExists go to the platform (settings_store_win32.cpp; stand-ins in
// the native tests); reading and writing the values is portable.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "music_settings.h"

// Section and keys, as code page 932 bytes: "Section", "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ".
extern const char kSettingsSection[];
extern const char kBgmTypeKey[];
extern const char kBgmRepeatTrackKey[];
extern const char kBgmFileKey[];

// The program folder followed by "\テセラリウム.ini".
std::string settingsFilePath(const std::string& programFolder);

// One value, "" when the file, the section or the key is missing; at most 255 bytes.
std::string GetIni(const std::string& section, const std::string& key, const std::string& file);
// Writes one value; a failure is not reported.
void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file);
// True when the file can be opened for reading (a folder cannot); a trailing "\" is dropped.
bool FileExists(const std::string& path);
// The path FileExists opens: without its last character when that is "\" (a code page 932
// trail byte 0x5C, as in "\x95\x5C" 表, is part of its character and stays).
std::string withoutTrailingBackslash(const std::string& path);

// A stored number: the whole text (blanks around it allowed) must be a decimal number, which
// is rounded down; nothing when it is not a number or does not fit in 16 signed bits.
std::optional<int16_t> readSettingNumber(const std::string& text);

// A number as the file stores it: one space before it when 0 or more (" 2"), else "-1".
std::string settingNumberText(int value);

// Fills the three music settings from the settings file in `programFolder`, skipping what
// cannot be read; never writes the file. A sound file that cannot be opened is dropped, and
// with it a sound-file source.
void LoadSettings(MusicSettings& settings, const std::string& programFolder);

// Writes the three settings in the file's order, as the settings dialog's Set button does.
void SaveSettings(const MusicSettings& settings, const std::string& programFolder);
