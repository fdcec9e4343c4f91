// The three music settings, shared by the whole front end: filled from the settings file at
// start-up, edited by the settings dialog, read by the run form and the music player.
#pragma once
#include <cstdint>
#include <string>

enum BgmKind : int16_t { kBgmNone = 0, kBgmCdAudio = 1, kBgmSoundFile = 2 };

struct MusicSettings {
    int16_t bgmType;         // 0 none, 1 CD audio, 2 sound file; other values play nothing
    int16_t bgmRepeatTrack;  // CD track to repeat; 0 plays the whole disc
    std::string bgmFile;     // full path of the MP3 or WAV file (code page 932 bytes)
};

enum class SoundFileKind { kOther, kWav, kMp3 };

// Told by the last three characters of the path, upper-cased: "WAV" or "MP3".
SoundFileKind soundFileKind(const std::string& bgmFile);
