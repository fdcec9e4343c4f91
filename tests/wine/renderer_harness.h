// Test-side helpers for driving the real renderer under Wine: start it, find its window,
// give it input, wait for it to end.
#pragma once
#include <windows.h>

#include <string>

namespace harness {

constexpr char kRendererFileName[] = "テセラリウム.dll";
constexpr char kRunningTitle[] = "テセラリウムVC";

// The folder this test program lies in, with a trailing backslash.
std::string ownFolder();

struct Process {
    PROCESS_INFORMATION info{};
    bool started = false;
    ~Process();
    // Waits up to `milliseconds` for the process to end; its exit code, or -1 if still running.
    long waitForExit(DWORD milliseconds);
};

// Starts `folder`\テセラリウム.dll with the given argument text after its path, as the front
// end does (show mode 1).
bool startRenderer(Process& process, const std::string& arguments = "",
                   const std::string& folder = ownFolder());

// Waits up to `milliseconds` for a top-level window with exactly this code page 932 title.
HWND waitForWindowTitled(const char* title, DWORD milliseconds);

// Real input through the system's input queue, then a pause for the renderer to see it.
void moveCursorTo(int x, int y);
void moveCursorBy(int dx, int dy);
void pressKey(WORD virtualKey);
void clickButton(DWORD downFlag, DWORD upFlag, DWORD data = 0);
void turnWheel(int delta);
void settle(DWORD milliseconds = 250);

// Copies the renderer into a fresh folder of its own and returns that folder.
std::string copyRendererToNewFolder(const std::string& name);

}  // namespace harness
