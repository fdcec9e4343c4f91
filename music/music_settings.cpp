// The sound-file kind of a music setting: WAV, MP3 or neither, by the end of the path.
#include "music_settings.h"

namespace {

// Lead byte of a code page 932 double-byte character.
bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

SoundFileKind soundFileKind(const std::string& bgmFile) {
    // The path is code page 932: count characters, not bytes, so that a trail byte that happens
    // to be 'W' or 'M' (as in "ジ", 83 57) never counts as part of the ending.
    size_t starts[3] = {};  // byte offsets of the last three characters, oldest first
    size_t characters = 0;
    for (size_t i = 0; i < bgmFile.size();) {
        starts[0] = starts[1];
        starts[1] = starts[2];
        starts[2] = i;
        ++characters;
        i += isLeadByte(static_cast<unsigned char>(bgmFile[i])) && i + 1 < bgmFile.size() ? 2 : 1;
    }
    if (characters < 3 || bgmFile.size() - starts[0] != 3) return SoundFileKind::kOther;

    std::string ending = bgmFile.substr(starts[0]);
    for (char& c : ending) c = upper(c);
    if (ending == "WAV") return SoundFileKind::kWav;
    if (ending == "MP3") return SoundFileKind::kMp3;
    return SoundFileKind::kOther;
}
