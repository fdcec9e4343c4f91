// Test-side helpers for driving the real programs under Wine.
#include "harness.h"

#include <fstream>
#include <iterator>

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

namespace {
bool startProgram(Process& process, const std::string& path, const std::string& arguments,
                  const std::string& folder) {
    std::string commandLine = path;
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    process.started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.c_str(), &startup, &process.info) != 0;
    return process.started;
}
}  // namespace

bool startRenderer(Process& process, const std::string& arguments, const std::string& folder) {
    return startProgram(process, folder + kRendererFileName, arguments, folder);
}

bool startFrontEnd(Process& process, const std::string& folder, const std::string& arguments) {
    return startProgram(process, folder + kFrontEndFileName, arguments, folder);
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

std::string makeSaverFolder(const std::string& name, RendererKind renderer) {
    std::string folder = ownFolder() + name + "\\";
    // Start from nothing: whatever an earlier run left there goes.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteFileA((folder + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((ownFolder() + kFrontEndFileName).c_str(), (folder + kFrontEndFileName).c_str(), FALSE);
    switch (renderer) {
    case RendererKind::kReal:
        CopyFileA((ownFolder() + kRendererFileName).c_str(), (folder + kRendererFileName).c_str(), FALSE);
        break;
    case RendererKind::kFake:
        CopyFileA((ownFolder() + "fake_renderer.exe").c_str(), (folder + kRendererFileName).c_str(), FALSE);
        break;
    case RendererKind::kNotAProgram:
        writeWholeFile(folder + kRendererFileName, "not a program\r\n");
        break;
    case RendererKind::kNone:
        break;
    }
    return folder;
}

std::string readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool waitForNoWindowTitled(const char* title, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (FindWindowA(nullptr, title)) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(5);
    }
    return true;
}

std::string settingsText(const std::string& bgmType, const std::string& repeatTrack,
                         const std::string& bgmFile) {
    return std::string("[") + kSettingsSection + "]\r\n" + kBgmTypeKey + "=" + bgmType + "\r\n" +
           kBgmRepeatTrackKey + "=" + repeatTrack + "\r\n" + kBgmFileKey + "=" + bgmFile + "\r\n";
}

std::vector<HWND> topLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId) search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowTitle(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string windowClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool killProcessOf(HWND window, UINT exitCode) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    if (!handle) return false;
    TerminateProcess(handle, exitCode);
    WaitForSingleObject(handle, 5000);
    CloseHandle(handle);
    return true;
}

void endLeftoverFrontEnds() {
    for (const char* title : {kRunningTitle, kRunFormTitle, kSettingsDialogTitle})
        while (HWND window = FindWindowA(nullptr, title))
            if (!killProcessOf(window, 1)) break;
}

void clickCentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    moveCursorTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    moveCursorBy(1, 0);  // a move over the target itself, so that it sees the pointer arrive
    clickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

namespace {
std::wstring widened(const std::string& text, UINT codePage) {
    int length = MultiByteToWideChar(codePage, 0, text.c_str(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), int(text.size()), &wide[0], length);
    return wide;
}
}  // namespace

bool removeBehindWine(const std::string& path) {
    // Wine's own export: the Unix name (UTF-8) of a Windows path, on the process heap.
    using UnixFileName = char*(CDECL*)(const WCHAR*);
    auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixFileName) return false;
    char* unixName = unixFileName(widened(path, CP_ACP).c_str());
    if (!unixName) return false;
    // Wine starts a Unix program named by its Unix path, its arguments passed on as UTF-8.
    std::wstring commandLine = L"/bin/rm -f -- \"" + widened(unixName, CP_UTF8) + L"\"";
    HeapFree(GetProcessHeap(), 0, unixName);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 100 && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace harness
