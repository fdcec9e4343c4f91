// A plain top-level window with the renderer's scene set up on it, for drawing frames in-process.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "scene_win32.h"

namespace harness {

// A visible popup window at the screen's top left, of its own class with its own device
// context (as the saver's), whose scene is set up on creation and torn down on destruction.
class SceneWindow {
public:
    SceneWindow(int width, int height, uint32_t seed);
    ~SceneWindow();
    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    HWND window() const { return window_; }
    Scene& scene() { return scene_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Handles whatever messages are waiting, as the saver does between frames.
    void pumpMessages();

private:
    HWND window_ = nullptr;
    Scene scene_{};
    int width_, height_;
};

// The whole screen's size in pixels.
int screenWidth();
int screenHeight();

// An RGB picture, rows top first, 3 bytes a pixel.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

// What the screen shows, copied through GDI from the desktop's device context. (Under Wine on
// llvmpipe, glReadPixels of GL_FRONT reads a buffer that swaps never update; the screen is
// what the swap presents.)
Picture readScreenThroughGdi(int width, int height);

// Writes a binary PPM (P6); false when the file cannot be written.
bool savePpm(const Picture& picture, const char* path);

}  // namespace harness
