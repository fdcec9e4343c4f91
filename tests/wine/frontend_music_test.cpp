// The background music of a saver run, heard: what the front end sends to the private sound
// sink while a run goes on and after it has ended, read back from the sink's recording.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"
#include "sound_recording.h"

using namespace harness;

namespace {

constexpr DWORD kWindowTimeout = 15000;  // ms
// Closing the renderer's activated window takes Wine about 2 s on a display without a window
// manager; the front end ends at its next watch after that.
constexpr DWORD kEndTimeout = 8000;  // ms

struct Heard {
    double toneSeconds = 0;  // blocks where the tone is clearly there
    int bursts = 0;          // runs of such blocks, each after a block without it
    double loudest = 0;      // highest block level
    std::string picture;     // one character per block: '#' tone, '.' silence, '-' between
};

Heard listen(const std::vector<double>& levels) {
    Heard heard;
    bool inBurst = false;
    for (double level : levels) {
        bool tone = level >= kToneLevel;
        if (tone) heard.toneSeconds += 0.1;
        if (tone && !inBurst) ++heard.bursts;
        inBurst = tone;
        if (level > heard.loudest) heard.loudest = level;
        heard.picture += tone ? '#' : level <= kSilenceLevel ? '.' : '-';
    }
    return heard;
}

class Music : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(recording.present()) << "run under tools/wine-run with TESSELLARIUM_SOUND=null-sink";
        // The recorder delivers nothing for its first seconds: start once it does.
        ASSERT_TRUE(recording.waitFor(recording.size() + kBlockBytes, 15000)) << "the sink is not being recorded";
    }
    void TearDown() override { endLeftoverFrontEnds(); }

    // A fresh saver folder with the fake renderer and `sound` copied to `relativePath` in it, and
    // a settings file naming that copy.
    void prepare(const std::string& name, const std::string& bgmType, const char* sound,
                 const std::string& relativePath) {
        folder = makeSaverFolder(name, RendererKind::kFake);
        std::string path = folder + relativePath;
        size_t slash = relativePath.find_last_of('\\');
        if (slash != std::string::npos) CreateDirectoryA((folder + relativePath.substr(0, slash)).c_str(), nullptr);
        EXPECT_TRUE(CopyFileA((ownFolder() + "sounds\\" + sound).c_str(), path.c_str(), FALSE)) << path;
        writeWholeFile(folder + kSettingsFileName, settingsText(" " + bgmType, " 0", path));
    }

    // Recording offsets of a run's events.
    struct Run {
        uint64_t launched = 0;  // the front end is started
        uint64_t started = 0;   // the renderer's window is there, or the music first heard
        uint64_t closing = 0;   // the renderer's window is told to close
        uint64_t ended = 0;     // the front end has ended
        std::vector<std::string> otherWindows;  // windows of the front end besides its run form
    };

    // Starts a run, lets `seconds` of it be recorded from the renderer's window (or from the
    // first sound of the music), then ends it by closing the renderer's window.
    Run run(double seconds, bool fromFirstTone) {
        Run run;
        run.launched = recording.size();
        if (!startFrontEnd(frontEnd, folder, "/s")) {
            ADD_FAILURE() << "the front end did not start";
            return run;
        }
        HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
        if (!renderer) {
            ADD_FAILURE() << "no renderer window";
            return run;
        }
        EXPECT_NE(FindWindowA(nullptr, kRunFormTitle), nullptr);
        run.started = recording.size();
        if (fromFirstTone) {
            // The very first play in a new prefix can take seconds while the decoder sets up.
            run.started = waitForTone(run.launched, 10.0);
            if (!run.started) {
                ADD_FAILURE() << "no music within 10 s";
                return run;
            }
        }
        uint64_t until = run.started + bytesFor(seconds);
        while (recording.size() < until) {
            for (HWND window : topLevelWindowsOf(frontEnd.info.dwProcessId)) {
                std::string title = windowTitle(window), className = windowClassName(window);
                if (title != kRunFormTitle && className != "IME" && className != "MSCTFIME UI")
                    run.otherWindows.push_back(className + " \"" + title + "\"");
            }
            Sleep(100);
            if (frontEnd.waitForExit(0) != -1) {
                ADD_FAILURE() << "the run ended by itself";
                break;
            }
        }
        run.closing = recording.size();
        PostMessageA(renderer, WM_CLOSE, 0, 0);
        EXPECT_EQ(frontEnd.waitForExit(kEndTimeout), 0);
        run.ended = recording.size();
        return run;
    }

    // The offset of the first block from `from` on in which the tone is heard; 0 if none comes
    // within `seconds` of recording.
    uint64_t waitForTone(uint64_t from, double seconds) {
        uint64_t at = from, last = from + bytesFor(seconds);
        while (at < last) {
            if (!recording.waitFor(at + kBlockBytes, 5000)) return 0;
            std::vector<double> levels = recording.blockLevels(at, at + kBlockBytes);
            if (!levels.empty() && levels[0] >= kToneLevel) return at;
            at += kBlockBytes;
        }
        return 0;
    }

    // The blocks of `seconds` right after the front end ended, once `lag` has passed: sound
    // still in the sink's pipes when the program ended may come out during the lag.
    Heard afterTheEnd(const Run& run, double seconds, double lag = 0.3) {
        uint64_t from = run.ended + bytesFor(lag), to = from + bytesFor(seconds);
        EXPECT_TRUE(recording.waitFor(to, 15000)) << "the recorder stalled";
        return listen(recording.blockLevels(from, to));
    }

    Recording recording;
    Process frontEnd;
    std::string folder;
};

