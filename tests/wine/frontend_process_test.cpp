// The real front end under Wine: what each command line does, one instance at a time, the
// missing-renderer message, how a run waits for the renderer and ends after it.
#include <gtest/gtest.h>

#include <cstring>

#include "harness.h"

using namespace harness;

namespace {

constexpr DWORD kWindowTimeout = 15000;  // ms
constexpr DWORD kQuickEnd = 3000;         // ms, for a front end that has nothing to do

HWND findChildTitled(HWND parent, const char* title) { return FindWindowExA(parent, nullptr, nullptr, title); }

// A plain window standing in for the Display Properties preview pane.
class Pane {
public:
    explicit Pane(int width = 152, int height = 112) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TestPreviewPane";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "TestPreviewPane", "pane", WS_POPUP | WS_VISIBLE, 40, 40, width, height,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~Pane() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    std::string number() const { return std::to_string(reinterpret_cast<intptr_t>(window)); }
    // Waits for the front end's preview window to appear inside, pumping the pane's messages.
    HWND waitForPreview(DWORD milliseconds) {
        DWORD start = GetTickCount();
        for (;;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            if (HWND preview = findChildTitled(window, "Preview Window")) return preview;
            if (GetTickCount() - start > milliseconds) return nullptr;
            Sleep(20);
        }
    }
    HWND window;
};

class FrontEnd : public testing::Test {
protected:
    Process frontEnd;
    std::string folder;

    // Whatever a test leaves running must not disturb the next one.
    void TearDown() override { endLeftoverFrontEnds(); }

    void startIn(const std::string& name, RendererKind renderer, const std::string& arguments) {
        folder = makeSaverFolder(name, renderer);
        ASSERT_TRUE(startFrontEnd(frontEnd, folder, arguments));
    }
    void expectEndsAtOnce(const std::string& arguments) {
        EXPECT_EQ(frontEnd.waitForExit(kQuickEnd), 0) << "for \"" << arguments << "\"";
        EXPECT_EQ(FindWindowA(nullptr, kRunFormTitle), nullptr);
        EXPECT_EQ(FindWindowA(nullptr, kRunningTitle), nullptr) << "a renderer was started";
    }
};

// ---- the command line ----

class StartsARun : public FrontEnd, public testing::WithParamInterface<const char*> {};

TEST_P(StartsARun, WithAHiddenRunFormAndTheRenderer) {
    std::string arguments = GetParam();
    startIn("dispatch-run", RendererKind::kFake, arguments);
    HWND runForm = waitForWindowTitled(kRunFormTitle, kWindowTimeout);
    ASSERT_NE(runForm, nullptr);
    EXPECT_FALSE(IsWindowVisible(runForm)) << "the run form stays hidden";
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr) << "the renderer was not started";
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(frontEnd.waitForExit(5000), 0);
}

INSTANTIATE_TEST_SUITE_P(Switches, StartsARun, testing::Values("/S", "/s", "-s", "xs", ""));

class EndsAtOnce : public FrontEnd, public testing::WithParamInterface<const char*> {};

