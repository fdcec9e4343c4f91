// Test-side helpers for driving the real renderer under Wine.
#include "renderer_harness.h"

namespace harness {

std::string ownFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

Process::~Process() {
    if (!started) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

long Process::waitForExit(DWORD milliseconds) {
    if (!started || WaitForSingleObject(info.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return long(code);
}

bool startRenderer(Process& process, const std::string& arguments, const std::string& folder) {
    std::string commandLine = folder + kRendererFileName;
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    process.started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.c_str(), &startup, &process.info) != 0;
    return process.started;
}

HWND waitForWindowTitled(const char* title, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        if (GetTickCount() - start > milliseconds) return nullptr;
        Sleep(20);
    }
}

namespace {
void sendMouse(DWORD flags, LONG dx, LONG dy, DWORD data = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.mouseData = data;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}
}  // namespace

void settle(DWORD milliseconds) { Sleep(milliseconds); }

void moveCursorTo(int x, int y) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    // Normalised 0..65535 coordinates, rounded so that the pixel lands exactly.
    LONG nx = LONG((x * 65536 + width / 2) / width), ny = LONG((y * 65536 + height / 2) / height);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, nx, ny);
    settle();
}

void moveCursorBy(int dx, int dy) {
    sendMouse(MOUSEEVENTF_MOVE, dx, dy);
    settle();
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    settle();
}

void clickButton(DWORD downFlag, DWORD upFlag, DWORD data) {
    if (downFlag) sendMouse(downFlag, 0, 0, data);
    if (upFlag) sendMouse(upFlag, 0, 0, data);
    settle();
}

void turnWheel(int delta) {
    sendMouse(MOUSEEVENTF_WHEEL, 0, 0, DWORD(delta));
    settle();
}

std::string copyRendererToNewFolder(const std::string& name) {
    std::string folder = ownFolder() + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((ownFolder() + kRendererFileName).c_str(), (folder + kRendererFileName).c_str(), FALSE);
    return folder;
}

}  // namespace harness
