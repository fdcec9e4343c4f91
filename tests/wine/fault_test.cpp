// Faults from outside while the real front end works: a renderer that crashes, a settings file
// that cannot be written, a sound file that goes away, no wave device, a second start, a preview
// pane that goes away or is no pane. Nothing may be lost, hang or crash, and no message shows.
// The suites named *SoundFault* need the recorded sound sink (fault_sound_test); the others
// run without it, so that Wine has no wave device.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

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
constexpr DWORD kQuickEnd = 3000;        // ms, for a front end that has nothing to do
// Closing an activated window takes Wine about 2 s on a display without a window manager.
constexpr DWORD kEndTimeout = 8000;  // ms
constexpr long kAccessViolation = long(0xC0000005);

bool isInputMethodWindow(HWND window) {
    std::string name = windowClassName(window);
    return name == "IME" || name == "MSCTFIME UI";
}

// The top-level windows a process ever has besides those a test allows, looked at until it ends.
class WindowWatch {
public:
    WindowWatch(const Process& process, std::vector<std::string> allowedTitles,
                std::vector<std::string> allowedClasses = {})
        : processId_(process.info.dwProcessId),
          titles_(std::move(allowedTitles)),
          classes_(std::move(allowedClasses)) {}
    // Only shown windows count: a hidden one on its way elsewhere is allowed.
    static WindowWatch shownOnly(const Process& process) {
        WindowWatch watch(process, {});
        watch.shownOnly_ = true;
        return watch;
    }

    void look() {
        for (HWND window : topLevelWindowsOf(processId_)) {
            std::string title = windowTitle(window), name = windowClassName(window);
            if (name.empty() || isInputMethodWindow(window)) continue;  // gone meanwhile, or the input method's
            if (shownOnly_ && !IsWindowVisible(window)) continue;
            bool allowed = false;
            for (const std::string& t : titles_) allowed |= title == t;
            for (const std::string& c : classes_) allowed |= name == c;
            std::string seen = name + " \"" + title + "\"" + (IsWindowVisible(window) ? " visible" : "");
            if (!allowed && strangers_.find(seen) == std::string::npos) strangers_ += seen + "; ";
        }
    }
    // Looks every 50 ms while waiting up to `milliseconds`; the exit code, or -1 if still running.
    long waitForExit(Process& process, DWORD milliseconds) {
        DWORD start = GetTickCount();
        for (;;) {
            look();
            long code = process.waitForExit(50);
            if (code != -1 || GetTickCount() - start > milliseconds) return code;
        }
    }
    // Looks every 50 ms for `milliseconds`; false if the process ended meanwhile.
    bool watchRunning(Process& process, DWORD milliseconds) { return waitForExit(process, milliseconds) == -1; }
    const std::string& strangers() const { return strangers_; }

private:
    DWORD processId_;
    std::vector<std::string> titles_, classes_;
    bool shownOnly_ = false;
    std::string strangers_;
};

// A plain window of the test's own; by default one standing in for a preview pane.
class TestWindow {
public:
    // Shown without activation: Wine without a window manager takes 2 s to destroy an active window.
    explicit TestWindow(DWORD style = WS_POPUP, HWND parent = nullptr, const char* className = nullptr) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FaultTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, className ? className : "FaultTestWindow", "", style, parent ? 10 : 40,
                                 parent ? 10 : 40, 152, 112, parent, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    ~TestWindow() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    std::string number() const { return std::to_string(reinterpret_cast<intptr_t>(window)); }
    HWND window;
};

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

HWND previewIn(HWND parent) { return FindWindowExA(parent, nullptr, nullptr, "Preview Window"); }

// Waits for the front end's preview window inside `parent`, pumping the test's messages.
HWND waitForPreviewIn(HWND parent, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        pumpMessages();
        if (HWND preview = previewIn(parent)) return preview;
        if (GetTickCount() - start > milliseconds) return nullptr;
        Sleep(20);
    }
}

class Fault : public testing::Test {
protected:
    void TearDown() override { endLeftoverFrontEnds(); }
    Process frontEnd;
    std::string folder;
};

// ---- the settings file cannot be written when Set is pressed ----

enum class Blocker {
    kNothing,          // the control case: Set does write
    kLockedByAnother,  // another program holds the file open without sharing
    kReadOnlyFile,     // the file's read-only attribute
    kFolderInItsPlace  // the settings file's name is taken by a folder
};

struct WriteCase {
    const char* name;
    Blocker blocker;
};
void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

