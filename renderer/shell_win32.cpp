// The renderer's process: the saver window, its message loop, its input rules and the password check.
#include "shell_win32.h"

#include <ctime>

#include "saver_input.h"
#include "scene_win32.h"

namespace {

constexpr char kClassName[] = "WindowsScreenSaverClass";
constexpr char kCreationTitle[] = "Screensaver";
// The front end watches for exactly these code page 932 bytes.
constexpr char kRunningTitle[] = "テセラリウムVC";
constexpr int kClassIconResource = 7002;

// Everything the saver window owns, reached from the window itself.
struct SaverWindow {
    SaverInputState input;
    SceneParameters parameters;
    Scene scene;
};

SaverWindow* saverOf(HWND window) {
    return reinterpret_cast<SaverWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

CursorPoint cursorPosition() {
    POINT p = {};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void postCloseRequest(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);

// Nonzero when the saver may close. Only Windows 95, 98 and ME ask for a password here; on
// the others the system takes care of it.
BOOL checkSaverPassword(SaverWindow& saver, HWND window) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
    GetVersionExA(&version);
    if (version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) return 1;

    HMODULE library = LoadLibraryA("PASSWORD.CPL");
    if (!library) return 1;
    auto verify = reinterpret_cast<VerifyScreenSavePwdFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
    if (!verify) {
        FreeLibrary(library);
        return 1;
    }
    BOOL previousSetting = FALSE;  // receives the old value; not read
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previousSetting, 0);
    saver.input.passwordDialogUp = true;
    BOOL mayLeave = verify(window);  // the system's modal password dialog
    saver.input.passwordDialogUp = false;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previousSetting, 0);
    FreeLibrary(library);
    return mayLeave;
}

// ---- one handler per message ----

void onCreate(SaverWindow& saver, HWND window) {
    saver.input.lastCursorPos = cursorPosition();
    SetCursor(nullptr);
    saver.parameters = kSceneParameters;
    SetWindowTextA(window, kRunningTitle);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
    setUpScene(saver.scene, window, saver.parameters, uint32_t(time(nullptr)));
    saver.input.sceneReady = true;
}

void onDestroy(SaverWindow& saver, HWND window) {
    PostQuitMessage(0);
    saver.input.sceneReady = false;
    tearDownScene(saver.scene, window);
}

// Returns true when the default handling may close the window.
bool onClose(SaverWindow& saver, HWND window) {
    if (!closeRequestCounts(saver.input)) return false;
    if (checkSaverPassword(saver, window)) return true;
    // Refused: the mouse has to move beyond the threshold again from here.
    saver.input.lastCursorPos = cursorPosition();
    return false;
}

void onUserInput(SaverWindow& saver, HWND window) {
    noteUserInput(saver.input);
    postCloseRequest(window);
}

void onMouseMove(SaverWindow& saver, HWND window) {
    if (noteMouseMove(saver.input, cursorPosition())) postCloseRequest(window);
}

LRESULT CALLBACK saverWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    SaverWindow* saver = saverOf(window);
    if (!saver) return DefWindowProcA(window, message, wParam, lParam);
    const bool inputCounts = !saver->input.passwordDialogUp;

    switch (message) {
    case WM_CREATE:
        onCreate(*saver, window);
        break;
    case WM_DESTROY:
        onDestroy(*saver, window);
        break;
    case WM_SYSCOMMAND:
        if (isSwallowedSysCommand(wParam)) return 0;
        break;
    case WM_CLOSE:
        if (!onClose(*saver, window)) return 0;
        break;
    case WM_SHOWWINDOW:
        if (inputCounts && wParam) SetCursor(nullptr);
        break;
    case WM_ACTIVATEAPP:
        if (inputCounts && !wParam) onUserInput(*saver, window);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (inputCounts) onUserInput(*saver, window);
        break;
    case WM_SETCURSOR:
        if (inputCounts) {
            SetCursor(nullptr);
            return 1;
        }
        break;
    case WM_MOUSEMOVE:
        if (inputCounts) onMouseMove(*saver, window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Draws frames back to back whenever the queue is empty, yielding to any other ready thread.
int runMessageLoop(SaverWindow& saver) {
    MSG message = {};
    for (;;) {
        while (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (mayDrawFrame(saver.input)) renderFrame(saver.scene);
            Sleep(0);
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? int(message.wParam) : 0;
}

}  // namespace

int runSaver(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = saverWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kClassIconResource));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;

    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);

    // A saver window still being created elsewhere takes precedence; this one steps aside.
    HWND other = FindWindowA(kClassName, kCreationTitle);
    if (other && IsWindow(other)) {
        SetForegroundWindow(other);
        return 0;
    }
    if (!RegisterClassA(&windowClass)) return 0;

    static SaverWindow saver;  // zero-initialised; lives as long as the process
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kClassName, kCreationTitle,
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                  width, height, nullptr, nullptr, instance, &saver);
    if (!window) return 0;
    SetForegroundWindow(window);
    return runMessageLoop(saver);
}
