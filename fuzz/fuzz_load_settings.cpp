// Fuzz target: LoadSettings over any settings file, read through an in-memory profile.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "ini_profile.h"
#include "settings_store.h"

namespace {

const std::string kFolder = "C:\\Saver";
// C:\Saver\テセラリウム.ini, written out rather than taken from the store.
const std::string kIniPath = "C:\\Saver\\\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80.ini";
const std::string kTypeKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";       // BGM区分
const std::string kTrackKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";  // BGMﾘﾋﾟｰﾄ
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";       // BGMﾌｧｲﾙ

// A number field after loading: "" gives 0, a number in range is taken, else it stays.
int16_t expectedNumber(int16_t before, const std::string& value) {
    if (value.empty()) return 0;
    return readSettingNumber(value).value_or(before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ini_profile::setFile(kIniPath, bytes);
    ini_profile::setReadableFiles({"C:\\Music\\song.mp3", "C:\\Music\\loop.wav",
                                   "C:\\\x89\xB9\x8A\x79\\\x95\x5C.mp3" /* C:\音楽\表.mp3 */});

    // What was there before: varied by the input's length, so that the file's text stays text.
    const MusicSettings before{static_cast<int16_t>(size % 4), static_cast<int16_t>(size / 4 % 3),
                               "C:\\Music\\song.mp3"};
    MusicSettings settings = before;
    LoadSettings(settings, kFolder);

    FUZZ_CHECK(ini_profile::writeCalls() == 0);
    FUZZ_CHECK(ini_profile::getCalls() == 3);
    if (settings.bgmType == kBgmSoundFile) FUZZ_CHECK(!settings.bgmFile.empty() && FileExists(settings.bgmFile));
    if (!settings.bgmFile.empty()) FUZZ_CHECK(FileExists(settings.bgmFile));

    const std::string file = ini_profile::valueIn(bytes, "Section", kFileKey);
    FUZZ_CHECK(settings.bgmFile == (FileExists(file) ? file : ""));
    int16_t type = expectedNumber(before.bgmType, ini_profile::valueIn(bytes, "Section", kTypeKey));
    if (type == kBgmSoundFile && settings.bgmFile.empty()) type = kBgmNone;
    FUZZ_CHECK(settings.bgmType == type);
    FUZZ_CHECK(settings.bgmRepeatTrack ==
               expectedNumber(before.bgmRepeatTrack, ini_profile::valueIn(bytes, "Section", kTrackKey)));
    return 0;
}