TEST_P(EndsAtOnce, WithoutAWindow) {
    startIn("dispatch-end", RendererKind::kFake, GetParam());
    expectEndsAtOnce(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Switches, EndsAtOnce,
                         testing::Values("s", "/a 1234", "/x", "/p", "/p abc", "/p 1234", "/p 99999999999999999999",
                                         "/p 0"));

TEST_F(FrontEnd, AVeryLongCommandLineEndsCleanly) {
    startIn("dispatch-long", RendererKind::kFake, "/a" + std::string(6000, '7'));
    expectEndsAtOnce("/a7777...");
}

TEST_F(FrontEnd, ConfigureOpensTheSettingsDialogWithoutAnOwner) {
    for (const char* arguments : {"/c", "/c:1234"}) {
        Process frontEnd;
        folder = makeSaverFolder("dispatch-configure", RendererKind::kFake);
        ASSERT_TRUE(startFrontEnd(frontEnd, folder, arguments));
        HWND dialog = waitForWindowTitled(kSettingsDialogTitle, kWindowTimeout);
        ASSERT_NE(dialog, nullptr) << arguments;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
        EXPECT_EQ(FindWindowA(nullptr, kRunningTitle), nullptr) << "no renderer in the settings mode";
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(frontEnd.waitForExit(5000), 0);
    }
}

class PreviewSwitch : public FrontEnd, public testing::WithParamInterface<const char*> {};

TEST_P(PreviewSwitch, ShowsThePictureInThePaneAndEndsWithIt) {
    Pane pane;
    startIn("dispatch-preview", RendererKind::kNone, GetParam() + pane.number());
    HWND preview = pane.waitForPreview(kWindowTimeout);
    ASSERT_NE(preview, nullptr);
    settle(500);  // it is placed and shown right after it moves into the pane
    RECT rect;
    GetWindowRect(preview, &rect);
    EXPECT_EQ(rect.right - rect.left, 152);
    EXPECT_EQ(rect.bottom - rect.top, 112);
    EXPECT_EQ(GetParent(preview), pane.window);
    EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(preview));
    EXPECT_EQ(frontEnd.waitForExit(300), -1) << "the preview lives as long as its pane";
    DestroyWindow(pane.window);
    EXPECT_EQ(frontEnd.waitForExit(5000), 0) << "the program ends with its pane";
}

// "/p1234" reads the number from the fourth character: the third one is skipped.
INSTANTIATE_TEST_SUITE_P(Forms, PreviewSwitch, testing::Values("/p ", "/p:", "/P ", "-p ", "/p9"));

TEST_F(FrontEnd, PreviewFillsALargerPane) {
    Pane pane(300, 200);
    startIn("preview-large", RendererKind::kNone, "/p " + pane.number());
    HWND preview = pane.waitForPreview(kWindowTimeout);
    ASSERT_NE(preview, nullptr);
    settle(500);
    RECT rect;
    GetWindowRect(preview, &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);
}

// Wine draws nothing of a child whose parent belongs to another process, so the picture is
// read after the preview window is moved out onto the desktop.
TEST_F(FrontEnd, PreviewShowsTheStillOfTheAnimation) {
    Pane pane;
    startIn("preview-picture", RendererKind::kNone, "/p " + pane.number());
    HWND preview = pane.waitForPreview(kWindowTimeout);
    ASSERT_NE(preview, nullptr);
    settle(500);
    SetParent(preview, nullptr);
    SetWindowLongA(preview, GWL_STYLE, (GetWindowLongA(preview, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
    SetWindowPos(preview, HWND_TOPMOST, 400, 300, 152, 112, SWP_SHOWWINDOW);
    InvalidateRect(preview, nullptr, TRUE);
    settle(1000);

    HDC screen = GetDC(nullptr);
    int lit = 0, green = 0, violet = 0;
    for (int y = 300; y < 412; ++y)
        for (int x = 400; x < 552; ++x) {
            COLORREF c = GetPixel(screen, x, y);
            int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r + g + b > 150) ++lit;
            if (g > 100 && g > r + 30) ++green;
            if (b > 100 && r > 60 && g < r) ++violet;
        }
    ReleaseDC(nullptr, screen);
    const int pixels = 152 * 112;
    EXPECT_GT(lit, pixels / 50) << "the still is dark";
    EXPECT_LT(lit, pixels / 2) << "the still is not light trails on black";
    EXPECT_GT(green, 20) << "no green streaks";
    EXPECT_GT(violet, 20) << "no violet streaks";
}

// The cursor display count lives with the input state of the front end's thread. The test
// shares that input state and makes it the foreground one, so the system's cursor
// information tells whether the front end has hidden the cursor.
struct CursorCase {
    const char* arguments;
    bool hiddenDuringTheRun;
};

class CursorDuringARun : public FrontEnd, public testing::WithParamInterface<CursorCase> {};

TEST_P(CursorDuringARun, IsHiddenOnlyInTheSaverMode) {
    folder = makeSaverFolder("cursor", RendererKind::kFake);
    writeWholeFile(folder + "fake-renderer.txt", "never\n");  // the run lasts 10 s, with no window
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, GetParam().arguments));
    HWND runForm = waitForWindowTitled(kRunFormTitle, kWindowTimeout);
    ASSERT_NE(runForm, nullptr);
    DWORD frontEndThread = GetWindowThreadProcessId(runForm, nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), frontEndThread, TRUE));
    Pane ownWindow(50, 50);
    SetForegroundWindow(ownWindow.window);
    settle(300);
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetCursorInfo(&info));
    EXPECT_EQ((info.flags & CURSOR_SHOWING) == 0, GetParam().hiddenDuringTheRun) << GetParam().arguments;
    AttachThreadInput(GetCurrentThreadId(), frontEndThread, FALSE);
}

