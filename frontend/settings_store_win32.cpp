// The settings file through the system's ANSI profile functions, the readable-file test, and
// the caption zoom the settings dialog opens and closes with.
#include <windows.h>

#include <cstring>

#include "settings_store.h"
#include "settings_window_zoom.h"

std::string GetIni(const std::string& section, const std::string& key, const std::string& file) {
    char value[256] = {};  // the system cuts a longer value to 255 bytes
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, file.c_str());
    return std::string(value, strnlen(value, sizeof value));
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file) {
    // Names longer than 128 characters are cut to their first 128.
    char sectionName[129] = {}, keyName[129] = {};
    std::strncpy(sectionName, section.c_str(), 128);
    std::strncpy(keyName, key.c_str(), 128);
    WritePrivateProfileStringA(sectionName, keyName, value.c_str(), file.c_str());
}

bool FileExists(const std::string& path) {
    std::string name = withoutTrailingBackslash(path);
    // Without backup semantics a folder cannot be opened; a file locked against reading fails too.
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool opened = file != INVALID_HANDLE_VALUE;
    if (opened) CloseHandle(file);
    SetLastError(0);  // no error is left over for the caller
    return opened;
}

void AnimateOpen(HWND window, POINT start) {
    RECT from = {start.x, start.y, start.x, start.y}, to;
    GetWindowRect(window, &to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void AnimateClose(HWND window, POINT end) {
    RECT from, to = {end.x, end.y, end.x, end.y};
    GetWindowRect(window, &from);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}
