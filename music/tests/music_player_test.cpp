// The music player against a scripted MCI: commands, capacities, poll decisions, file kinds.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "music_player.h"
#include "scripted_mci.h"

namespace {

using Commands = std::vector<std::string>;

// "コマンド文字列が指定されていません"
const char kNoCommandText[] =
    "\x83R\x83}\x83\x93\x83h\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8Ew\x92\xE8\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xDC\x82\xB9\x82\xF1";
// "Error (文字列が取れません)"
const char kNoErrorText[] =
    "Error (\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1)";

const char kCurrent[] = "status cdaudio current track";
const char kCount[] = "status cdaudio number of tracks";
const char kMode[] = "status cdaudio mode";
const char kMp3Mode[] = "status MP3Play mode";

class MusicTest : public testing::Test {
protected:
    void SetUp() override { scriptedMci() = ScriptedMci{}; }

    // Stale text must never reach a reply: every buffer handed out is all NUL.
    void TearDown() override {
        for (const MciCall& call : mci().calls)
            EXPECT_TRUE(call.bufferWasClear) << "reply buffer not cleared for: " << call.command;
        for (const ErrorTextCall& call : mci().errorTextCalls)
            EXPECT_TRUE(call.bufferWasClear) << "error text buffer not cleared for " << call.code;
    }

    static ScriptedMci& mci() { return scriptedMci(); }

