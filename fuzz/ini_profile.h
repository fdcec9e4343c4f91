// GetIni, WriteIni and FileExists for the fuzz targets: one settings file held as raw bytes and
// read as the platform's profile functions read it, a fixed set of readable files, writes counted.
#pragma once
#include <string>
#include <vector>

namespace ini_profile {

// The one settings file there is: its path and its bytes. Resets the counters.
void setFile(const std::string& path, const std::string& bytes);
// The paths FileExists can open, exactly as given.
void setReadableFiles(const std::vector<std::string>& paths);

int getCalls();
int writeCalls();

// The value GetIni gives for a section and key of `bytes`: "" when either is missing; cut at a
// NUL and to 255 bytes.
std::string valueIn(const std::string& bytes, const std::string& section, const std::string& key);

}  // namespace ini_profile
