// A plain top-level window with the renderer's scene set up on it, and picture read-back.
#include "scene_window.h"

#include <cstdio>

namespace harness {

namespace {

constexpr char kClassName[] = "TessellariumSceneWindow";

void registerClassOnce() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;  // the scene keeps one device context for its whole life
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

}  // namespace

int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

SceneWindow::SceneWindow(int width, int height, uint32_t seed) : width_(width), height_(height) {
    registerClassOnce();
    // Shown without activation: on Xvfb there is no window manager to answer an activation.
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, "scene",
                              WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window_) return;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    pumpMessages();
    setUpScene(scene_, window_, kSceneParameters, seed);
}

SceneWindow::~SceneWindow() {
    if (!window_) return;
    tearDownScene(scene_, window_);
    DestroyWindow(window_);
    pumpMessages();
}

void SceneWindow::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

Picture readScreenThroughGdi(int width, int height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(size_t(width) * height * 3);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgrx(size_t(width) * height * 4);
    GetDIBits(memory, bitmap, 0, height, bgrx.data(), &info, DIB_RGB_COLORS);
    for (size_t i = 0, n = size_t(width) * height; i < n; ++i) {
        picture.rgb[i * 3 + 0] = bgrx[i * 4 + 2];
        picture.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
        picture.rgb[i * 3 + 2] = bgrx[i * 4 + 0];
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

bool savePpm(const Picture& picture, const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height);
    bool written = std::fwrite(picture.rgb.data(), 1, picture.rgb.size(), file) == picture.rgb.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace harness
