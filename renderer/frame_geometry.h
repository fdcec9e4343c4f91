// The numbers a frame is composed from: fade strength, fade quad size, trail taper, camera turn.
#pragma once

// 0.5 - fourthRoot(fadeLevel) x 0.15495; 0.137363 for fadeLevel 30.
float fadeAlpha(int fadeLevel);

// Half-width, in scene units at z = 0, of the quad that darkens the previous image: 5 on
// screens up to about 1.678:1, and wide enough to cover the whole view on wider ones.
float fadeQuadHalfWidth(float aspectRatio);
constexpr float kFadeQuadHalfHeight = 4.0f;

// Uniform scale of a trail point by its position from the newest (0): 0.259, 0.5, 0.707,
// 0.866, 0.966, then 1.
float trailTaper(int positionFromNewest);

struct CameraTurn {
    float angle;  // degrees, in [0, 360)
    float cosine, sine;
};

// Turns the camera by spinSpeed hundredths of a degree, wrapping at 360.
CameraTurn advanceCamera(float angle, int spinSpeed);
