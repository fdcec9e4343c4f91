// Starts the renderer beside this program as the front end will, and waits for it to end:
// the way to run the renderer alone from Linux, where Wine refuses to start a ".dll" directly.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine(path);
    commandLine = commandLine.substr(0, commandLine.find_last_of('\\')) + "\\テセラリウム.dll";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "could not start the renderer (error %lu)\n", GetLastError());
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return int(code);
}
