// In-memory settings files for the native tests, behind GetIni, WriteIni and FileExists.
#pragma once
#include <ostream>
#include <string>
#include <vector>

struct IniWrite {
    std::string section, key, value, file;
    bool operator==(const IniWrite& other) const {
        return section == other.section && key == other.key && value == other.value &&
               file == other.file;
    }
};
std::ostream& operator<<(std::ostream& out, const IniWrite& write);

namespace fake_profile {

// Forgets every file, every readable path and every recorded write.
void reset();
// Puts key=value into a section of a settings file, as if the file held that line.
void setValue(const std::string& file, const std::string& section, const std::string& key,
              const std::string& value);
// A path that FileExists can open (exactly as given; folders are never added).
void addReadableFile(const std::string& path);
// Every WriteIni call so far, oldest first.
const std::vector<IniWrite>& writes();

}  // namespace fake_profile
