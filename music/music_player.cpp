// The music player's operations: MCI command strings, the CD and MP3 polls, the wave sound.
#include "music_player.h"

#include <cstring>

#include "mci_platform.h"

namespace {

// "コマンド文字列が指定されていません"
const char kNoCommandText[] =
    "\x83R\x83}\x83\x93\x83h\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xDC\x82\xB9\x82\xF1";
// "Error (文字列が取れません)"
const char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

constexpr uint32_t kSndAsync = 1;
constexpr uint32_t kSndLoop = 8;

// The text MCI left in a buffer: the part before the first NUL (the whole buffer if none).
template <size_t N>
std::string textOf(const char (&buffer)[N]) {
    return std::string(buffer, strnlen(buffer, N));
}

template <size_t N>
void clear(char (&buffer)[N]) {
    std::memset(buffer, 0, N);
}

// A command whose result and reply nobody looks at.
void sendOnly(const std::string& command) {
    sendMciString(command.c_str(), nullptr, 0);
}

bool containsErr(const std::string& text) {
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        if ((text[i] == 'E' || text[i] == 'e') && (text[i + 1] == 'R' || text[i + 1] == 'r') &&
            (text[i + 2] == 'R' || text[i + 2] == 'r'))
            return true;
    }
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

int32_t MciSend(MusicPlayer& player, const std::string& command, std::string& text) {
    if (command.empty()) {
        text = kNoCommandText;
        return -1;
    }
    clear(player.MciReply);
    const uint32_t code = sendMciString(command.c_str(), player.MciReply, sizeof player.MciReply);
    if (code != 0) {
        clear(player.MciErrorText);
        if (getMciErrorString(code, player.MciErrorText, sizeof player.MciErrorText))
            text = textOf(player.MciErrorText);
        else
            text = kNoErrorText;
        return static_cast<int32_t>(code);
    }
    text = textOf(player.MciReply);
    return 0;
}

std::string MciQuery(MusicPlayer& player, const std::string& command) {
    const int32_t code = MciSend(player, command, player.LastReply);
    if (code != 0) return "Error:" + std::to_string(code);
    return player.LastReply;
}

int32_t MciPlay(MusicPlayer& player, const std::string& device, const std::string& from,
                const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) command += " from " + from;
    if (!to.empty()) command += " to " + to;
    return MciSend(player, command, player.LastReply);
}

std::optional<int32_t> trackNumberOf(const std::string& reply) {
    size_t i = 0;
    const size_t n = reply.size();
    while (i < n && isBlank(reply[i])) ++i;
    bool negative = false;
    if (i < n && (reply[i] == '+' || reply[i] == '-')) negative = reply[i++] == '-';
    const size_t firstDigit = i;
    int64_t value = 0;
    for (; i < n && reply[i] >= '0' && reply[i] <= '9'; ++i) {
        value = value * 10 + (reply[i] - '0');
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;  // too long to be a track
    }
    if (i == firstDigit) return std::nullopt;
    while (i < n && isBlank(reply[i])) ++i;
    if (i != n) return std::nullopt;
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

void CdOpen(MusicPlayer&) {
    sendOnly("open cdaudio");
    sendOnly("set cdaudio time format tmsf");  // track:minute:second:frame positions
}

void CdPoll(MusicPlayer& player, const MusicSettings& settings) {
    player.CdPolling = true;

    // Only these two queries decide whether polling goes on: no disc, no device, not ready.
    const std::string current = MciQuery(player, "status cdaudio current track");
    if (containsErr(current)) {
        player.CdPolling = false;
        return;
    }
    const std::string count = MciQuery(player, "status cdaudio number of tracks");
    if (containsErr(count)) {
        player.CdPolling = false;
        return;
    }

    clear(player.ModeReply);
    sendMciString("status cdaudio mode", player.ModeReply, sizeof player.ModeReply - 1);
    const std::string mode = textOf(player.ModeReply).substr(0, 7);
    const bool stopped = mode == "stopped";

    if (settings.bgmRepeatTrack == 0) {
        if (stopped) MciPlay(player, "cdaudio", "", "");
        return;
    }

    // The current track is read as a number even when the drive is stopped: a reply that is
    // not a number is a failed tick and ends polling.
    const std::optional<int32_t> track = trackNumberOf(current);
    if (!track) {
        player.CdPolling = false;
        return;
    }
    if (stopped || *track != settings.bgmRepeatTrack) {
        const std::string start = MciQuery(
            player, "status cdaudio position track " + std::to_string(settings.bgmRepeatTrack));
        MciPlay(player, "cdaudio", start, "");  // also with "Error:<code>" as the start
    }
}

void CdClose(MusicPlayer&) {
    sendOnly("stop cdaudio");
    sendOnly("close cdaudio");
}

void Mp3Open(MusicPlayer&, const MusicSettings& settings) {
    const std::string open = "open \"" + settings.bgmFile + "\" type MPEGVideo Alias MP3Play";
    if (sendMciString(open.c_str(), nullptr, 0) == 0) sendOnly("play MP3Play");
}

bool Mp3IsPlaying(MusicPlayer& player) {
    clear(player.Mp3ModeReply);
    sendMciString("status MP3Play mode", player.Mp3ModeReply, sizeof player.Mp3ModeReply);
    return textOf(player.Mp3ModeReply).compare(0, 7, "playing") == 0;
}

void Mp3Poll(MusicPlayer& player) {
    if (Mp3IsPlaying(player)) return;
    sendOnly("stop MP3Play");
    sendOnly("play MP3Play from 0");
}

void Mp3Close(MusicPlayer&) {
    sendOnly("stop MP3Play");
    sendOnly("close MP3Play");
}

void WavPlay(MusicPlayer&, const MusicSettings& settings) {
    if (waveOutputDeviceCount() > 0) playSound(settings.bgmFile.c_str(), kSndAsync | kSndLoop);
}

void WavStop(MusicPlayer&) {
    playSound(nullptr, 0);
}