INSTANTIATE_TEST_SUITE_P(Modes, CursorDuringARun,
                         testing::Values(CursorCase{"/s", true}, CursorCase{"", false}));

// ---- one instance at a time ----

TEST_F(FrontEnd, ASecondStartEndsAtOnceWhileARunIsGoing) {
    startIn("single-run", RendererKind::kFake, "/s");
    ASSERT_NE(waitForWindowTitled(kRunningTitle, kWindowTimeout), nullptr);
    Pane pane;
    for (std::string arguments : {std::string("/s"), std::string("/c"), "/p " + pane.number()}) {
        Process second;
        ASSERT_TRUE(startFrontEnd(second, folder, arguments));
        EXPECT_EQ(second.waitForExit(kQuickEnd), 0) << arguments;
    }
    EXPECT_EQ(findChildTitled(pane.window, "Preview Window"), nullptr) << "the pane stays empty";
    EXPECT_EQ(FindWindowA(nullptr, kSettingsDialogTitle), nullptr);
    EXPECT_EQ(frontEnd.waitForExit(0), -1) << "the first run goes on";
}

TEST_F(FrontEnd, ASecondStartEndsAtOnceWhileTheSettingsDialogIsOpen) {
    startIn("single-dialog", RendererKind::kFake, "/c");
    ASSERT_NE(waitForWindowTitled(kSettingsDialogTitle, kWindowTimeout), nullptr);
    for (const char* arguments : {"/s", "/c"}) {
        Process second;
        ASSERT_TRUE(startFrontEnd(second, folder, arguments));
        EXPECT_EQ(second.waitForExit(kQuickEnd), 0) << arguments;
    }
    EXPECT_EQ(FindWindowA(nullptr, kRunningTitle), nullptr) << "no renderer was started";
}

TEST_F(FrontEnd, AShowingPreviewDoesNotStopARun) {
    Pane pane;
    Process preview;
    std::string previewFolder = makeSaverFolder("preview-beside-run", RendererKind::kFake);
    ASSERT_TRUE(startFrontEnd(preview, previewFolder, "/p " + pane.number()));
    ASSERT_NE(pane.waitForPreview(kWindowTimeout), nullptr);
    startIn("run-beside-preview", RendererKind::kFake, "/s");
    EXPECT_NE(waitForWindowTitled(kRunFormTitle, kWindowTimeout), nullptr);
}

// ---- the renderer file ----

