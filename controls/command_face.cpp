// The Command button's face geometry (see command_face.h).
#include "command_face.h"

#include <cstdint>
#include <limits>

namespace {

Twips fit(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(value);
}

Twips constant(int16_t value) { return value; }

// Rounds down, also below zero.
int floorDivide(int value, int divisor) {
    int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

Twips addTwips(Twips a, Twips b) {
    if (!a || !b) return std::nullopt;
    return fit(int64_t(*a) + *b);
}

Twips subtractTwips(Twips a, Twips b) {
    if (!a || !b) return std::nullopt;
    return fit(int64_t(*a) - *b);
}

Twips halveTwips(Twips a) {
    if (!a) return std::nullopt;
    return fit(int64_t(*a) / 2);
}

Twips twipsFromPixels(int pixels) { return fit(int64_t(pixels) * kTwipsPerPixel); }

std::optional<PixelRect> toPixels(const TwipRect& r) {
    if (!r.x || !r.y || !r.width || !r.height) return std::nullopt;
    if (*r.width < 0 || *r.height < 0) return std::nullopt;
    int left = floorDivide(*r.x, kTwipsPerPixel), top = floorDivide(*r.y, kTwipsPerPixel);
    int right = floorDivide(*r.x + *r.width, kTwipsPerPixel);
    int bottom = floorDivide(*r.y + *r.height, kTwipsPerPixel);
    return PixelRect{left, top, right - left, bottom - top};
}

std::array<FaceSlice, 8> faceSlices(Twips W, Twips H) {
    const Twips one = constant(1), frame = constant(kFrame);
    const Twips twoFrames = constant(2 * kFrame);
    const Twips edgeWidth = subtractTwips(W, twoFrames), edgeHeight = subtractTwips(H, twoFrames);
    const Twips farX = subtractTwips(W, frame), farY = subtractTwips(H, frame);
    const Twips innerWidth = constant(kInnerPictureWidth), innerHeight = constant(kInnerPictureHeight);
    const Twips pictureFarX = constant(kPictureWidth - kFrame);    // 900
    const Twips pictureFarY = constant(kPictureHeight - kFrame);   // 315
    return {{
        {{one, one, frame, frame}, {constant(0), constant(0), frame, frame}},
        {{frame, one, edgeWidth, frame}, {frame, one, innerWidth, frame}},
        {{farX, one, frame, frame}, {pictureFarX, one, frame, frame}},
        {{farX, frame, frame, edgeHeight}, {pictureFarX, frame, frame, innerHeight}},
        {{farX, farY, frame, frame}, {pictureFarX, pictureFarY, frame, frame}},
        {{frame, farY, edgeWidth, frame}, {frame, pictureFarY, innerWidth, frame}},
        {{one, farY, frame, frame}, {constant(0), pictureFarY, frame, frame}},
        {{one, frame, frame, edgeHeight}, {one, frame, frame, innerHeight}},
    }};
}

Twips captionTop(Twips H) {
    return halveTwips(subtractTwips(subtractTwips(H, constant(kCaptionHeight)), constant(kCaptionOffset)));
}

bool gradientReversedAfter(uint8_t buttonState, bool reversedBefore) {
    switch (buttonState) {
    case 1: return false;
    case 2: return true;
    case 3: return false;
    default: return reversedBefore;
    }
}

std::optional<GradientColour> gradientColourFromText(std::string_view text) {
    if (text.size() < 3 || text.size() > 8 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return std::nullopt;
    uint32_t value = 0;
    for (char c : text.substr(2)) {
        int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + uint32_t(digit);
    }
    // Six digits RRGGBB, in that order (not the 0x00BBGGRR of the other colours).
    auto channel = [&](int pair) { return uint16_t(((value >> (16 - 8 * pair)) & 0xFF) << 8); };
    return GradientColour{channel(0), channel(1), channel(2), 0};
}

std::optional<GradientEnds> gradientEnds(bool reversed) {
    std::optional<GradientColour> light = gradientColourFromText(kLightColourText);
    std::optional<GradientColour> dark = gradientColourFromText(kDarkColourText);
    if (!light || !dark) return std::nullopt;
    return reversed ? GradientEnds{*dark, *light} : GradientEnds{*light, *dark};
}
