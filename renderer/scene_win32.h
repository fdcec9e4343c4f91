// The renderer's OpenGL scene: context, render state, sprite texture and list, the attractors,
// and the frame that draws them. Set up inside WM_CREATE, torn down inside WM_DESTROY.
#pragma once
#include <windows.h>

#include <cstdint>

#include "attractors.h"
#include "scene_parameters.h"

struct Scene {
    HDC deviceContext;
    HGLRC glContext;
    Simulation simulation;
    float brightnessStep;   // 1 / trailLength
    float cameraAngle;      // degrees
    float fadeHalfWidth;    // of the fade quad, wide enough for this window's aspect ratio
};

// Seeds the generator with `seed` (the shell passes the time in seconds) and discards 20
// values, then makes the context current and puts every piece of state in place.
void setUpScene(Scene& scene, HWND window, const SceneParameters& parameters, uint32_t seed);
void tearDownScene(Scene& scene, HWND window);

// Chooses and sets the best scored pixel format, or the system's choice when none fits.
void selectPixelFormat(HDC deviceContext);

// Darkens the previous image, turns the camera, steps and draws the attractors, presents.
void renderFrame(Scene& scene);

// The two ends of every frame: the fade that darkens the previous image (and leaves the
// afterglow), and the swap that presents the new one.
void fadePreviousImage(const Scene& scene);
void presentFrame(const Scene& scene);

// The same frame without the attractors: the fade quad and the swap alone. A floor for
// measuring what the sprites cost.
void renderFloorFrame(Scene& scene);
