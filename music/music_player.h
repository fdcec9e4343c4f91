// The music player: CD, MP3 and WAV background music over the calls in mci_platform.h.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "music_settings.h"

// The module's state, one per program. Value-initialise it (`MusicPlayer player{};`); the
// reply buffers are filled with NUL characters and cleared again before each use.
struct MusicPlayer {
    bool CdPolling = false;          // set by CdPoll on every tick: the CD timer may go on
    char ModeReply[256] = {};        // CD mode query, capacity 255
    char MciReply[512] = {};         // MciSend's reply, capacity 512
    char MciErrorText[256] = {};     // MciSend's error text, capacity 256
    char Mp3ModeReply[30] = {};      // MP3 mode query, capacity 30
    std::string LastReply;           // text of the last MciSend made by MciQuery or MciPlay
};

// Sends `command`; 0 with the reply in `text`, or the MCI code with its description (or
// "Error (文字列が取れません)" when the platform has none). An empty command sends nothing,
// returns -1 and sets "コマンド文字列が指定されていません".
int32_t MciSend(MusicPlayer& player, const std::string& command, std::string& text);

// The reply to `command`, or "Error:<code>" when it fails (callers look for "ERR").
std::string MciQuery(MusicPlayer& player, const std::string& command);

// "play <device>[ from <from>][ to <to>]", each part only when not empty; the MCI code.
int32_t MciPlay(MusicPlayer& player, const std::string& device, const std::string& from,
                const std::string& to);

// Opens the CD audio device in track/minute/second/frame format.
void CdOpen(MusicPlayer& player);
// One 200 ms tick: checks the disc, then (re)starts the disc or the repeated track. Sets
// CdPolling false when the disc cannot be queried or the current track is not a number.
void CdPoll(MusicPlayer& player, const MusicSettings& settings);
// Stops and closes the CD audio device.
void CdClose(MusicPlayer& player);

// Opens the MP3 file under the alias MP3Play and plays it when the open succeeds.
void Mp3Open(MusicPlayer& player, const MusicSettings& settings);
// True when the MP3 device's mode begins with "playing"; a failing query counts as not.
bool Mp3IsPlaying(MusicPlayer& player);
// One 1000 ms tick: starts the file again from its beginning when it no longer plays.
void Mp3Poll(MusicPlayer& player);
// Stops and closes the MP3 device.
void Mp3Close(MusicPlayer& player);

// Loops the WAV file in the background, when there is a wave output device at all.
void WavPlay(MusicPlayer& player, const MusicSettings& settings);
// Stops the wave sound; harmless when nothing plays.
void WavStop(MusicPlayer& player);

// A track number as the CD device replies it: blanks (spaces, tabs) around an optional sign
// and one or more decimal digits, within 32-bit signed range; nothing for any other text.
std::optional<int32_t> trackNumberOf(const std::string& reply);
