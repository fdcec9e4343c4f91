// Measures a real saver run from outside, as a user sees it: from starting
// `テセラリウム.scr /s` to the renderer's first frame on screen, and from a key press to both
// programs gone. Prints one line per figure; "running" is printed (and flushed) when the run
// has started, so that a caller can measure the front end's processor time from outside
// (Wine does not report another process's times).
//   saver_timing [run seconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"

using namespace harness;

namespace {

double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// True once the middle of the screen shows something other than black: a frame was presented.
bool screenShowsAFrame() {
    HDC screen = GetDC(nullptr);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    bool lit = false;
    for (int y = height / 4; y < height * 3 / 4 && !lit; y += 8)
        for (int x = width / 4; x < width * 3 / 4 && !lit; x += 8) lit = (GetPixel(screen, x, y) & 0xFFFFFF) != 0;
    ReleaseDC(nullptr, screen);
    return lit;
}

}  // namespace

int main(int argc, char** argv) {
    int runSeconds = argc > 1 ? std::atoi(argv[1]) : 30;
    std::string folder = makeSaverFolder("timing", RendererKind::kReal);
    moveCursorTo(10, 10);

    // The yardstick: how long Wine takes to start and end a program that does nothing.
    Process trivial;
    LARGE_INTEGER trivialStart;
    QueryPerformanceCounter(&trivialStart);
    std::string trivialPath = ownFolder() + "trivial_program.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (CreateProcessA(trivialPath.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &trivial.info)) {
        trivial.started = true;
        trivial.waitForExit(20000);
        std::printf("trivial_program_start_to_end_ms %.0f\n", secondsSince(trivialStart) * 1000);
    }

    Process frontEnd;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!startFrontEnd(frontEnd, folder, "/s")) return 1;
    HWND renderer = waitForWindowTitled(kRunningTitle, 20000);
    double windowAt = secondsSince(start);
    while (!screenShowsAFrame() && secondsSince(start) < 20) Sleep(1);
    double firstFrameAt = secondsSince(start);
    if (!renderer) return 1;
    std::printf("startup_to_renderer_window_ms %.0f\n", windowAt * 1000);
    std::printf("startup_to_first_frame_ms %.0f\n", firstFrameAt * 1000);

    std::printf("running %d s\n", runSeconds);
    std::fflush(stdout);
    Sleep(DWORD(runSeconds) * 1000);

    LARGE_INTEGER keyAt;
    QueryPerformanceCounter(&keyAt);
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_SPACE;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, key, sizeof(INPUT));
    double hiddenAt = -1, windowGoneAt = -1;
    while (secondsSince(keyAt) < 10) {
        if (hiddenAt < 0 && !IsWindowVisible(renderer)) hiddenAt = secondsSince(keyAt);
        if (windowGoneAt < 0 && !FindWindowA(nullptr, kRunningTitle)) windowGoneAt = secondsSince(keyAt);
        if (frontEnd.waitForExit(0) >= 0) break;
        Sleep(1);
    }
    double frontEndGoneAt = secondsSince(keyAt);
    std::printf("key_to_renderer_hidden_ms %.0f\n", hiddenAt * 1000);
    std::printf("key_to_renderer_window_gone_ms %.0f\n", windowGoneAt * 1000);
    std::printf("key_to_both_gone_ms %.0f\n", frontEndGoneAt * 1000);
    std::printf("renderer_window_gone_to_frontend_gone_ms %.0f\n", (frontEndGoneAt - windowGoneAt) * 1000);
    return 0;
}
