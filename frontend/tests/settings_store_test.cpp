// Tests of the settings file: names, number format, loading and saving the music settings.
#include "settings_store.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_profile.h"

namespace {

// Written out here rather than taken from the store, so that a wrong byte shows.
const std::string kSection = "Section";
const std::string kTypeKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";             // BGM区分
const std::string kTrackKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";        // BGMﾘﾋﾟｰﾄ
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";             // BGMﾌｧｲﾙ
const std::string kFolder = "C:\\Saver";
const std::string kIniPath =
    "C:\\Saver\\\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80.ini";  // C:\Saver\テセラリウム.ini
const std::string kSong = "C:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3";          // C:\音楽\曲.mp3

std::string hex(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        static const char digits[] = "0123456789ABCDEF";
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

void expectSettings(const MusicSettings& actual, const MusicSettings& expected) {
    EXPECT_EQ(actual.bgmType, expected.bgmType);
    EXPECT_EQ(actual.bgmRepeatTrack, expected.bgmRepeatTrack);
    EXPECT_EQ(hex(actual.bgmFile), hex(expected.bgmFile));
}

TEST(SettingsFile, NamesAreCodePage932Bytes) {
    EXPECT_EQ(kSettingsSection, kSection);
    EXPECT_EQ(hex(kBgmTypeKey), hex(kTypeKey));
    EXPECT_EQ(hex(kBgmRepeatTrackKey), hex(kTrackKey));
    EXPECT_EQ(hex(kBgmFileKey), hex(kFileKey));
    EXPECT_EQ(hex(settingsFilePath(kFolder)), hex(kIniPath));
}

TEST(ReadSettingNumber, TakesAWholeDecimalNumberRoundedDown) {
    struct Case {
        std::string text;
        std::optional<int16_t> number;
    };
    const Case cases[] = {
        {"2", 2},
        {" 2", 2},
        {"\t2 ", 2},
        {"+2", 2},
        {"1.9", 1},
        {"-0.5", -1},
        {"-.5", -1},
        {".5", 0},
        {"5.", 5},
        {"-0", 0},
        {"007", 7},
        {"32767", 32767},
        {"32767.99", 32767},
        {"32768", std::nullopt},
        {"-32768", -32768},
        {"-32767.5", -32768},
        {"-32768.5", std::nullopt},  // rounds down to -32769
        {"-32769", std::nullopt},
        // An exponent is part of a decimal number.
        {"1e2", 100},
        {"15e-1", 1},
        {"-1e-9", -1},
        {"1e5", std::nullopt},
        {"12e", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"2 2", std::nullopt},
        {"- 2", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"0x10", std::nullopt},
        {"1,000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"99999999999999999999", std::nullopt},
        // Bytes of 0x80 and above are never digits or blanks: a full-width "２", "2" and a
        // full-width space, a lone lead byte, an unassigned byte.
        {"\x82\x51", std::nullopt},
        {"2\x81\x40", std::nullopt},
        {"\x81", std::nullopt},
        {"\xFF" "2", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readSettingNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(ReadSettingNumber, LongTextsAreReadWithoutOverflow) {
    const std::string nines(10240, '9');
    const std::string zeros(10240, '0');
    EXPECT_EQ(readSettingNumber(nines), std::nullopt);
    EXPECT_EQ(readSettingNumber("-" + nines), std::nullopt);
    EXPECT_EQ(readSettingNumber(zeros + "2"), 2);
    EXPECT_EQ(readSettingNumber("2." + nines), 2);
    EXPECT_EQ(readSettingNumber("-0." + zeros + "1"), -1);
    EXPECT_EQ(readSettingNumber("1e" + nines), std::nullopt);
    EXPECT_EQ(readSettingNumber("0e" + nines), 0);
    EXPECT_EQ(readSettingNumber("3" + std::string(10240, ' ')), 3);
    EXPECT_EQ(readSettingNumber(std::string(10240, '\xFF')), std::nullopt);
}

TEST(SettingNumberText, PutsASpaceBeforeNumbersNotNegative) {
    const std::pair<int, std::string> cases[] = {
        {0, " 0"}, {2, " 2"}, {30, " 30"}, {32767, " 32767"}, {-1, "-1"}, {-32768, "-32768"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(settingNumberText(value), text) << value;
}

TEST(WithoutTrailingBackslash, DropsOneBackslashThatIsACharacterOfItsOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Music\\", "C:\\Music"},
        {"C:\\Music\\\\", "C:\\Music\\"},
        {"C:\\Music", "C:\\Music"},
        {"\\", ""},
        {"", ""},
        // 表 and ソ end in the byte 0x5C, which is not a backslash there.
        {"C:\\\x95\x5C", "C:\\\x95\x5C"},
        {"C:\\\x95\x5C\\", "C:\\\x95\x5C"},
        {"C:\\\x83\x5C\\", "C:\\\x83\x5C"},
        // Half-width katakana are single bytes: the next 0x5C is a backslash.
        {"C:\\\xBD\\", "C:\\\xBD"},
    };
    for (const auto& [path, tested] : cases)
        EXPECT_EQ(hex(withoutTrailingBackslash(path)), hex(tested)) << path;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { fake_profile::reset(); }
    void TearDown() override { fake_profile::reset(); }
};

struct LoadCase {
    const char* name;
    MusicSettings before;
    // Values in the settings file; nullopt leaves the key out.
    std::optional<std::string> type, track, file;
    std::vector<std::string> readable;
    MusicSettings after;
};

TEST_F(SettingsStoreTest, LoadSettingsFollowsTheFileAndKeepsWhatCannotBeRead) {
    const std::string garbage(10240, 'x');
    const std::string nines(10240, '9');
    const std::string longPath = "C:\\" + std::string(300, 'a');
    const LoadCase cases[] = {
        {"no settings file", {0, 0, ""}, {}, {}, {}, {}, {0, 0, ""}},
        {"missing keys reset earlier values", {1, 5, "C:\\old.wav"}, {}, {}, {}, {"C:\\old.wav"}, {0, 0, ""}},
        {"empty values reset earlier values", {1, 5, "C:\\old.wav"}, "", "", "", {"C:\\old.wav"}, {0, 0, ""}},
        {"sound file present", {}, "2", "0", kSong, {kSong}, {2, 0, kSong}},
        {"as written, with leading spaces", {}, " 2", " 30", kSong, {kSong}, {2, 30, kSong}},
        {"sound file deleted", {}, "2", "3", kSong, {}, {0, 3, ""}},
        {"sound file empty", {}, "2", "3", "", {kSong}, {0, 3, ""}},
        {"CD with no sound file", {}, "1", "4", "", {}, {1, 4, ""}},
        {"CD with a deleted sound file", {}, "1", "4", kSong, {}, {1, 4, ""}},
        {"1.9 rounds down", {}, "1.9", "", "", {}, {1, 0, ""}},
        {"-0.5 rounds down", {}, "-0.5", "", "", {}, {-1, 0, ""}},
        {"abc leaves 0", {}, "abc", "", "", {}, {0, 0, ""}},
        {"abc leaves an earlier value", {1, 6, ""}, "abc", "abc", "", {}, {1, 6, ""}},
        {"unknown kind stays", {}, "7", "", kSong, {}, {7, 0, ""}},
        {"negative track", {}, "1", "-1", "", {}, {1, -1, ""}},
        {"track at the lower limit", {}, "1", "-32768", "", {}, {1, -32768, ""}},
        {"track beyond 16 bits", {0, 5, ""}, "1", "32768", "", {}, {1, 5, ""}},
        {"huge track", {0, 5, ""}, "1", "99999999999999999999", "", {}, {1, 5, ""}},
        {"10 KB of garbage", {1, 4, "C:\\old.wav"}, garbage, nines, garbage, {}, {1, 4, ""}},
        // The unreadable kind stays 2 until the sound file turns out to be missing.
        {"garbage kind over 2, file missing", {2, 4, kSong}, garbage, "", garbage, {kSong}, {0, 0, ""}},
        {"bytes invalid in code page 932", {1, 2, ""}, "\x81", "\xFF\xFE", "\x80\xFF\xA0", {}, {1, 2, ""}},
        {"a folder is no sound file", {}, "2", "", "C:\\Music\\", {}, {0, 0, ""}},
        {"trailing backslash is tested without it", {}, "2", "", kSong + "\\", {kSong},
         {2, 0, kSong + "\\"}},
        {"a path ending in 0x5C inside a character", {}, "2", "", "C:\\\x95\x5C", {"C:\\\x95\x5C"},
         {2, 0, "C:\\\x95\x5C"}},
        {"a long path is taken as the platform cuts it", {}, "2", "", longPath, {longPath.substr(0, 255)},
         {2, 0, longPath.substr(0, 255)}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        fake_profile::reset();
        if (c.type) fake_profile::setValue(kIniPath, kSection, kTypeKey, *c.type);
        if (c.track) fake_profile::setValue(kIniPath, kSection, kTrackKey, *c.track);
        if (c.file) fake_profile::setValue(kIniPath, kSection, kFileKey, *c.file);
        for (const std::string& path : c.readable) fake_profile::addReadableFile(path);

        MusicSettings settings = c.before;
        LoadSettings(settings, kFolder);
        expectSettings(settings, c.after);
        EXPECT_TRUE(fake_profile::writes().empty());
    }
}

TEST_F(SettingsStoreTest, LoadSettingsReadsOnlyTheFileInTheProgramFolder) {
    const std::string otherIni = "C:\\Other\\\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80.ini";
    fake_profile::setValue(otherIni, kSection, kTypeKey, "1");
    fake_profile::setValue(otherIni, kSection, kTrackKey, "9");
    fake_profile::setValue(kIniPath, "Other", kTypeKey, "1");
    MusicSettings settings{};
    LoadSettings(settings, kFolder);
    expectSettings(settings, {0, 0, ""});
}

TEST_F(SettingsStoreTest, SaveSettingsWritesTheThreeKeysInOrder) {
    SaveSettings({2, -1, kSong}, kFolder);
    const std::vector<IniWrite> expected = {
        {kSection, kTypeKey, " 2", kIniPath},
        {kSection, kTrackKey, "-1", kIniPath},
        {kSection, kFileKey, kSong, kIniPath},
    };
    EXPECT_EQ(fake_profile::writes(), expected);
}

TEST_F(SettingsStoreTest, SaveSettingsWritesAnEmptyPathAsAnEmptyValue) {
    SaveSettings({0, 0, ""}, kFolder);
    const std::vector<IniWrite> expected = {
        {kSection, kTypeKey, " 0", kIniPath},
        {kSection, kTrackKey, " 0", kIniPath},
        {kSection, kFileKey, "", kIniPath},
    };
    EXPECT_EQ(fake_profile::writes(), expected);
}

TEST_F(SettingsStoreTest, WhatIsSavedLoadsBack) {
    fake_profile::addReadableFile(kSong);
    const MusicSettings cases[] = {
        {2, 30, kSong}, {1, -32768, ""}, {0, 32767, ""}, {7, 0, kSong}, {1, 0, kSong},
    };
    for (const MusicSettings& saved : cases) {
        SCOPED_TRACE(saved.bgmType);
        SaveSettings(saved, kFolder);
        MusicSettings loaded{5, 5, "C:\\old.wav"};
        LoadSettings(loaded, kFolder);
        expectSettings(loaded, saved);
    }
}

}  // namespace
