// The numbers a frame is composed from: fade strength, fade quad size, trail taper, camera turn.
#include "frame_geometry.h"

#include <cmath>

namespace {

constexpr float kDegreesToRadians = 0.017453292f;  // pi / 180 in single precision
constexpr float kCameraDistance = 2.5f;            // scene units from the eye to z = 0
constexpr float kHalfFieldOfView = 50.0f;          // degrees; the projection's is 100 vertically
constexpr float kFadeQuadDefaultHalfWidth = 5.0f;
constexpr float kFadeQuadMargin = 1.01f;  // 1% past the view's edge on wide screens

}  // namespace

float fadeAlpha(int fadeLevel) {
    // The fourth root as two square roots.
    return 0.5f - std::sqrt(std::sqrt(static_cast<float>(fadeLevel))) * 0.15495f;
}

float fadeQuadHalfWidth(float aspectRatio) {
    const float halfHeight = kCameraDistance * std::tan(kHalfFieldOfView * kDegreesToRadians);
    const float halfWidth = halfHeight * aspectRatio;
    if (halfWidth <= kFadeQuadDefaultHalfWidth) return kFadeQuadDefaultHalfWidth;
    return halfWidth * kFadeQuadMargin;
}

float trailTaper(int positionFromNewest) {
    static constexpr float kTaper[] = {0.259f, 0.5f, 0.707f, 0.866f, 0.966f};
    constexpr int kTaperedCount = static_cast<int>(sizeof kTaper / sizeof kTaper[0]);
    if (positionFromNewest < 0 || positionFromNewest >= kTaperedCount) return 1.0f;
    return kTaper[positionFromNewest];
}

CameraTurn advanceCamera(float angle, int spinSpeed) {
    angle += static_cast<float>(spinSpeed) * 0.01f;  // hundredths of a degree
    if (angle >= 360.0f) angle -= 360.0f;
    const float radians = angle * kDegreesToRadians;
    return CameraTurn{angle, std::cos(radians), std::sin(radians)};
}
