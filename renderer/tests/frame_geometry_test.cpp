// Tests of the frame's numbers: fade alpha, fade quad width, trail taper and the camera turn.
#include "frame_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Visible half-width at z = 0, 2.5 units from the eye, with a 100-degree vertical field of view.
double visibleHalfWidth(double aspectRatio) {
    return 2.5 * std::tan(50.0 * std::acos(-1.0) / 180.0) * aspectRatio;
}

TEST(FrameGeometry, FadeAlpha) {
    struct Case {
        int level;
        float alpha;
    };
    const Case cases[] = {{30, 0.137363f}, {0, 0.5f}, {1, 0.34505f}, {16, 0.1901f}, {81, 0.03515f}};
    for (const Case& c : cases) EXPECT_NEAR(fadeAlpha(c.level), c.alpha, 1e-6f) << c.level;
}

TEST(FrameGeometry, FadeQuadIsFiveWideWhileTheViewFits) {
    for (float aspect : {1.0f, 4.0f / 3.0f, 16.0f / 10.0f, 1.678f})
        EXPECT_EQ(fadeQuadHalfWidth(aspect), 5.0f) << aspect;
}

TEST(FrameGeometry, FadeQuadCoversTheViewOnWideScreens) {
    float previous = 5.0f;
    for (float aspect : {1.679f, 16.0f / 9.0f, 21.0f / 9.0f, 32.0f / 9.0f, 4.0f}) {
        const float halfWidth = fadeQuadHalfWidth(aspect);
        EXPECT_GE(halfWidth, visibleHalfWidth(aspect)) << aspect;
        EXPECT_LE(halfWidth, visibleHalfWidth(aspect) * 1.05) << aspect;
        EXPECT_GE(halfWidth, previous) << aspect;
        previous = halfWidth;
    }
    EXPECT_GT(kFadeQuadHalfHeight, visibleHalfWidth(1.0));
}

TEST(FrameGeometry, TrailTaper) {
    struct Case {
        int position;
        float scale;
    };
    const Case cases[] = {{0, 0.259f}, {1, 0.5f},  {2, 0.707f}, {3, 0.866f},
                          {4, 0.966f}, {5, 1.0f}, {59, 1.0f},  {-1, 1.0f}};
    for (const Case& c : cases) EXPECT_EQ(trailTaper(c.position), c.scale) << c.position;
}

TEST(FrameGeometry, CameraTurnsAndWrapsAt360) {
    struct Case {
        float angle;
        int spinSpeed;
        float expected;
    };
    const Case cases[] = {
        {0.0f, 20, 0.2f},
        {180.0f, 20, 180.2f},
        {359.7f, 20, 359.9f},
        {359.9f, 20, 0.1f},    // past 360
        {359.0f, 100, 0.0f},   // exactly 360 wraps too
        {90.0f, 0, 90.0f},
    };
    for (const Case& c : cases) {
        const CameraTurn turn = advanceCamera(c.angle, c.spinSpeed);
        EXPECT_NEAR(turn.angle, c.expected, 1e-4f) << c.angle;
        const double radians = turn.angle * std::acos(-1.0) / 180.0;
        EXPECT_NEAR(turn.cosine, std::cos(radians), 1e-6) << c.angle;
        EXPECT_NEAR(turn.sine, std::sin(radians), 1e-6) << c.angle;
    }
    EXPECT_EQ(advanceCamera(359.0f, 100).angle, 0.0f);

    // A full turn every 1800 frames, never leaving [0, 360).
    float angle = 0.0f;
    for (int frame = 0; frame < 1800; ++frame) {
        angle = advanceCamera(angle, 20).angle;
        ASSERT_GE(angle, 0.0f);
        ASSERT_LT(angle, 360.0f);
    }
    EXPECT_LT(std::min(angle, 360.0f - angle), 0.05f);
}

}  // namespace
