// The real renderer under Wine: its window, what ends it and what does not, its exit code.
#include <gtest/gtest.h>

#include <cstring>

#include "harness.h"

using namespace harness;

namespace {

constexpr DWORD kStartTimeout = 15000;  // ms; the first start in a new prefix is slow
constexpr DWORD kEndTimeout = 5000;

class RendererRun : public testing::Test {
protected:
    Process renderer;
    HWND window = nullptr;

    void start(const std::string& arguments = "") {
        moveCursorTo(200, 200);
        ASSERT_TRUE(startRenderer(renderer, arguments));
        window = waitForWindowTitled(kRunningTitle, kStartTimeout);
        ASSERT_NE(window, nullptr) << "no window titled テセラリウムVC";
        settle(500);  // it draws its first frames
    }
    // Small moves set activity (any move message after the first does) without closing.
    void markActivityWithoutClosing() {
        moveCursorBy(1, 0);
        moveCursorBy(1, 1);
    }
    // An accepted close hides the window at once; the process itself takes about 2 s more
    // under Wine on Xvfb, waiting for a window manager that is not there.
    void expectStillRunning(const char* after) {
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(window)) << "the renderer closed after " << after;
        EXPECT_EQ(renderer.waitForExit(0), -1) << "the renderer ended after " << after;
    }
    void expectEndsWithCode0(const char* after) {
        EXPECT_EQ(renderer.waitForExit(kEndTimeout), 0) << "after " << after;
    }
};

TEST_F(RendererRun, RunningTitleIsTheCodePage932Bytes) {
    start();
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    const unsigned char expected[] = {0x83, 0x65, 0x83, 0x5A, 0x83, 0x89, 0x83, 0x8A,
                                      0x83, 0x45, 0x83, 0x80, 0x56, 0x43, 0x00};
    EXPECT_EQ(std::memcmp(title, expected, sizeof expected), 0);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "WindowsScreenSaverClass");
}

class AnyCommandLine : public RendererRun, public testing::WithParamInterface<const char*> {};

TEST_P(AnyCommandLine, GivesTheSameFullScreenRun) {
    start(GetParam());
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);
    pressKey(VK_SPACE);
    expectEndsWithCode0("a key");
}

INSTANTIATE_TEST_SUITE_P(Switches, AnyCommandLine,
                         testing::Values("", "/s", "/S", "/c", "/c:1234", "/p 1234", "/a", "anything at all"));

// The system sends a mouse-move message when the saver window appears under the cursor; that
// first message must not end the run, though nothing has moved. (Which message comes first is
// decided natively over the rule itself: the window cannot be made to miss this one.)
TEST_F(RendererRun, FirstMouseMoveMessageDoesNotEndItButTheNextFarMoveDoes) {
    start();
    settle(1000);
    expectStillRunning("the window appeared under the cursor");
    moveCursorBy(3, 2);
    EXPECT_EQ(renderer.waitForExit(kEndTimeout), 0) << "after a move of 5 pixels";
}

TEST_F(RendererRun, ExactlyFourPixelsDoesNotEndItAndCreepingNeverDoes) {
    start();
    moveCursorBy(2, 1);  // within the threshold: the reference follows the cursor
    moveCursorBy(2, 2);
    expectStillRunning("a move of exactly 4 pixels");
    for (int step = 0; step < 12; ++step) moveCursorBy(step % 2 ? 4 : 0, step % 2 ? 0 : -4);
    expectStillRunning("creeping by 4 pixels at a time");
    moveCursorBy(-5, 0);
    expectEndsWithCode0("a move of 5 pixels");
}

struct InputCase {
    const char* name;
    void (*give)();
};

class EndingInput : public RendererRun, public testing::WithParamInterface<InputCase> {};

TEST_P(EndingInput, EndsTheRunWithExitCode0) {
    start();
    GetParam().give();
    expectEndsWithCode0(GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EndingInput,
    testing::Values(InputCase{"Key", [] { pressKey('A'); }},
                    InputCase{"SystemKey", [] { pressKey(VK_MENU); }},
                    InputCase{"LeftButton", [] { clickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }},
                    InputCase{"RightButton", [] { clickButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }},
                    InputCase{"MiddleButton", [] { clickButton(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP); }}),
    [](const testing::TestParamInfo<InputCase>& info) { return info.param.name; });

TEST_F(RendererRun, WheelAndButtonReleasesDoNotEndIt) {
    start();
    turnWheel(WHEEL_DELTA);
    turnWheel(-WHEEL_DELTA);
    clickButton(0, MOUSEEVENTF_LEFTUP);
    clickButton(0, MOUSEEVENTF_RIGHTUP);
    clickButton(0, MOUSEEVENTF_MIDDLEUP);
    expectStillRunning("the wheel and button releases");
    pressKey(VK_ESCAPE);
    expectEndsWithCode0("a key");
}

TEST_F(RendererRun, LossOfActivationEndsIt) {
    start();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "AnotherApplication";
    RegisterClassA(&windowClass);
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "AnotherApplication", "another", WS_POPUP | WS_VISIBLE,
                                 0, 0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetForegroundWindow(other);
    MSG message;
    for (int i = 0; i < 20 && renderer.waitForExit(0) == -1; ++i) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(100);
    }
    expectEndsWithCode0("another application became active");
    DestroyWindow(other);
}

TEST_F(RendererRun, CloseRequestBeforeAnyInputIsIgnoredAndHonouredAfter) {
    start();
    PostMessageA(window, WM_CLOSE, 0, 0);
    expectStillRunning("a close request before any input");
    markActivityWithoutClosing();
    expectStillRunning("two small mouse moves");
    PostMessageA(window, WM_CLOSE, 0, 0);
    expectEndsWithCode0("a close request after input");
}

TEST_F(RendererRun, SwallowsScreenSaveAndWindowCyclingCommands) {
    start();
    markActivityWithoutClosing();  // so that a close that got through would end it
    for (WPARAM command : {WPARAM(0xF140), WPARAM(0xF040), WPARAM(0xF050)}) {
        EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, command, 0), 0) << std::hex << command;
    }
    expectStillRunning("the swallowed system commands");
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // goes to the default handling: a close request
    expectEndsWithCode0("the system close command after input");
}

TEST_F(RendererRun, StepsAsideForASaverWindowBeingCreated) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WindowsScreenSaverClass";
    ASSERT_TRUE(RegisterClassA(&windowClass));
    HWND earlier = CreateWindowExA(0, "WindowsScreenSaverClass", "Screensaver", WS_POPUP | WS_VISIBLE, 0, 0,
                                   50, 50, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(earlier, nullptr);
    ASSERT_TRUE(startRenderer(renderer));
    EXPECT_EQ(renderer.waitForExit(kStartTimeout), 0);
    EXPECT_EQ(FindWindowA(nullptr, kRunningTitle), nullptr);
    DestroyWindow(earlier);
    UnregisterClassA("WindowsScreenSaverClass", windowClass.hInstance);
}

TEST_F(RendererRun, ASecondRendererRunsBesideTheFirst) {
    start();
    Process second;
    ASSERT_TRUE(startRenderer(second));
    HWND secondWindow = nullptr;
    for (int i = 0; i < 100 && !secondWindow; ++i) {
        Sleep(100);
        for (HWND w = FindWindowA(nullptr, kRunningTitle); w; w = FindWindowExA(nullptr, w, nullptr, kRunningTitle))
            if (w != window) secondWindow = w;
    }
    EXPECT_NE(secondWindow, nullptr) << "the second renderer made no window of its own";
    EXPECT_EQ(second.waitForExit(0), -1);
}

}  // namespace
