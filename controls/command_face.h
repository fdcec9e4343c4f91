// The Command button's face geometry: the eight frame slices in twips and in pixels, the caption
// box, and the gradient's orientation and colours. Portable; command_win32.cpp draws with it.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// A face length or position in twips, held as a 16-bit signed whole number. Empty once the
// 16-bit arithmetic that made it overflowed: every drawing step that needs it is skipped.
using Twips = std::optional<int16_t>;

constexpr int kTwipsPerPixel = 15;  // 96 DPI

// Every state picture is 64 x 25 pixels; these are constants, not read from the picture.
constexpr int kPictureWidthPixels = 64;
constexpr int kPictureHeightPixels = 25;
constexpr int16_t kPictureWidth = 960;       // twips
constexpr int16_t kPictureHeight = 375;
constexpr int16_t kFrame = 60;               // 4 pixels on every side
constexpr int16_t kInnerPictureWidth = 840;  // picture width less two frames
constexpr int16_t kInnerPictureHeight = 255;
constexpr int16_t kCaptionOffset = 20;       // taken off the free height before centring
constexpr int16_t kCaptionHeight = 195;      // the caption box never changes its height

// Checked 16-bit arithmetic: empty when an operand is empty or the result leaves the range.
Twips addTwips(Twips a, Twips b);
Twips subtractTwips(Twips a, Twips b);
Twips halveTwips(Twips a);  // truncated toward zero

// A face size in pixels as whole twips; empty beyond 32767 twips (2184 pixels).
Twips twipsFromPixels(int pixels);

struct TwipRect {
    Twips x, y, width, height;
};

struct PixelRect {
    int x, y, width, height;
    bool operator==(const PixelRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// Pixel n covers twips 15n to 15n + 14, so both ends are rounded down: twip 1 is on pixel 0.
// Empty when a number is missing or the extent is negative (a face under 120 twips): that
// slice is not copied.
std::optional<PixelRect> toPixels(const TwipRect& rect);

struct FaceSlice {
    TwipRect face;     // where it goes on the face
    TwipRect picture;  // where it comes from in the state picture; stretched when sizes differ
};

// The frame of a W x H twip face, in copying order: top-left corner, top edge, top-right
// corner, right edge, bottom-right corner, bottom edge, bottom-left corner, left edge.
std::array<FaceSlice, 8> faceSlices(Twips width, Twips height);

// Top of the caption box: (H - caption height - 20) / 2; the box's left is 0, its width W.
Twips captionTop(Twips height);

// DrawFace's first step: Idle and Focused draw the gradient upright, Hover reversed, and
// FocusedHover (and the 0 before Initialize) keep the orientation of the face before.
bool gradientReversedAfter(uint8_t buttonState, bool reversedBefore);

// A channel of GradientFill: the 8-bit value in the high byte.
struct GradientColour {
    uint16_t red, green, blue, alpha;
    bool operator==(const GradientColour& o) const {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
};

// The two gradient colours as held: "&H" and the value, whose six hex digits (leading zeros
// added) are read in pairs as red, green, blue. Empty for any other text: no gradient is drawn.
constexpr std::string_view kLightColourText = "&HFFFFFF";  // white
constexpr std::string_view kDarkColourText = "&HC6C5D7";   // pale lavender grey
std::optional<GradientColour> gradientColourFromText(std::string_view text);

struct GradientEnds {
    GradientColour top, bottom;
};
// Light at the top unless reversed.
std::optional<GradientEnds> gradientEnds(bool reversed);
