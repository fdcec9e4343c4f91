// Draws the renderer's scene with a fixed seed on a window covering the screen and saves what
// the screen shows after a number of frames, as a binary PPM: the source of the preview still.
//   capture_frame <seed> <frames> <out.ppm>
#include <cstdio>
#include <cstdlib>

#include "scene_window.h"

using namespace harness;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: capture_frame <seed> <frames> <out.ppm>\n");
        return 2;
    }
    uint32_t seed = uint32_t(std::strtoul(argv[1], nullptr, 10));
    int frames = std::atoi(argv[2]);
    SceneWindow view(screenWidth(), screenHeight(), seed);
    for (int frame = 0; frame < frames; ++frame) {
        view.pumpMessages();
        renderFrame(view.scene());
    }
    Picture picture = readScreenThroughGdi(view.width(), view.height());
    if (!savePpm(picture, argv[3])) {
        std::fprintf(stderr, "could not write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
