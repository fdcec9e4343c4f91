// An in-memory settings file behind GetIni, WriteIni and FileExists, for the fuzz targets.
#include "ini_profile.h"

#include <algorithm>

#include "settings_store.h"

namespace {

std::string filePath;
std::string fileBytes;
std::vector<std::string> readable;
int gets = 0;
int writes = 0;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string trimmed(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

char folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names compare without regard to ASCII case.
bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return folded(x) == folded(y); });
}

}  // namespace

namespace ini_profile {

void setFile(const std::string& path, const std::string& bytes) {
    filePath = path;
    fileBytes = bytes;
    gets = writes = 0;
}

void setReadableFiles(const std::vector<std::string>& paths) { readable = paths; }

int getCalls() { return gets; }
int writeCalls() { return writes; }

// Lines end in LF or CR LF. "[name]" opens a section (the last "]" closes the name; a line
// without one is skipped); "key=value" or a bare "key" is an entry, blanks around both dropped
// and one pair of matching quotes around the value taken off. The first matching section and,
// in it, the first matching key win.
std::string valueIn(const std::string& bytes, const std::string& section, const std::string& key) {
    bool inSection = false, sectionSeen = false;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = trimmed(bytes.substr(start, end - start));
        start = end + 1;

        if (!line.empty() && line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string::npos) continue;
            if (inSection) return "";  // the first matching section ended without the key
            inSection = !sectionSeen && sameName(trimmed(line.substr(1, close - 1)), section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection || line.empty()) continue;
        const size_t equals = line.find('=');
        if (!sameName(trimmed(line.substr(0, equals)), key)) continue;
        std::string value = equals == std::string::npos ? "" : trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        value = value.c_str();  // the caller's buffer ends at a NUL
        return value.substr(0, 255);
    }
    return "";
}

}  // namespace ini_profile

std::string GetIni(const std::string& section, const std::string& key, const std::string& file) {
    ++gets;
    if (file != filePath) return "";
    return ini_profile::valueIn(fileBytes, section, key);
}

void WriteIni(const std::string&, const std::string&, const std::string&, const std::string&) {
    ++writes;
}

bool FileExists(const std::string& path) {
    const std::string opened = withoutTrailingBackslash(path);
    return std::find(readable.begin(), readable.end(), opened) != readable.end();
}