TEST_F(FrontEnd, MissingRendererShowsTheMessageThenEnds) {
    for (const char* arguments : {"/s", "/a 1234", "/c"}) {
        Process frontEnd;
        folder = makeSaverFolder("missing-renderer", RendererKind::kNone);
        ASSERT_TRUE(startFrontEnd(frontEnd, folder, arguments));
        HWND box = waitForWindowTitled("テセラリウム", kWindowTimeout);
        ASSERT_NE(box, nullptr) << arguments;
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
        EXPECT_STREQ(text, "テセラリウム.dll が テセラリウム.scr と同じﾌｫﾙﾀﾞに見つかりません！");
        const unsigned char folderWord[] = {0xCC, 0xAB, 0xD9, 0xC0, 0xDE, 0};  // ﾌｫﾙﾀﾞ, half-width
        EXPECT_NE(std::strstr(text, reinterpret_cast<const char*>(folderWord)), nullptr);
        const unsigned char exclamation[] = {0x81, 0x49, 0};                   // ！, full-width
        EXPECT_NE(std::strstr(text, reinterpret_cast<const char*>(exclamation)), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK button only";
        EXPECT_EQ(frontEnd.waitForExit(0), -1) << "it waits for the box";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(frontEnd.waitForExit(5000), 0);
        EXPECT_EQ(FindWindowA(nullptr, kRunFormTitle), nullptr);
    }
}

// ---- how a run waits for the renderer and ends after it ----

TEST_F(FrontEnd, ARendererThatShowsItsWindowLateDoesNotEndTheRun) {
    folder = makeSaverFolder("renderer-late", RendererKind::kFake);
    writeWholeFile(folder + "fake-renderer.txt", "delay 4000\n");
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    Sleep(3000);
    EXPECT_EQ(frontEnd.waitForExit(0), -1) << "the run ended before the renderer showed its window";
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(frontEnd.waitForExit(500), -1);
    PostMessageA(renderer, WM_CLOSE, 0, 0);
    EXPECT_EQ(frontEnd.waitForExit(5000), 0);
}

TEST_F(FrontEnd, ARendererThatNeverShowsItsWindowEndsTheRunInTime) {
    folder = makeSaverFolder("renderer-never", RendererKind::kFake);
    writeWholeFile(folder + "fake-renderer.txt", "never\n");
    DWORD start = GetTickCount();
    ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/s"));
    EXPECT_EQ(frontEnd.waitForExit(15000), 0);
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 9000u);
    EXPECT_LE(took, 13000u);
}

TEST_F(FrontEnd, ARendererThatCannotBeStartedEndsTheRunAtOnce) {
    startIn("renderer-not-a-program", RendererKind::kNotAProgram, "/s");
    EXPECT_EQ(frontEnd.waitForExit(kQuickEnd), 0);
}

TEST_F(FrontEnd, ARendererKilledMidRunEndsTheRunAtTheNextWatch) {
    startIn("renderer-killed", RendererKind::kFake, "/s");
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    Sleep(500);
    ASSERT_TRUE(killProcessOf(renderer, 9));
    ASSERT_TRUE(waitForNoWindowTitled(kRunningTitle, 5000));
    EXPECT_EQ(frontEnd.waitForExit(1000), 0) << "the watch looks every 50 ms";
}

TEST_F(FrontEnd, ARunWithTheRealRendererEndsRightAfterIt) {
    startIn("real-run", RendererKind::kReal, "/s");
    HWND renderer = waitForWindowTitled(kRunningTitle, kWindowTimeout);
    ASSERT_NE(renderer, nullptr);
    HWND runForm = FindWindowA(nullptr, kRunFormTitle);
    ASSERT_NE(runForm, nullptr);
    EXPECT_FALSE(IsWindowVisible(runForm));
    settle(1000);
    pressKey(VK_SPACE);
    ASSERT_TRUE(waitForNoWindowTitled(kRunningTitle, 8000));
    DWORD rendererGone = GetTickCount();
    EXPECT_EQ(frontEnd.waitForExit(2000), 0);
    DWORD delay = GetTickCount() - rendererGone;
    EXPECT_LE(delay, 250u) << "the front end ended " << delay << " ms after the renderer's window";
    RecordProperty("frontEndEndMs", int(delay));
}

}  // namespace
