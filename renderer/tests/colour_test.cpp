// Tests of hsvToRgb: the six hue ramps, the decimal sixths, saturation toward white and value.
#include "colour.h"

#include <gtest/gtest.h>

namespace {

TEST(HsvToRgb, KnownColours) {
    struct Case {
        float h, s, v;
        Rgb expected;
    };
    const Case cases[] = {
        {0.0f, 1, 1, {1, 0, 0}},             // red
        {0.5f, 1, 1, {0, 1, 1}},             // cyan
        {1.0f / 12, 1, 1, {1, 0.5f, 0}},     // one point inside each ramp
        {0.25f, 1, 1, {0.5f, 1, 0}},
        {5.0f / 12, 1, 1, {0, 1, 0.5f}},
        {7.0f / 12, 1, 1, {0, 0.5f, 1}},
        {0.75f, 1, 1, {0.5f, 0, 1}},
        {11.0f / 12, 1, 1, {1, 0, 0.5f}},
        {0.3f, 0, 0.6f, {0.6f, 0.6f, 0.6f}},  // no saturation: grey at the value
        {0.9f, 0, 1, {1, 1, 1}},
        {0.0f, 0.5f, 1, {1, 0.5f, 0.5f}},     // half way to white
        {0.5f, 1, 0.25f, {0, 0.25f, 0.25f}},  // value scales every channel
        {0.25f, 0.5f, 0.5f, {0.375f, 0.5f, 0.25f}},
    };
    for (const Case& c : cases) {
        const Rgb rgb = hsvToRgb(c.h, c.s, c.v);
        EXPECT_NEAR(rgb.red, c.expected.red, 1e-5f) << "h " << c.h << " s " << c.s << " v " << c.v;
        EXPECT_NEAR(rgb.green, c.expected.green, 1e-5f) << "h " << c.h << " s " << c.s << " v " << c.v;
        EXPECT_NEAR(rgb.blue, c.expected.blue, 1e-5f) << "h " << c.h << " s " << c.s << " v " << c.v;
    }
}

TEST(HsvToRgb, SixthsAreSixDigitDecimals) {
    // 1 - 6 (1 - 0.833333) in single precision: just below zero, left unclamped.
    const Rgb endOfWheel = hsvToRgb(1.0f, 1, 1);
    EXPECT_EQ(endOfWheel.red, 1.0f);
    EXPECT_EQ(endOfWheel.green, 0.0f);
    EXPECT_LT(endOfWheel.blue, 0.0f);
    EXPECT_NEAR(endOfWheel.blue, -0.0000019f, 1e-7f);

    // At a threshold the upper ramp applies, with the same decimal as its offset.
    const Rgb atYellow = hsvToRgb(0.166667f, 1, 1);
    EXPECT_EQ(atYellow.red, 1.0f);
    EXPECT_EQ(atYellow.green, 1.0f);
    const Rgb atMagenta = hsvToRgb(0.833333f, 1, 1);
    EXPECT_EQ(atMagenta.blue, 1.0f);
    EXPECT_EQ(atMagenta.red, 1.0f);

    // Single-precision sixths just below a decimal threshold stay on the lower ramp.
    const Rgb sixth = hsvToRgb(1.0f / 6.0f, 1, 1);  // 0.16666667 < 0.166667
    EXPECT_EQ(sixth.red, 1.0f);
    EXPECT_EQ(sixth.blue, 0.0f);
    const Rgb twoThirds = hsvToRgb(2.0f / 3.0f, 1, 1);  // 0.6666667 < 0.666667
    EXPECT_EQ(twoThirds.red, 0.0f);
    EXPECT_EQ(twoThirds.blue, 1.0f);
}

TEST(HsvToRgb, ContinuousAcrossEveryThreshold) {
    for (float threshold : {0.166667f, 0.333333f, 0.5f, 0.666667f, 0.833333f}) {
        const Rgb below = hsvToRgb(threshold - 1e-4f, 1, 1);
        const Rgb at = hsvToRgb(threshold, 1, 1);
        EXPECT_NEAR(below.red, at.red, 1e-3f) << threshold;
        EXPECT_NEAR(below.green, at.green, 1e-3f) << threshold;
        EXPECT_NEAR(below.blue, at.blue, 1e-3f) << threshold;
    }
}

}  // namespace
