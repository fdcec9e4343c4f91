// The front end's small form run time on Win32: forms loaded hidden and shown modally or not,
// window timers on the message loop, and the few process-wide services the forms use.
#pragma once
#include <windows.h>

#include <map>
#include <string>

// A top-level window with load, unload, timer and paint handlers. Load creates the window
// hidden and runs onLoad before returning; unload runs onUnload, then destroys the window.
class Form {
public:
    virtual ~Form();
    HWND window() const { return window_; }
    bool loaded() const { return window_ != nullptr; }

    bool load(const char* caption, DWORD style, DWORD extendedStyle, RECT bounds, HWND parent = nullptr);
    // Shows the form and returns once it has been unloaded; timers keep running meanwhile.
    void showModal();
    void showModeless();
    void unload();

    // A periodic timer: while enabled, onTimer(id) runs every interval from the message loop.
    // Interval and enabled state can change at any time, also from the timer's own tick.
    void setTimer(int id, unsigned intervalMilliseconds, bool enabled);
    void enableTimer(int id, bool enabled);
    bool timerEnabled(int id) const;

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}
    virtual void onTimer(int) {}
    virtual void onPaint(HDC) {}
    // Any other message; return true with `result` set when handled.
    virtual bool onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    struct Timer {
        unsigned interval;
        bool enabled;
    };
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool unloading_ = false;
    std::map<int, Timer> timers_;
};

// Pumps messages until the thread's quit message; its exit code.
int runMessageLoop();
// Stops the program at once; no further handler runs.
[[noreturn]] void endProgram();

// The program's folder, without a trailing backslash.
std::string programFolder();
// A text with an OK button only and no icon; returns when closed.
void showMessage(const std::string& text, const std::string& caption);
// Starts a program from a whole command line with a show mode and keeps no handle of it.
bool startProcess(const std::string& commandLine, int showMode);

struct TwipsPerPixel {
    int x, y;  // 15 at 96 DPI
};
TwipsPerPixel twipsPerPixel();
