// The front end against damaged or odd settings files: a saver run still starts and ends
// cleanly, and reading the file at start-up never changes it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "harness.h"

using namespace harness;

namespace {

constexpr DWORD kWindowTimeout = 15000;  // ms
// Closing the renderer's activated window takes Wine about 2 s on a display without a window
// manager; the front end ends at its next watch after that.
constexpr DWORD kEndTimeout = 8000;  // ms

// Bytes of every value, NUL, CR and LF included, from a fixed generator.
std::string garbage(size_t size) {
    std::string bytes(size, '\0');
    uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 16);
    }
    return bytes;
}

struct InputCase {
    const char* name;
    // Prepares whatever the file refers to in `folder` and returns the settings file's bytes.
    std::string (*make)(const std::string& folder);
};

void PrintTo(const InputCase& c, std::ostream* out) { *out << c.name; }

const InputCase kCases[] = {
    {"garbage", [](const std::string&) { return garbage(4096); }},
    // Read as UTF-16 text by the profile functions.
    {"garbage_after_utf16_mark", [](const std::string&) { return "\xFF\xFE" + garbage(4095); }},
    {"empty", [](const std::string&) { return std::string(); }},
    {"long_file_value",
     [](const std::string& folder) { return settingsText(" 2", " 0", folder + std::string(10240, 'a') + ".mp3"); }},
    {"long_number", [](const std::string&) { return settingsText(std::string(10240, '9'), " 0", ""); }},
    // Lead bytes without their trail byte, bytes that start no character, a lead byte at the
    // end of the line.
    {"not_code_page_932",
     [](const std::string& folder) {
         return settingsText(" 2\x81", "\xFD\xFE", folder + "\x81\xFF\xA0\x80\x85\x7F.mp3\x81");
     }},
    {"type_7", [](const std::string&) { return settingsText(" 7", " 0", ""); }},
    {"track_negative", [](const std::string&) { return settingsText(" 1", "-5", ""); }},
    {"track_huge", [](const std::string&) { return settingsText(" 1", "99999999999", ""); }},
    // A folder whose name ends like a sound file, with and without a trailing backslash.
    {"file_is_a_folder",
     [](const std::string& folder) {
         CreateDirectoryA((folder + "music.mp3").c_str(), nullptr);
         return settingsText(" 2", " 0", folder + "music.mp3");
     }},
    {"file_is_a_folder_with_backslash",
     [](const std::string& folder) {
         CreateDirectoryA((folder + "music.wav").c_str(), nullptr);
         return settingsText(" 2", " 0", folder + "music.wav\\");
     }},
    {"file_has_vanished",
     [](const std::string& folder) {
         std::string path = folder + "gone.mp3";
         writeWholeFile(path, "ID3");
         DeleteFileA(path.c_str());
         return settingsText(" 2", " 0", path);
     }},
    {"keys_in_another_section",
     [](const std::string& folder) {
         std::string text = settingsText(" 2", " 3", folder + "tune.wav");
         return "[Other]" + text.substr(text.find("\r\n")) + "[section2]\r\n[ Section ]\r\n";
     }},
};

class SettingsInput : public testing::Test {
protected:
    void TearDown() override { endLeftoverFrontEnds(); }
};

class DamagedSettings : public SettingsInput, public testing::WithParamInterface<InputCase> {};

FILETIME lastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

TEST_P(DamagedSettings, StillGiveANormalRunAndStayUntouched) {
    const InputCase& c = GetParam();
    std::string folder = makeSaverFolder(std::string("settings-") + c.name, RendererKind::kFake);
    std::string settingsPath = folder + kSettingsFileName;
    std::string bytes = c.make(folder);
    writeWholeFile(settingsPath, bytes);
    ASSERT_EQ(readWholeFile(settingsPath), bytes);
    // An old time, so that any write shows however coarse the clock.
    HANDLE file = CreateFileA(settingsPath.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME old = {0xC89DC000, 0x01C07385};  // 2001-01-01
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
    FILETIME before = lastWriteTime(settingsPath);

    Process frontEnd;
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    EXPECT_NE(waitForWindowTitled(kRunFormTitle, kWindowTimeout), nullptr) << "no run form";
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr) << "no renderer";
    Sleep(1000);  // the music's first polls
    EXPECT_EQ(frontEnd.waitForExit(0), -1) << "the run ended by itself";
    for (HWND window : topLevelWindowsOf(frontEnd.info.dwProcessId)) {
        std::string title = windowTitle(window), className = windowClassName(window);
        EXPECT_TRUE(title == kRunFormTitle || className == "IME" || className == "MSCTFIME UI")
            << "a window " << className << " \"" << title << "\"";
    }
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(frontEnd.waitForExit(kEndTimeout), 0);

    EXPECT_TRUE(readWholeFile(settingsPath) == bytes) << "the settings file changed";
    FILETIME after = lastWriteTime(settingsPath);
    EXPECT_EQ(CompareFileTime(&before, &after), 0) << "the settings file was written";
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSettings, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

// Reading a missing file does not make one.
TEST_F(SettingsInput, AMissingFileIsNotCreatedByARun) {
    std::string folder = makeSaverFolder("settings-missing", RendererKind::kFake);
    std::string settingsPath = folder + kSettingsFileName;
    Process frontEnd;
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(frontEnd.waitForExit(kEndTimeout), 0);
    EXPECT_EQ(GetFileAttributesA(settingsPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
