// The front end's small form run time on Win32.
#include "forms_win32.h"

namespace {
constexpr char kFormClassName[] = "TessellariumForm";

ATOM registerFormClass(WNDPROC procedure) {
    static ATOM atom = 0;
    if (atom) return atom;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kFormClassName;
    atom = RegisterClassA(&windowClass);
    return atom;
}
}  // namespace

Form::~Form() {
    if (window_) DestroyWindow(window_);
}

bool Form::load(const char* caption, DWORD style, DWORD extendedStyle, RECT bounds, HWND parent) {
    registerFormClass(&Form::procedure);
    window_ = CreateWindowExA(extendedStyle, kFormClassName, caption, style & ~WS_VISIBLE, bounds.left,
                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) return false;
    onLoad();
    return true;
}

void Form::showModeless() {
    if (window_) ShowWindow(window_, SW_SHOW);
}

void Form::showModal() {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    MSG message;
    while (window_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void Form::unload() {
    if (!window_ || unloading_) return;
    unloading_ = true;
    onUnload();
    if (window_) DestroyWindow(window_);  // WM_NCDESTROY clears window_
    unloading_ = false;
}

void Form::setTimer(int id, unsigned intervalMilliseconds, bool enabled) {
    timers_[id] = {intervalMilliseconds, false};
    enableTimer(id, enabled);
}

void Form::enableTimer(int id, bool enabled) {
    auto timer = timers_.find(id);
    if (timer == timers_.end() || !window_) return;
    if (enabled)
        SetTimer(window_, UINT_PTR(id), timer->second.interval, nullptr);
    else
        KillTimer(window_, UINT_PTR(id));
    timer->second.enabled = enabled;
}

bool Form::timerEnabled(int id) const {
    auto timer = timers_.find(id);
    return timer != timers_.end() && timer->second.enabled;
}

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_TIMER:
        if (timerEnabled(int(wParam))) onTimer(int(wParam));
        return 0;
    case WM_CLOSE:
        unload();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC deviceContext = BeginPaint(window_, &paint);
        onPaint(deviceContext);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_DESTROY:
        // Destroyed from outside (with a parent window, say): the unload handler still runs.
        if (!unloading_) {
            unloading_ = true;
            onUnload();
            unloading_ = false;
        }
        break;
    case WM_NCDESTROY: {
        HWND window = window_;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        timers_.clear();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    if (onMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcA(window_, message, wParam, lParam);
}

int runMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

void endProgram() { ExitProcess(0); }

std::string programFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

void showMessage(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

bool startProcess(const std::string& commandLine, int showMode) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(showMode);
    PROCESS_INFORMATION process = {};
    std::string writable = commandLine;
    if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

TwipsPerPixel twipsPerPixel() {
    HDC screen = GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return {dpiX > 0 ? 1440 / dpiX : 15, dpiY > 0 ? 1440 / dpiY : 15};
}
