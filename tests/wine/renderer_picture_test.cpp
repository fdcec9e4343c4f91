// The renderer's picture under Wine: coloured light trails with afterglow on black, and a fade
// that darkens the whole view whatever the screen's shape.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness.h"
#include "scene_window.h"

using namespace harness;

namespace {

constexpr uint32_t kSeed = 1;           // a run whose trails cross several hues by frame 150
constexpr int kSceneFrames = 150;
constexpr int kNearBlack = 8;           // of 255: what the fade leaves of anything, at most
constexpr float kFadeKeeps = 0.862637f; // 1 - fadeAlpha for fadeLevel 30
constexpr int kHueBins = 6;             // 60 degrees each

int brightest(const uint8_t* p) { return std::max({p[0], p[1], p[2]}); }
int dimmest(const uint8_t* p) { return std::min({p[0], p[1], p[2]}); }

// How a picture's pixels spread over brightness and hue.
struct Census {
    long pixels = 0;
    long nearBlack = 0;     // brightest channel <= kNearBlack
    long white = 0;         // every channel >= 250
    long intermediate = 0;  // brightest channel 32 to 192: glow, neither dark nor saturated
    long hueBins[kHueBins] = {};  // clearly coloured pixels (bright enough, a third chroma)

    int huesPresent(long atLeast) const {
        return int(std::count_if(std::begin(hueBins), std::end(hueBins), [&](long n) { return n >= atLeast; }));
    }
    std::string describe() const {
        char text[200];
        std::snprintf(text, sizeof text, "near-black %.1f%%, white %.2f%%, intermediate %.2f%%, hue bins %ld %ld %ld %ld %ld %ld",
                      100.0 * nearBlack / pixels, 100.0 * white / pixels, 100.0 * intermediate / pixels,
                      hueBins[0], hueBins[1], hueBins[2], hueBins[3], hueBins[4], hueBins[5]);
        return text;
    }
};

Census takeCensus(const Picture& picture) {
    Census census;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.at(x, y);
            int high = brightest(p), low = dimmest(p);
            ++census.pixels;
            if (high <= kNearBlack) ++census.nearBlack;
            if (low >= 250) ++census.white;
            if (high >= 32 && high <= 192) ++census.intermediate;
            int chroma = high - low;
            if (high < 24 || chroma * 3 < high) continue;
            float sector;  // 0 to 6 around the colour wheel, red at 0
            if (high == p[0]) sector = float(p[1] - p[2]) / chroma + 6.0f;
            else if (high == p[1]) sector = float(p[2] - p[0]) / chroma + 2.0f;
            else sector = float(p[0] - p[1]) / chroma + 4.0f;
            ++census.hueBins[int(sector) % kHueBins];
        }
    return census;
}

Picture screenPicture(const SceneWindow& view) { return readScreenThroughGdi(view.width(), view.height()); }

std::string savePictureForPeople(const Picture& picture) {
    std::string folder = ownFolder() + "..\\pictures\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + "renderer_picture_" + std::to_string(picture.width) + "x" +
                       std::to_string(picture.height) + ".ppm";
    return savePpm(picture, path.c_str()) ? path : "(not saved)";
}

// One full-screen scene, drawn for kSceneFrames frames with messages handled in between as the
// saver does, and the picture it shows then.
class TrailPicture : public testing::Test {
protected:
    static SceneWindow* view;
    static Picture drawn;

    static void SetUpTestSuite() {
        view = new SceneWindow(screenWidth(), screenHeight(), kSeed);
        for (int frame = 0; frame < kSceneFrames; ++frame) {
            renderFrame(view->scene());
            view->pumpMessages();
        }
        drawn = screenPicture(*view);
        std::printf("picture: %s\n", savePictureForPeople(drawn).c_str());
    }
    static void TearDownTestSuite() {
        delete view;
        view = nullptr;
    }
    void SetUp() override { ASSERT_NE(view->window(), nullptr); }
};
SceneWindow* TrailPicture::view = nullptr;
Picture TrailPicture::drawn;

TEST_F(TrailPicture, ShowsColouredGlowingTrailsOnBlack) {
    Census census = takeCensus(drawn);
    std::printf("census: %s\n", census.describe().c_str());
    EXPECT_LT(census.nearBlack, census.pixels * 99 / 100) << "hardly anything drawn: " << census.describe();
    EXPECT_GT(census.nearBlack, census.pixels / 2) << "the background is not black: " << census.describe();
    EXPECT_LT(census.white, census.pixels / 50) << "saturated to white: " << census.describe();
    EXPECT_GT(census.intermediate, census.pixels / 200) << "no glow between dark and bright: " << census.describe();
    EXPECT_GE(census.huesPresent(100), 3) << "too few hues: " << census.describe();
}

