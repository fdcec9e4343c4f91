// A stand-in for the system's screen-saver password library, for tests only. Its answer is
// read from password-answers.txt beside it: one character per call, '0' refuse, '1' accept
// (the last one repeats); each call is appended to password-calls.txt.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string besideThisLibrary(const char* name) {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&besideThisLibrary), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

int countCalls() {
    int calls = 0;
    if (FILE* log = std::fopen(besideThisLibrary("password-calls.txt").c_str(), "r")) {
        for (int c; (c = std::fgetc(log)) != EOF;) calls += c == '\n';
        std::fclose(log);
    }
    return calls;
}
}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND parent) {
    int call = countCalls();
    std::string answers = "1";
    if (FILE* file = std::fopen(besideThisLibrary("password-answers.txt").c_str(), "r")) {
        char buffer[64] = {};
        if (std::fgets(buffer, sizeof buffer, file)) answers = buffer;
        std::fclose(file);
        while (!answers.empty() && (answers.back() == '\n' || answers.back() == '\r')) answers.pop_back();
        if (answers.empty()) answers = "1";
    }
    char answer = answers[size_t(call) < answers.size() ? size_t(call) : answers.size() - 1];
    if (FILE* log = std::fopen(besideThisLibrary("password-calls.txt").c_str(), "a")) {
        std::fprintf(log, "parent=%d answer=%c\n", IsWindow(parent) ? 1 : 0, answer);
        std::fclose(log);
    }
    return answer == '1';
}
