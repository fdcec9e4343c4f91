// Stand-ins for the platform's profile and file calls: files held in memory, writes recorded.
#include "fake_profile.h"

#include <cstdio>
#include <map>
#include <set>

#include "settings_store.h"

namespace {

using Section = std::map<std::string, std::string>;
using IniFile = std::map<std::string, Section>;

std::map<std::string, IniFile> files;
std::set<std::string> readablePaths;
std::vector<IniWrite> recordedWrites;

// The platform's 256-character buffer leaves room for 255 bytes and the NUL.
constexpr size_t kMaxValueBytes = 255;

// Non-ASCII bytes as \xNN, so that code page 932 keys read in a failure message.
std::string escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const IniWrite& write) {
    return out << "{[" << escaped(write.section) << "] " << escaped(write.key) << "=\""
               << escaped(write.value) << "\" in " << escaped(write.file) << "}";
}

namespace fake_profile {

void reset() {
    files.clear();
    readablePaths.clear();
    recordedWrites.clear();
}

void setValue(const std::string& file, const std::string& section, const std::string& key,
              const std::string& value) {
    files[file][section][key] = value;
}

void addReadableFile(const std::string& path) { readablePaths.insert(path); }

const std::vector<IniWrite>& writes() { return recordedWrites; }

}  // namespace fake_profile

std::string GetIni(const std::string& section, const std::string& key, const std::string& file) {
    const auto f = files.find(file);
    if (f == files.end()) return "";
    const auto s = f->second.find(section);
    if (s == f->second.end()) return "";
    const auto k = s->second.find(key);
    if (k == s->second.end()) return "";
    return k->second.substr(0, kMaxValueBytes);
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file) {
    recordedWrites.push_back({section, key, value, file});
    files[file][section][key] = value;
}

bool FileExists(const std::string& path) {
    return readablePaths.count(withoutTrailingBackslash(path)) != 0;
}
