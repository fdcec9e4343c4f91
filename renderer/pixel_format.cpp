// Scoring and choosing a pixel format from plain descriptors: deep depth and a driver's own format win.
#include "pixel_format.h"

#include <cstddef>

int scorePixelFormat(const PixelFormatInfo& format) {
    constexpr uint32_t kRequired = kPfdSupportOpenGL | kPfdDrawToWindow | kPfdDoubleBuffer;
    if ((format.flags & kRequired) != kRequired || format.pixelType != kPfdTypeRgba) return 0;

    int score = format.colorBits + 2 * format.depthBits;
    // Colour beyond 16 bits counts half; the division truncates toward zero.
    if (format.colorBits > 16) score += (16 - format.colorBits) / 2;
    if (!(format.flags & kPfdGenericFormat))
        score += 2000;
    else if (format.flags & kPfdGenericAccelerated)
        score += 1000;
    return score;
}

int choosePixelFormatIndex(const std::vector<PixelFormatInfo>& formats) {
    int bestScore = 0;
    int bestIndex = 0;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const int score = scorePixelFormat(formats[i]);
        if (score > bestScore) {  // strictly: the lowest index wins a tie
            bestScore = score;
            bestIndex = static_cast<int>(i) + 1;
        }
    }
    return bestIndex;
}