    MusicPlayer player{};
    MusicSettings settings{};
};

// --- MciSend, MciQuery, MciPlay ---------------------------------------------------------------

TEST_F(MusicTest, EmptyCommandSendsNothingAndSaysSo) {
    std::string text = "old";
    EXPECT_EQ(MciSend(player, "", text), -1);
    EXPECT_EQ(text, kNoCommandText);
    EXPECT_TRUE(mci().calls.empty());
    EXPECT_TRUE(mci().errorTextCalls.empty());
}

struct SendCase {
    const char* name;
    MciAnswer answer;
    std::map<uint32_t, std::string> errorTexts;
    int32_t code;
    std::string text;
};

void PrintTo(const SendCase& c, std::ostream* os) { *os << c.name; }

class MciSendTest : public MusicTest, public testing::WithParamInterface<SendCase> {};

TEST_P(MciSendTest, ReturnsCodeAndText) {
    const SendCase& c = GetParam();
    mci().answers["status cdaudio length"] = c.answer;
    mci().errorTexts = c.errorTexts;
    std::string text;
    EXPECT_EQ(MciSend(player, "status cdaudio length", text), c.code);
    EXPECT_EQ(text, c.text);
    ASSERT_EQ(mci().calls.size(), 1u);
    EXPECT_TRUE(mci().calls[0].hasBuffer);
    EXPECT_EQ(mci().calls[0].capacity, 512u);
    if (c.code != 0) {
        ASSERT_EQ(mci().errorTextCalls.size(), 1u);
        EXPECT_EQ(mci().errorTextCalls[0].code, static_cast<uint32_t>(c.code));
        EXPECT_EQ(mci().errorTextCalls[0].capacity, 256u);
    } else {
        EXPECT_TRUE(mci().errorTextCalls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MciSendTest,
    testing::Values(
        SendCase{"ReplyOnSuccess", {0, "62:13:40"}, {}, 0, "62:13:40"},
        SendCase{"ReplyEndsAtFirstNul", {0, std::string("12\0junk", 7)}, {}, 0, "12"},
        SendCase{"ErrorTextNotReply", {266, "stale"}, {{266, "No CD driver."}}, 266,
                 "No CD driver."},
        SendCase{"NoErrorText", {277, ""}, {{266, "other code"}}, 277, kNoErrorText}),
    [](const testing::TestParamInfo<SendCase>& info) { return info.param.name; });

TEST_F(MusicTest, SuccessWithoutReplyGivesEmptyTextNotThePreviousReply) {
    mci().queued = {{0, "playing"}, {0, ""}};
    std::string text;
    MciSend(player, "status cdaudio mode", text);
    ASSERT_EQ(text, "playing");
    EXPECT_EQ(MciSend(player, "play cdaudio", text), 0);
    EXPECT_EQ(text, "");
}

TEST_F(MusicTest, QueryGivesReplyOrErrorCode) {
    mci().answers["status cdaudio mode"] = {0, "paused"};
    mci().answers["status cdaudio position track 40"] = {263, ""};
    mci().errorTexts[263] = "invalid track";

    EXPECT_EQ(MciQuery(player, "status cdaudio mode"), "paused");
    EXPECT_EQ(player.LastReply, "paused");
    EXPECT_EQ(MciQuery(player, "status cdaudio position track 40"), "Error:263");
    EXPECT_EQ(player.LastReply, "invalid track");
}

struct PlayCase {
    const char* name;
    const char* from;
    const char* to;
    const char* command;
};

void PrintTo(const PlayCase& c, std::ostream* os) { *os << c.name; }

class MciPlayTest : public MusicTest, public testing::WithParamInterface<PlayCase> {};

TEST_P(MciPlayTest, BuildsCommand) {
    const PlayCase& c = GetParam();
    mci().answers[c.command] = {289, ""};
    EXPECT_EQ(MciPlay(player, "cdaudio", c.from, c.to), 289);
    EXPECT_EQ(mci().commands(), Commands{c.command});
    EXPECT_EQ(mci().calls[0].capacity, 512u);
    EXPECT_EQ(player.LastReply, kNoErrorText);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MciPlayTest,
    testing::Values(PlayCase{"Neither", "", "", "play cdaudio"},
                    PlayCase{"From", "03:00:00:00", "", "play cdaudio from 03:00:00:00"},
                    PlayCase{"To", "", "04", "play cdaudio to 04"},
                    PlayCase{"FromTo", "03", "04", "play cdaudio from 03 to 04"}),
    [](const testing::TestParamInfo<PlayCase>& info) { return info.param.name; });

// --- CD audio -----------------------------------------------------------------------------------

TEST_F(MusicTest, CdOpenAndCloseSendWithoutReplyBuffers) {
    CdOpen(player);
    CdClose(player);
    EXPECT_EQ(mci().commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf",
                                          "stop cdaudio", "close cdaudio"}));
    for (const MciCall& call : mci().calls) {
        EXPECT_FALSE(call.hasBuffer) << call.command;
        EXPECT_EQ(call.capacity, 0u) << call.command;
    }
}

struct CdCase {
    const char* name;
    int16_t repeatTrack;
    MciAnswer current, count, mode;
    Commands after;  // what is sent after the queries that were reached
    bool polling;
    size_t queries = 3;  // how many of current, count and mode were sent
};

const MciAnswer kFail{256, ""};  // not ready: no disc

void PrintTo(const CdCase& c, std::ostream* os) { *os << c.name; }

class CdPollTest : public MusicTest, public testing::WithParamInterface<CdCase> {};

TEST_P(CdPollTest, Decides) {
    const CdCase& c = GetParam();
    settings.bgmRepeatTrack = c.repeatTrack;
    mci().answers[kCurrent] = c.current;
    mci().answers[kCount] = c.count;
    mci().answers[kMode] = c.mode;
    mci().answers["status cdaudio position track 3"] = {0, "03:00:00:00"};
    mci().answers["status cdaudio position track 12"] = {263, ""};

    CdPoll(player, settings);

    Commands expected = Commands{kCurrent, kCount, kMode};
    expected.resize(c.queries);
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(mci().commands(), expected);
    EXPECT_EQ(player.CdPolling, c.polling);
}

const Commands kRestart3{"status cdaudio position track 3", "play cdaudio from 03:00:00:00"};

INSTANTIATE_TEST_SUITE_P(
    Ticks, CdPollTest,
    testing::Values(
        CdCase{"NoDisc", 0, kFail, {}, {}, {}, false, 1},
        CdCase{"CountFails", 0, {0, "1"}, kFail, {}, {}, false, 2},
        // The ERR test looks at the text, so a successful reply that says err also stops.
        CdCase{"CountReplyWithErr", 0, {0, "1"}, {0, "no err"}, {}, {}, false, 2},
        CdCase{"CurrentReplyWithErr", 3, {0, "Err"}, {}, {}, {}, false, 1},

        CdCase{"WholeDiscStopped", 0, {0, "1"}, {0, "12"}, {0, "stopped"}, {"play cdaudio"}, true},
        CdCase{"WholeDiscPlaying", 0, {0, "1"}, {0, "12"}, {0, "playing"}, {}, true},
        CdCase{"WholeDiscPaused", 0, {0, "5"}, {0, "12"}, {0, "paused"}, {}, true},
        CdCase{"WholeDiscModeFails", 0, {0, "5"}, {0, "12"}, {263, ""}, {}, true},
        CdCase{"WholeDiscIgnoresTrackText", 0, {0, "abc"}, {0, "12"}, {0, "stopped"},
               {"play cdaudio"}, true},

        // The mode is the first 7 characters, compared exactly.
        CdCase{"ModeStoppedWithMore", 0, {0, "1"}, {0, "12"}, {0, "stopped at end"},
               {"play cdaudio"}, true},
        CdCase{"ModeCapitalised", 0, {0, "1"}, {0, "12"}, {0, "Stopped"}, {}, true},
        CdCase{"ModeShort", 0, {0, "1"}, {0, "12"}, {0, "stoppe"}, {}, true},
        CdCase{"ModeLeadingBlank", 0, {0, "1"}, {0, "12"}, {0, " stopped"}, {}, true},

        CdCase{"RepeatFromOtherTrack", 3, {0, "4"}, {0, "12"}, {0, "playing"}, kRestart3, true},
        CdCase{"RepeatPausedOnOtherTrack", 3, {0, "5"}, {0, "12"}, {0, "paused"}, kRestart3, true},
        CdCase{"RepeatStoppedOnTrack", 3, {0, "3"}, {0, "12"}, {0, "stopped"}, kRestart3, true},
        CdCase{"RepeatPlayingOnTrack", 3, {0, "3"}, {0, "12"}, {0, "playing"}, {}, true},
        CdCase{"RepeatPausedOnTrack", 3, {0, "3"}, {0, "12"}, {0, "paused"}, {}, true},
        CdCase{"RepeatTrackTextWithBlanks", 3, {0, " 03 "}, {0, "12"}, {0, "playing"}, {}, true},
        CdCase{"RepeatPastLastTrack", 12, {0, "1"}, {0, "11"}, {0, "stopped"},
               {"status cdaudio position track 12", "play cdaudio from Error:263"}, true},

        // A current track that is not a number fails the tick, whatever the mode.
        CdCase{"RepeatTrackNotNumber", 3, {0, "abc"}, {0, "12"}, {0, "playing"}, {}, false},
        CdCase{"RepeatTrackEmpty", 3, {0, ""}, {0, "12"}, {0, "playing"}, {}, false},
        CdCase{"RepeatStoppedTrackNotNumber", 3, {0, "x"}, {0, "12"}, {0, "stopped"}, {}, false}),
    [](const testing::TestParamInfo<CdCase>& info) { return info.param.name; });

TEST_F(MusicTest, CdPollCapacities) {
    settings.bgmRepeatTrack = 3;
    mci().answers[kCurrent] = {0, "4"};
    CdPoll(player, settings);
    ASSERT_EQ(mci().calls.size(), 5u);
    const unsigned expected[] = {512, 512, 255, 512, 512};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(mci().calls[i].hasBuffer) << mci().calls[i].command;
        EXPECT_EQ(mci().calls[i].capacity, expected[i]) << mci().calls[i].command;
    }
}