// ---- a sound file plays for the whole run and stops with it ----

enum class Pattern {
    kRestarts,  // an MP3 ends and is started again by the next poll: separate bursts
    kLoops,     // a WAV repeats by itself: the tone all the time
};

struct PlayCase {
    const char* name;
    const char* sound;         // fixture made at build time
    const char* relativePath;  // where the settings file finds it, in the saver folder
    Pattern pattern;
};

void PrintTo(const PlayCase& c, std::ostream* out) { *out << c.name; }

class PlaysTheSoundFile : public Music, public testing::WithParamInterface<PlayCase> {};

TEST_P(PlaysTheSoundFile, DuringTheRunAndNotAfterIt) {
    const PlayCase& c = GetParam();
    prepare(std::string("music-") + c.name, "2", c.sound, c.relativePath);
    Run r = run(6.0, true);
    ASSERT_GT(r.closing, r.started) << "no run was recorded";

    Heard during = listen(recording.blockLevels(r.started, r.closing));
    RecordProperty("during", during.picture);

    if (c.pattern == Pattern::kRestarts) {
        // A 1 s file, restarted within a second of its end: a new burst at least every 2.2 s.
        EXPECT_GE(during.bursts, 3) << during.picture;
        EXPECT_GE(during.toneSeconds, 2.5) << during.picture;
    } else {
        // A 0.5 s file that loops: the tone all through the run.
        EXPECT_GE(during.toneSeconds, 5.5) << during.picture;
    }
    EXPECT_TRUE(r.otherWindows.empty()) << r.otherWindows.front();

    Heard after = afterTheEnd(r, 2.0);
    RecordProperty("after", after.picture);
    EXPECT_LE(after.loudest, kSilenceLevel) << "music after the run: " << after.picture;
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlaysTheSoundFile,
    testing::Values(PlayCase{"mp3", "tone.mp3", "tone.mp3", Pattern::kRestarts},
                    PlayCase{"wav", "tone.wav", "tone.wav", Pattern::kLoops},
                    // The ending is compared without regard to case.
                    PlayCase{"mixed-case", "tone.mp3", "Tone.Mp3", Pattern::kRestarts},
                    // The open command quotes the path.
                    PlayCase{"spaces", "tone.mp3", "sound files\\tone 1.mp3", Pattern::kRestarts},
                    // Code page 932 paths, with a trail byte 5C ("\\") in 表 and ソ.
                    PlayCase{"japanese-mp3", "tone.mp3", "表示ソフト\\曲.mp3", Pattern::kRestarts},
                    PlayCase{"japanese-wav", "tone.wav", "表示ソフト\\曲.wav", Pattern::kLoops}),
    [](const testing::TestParamInfo<PlayCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == '-') ch = '_';
        return name;
    });

// ---- sources that play nothing ----

struct SilentCase {
    const char* name;
    const char* bgmType;
};

void PrintTo(const SilentCase& c, std::ostream* out) { *out << c.name; }

class PlaysNothing : public Music, public testing::WithParamInterface<SilentCase> {};

// The settings file names a playable MP3 each time: only the source decides. CD audio on a
// machine without a CD driver fails quietly, with no message.
TEST_P(PlaysNothing, AndTheRunGoesOnNormally) {
    const SilentCase& c = GetParam();
    prepare(std::string("silent-") + c.name, c.bgmType, "tone.mp3", "tone.mp3");
    uint64_t before = recording.size();
    Run r = run(3.0, false);
    ASSERT_GT(r.closing, r.started) << "no run was recorded";
    EXPECT_TRUE(r.otherWindows.empty()) << r.otherWindows.front();

    Heard heard = listen(recording.blockLevels(before, r.ended));
    Heard after = afterTheEnd(r, 1.0);
    EXPECT_LE(heard.loudest, kSilenceLevel) << heard.picture;
    EXPECT_LE(after.loudest, kSilenceLevel) << after.picture;
}

INSTANTIATE_TEST_SUITE_P(Sources, PlaysNothing,
                         testing::Values(SilentCase{"none", "0"}, SilentCase{"cd", "1"}, SilentCase{"seven", "7"}),
                         [](const testing::TestParamInfo<SilentCase>& info) { return std::string(info.param.name); });

}  // namespace