class SetWithAnUnwritableFile : public Fault, public testing::WithParamInterface<WriteCase> {};

TEST_P(SetWithAnUnwritableFile, KeepsTheOldFileAndStillCloses) {
    const WriteCase& c = GetParam();
    folder = makeSaverFolder(std::string("fault-ini-") + c.name, RendererKind::kFake);
    const std::string ini = folder + kSettingsFileName;
    const std::string before = settingsText(" 1", " 3", "");  // the CD, track 3
    if (c.blocker == Blocker::kFolderInItsPlace) {
        ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    } else {
        writeWholeFile(ini, before);
    }
    if (c.blocker == Blocker::kReadOnlyFile) {
        ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
        HANDLE probe = CreateFileA(ini.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
            GTEST_SKIP() << "this system writes a read-only file (Wine run as root ignores the attribute)";
        }
    }

    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/c"));
    WindowWatch watch(frontEnd, {kSettingsDialogTitle}, {"ComboLBox"});  // the track box's list
    HWND dialog = waitForWindowTitled(kSettingsDialogTitle, kWindowTimeout);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(watch.watchRunning(frontEnd, 800));
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (c.blocker == Blocker::kLockedByAnother) {
        lock = CreateFileA(ini.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    }
    // "None" instead of the CD: a file that Set managed to write would say so.
    HWND panel = FindWindowExA(dialog, nullptr, "TessellariumPanel", nullptr);
    ASSERT_NE(panel, nullptr);
    POINT none = {(540 + 345 / 2) / 15, (1140 + 195 / 2) / 15};  // the label "無し": twips, 15 a pixel
    ClientToScreen(panel, &none);
    moveCursorTo(none.x, none.y);
    clickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    HWND set = GetDlgItem(dialog, 102);
    ASSERT_NE(set, nullptr);
    clickCentreOf(set);

    EXPECT_EQ(watch.waitForExit(frontEnd, kEndTimeout), 0) << "Set closes the dialog and the program ends";
    EXPECT_EQ(watch.strangers(), "") << "a window besides the dialog";
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);

    if (c.blocker == Blocker::kNothing) {
        EXPECT_NE(readWholeFile(ini), before) << "the control case: Set writes the file";
        std::string after = readWholeFile(ini), none = std::string(kBgmTypeKey) + "=";
        EXPECT_TRUE(after.find(none + "0\r\n") != std::string::npos || after.find(none + " 0\r\n") != std::string::npos)
            << after;
    } else if (c.blocker == Blocker::kFolderInItsPlace) {
        DWORD attributes = GetFileAttributesA(ini.c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((ini + "\\*").c_str(), &found);
        std::string inside;
        if (search != INVALID_HANDLE_VALUE) {
            do
                if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
                    inside += std::string(found.cFileName) + " ";
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        EXPECT_EQ(inside, "") << "the folder stays as it was";
    } else {
        EXPECT_EQ(readWholeFile(ini), before) << "the old file is intact";
    }
}

INSTANTIATE_TEST_SUITE_P(Blockers, SetWithAnUnwritableFile,
                         testing::Values(WriteCase{"writable", Blocker::kNothing},
                                         WriteCase{"locked", Blocker::kLockedByAnother},
                                         WriteCase{"read_only", Blocker::kReadOnlyFile},
                                         WriteCase{"folder", Blocker::kFolderInItsPlace}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

// ---- no wave device ----

struct SoundCase {
    const char* name;
    const char* sound;  // fixture made at build time
};
void PrintTo(const SoundCase& c, std::ostream* out) { *out << c.name; }

// A saver folder with the fake renderer and `sound` in it, and a settings file naming that copy.
std::string prepareSoundRun(const std::string& name, const char* sound, std::string& soundPath) {
    std::string folder = makeSaverFolder(name, RendererKind::kFake);
    soundPath = folder + sound;
    RemoveDirectoryA(soundPath.c_str());  // a folder an earlier run left in its place
    EXPECT_TRUE(CopyFileA((ownFolder() + "sounds\\" + sound).c_str(), soundPath.c_str(), FALSE)) << soundPath;
    writeWholeFile(folder + kSettingsFileName, settingsText(" 2", " 0", soundPath));
    return folder;
}

class WithoutAWaveDevice : public Fault, public testing::WithParamInterface<SoundCase> {};

TEST_P(WithoutAWaveDevice, ASoundFileGivesASilentNormalRun) {
    if (waveOutGetNumDevs() > 0) GTEST_SKIP() << "this environment has a wave device";
    std::string sound;
    folder = prepareSoundRun(std::string("fault-no-device-") + GetParam().name, GetParam().sound, sound);
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    WindowWatch watch(frontEnd, {kRunFormTitle});
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    EXPECT_TRUE(watch.watchRunning(frontEnd, 3500)) << "the run ended by itself";  // three MP3 polls
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(watch.waitForExit(frontEnd, kEndTimeout), 0);
    EXPECT_EQ(watch.strangers(), "");
}

INSTANTIATE_TEST_SUITE_P(Files, WithoutAWaveDevice,
                         testing::Values(SoundCase{"wav", "tone.wav"}, SoundCase{"mp3", "tone.mp3"}),
                         [](const testing::TestParamInfo<SoundCase>& info) { return std::string(info.param.name); });

// ---- a second start ----

// The start-up's other combinations are in frontend_process_test.
TEST_F(Fault, APreviewWhileTheSettingsDialogIsOpenEndsAtOnce) {
    folder = makeSaverFolder("fault-preview-beside-dialog", RendererKind::kFake);
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/c"));
    HWND dialog = waitForWindowTitled(kSettingsDialogTitle, kWindowTimeout);
    ASSERT_NE(dialog, nullptr);
    TestWindow pane;
    Process preview;
    ASSERT_TRUE(startFrontEnd(preview, folder, "/p " + pane.number()));
    EXPECT_EQ(preview.waitForExit(kQuickEnd), 0);
    pumpMessages();
    EXPECT_EQ(previewIn(pane.window), nullptr) << "the pane stays empty";
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(frontEnd.waitForExit(0), -1) << "the dialog stays open";
}

// ---- the preview's parent ----

// The pane goes away right after the front end was started, before or while the preview moves
// into it. Each delay lands at another point of its start-up.
TEST_F(Fault, APaneDestroyedAtOnceEndsThePreview) {
    std::string failures;
    folder = makeSaverFolder("fault-pane-gone", RendererKind::kNone);
    for (DWORD delay = 0; delay <= 600; delay += 25) {
        Process preview;
        TestWindow pane;
        if (!startFrontEnd(preview, folder, "/p " + pane.number())) {
            ADD_FAILURE() << "the front end did not start";
            return;
        }
        WindowWatch watch = WindowWatch::shownOnly(preview);
        DWORD start = GetTickCount();
        while (GetTickCount() - start < delay) {
            watch.look();
            pumpMessages();
            Sleep(5);
        }
        DestroyWindow(pane.window);
        long code = watch.waitForExit(preview, 5000);
        if (code != 0 || !watch.strangers().empty())
            failures += "after " + std::to_string(delay) + " ms: exit " + std::to_string(code) + ", windows " +
                        watch.strangers() + "\n";
    }
    EXPECT_EQ(failures, "");
}

// The pane goes while the preview window exists but is not in it yet: the front end's thread is
// held the moment its window shows up among the top-level ones, the pane destroyed, the thread
// let go. Attempts that come too late (the window already moved in) are the ordinary case.
TEST_F(Fault, APaneThatGoesBeforeThePreviewMovesInEndsThePreview) {
    folder = makeSaverFolder("fault-pane-gone-early", RendererKind::kNone);
    int caught = 0;
    for (int attempt = 0; attempt < 8 && caught < 2; ++attempt) {
        Process preview;
        TestWindow pane;
        ASSERT_TRUE(startFrontEnd(preview, folder, "/p " + pane.number()));
        HWND window = nullptr;
        DWORD start = GetTickCount();
        while (!(window = FindWindowA(nullptr, "Preview Window")) && !(window = previewIn(pane.window)) &&
               GetTickCount() - start < kWindowTimeout) {
        }
        ASSERT_NE(window, nullptr);
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE,
                                   GetWindowThreadProcessId(window, nullptr));
        ASSERT_NE(thread, nullptr);
        SuspendThread(thread);
        CONTEXT context = {};
        context.ContextFlags = CONTEXT_CONTROL;
        GetThreadContext(thread, &context);  // returns once the thread has really stopped
        bool early = GetAncestor(window, GA_PARENT) != pane.window;
        // Destroying a pane with the held thread's window in it would wait for that thread.
        if (early) DestroyWindow(pane.window);
        ResumeThread(thread);
        CloseHandle(thread);
        if (!early) DestroyWindow(pane.window);
        caught += early;
        WindowWatch watch = WindowWatch::shownOnly(preview);
        EXPECT_EQ(watch.waitForExit(preview, 5000), 0) << (early ? "gone before" : "gone after") << " it moved in";
        EXPECT_EQ(watch.strangers(), "") << (early ? "gone before" : "gone after") << " it moved in";
    }
    EXPECT_GT(caught, 0) << "the window was never caught before it moved in";
    RecordProperty("caughtEarly", caught);
}

enum class Host { kTopLevel, kButton, kDesktop };
struct HostCase {
    const char* name;
    Host host;
};
void PrintTo(const HostCase& c, std::ostream* out) { *out << c.name; }

class PreviewInAWindowThatIsNoPane : public Fault, public testing::WithParamInterface<HostCase> {};

// Any window that can go away takes the preview and ends it when it goes. The desktop window
// never goes away and would get a full-screen still that nothing ends: the preview refuses it.
TEST_P(PreviewInAWindowThatIsNoPane, LivesInItAndEndsWithIt) {
    folder = makeSaverFolder("fault-host", RendererKind::kNone);
    TestWindow topLevel(WS_OVERLAPPEDWINDOW);
    TestWindow button(WS_CHILD | BS_PUSHBUTTON, topLevel.window, "BUTTON");
    HWND host = GetParam().host == Host::kTopLevel ? topLevel.window
                : GetParam().host == Host::kButton ? button.window
                                                   : GetDesktopWindow();
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/p " + std::to_string(reinterpret_cast<intptr_t>(host))));
    WindowWatch watch = WindowWatch::shownOnly(frontEnd);
    if (GetParam().host == Host::kDesktop) {
        EXPECT_EQ(watch.waitForExit(frontEnd, kQuickEnd), 0) << "the preview lives on in the desktop";
        EXPECT_EQ(watch.strangers(), "");
        return;
    }
    HWND preview = waitForPreviewIn(host, kWindowTimeout);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(watch.watchRunning(frontEnd, 500));
    EXPECT_EQ(GetParent(preview), host);
    DestroyWindow(host);
    EXPECT_EQ(watch.waitForExit(frontEnd, 5000), 0) << "the program ends with its host";
    EXPECT_EQ(watch.strangers(), "");
}

INSTANTIATE_TEST_SUITE_P(Hosts, PreviewInAWindowThatIsNoPane,
                         testing::Values(HostCase{"top_level", Host::kTopLevel}, HostCase{"button", Host::kButton},
                                         HostCase{"desktop", Host::kDesktop}),
                         [](const testing::TestParamInfo<HostCase>& info) { return std::string(info.param.name); });

// ---- with the recorded sound sink ----

class SoundSink : public Fault {
protected:
    void SetUp() override {
        if (!recording.present()) GTEST_SKIP() << "needs the recorded sink: TESSELLARIUM_SOUND=null-sink";
        // The recorder delivers nothing for its first seconds.
        ASSERT_TRUE(recording.waitFor(recording.size() + kBlockBytes, 15000)) << "the sink is not being recorded";
    }
    // The offset of the first block from `from` on in which the tone is heard; 0 if none within `seconds`.
    uint64_t waitForTone(uint64_t from, double seconds) {
        for (uint64_t at = from; at < from + bytesFor(seconds); at += kBlockBytes) {
            if (!recording.waitFor(at + kBlockBytes, 5000)) return 0;
            std::vector<double> levels = recording.blockLevels(at, at + kBlockBytes);
            if (!levels.empty() && levels[0] >= kToneLevel) return at;
        }
        return 0;
    }
    // Nothing heard for 1.5 s from 0.3 s after `ended` (sound still in the sink's pipes may come out first).
    void expectSilenceAfter(uint64_t ended) {
        uint64_t from = ended + bytesFor(0.3), to = from + bytesFor(1.5);
        ASSERT_TRUE(recording.waitFor(to, 15000)) << "the recorder stalled";
        std::string after = recording.picture(from, to);
        EXPECT_EQ(after.find_first_not_of('.'), std::string::npos) << "music after the run: " << after;
    }
    Recording recording;
};

class SoundFault : public SoundSink, public testing::WithParamInterface<SoundCase> {};

// The music starts, the renderer dies before it has a window, and the run gives up on it after
// its start timeout (10 s): the music stops with it. The renderer dying mid-run and never
// showing its window are in frontend_process_test.
TEST_P(SoundFault, ARendererCrashingAtStartEndsTheRunAndTheMusic) {
    std::string sound;
    folder = prepareSoundRun(std::string("fault-crash-") + GetParam().name, GetParam().sound, sound);
    writeWholeFile(folder + "fake-renderer.txt", "crash\n");
    {
        Process alone;  // the stand-in really crashes
        ASSERT_TRUE(startRenderer(alone, "", folder));
        ASSERT_EQ(alone.waitForExit(5000), kAccessViolation);
    }
    uint64_t launched = recording.size();
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    WindowWatch watch(frontEnd, {kRunFormTitle});
    EXPECT_NE(waitForTone(launched, 8.0), 0u) << "no music";
    EXPECT_EQ(watch.waitForExit(frontEnd, 16000), 0) << "the run did not end within its bound";
    uint64_t ended = recording.size();
    EXPECT_EQ(watch.strangers(), "");
    EXPECT_EQ(FindWindowA(nullptr, kRunningTitle), nullptr);
    expectSilenceAfter(ended);
}

INSTANTIATE_TEST_SUITE_P(Files, SoundFault,
                         testing::Values(SoundCase{"mp3", "tone.mp3"}, SoundCase{"wav", "tone.wav"}),
                         [](const testing::TestParamInfo<SoundCase>& info) { return std::string(info.param.name); });

enum class Gone { kDeleted, kFolder };
struct GoneCase {
    const char* name;
    const char* sound;
    Gone gone;
};
void PrintTo(const GoneCase& c, std::ostream* out) { *out << c.name; }

class SoundFaultFileGone : public SoundSink, public testing::WithParamInterface<GoneCase> {};

// The sound file goes away while it plays, and a folder takes its name where asked: the Windows
// way where the system allows it, else from the Unix side (Windows refuses to delete the WAV
// that the wave sound holds open). The run goes on and ends with the renderer as usual, and
// the settings file is left as it was.
TEST_P(SoundFaultFileGone, TheRunGoesOnAndEndsNormally) {
    const GoneCase& c = GetParam();
    std::string sound;
    folder = prepareSoundRun(std::string("fault-gone-") + c.name, c.sound, sound);
    uint64_t launched = recording.size();
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    WindowWatch watch(frontEnd, {kRunFormTitle});
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    ASSERT_NE(waitForTone(launched, 10.0), 0u) << "no music";

    bool byWindows = DeleteFileA(sound.c_str()) && GetFileAttributesA(sound.c_str()) == INVALID_FILE_ATTRIBUTES &&
                     (c.gone == Gone::kDeleted || CreateDirectoryA(sound.c_str(), nullptr));
    if (!byWindows) {
        ASSERT_TRUE(removeBehindWine(sound)) << sound;
        if (c.gone == Gone::kFolder) {
            ASSERT_TRUE(CreateDirectoryA(sound.c_str(), nullptr)) << sound;
        }
    }
    RecordProperty("removedBy", byWindows ? "Windows" : "the Unix side");
    DWORD attributes = GetFileAttributesA(sound.c_str());
    if (c.gone == Gone::kFolder) {
        ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    } else {
        ASSERT_EQ(attributes, INVALID_FILE_ATTRIBUTES);
    }

    uint64_t goneAt = recording.size();
    EXPECT_TRUE(watch.watchRunning(frontEnd, 3500)) << "the run ended without the renderer";  // three MP3 polls
    RecordProperty("afterItWent", recording.picture(goneAt, recording.size()));
    ASSERT_TRUE(IsWindow(renderer));
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(watch.waitForExit(frontEnd, kEndTimeout), 0);
    uint64_t ended = recording.size();
    EXPECT_EQ(watch.strangers(), "");
    EXPECT_EQ(readWholeFile(folder + kSettingsFileName), settingsText(" 2", " 0", sound));
    expectSilenceAfter(ended);
    RemoveDirectoryA(sound.c_str());
}

INSTANTIATE_TEST_SUITE_P(Files, SoundFaultFileGone,
                         testing::Values(GoneCase{"mp3_deleted", "tone.mp3", Gone::kDeleted},
                                         GoneCase{"mp3_folder", "tone.mp3", Gone::kFolder},
                                         GoneCase{"wav_deleted", "tone.wav", Gone::kDeleted},
                                         GoneCase{"wav_folder", "tone.wav", Gone::kFolder}),
                         [](const testing::TestParamInfo<GoneCase>& info) { return std::string(info.param.name); });

}  // namespace
