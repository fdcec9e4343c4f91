// Test-side helpers for driving the real programs under Wine: start them in folders of their
// own, find their windows, give them real input, wait for them to end.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

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

// ---- the front end ----

constexpr char kFrontEndFileName[] = "テセラリウム.scr";
constexpr char kSettingsFileName[] = "テセラリウム.ini";
constexpr char kRunFormTitle[] = "Tessellarium_Main";
constexpr char kSettingsDialogTitle[] = "<テセラリウム>";

enum class RendererKind {
    kReal,          // the real renderer
    kFake,          // fake_renderer.exe under the renderer's name (see fake-renderer.txt)
    kNone,          // no renderer file at all
    kNotAProgram,   // a renderer file that is not a program
};

// A fresh, empty folder named `name` beside the test program holding the front end and the
// chosen renderer; with a trailing backslash.
std::string makeSaverFolder(const std::string& name, RendererKind renderer);

// Starts `folder`\テセラリウム.scr with `arguments` after its path.
bool startFrontEnd(Process& process, const std::string& folder, const std::string& arguments);

std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);

// Waits up to `milliseconds` until no top-level window has this title; false if one still has.
bool waitForNoWindowTitled(const char* title, DWORD milliseconds);

// ---- settings files and the front end's windows ----

// The settings file's section and keys as code page 932 bytes: "Section", "BGM区分",
// "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ".
constexpr char kSettingsSection[] = "Section";
constexpr char kBgmTypeKey[] = "BGM\x8B\xE6\x95\xAA";
constexpr char kBgmRepeatTrackKey[] = "BGM\xD8\xCB\xDF\xB0\xC4";
constexpr char kBgmFileKey[] = "BGM\xCC\xA7\xB2\xD9";

// A whole settings file: [Section] and the three keys with these values, CR LF lines.
std::string settingsText(const std::string& bgmType, const std::string& repeatTrack,
                         const std::string& bgmFile);

// Every top-level window of one process, hidden ones included.
std::vector<HWND> topLevelWindowsOf(DWORD processId);
std::string windowTitle(HWND window);
std::string windowClassName(HWND window);

// Kills the process that owns `window` and waits for it to go; false if it cannot be opened.
bool killProcessOf(HWND window, UINT exitCode);

// Ends whatever run, renderer or settings dialog a test left behind.
void endLeftoverFrontEnds();

// ---- faults from outside ----

// A left click at the middle of `window` on the screen, the pointer arriving over it first.
void clickCentreOf(HWND window);

// Deletes the file at `path` from the Unix side, behind Wine's back, as when the disc under it
// goes away: also a file that a program holds open without sharing deletion, which Windows
// refuses to delete. True once no file has that name.
bool removeBehindWine(const std::string& path);

}  // namespace harness