TEST_F(MusicTest, CdPollSetsPollingAgainOnEveryTick) {
    mci().answers[kCurrent] = kFail;
    CdPoll(player, settings);
    ASSERT_FALSE(player.CdPolling);
    mci().answers[kCurrent] = {0, "1"};
    CdPoll(player, settings);
    EXPECT_TRUE(player.CdPolling);
}

TEST_F(MusicTest, FailedModeQueryDoesNotReuseLastMode) {
    mci().answers[kCurrent] = {0, "12"};
    mci().answers[kMode] = {0, "stopped"};
    CdPoll(player, settings);
    mci().answers[kMode] = {263, ""};
    CdPoll(player, settings);
    EXPECT_EQ(mci().commands(),
              (Commands{kCurrent, kCount, kMode, "play cdaudio", kCurrent, kCount, kMode}));
}

struct NumberCase {
    const char* text;
    std::optional<int32_t> value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TrackNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(TrackNumberTest, Reads) {
    EXPECT_EQ(trackNumberOf(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrackNumberTest,
    testing::Values(NumberCase{"3", 3}, NumberCase{"03", 3}, NumberCase{" \t3 ", 3},
                    NumberCase{"+3", 3}, NumberCase{"-3", -3}, NumberCase{"2147483647", INT32_MAX},
                    NumberCase{"-2147483648", INT32_MIN}, NumberCase{"", std::nullopt},
                    NumberCase{"  ", std::nullopt}, NumberCase{"+", std::nullopt},
                    NumberCase{"abc", std::nullopt}, NumberCase{"3a", std::nullopt},
                    NumberCase{"3 4", std::nullopt}, NumberCase{"3.0", std::nullopt},
                    NumberCase{"- 3", std::nullopt}, NumberCase{"2147483648", std::nullopt},
                    NumberCase{"99999999999999999999", std::nullopt}));

// --- MP3 ----------------------------------------------------------------------------------------

TEST_F(MusicTest, Mp3OpenQuotesPathAndPlays) {
    settings.bgmFile = "C:\\My Music\\night drive.mp3";
    Mp3Open(player, settings);
    EXPECT_EQ(mci().commands(),
              (Commands{"open \"C:\\My Music\\night drive.mp3\" type MPEGVideo Alias MP3Play",
                        "play MP3Play"}));
    for (const MciCall& call : mci().calls) EXPECT_FALSE(call.hasBuffer);
}

TEST_F(MusicTest, Mp3OpenThatFailsDoesNotPlay) {
    settings.bgmFile = "C:\\gone.mp3";
    mci().queued = {{275, ""}};
    Mp3Open(player, settings);
    EXPECT_EQ(mci().commands(),
              Commands{"open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play"});
}

struct Mp3ModeCase {
    const char* name;
    MciAnswer answer;
    bool playing;
};

void PrintTo(const Mp3ModeCase& c, std::ostream* os) { *os << c.name; }

class Mp3IsPlayingTest : public MusicTest, public testing::WithParamInterface<Mp3ModeCase> {};

TEST_P(Mp3IsPlayingTest, ReadsFirstSevenCharacters) {
    mci().answers[kMp3Mode] = GetParam().answer;
    EXPECT_EQ(Mp3IsPlaying(player), GetParam().playing);
    ASSERT_EQ(mci().calls.size(), 1u);
    EXPECT_EQ(mci().calls[0].command, kMp3Mode);
    EXPECT_EQ(mci().calls[0].capacity, 30u);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Mp3IsPlayingTest,
    testing::Values(Mp3ModeCase{"Playing", {0, "playing"}, true},
                    Mp3ModeCase{"PlayingWithMore", {0, "playing forward"}, true},
                    Mp3ModeCase{"Stopped", {0, "stopped"}, false},
                    Mp3ModeCase{"Short", {0, "playin"}, false},
                    Mp3ModeCase{"Capitalised", {0, "Playing"}, false},
                    Mp3ModeCase{"NotOpen", {263, ""}, false}),
    [](const testing::TestParamInfo<Mp3ModeCase>& info) { return info.param.name; });

TEST_F(MusicTest, Mp3PollRestartsOnlyWhenNotPlaying) {
    mci().queued = {{0, "playing"}, {263, ""}};  // the second query fails and writes nothing
    Mp3Poll(player);
    EXPECT_EQ(mci().commands(), Commands{kMp3Mode});
    Mp3Poll(player);
    EXPECT_EQ(mci().commands(),
              (Commands{kMp3Mode, kMp3Mode, "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_FALSE(mci().calls[2].hasBuffer);
    EXPECT_FALSE(mci().calls[3].hasBuffer);
}

TEST_F(MusicTest, Mp3CloseStopsThenCloses) {
    Mp3Close(player);
    EXPECT_EQ(mci().commands(), (Commands{"stop MP3Play", "close MP3Play"}));
    for (const MciCall& call : mci().calls) EXPECT_FALSE(call.hasBuffer);
}

// --- WAV ----------------------------------------------------------------------------------------

TEST_F(MusicTest, WavPlayNeedsAWaveDevice) {
    settings.bgmFile = "C:\\sounds\\rain.wav";
    WavPlay(player, settings);
    EXPECT_TRUE(mci().sounds.empty());

    mci().waveDevices = 2;
    WavPlay(player, settings);
    ASSERT_EQ(mci().sounds.size(), 1u);
    EXPECT_EQ(mci().sounds[0].name, "C:\\sounds\\rain.wav");
    EXPECT_EQ(mci().sounds[0].flags, 9u);  // async, loop
    EXPECT_TRUE(mci().calls.empty());
}

TEST_F(MusicTest, WavStopPlaysNothing) {
    WavStop(player);
    ASSERT_EQ(mci().sounds.size(), 1u);
    EXPECT_EQ(mci().sounds[0].name, std::nullopt);
    EXPECT_EQ(mci().sounds[0].flags, 0u);
}

// --- Sound-file kind ----------------------------------------------------------------------------

struct KindCase {
    const char* path;
    SoundFileKind kind;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }

class SoundFileKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(SoundFileKindTest, ByLastThreeCharacters) {
    EXPECT_EQ(soundFileKind(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SoundFileKindTest,
    testing::Values(KindCase{"C:\\a\\song.mp3", SoundFileKind::kMp3},
                    KindCase{"C:\\a\\song.Mp3", SoundFileKind::kMp3},
                    KindCase{"C:\\a\\rain.WAV", SoundFileKind::kWav},
                    KindCase{"C:\\a\\mywav", SoundFileKind::kWav},
                    KindCase{"MP3", SoundFileKind::kMp3},
                    KindCase{"x.wa", SoundFileKind::kOther},
                    KindCase{"AV", SoundFileKind::kOther},
                    KindCase{"", SoundFileKind::kOther},
                    KindCase{"C:\\a\\song.mp4", SoundFileKind::kOther},
                    KindCase{"C:\\a\\song.mp3 ", SoundFileKind::kOther},
                    // Code page 932: "ジ" is 83 57, so "ジAV" ends in the bytes W A V but its
                    // last three characters are "ジAV"; "ジWAV" does end in WAV.
                    KindCase{"C:\\\x83WAV", SoundFileKind::kOther},
                    KindCase{"C:\\\x83WWAV", SoundFileKind::kWav}));

}  // namespace
