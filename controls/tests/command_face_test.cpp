// The Command face's geometry: slices in twips and pixels, the frame ring they cover, the
// caption box, 16-bit overflow, and the gradient's orientation and colours.
#include <gtest/gtest.h>

#include <vector>

#include "command_face.h"

namespace {

PixelRect px(const TwipRect& r) {
    std::optional<PixelRect> p = toPixels(r);
    EXPECT_TRUE(p.has_value());
    return p.value_or(PixelRect{-1, -1, -1, -1});
}

TEST(Slices, InTwipsForTheDialogsWidestButton) {
    const auto slices = faceSlices(int16_t(1875), int16_t(375));
    const int16_t expected[8][8] = {
        // face x, y, w, h            picture x, y, w, h
        {1, 1, 60, 60, 0, 0, 60, 60},
        {60, 1, 1755, 60, 60, 1, 840, 60},
        {1815, 1, 60, 60, 900, 1, 60, 60},
        {1815, 60, 60, 255, 900, 60, 60, 255},
        {1815, 315, 60, 60, 900, 315, 60, 60},
        {60, 315, 1755, 60, 60, 315, 840, 60},
        {1, 315, 60, 60, 0, 315, 60, 60},
        {1, 60, 60, 255, 1, 60, 60, 255},
    };
    for (int i = 0; i < 8; ++i) {
        const TwipRect& f = slices[i].face;
        const TwipRect& p = slices[i].picture;
        const int16_t actual[8] = {*f.x, *f.y, *f.width, *f.height, *p.x, *p.y, *p.width, *p.height};
        for (int k = 0; k < 8; ++k) EXPECT_EQ(actual[k], expected[i][k]) << "slice " << i + 1 << " number " << k;
    }
}

TEST(Slices, InPixelsCornersUnscaledEdgesStretched) {
    // 125 x 25 pixels (1875 x 375 twips).
    const auto slices = faceSlices(twipsFromPixels(125), twipsFromPixels(25));
    const PixelRect face[8] = {{0, 0, 4, 4}, {4, 0, 117, 4}, {121, 0, 4, 4}, {121, 4, 4, 17},
                               {121, 21, 4, 4}, {4, 21, 117, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
    const PixelRect picture[8] = {{0, 0, 4, 4}, {4, 0, 56, 4}, {60, 0, 4, 4}, {60, 4, 4, 17},
                                  {60, 21, 4, 4}, {4, 21, 56, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(px(slices[i].face), face[i]) << "slice " << i + 1;
        EXPECT_EQ(px(slices[i].picture), picture[i]) << "slice " << i + 1;
    }
}

TEST(Slices, TheFileButtonSqueezesTheSideEdges) {
    const auto slices = faceSlices(int16_t(435), int16_t(315));
    for (int side : {3, 7}) {  // right and left edges
        EXPECT_EQ(*slices[side].face.height, 195);
        EXPECT_EQ(px(slices[side].face).height, 13);
        EXPECT_EQ(px(slices[side].picture).height, 17);
    }
}

// Each pixel of the 4-pixel ring is covered by exactly one slice and none inside it; only the
// picture's outer ring is ever read.
TEST(Slices, TileTheRingAndReadOnlyThePicturesRing) {
    const int sizes[][2] = {{125, 25}, {73, 25}, {69, 25}, {29, 21}, {8, 8}, {200, 60}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        std::vector<int> covered(w * h, 0);
        for (const FaceSlice& s : faceSlices(twipsFromPixels(w), twipsFromPixels(h))) {
            PixelRect f = px(s.face);
            for (int y = f.y; y < f.y + f.height; ++y)
                for (int x = f.x; x < f.x + f.width; ++x) ++covered.at(y * w + x);
            PixelRect p = px(s.picture);
            for (int y = p.y; y < p.y + p.height; ++y)
                for (int x = p.x; x < p.x + p.width; ++x)
                    EXPECT_FALSE(x >= 4 && x < 60 && y >= 4 && y < 21) << w << "x" << h << " reads " << x << "," << y;
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool ring = x < 4 || y < 4 || x >= w - 4 || y >= h - 4;
                EXPECT_EQ(covered[y * w + x], ring ? 1 : 0) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

TEST(Slices, NarrowFacesSkipTheNegativeEdges) {
    const auto slices = faceSlices(int16_t(90), int16_t(375));  // 6 pixels wide
    EXPECT_FALSE(toPixels(slices[1].face).has_value());
    EXPECT_FALSE(toPixels(slices[5].face).has_value());
    EXPECT_TRUE(toPixels(slices[0].face).has_value());
    EXPECT_TRUE(toPixels(slices[3].face).has_value());
}

TEST(Overflow, SixteenBitsOrNothing) {
    EXPECT_EQ(twipsFromPixels(2184), Twips(32760));
    EXPECT_EQ(twipsFromPixels(2185), std::nullopt);
    EXPECT_EQ(addTwips(int16_t(32767), int16_t(1)), std::nullopt);
    EXPECT_EQ(subtractTwips(int16_t(-32768), int16_t(1)), std::nullopt);
    EXPECT_EQ(subtractTwips(int16_t(-32767), int16_t(1)), Twips(-32768));
    EXPECT_EQ(subtractTwips(std::nullopt, int16_t(1)), std::nullopt);
    EXPECT_EQ(halveTwips(int16_t(-7)), Twips(-3));
}

// A face too wide for 16 bits: the slices that need its width are skipped, the rest drawn.
TEST(Overflow, SkipsOnlyTheStepsThatNeedTheOverflowedValue) {
    const auto slices = faceSlices(twipsFromPixels(3000), twipsFromPixels(25));
    const bool drawn[8] = {true, false, false, false, false, false, true, true};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(toPixels(slices[i].face).has_value(), drawn[i]) << "slice " << i + 1;
    EXPECT_EQ(captionTop(twipsFromPixels(25)), Twips(80));
    EXPECT_EQ(captionTop(twipsFromPixels(3000)), std::nullopt);
}

TEST(Caption, CentredInTheFreeHeight) {
    EXPECT_EQ(captionTop(int16_t(375)), Twips(80));
    EXPECT_EQ(captionTop(int16_t(315)), Twips(50));
    EXPECT_EQ(captionTop(int16_t(100)), Twips(-57));  // lower than its box: above the top
    EXPECT_EQ(captionTop(int16_t(-32768)), std::nullopt);
    // The 375-twip buttons' caption box: rows 5 to 17.
    EXPECT_EQ(px({int16_t(0), int16_t(80), int16_t(1875), kCaptionHeight}), (PixelRect{0, 5, 125, 13}));
}

TEST(Gradient, OrientationFollowsTheState) {
    struct Case {
        uint8_t state;
        bool before, after;
    } cases[] = {{1, true, false}, {2, false, true}, {3, true, false},
                 {4, true, true},  {4, false, false}, {0, true, true}};
    for (const Case& c : cases)
        EXPECT_EQ(gradientReversedAfter(c.state, c.before), c.after) << int(c.state) << " " << c.before;
}

TEST(Gradient, ColourTextsReadAsRedGreenBlueHighBytes) {
    struct Case {
        const char* text;
        std::optional<GradientColour> colour;
    } cases[] = {
        {"&HFFFFFF", GradientColour{0xFF00, 0xFF00, 0xFF00, 0}},
        {"&HC6C5D7", GradientColour{0xC600, 0xC500, 0xD700, 0}},
        {"&h0000ff", GradientColour{0, 0, 0xFF00, 0}},
        {"&HFF", GradientColour{0, 0, 0xFF00, 0}},  // six digits with leading zeros
        {"FFFFFF", std::nullopt},
        {"&H", std::nullopt},
        {"&HC6C5DG", std::nullopt},
        {"&H1C6C5D7", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(gradientColourFromText(c.text), c.colour) << c.text;
}

TEST(Gradient, LightAtTheTopUnlessReversed) {
    const GradientColour white{0xFF00, 0xFF00, 0xFF00, 0}, lavender{0xC600, 0xC500, 0xD700, 0};
    EXPECT_EQ(gradientEnds(false)->top, white);
    EXPECT_EQ(gradientEnds(false)->bottom, lavender);
    EXPECT_EQ(gradientEnds(true)->top, lavender);
    EXPECT_EQ(gradientEnds(true)->bottom, white);
}

}  // namespace
