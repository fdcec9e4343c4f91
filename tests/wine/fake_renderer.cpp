// A stand-in for the renderer, for the front end's tests: it names its window as the renderer
// does, but only after the delay that fake-renderer.txt beside it gives ("delay 4000"), or
// never ("never"), or it dies of an access violation at once ("crash"). It ends on a key, a
// click or WM_CLOSE.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string settings(path);
    settings = settings.substr(0, settings.find_last_of('\\') + 1) + "fake-renderer.txt";
    char word[32] = {};
    unsigned delay = 0;
    if (FILE* file = std::fopen(settings.c_str(), "r")) {
        if (std::fscanf(file, "%31s %u", word, &delay) < 1) word[0] = 0;
        std::fclose(file);
    }
    if (std::strcmp(word, "crash") == 0) {
        // Dies with the exception's code, as with error reporting off: no debugger dialog
        // stays behind holding the process.
        SetUnhandledExceptionFilter([](EXCEPTION_POINTERS*) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
        volatile uintptr_t address = 16;  // in the first page, which is never mapped
        *reinterpret_cast<volatile int*>(address) = 1;
        return 0;
    }
    if (std::strcmp(word, "never") == 0) {
        Sleep(INFINITE);
        return 0;
    }
    Sleep(delay);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "FakeRenderer";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "FakeRenderer", "テセラリウムVC", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr,
                    instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