// Afterglow: the next frame darkens the picture by the fade instead of clearing it, then only
// adds light. So no pixel ends below 86 per cent of what it was, and wherever no sprite lands,
// and that is most of the old trails' glow, it is at exactly that.
TEST_F(TrailPicture, NextFrameKeepsTheGlowAt86PerCentAndOnlyAddsLight) {
    renderFrame(view->scene());
    Picture after = screenPicture(*view);

    long lit = 0, faded = 0, darker = 0;
    std::string firstDarker;
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x) {
            bool atFade = true;
            for (int channel = 0; channel < 3; ++channel) {
                int before = drawn.at(x, y)[channel], seen = after.at(x, y)[channel];
                int expected = int(before * kFadeKeeps + 0.5f);
                if (std::abs(seen - expected) > 1) atFade = false;
                if (seen >= expected - 1) continue;
                if (darker++ == 0)
                    firstDarker = "(" + std::to_string(x) + ", " + std::to_string(y) + ") channel " +
                                  std::to_string(channel) + ": " + std::to_string(before) + " became " + std::to_string(seen);
            }
            if (brightest(drawn.at(x, y)) < 64) continue;
            ++lit;
            if (atFade) ++faded;
        }
    std::printf("lit pixels %ld, of which kept at the fade %ld\n", lit, faded);
    EXPECT_EQ(darker, 0) << "first: " << firstDarker;
    EXPECT_GT(lit, 1000);
    EXPECT_GT(faded, lit / 4) << "of " << lit << " lit pixels";
}

// A white view, faded frame after frame with nothing drawn on it.
class FadedWhiteView {
public:
    FadedWhiteView(int width, int height) : view(width, height, kSeed) {}
    SceneWindow view;

    void fillWhite() {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glDrawBuffer(GL_FRONT_AND_BACK);
        glClear(GL_COLOR_BUFFER_BIT);
        glDrawBuffer(GL_BACK);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    }
    void fade(int frames) {
        for (int frame = 0; frame < frames; ++frame) {
            renderFloorFrame(view.scene());
            view.pumpMessages();
        }
    }
};

// White is down to 3 of 255 in about 30 frames and stays there: 8-bit blending rounds 3 x 0.86 back up.
constexpr int kFramesToBlack = 60;

// Brightest channel over columns [from, to) of the picture.
int brightestIn(const Picture& picture, int from, int to) {
    int high = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = from; x < to; ++x) high = std::max(high, brightest(picture.at(x, y)));
    return high;
}
int dimmestIn(const Picture& picture) {
    int low = 255;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) low = std::min(low, dimmest(picture.at(x, y)));
    return low;
}

struct ViewShape {
    const char* name;
    int across, down;  // aspect ratio; 0:0 for the whole screen, whatever its shape
    bool plainQuad;    // narrow enough for the quad's own half-width of 5
};

void PrintTo(const ViewShape& shape, std::ostream* out) { *out << shape.name; }

class FadeCoverage : public testing::TestWithParam<ViewShape> {};

// This program runs on a 16:9 and on a 2.37:1 screen (CMakeLists.txt), both wider than a quad
// of half-width 5 covers; a 16:10 view is narrow enough for that quad.
TEST_P(FadeCoverage, DarkensEveryPixelOfTheView) {
    const ViewShape& shape = GetParam();
    int height = screenHeight();
    int width = shape.across ? height * shape.across / shape.down : screenWidth();
    ASSERT_LE(width, screenWidth());
    FadedWhiteView white(width, height);
    ASSERT_NE(white.view.window(), nullptr);
    if (shape.plainQuad) {
        EXPECT_EQ(white.view.scene().fadeHalfWidth, 5.0f);
    }
    white.fillWhite();
    white.fade(1);
    ASSERT_GE(dimmestIn(screenPicture(white.view)), 200) << "the view did not start white";
    white.fade(kFramesToBlack - 1);

    Picture picture = screenPicture(white.view);
    int strip = std::max(1, width * 3 / 100);  // the outer 3 per cent on each side
    EXPECT_LE(brightestIn(picture, 0, strip), kNearBlack) << "left strip";
    EXPECT_LE(brightestIn(picture, width - strip, width), kNearBlack) << "right strip";
    EXPECT_LE(brightestIn(picture, strip, width - strip), kNearBlack) << "middle";
}

INSTANTIATE_TEST_SUITE_P(Shapes, FadeCoverage,
                         testing::Values(ViewShape{"WholeScreen", 0, 0, false},
                                         ViewShape{"SixteenByTen", 16, 10, true}),
                         [](const testing::TestParamInfo<ViewShape>& info) { return std::string(info.param.name); });

// What the widening is for: on this screen a quad of half-width 5 would leave the outer strips
// lit for good.
TEST(FadeQuad, OfHalfWidthFiveWouldLeaveTheEdgesLitOnThisScreen) {
    FadedWhiteView white(screenWidth(), screenHeight());
    ASSERT_NE(white.view.window(), nullptr);
    white.view.scene().fadeHalfWidth = 5.0f;
    white.fillWhite();
    white.fade(kFramesToBlack);
    Picture picture = screenPicture(white.view);
    int width = picture.width;
    EXPECT_GE(brightestIn(picture, 0, 1), 250);
    EXPECT_GE(brightestIn(picture, width - 1, width), 250);
    EXPECT_LE(brightestIn(picture, width / 4, width - width / 4), kNearBlack);
}

}  // namespace
