// Fuzz target: the CD and MP3 polls against MCI replies and codes taken from the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "music_player.h"
#include "scripted_mci.h"

namespace {

const std::string kCurrent = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";
const std::string kPosition = "status cdaudio position track ";
const std::string kPlayFrom = "play cdaudio from ";
const std::string kMp3Mode = "status MP3Play mode";
// "Error (文字列が取れません)"
const std::string kNoErrorText =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Every command the two polls may send.
bool isKnownCommand(const std::string& command) {
    return command == kCurrent || command == kCount || command == kMode || command == "play cdaudio" ||
           startsWith(command, kPosition) || startsWith(command, kPlayFrom) || command == kMp3Mode ||
           command == "stop MP3Play" || command == "play MP3Play from 0";
}

// What a reply buffer of `capacity` bytes holds as text: at most capacity - 1 bytes, to a NUL.
std::string bufferText(const std::string& reply, unsigned capacity) {
    return std::string(reply.substr(0, capacity - 1).c_str());
}

bool containsErr(const std::string& text) {
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        auto is = [&](size_t k, char c) { return text[i + k] == c || text[i + k] == c + ('a' - 'A'); };
        if (is(0, 'E') && is(1, 'R') && is(2, 'R')) return true;
    }
    return false;
}

// A track number reply: blanks, [sign] digits, blanks, in 32-bit range.
std::optional<int32_t> trackOf(const std::string& reply) {
    const size_t first = reply.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const size_t last = reply.find_last_not_of(" \t");
    std::string body = reply.substr(first, last - first + 1);
    bool negative = false;
    if (body[0] == '+' || body[0] == '-') {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    if (body.empty() || body.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    body.erase(0, std::min(body.find_first_not_of('0'), body.size() - 1));
    if (body.size() > 10) return std::nullopt;
    const long long value = (negative ? -1 : 1) * std::stoll(body);
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

struct Tick {
    std::vector<MciAnswer> answers;  // for the calls in order; later calls answer 0, ""
    std::map<uint32_t, std::string> errorTexts;
    MusicPlayer& player;
    size_t firstCall;  // index in the scripted calls of this tick's first command

    const MciCall& call(size_t k) const {
        FUZZ_CHECK(scriptedMci().calls.size() > firstCall + k);
        return scriptedMci().calls[firstCall + k];
    }
    MciAnswer answer(size_t k) const { return k < answers.size() ? answers[k] : MciAnswer{}; }
    size_t callCount() const { return scriptedMci().calls.size() - firstCall; }

    // Call k went through MciSend: its buffer, and the text it gives back.
    std::string sentText(size_t k) const {
        FUZZ_CHECK(call(k).hasBuffer && call(k).capacity == sizeof player.MciReply);
        const MciAnswer a = answer(k);
        if (a.code == 0) return bufferText(a.reply, sizeof player.MciReply);
        const auto found = errorTexts.find(a.code);
        return found == errorTexts.end() ? kNoErrorText
                                         : bufferText(found->second, sizeof player.MciErrorText);
    }
    // Call k went through MciQuery: what the caller gets.
    std::string queried(size_t k) const {
        const MciAnswer a = answer(k);
        const std::string text = sentText(k);
        return a.code == 0 ? text : "Error:" + std::to_string(static_cast<int32_t>(a.code));
    }
};

void checkCdPoll(const Tick& tick, int16_t repeatTrack) {
    MusicPlayer& player = tick.player;
    FUZZ_CHECK(tick.call(0).command == kCurrent);
    const std::string current = tick.queried(0);
    if (containsErr(current)) {
        FUZZ_CHECK(!player.CdPolling && tick.callCount() == 1);
        return;
    }
    FUZZ_CHECK(tick.call(1).command == kCount);
    if (containsErr(tick.queried(1))) {
        FUZZ_CHECK(!player.CdPolling && tick.callCount() == 2);
        return;
    }
    FUZZ_CHECK(tick.call(2).command == kMode && tick.call(2).hasBuffer);
    FUZZ_CHECK(tick.call(2).capacity < sizeof player.ModeReply);  // room for the last NUL
    const bool stopped = bufferText(tick.answer(2).reply, tick.call(2).capacity).compare(0, 7, "stopped") == 0;

    if (repeatTrack == 0) {
        FUZZ_CHECK(player.CdPolling);
        FUZZ_CHECK(tick.callCount() == (stopped ? 4u : 3u));
        if (stopped) FUZZ_CHECK(tick.call(3).command == "play cdaudio");
        return;
    }
    const std::optional<int32_t> track = trackOf(current);
    FUZZ_CHECK(track == trackNumberOf(current));
    if (!track) {
        FUZZ_CHECK(!player.CdPolling && tick.callCount() == 3);
        return;
    }
    FUZZ_CHECK(player.CdPolling);
    if (!stopped && *track == repeatTrack) {
        FUZZ_CHECK(tick.callCount() == 3);
        return;
    }
    FUZZ_CHECK(tick.callCount() == 5);
    FUZZ_CHECK(tick.call(3).command == kPosition + std::to_string(repeatTrack));
    const std::string start = tick.queried(3);
    FUZZ_CHECK(tick.call(4).command == (start.empty() ? "play cdaudio" : kPlayFrom + start));
    FUZZ_CHECK(player.LastReply == tick.sentText(4));
}

// The MP3 mode query: its own 30-byte buffer, the code never looked at.
bool expectedPlaying(const Tick& tick) {
    FUZZ_CHECK(tick.call(0).command == kMp3Mode && tick.call(0).hasBuffer);
    FUZZ_CHECK(tick.call(0).capacity <= sizeof tick.player.Mp3ModeReply);
    return bufferText(tick.answer(0).reply, tick.call(0).capacity).compare(0, 7, "playing") == 0;
}

// Mostly success, often a few usual failure codes, sometimes any code.
uint32_t consumeCode(FuzzedDataProvider& input) {
    const uint8_t kind = input.ConsumeIntegral<uint8_t>();
    if (kind < 128) return 0;
    if (kind < 224) return 256 + kind % 16;
    return input.ConsumeIntegral<uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    scriptedMci() = ScriptedMci{};
    MusicPlayer player{};
    MusicSettings settings{};
    settings.bgmRepeatTrack = input.ConsumeBool() ? input.ConsumeIntegralInRange<int16_t>(0, 4)
                                                  : input.ConsumeIntegral<int16_t>();

    std::map<uint32_t, std::string> errorTexts;
    for (int n = input.ConsumeIntegralInRange(0, 3); n > 0; --n)
        errorTexts[256 + input.ConsumeIntegralInRange(0, 15)] = input.ConsumeRandomLengthString(300);
    scriptedMci().errorTexts = errorTexts;

    for (int ticks = 0; ticks < 16 && input.remaining_bytes() > 0; ++ticks) {
        const int operation = input.ConsumeIntegralInRange(0, 3);
        Tick tick{{}, errorTexts, player, scriptedMci().calls.size()};
        for (int k = input.ConsumeIntegralInRange(0, 5); k > 0; --k) {
            const uint32_t code = consumeCode(input);
            tick.answers.push_back({code, input.ConsumeRandomLengthString(600)});
        }
        scriptedMci().queued.assign(tick.answers.begin(), tick.answers.end());

        switch (operation) {
        case 0:
        case 1:
            CdPoll(player, settings);
            checkCdPoll(tick, settings.bgmRepeatTrack);
            break;
        case 2: {
            const bool playing = Mp3IsPlaying(player);
            FUZZ_CHECK(playing == expectedPlaying(tick) && tick.callCount() == 1);
            break;
        }
        case 3:
            Mp3Poll(player);
            if (expectedPlaying(tick)) {
                FUZZ_CHECK(tick.callCount() == 1);
            } else {
                FUZZ_CHECK(tick.callCount() == 3);
                FUZZ_CHECK(tick.call(1).command == "stop MP3Play" && !tick.call(1).hasBuffer);
                FUZZ_CHECK(tick.call(2).command == "play MP3Play from 0" && !tick.call(2).hasBuffer);
            }
            break;
        }
        scriptedMci().queued.clear();
    }

    const ScriptedMci& mci = scriptedMci();
    for (const MciCall& call : mci.calls) {
        FUZZ_CHECK(isKnownCommand(call.command));
        FUZZ_CHECK(call.bufferWasClear);  // no stale reply can be read back
        FUZZ_CHECK(call.hasBuffer == (call.capacity != 0));
    }
    for (const ErrorTextCall& call : mci.errorTextCalls) {
        FUZZ_CHECK(call.bufferWasClear);
        FUZZ_CHECK(call.capacity == sizeof player.MciErrorText);
    }
    return 0;
}
