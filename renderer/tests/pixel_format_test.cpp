// Tests of pixel-format scoring and choice over plain descriptors.
#include "pixel_format.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kUsable = kPfdSupportOpenGL | kPfdDrawToWindow | kPfdDoubleBuffer;
constexpr uint32_t kSoftware = kUsable | kPfdGenericFormat;
constexpr uint32_t kGenericAccelerated = kUsable | kPfdGenericFormat | kPfdGenericAccelerated;
constexpr uint32_t kSupportGdi = 0x00000010;  // a flag the score ignores

TEST(PixelFormat, Scores) {
    struct Case {
        PixelFormatInfo format;
        int score;
    };
    const Case cases[] = {
        {{kUsable, kPfdTypeRgba, 32, 24}, 2072},  // 32 + 48 - 8 + 2000
        {{kUsable, kPfdTypeRgba, 24, 32}, 2084},  // 24 + 64 - 4 + 2000
        {{kUsable, kPfdTypeRgba, 16, 16}, 2048},  // no colour penalty at 16 bits
        {{kSoftware, kPfdTypeRgba, 32, 32}, 88},
        {{kGenericAccelerated, kPfdTypeRgba, 32, 24}, 1072},
        {{kUsable | kPfdGenericAccelerated, kPfdTypeRgba, 16, 16}, 2048},  // not generic: 2000
        {{kUsable | kSupportGdi, kPfdTypeRgba, 16, 0}, 2016},
        {{kUsable, kPfdTypeRgba, 25, 0}, 2021},   // (16 - 25) / 2 truncates to -4
        {{kSoftware, kPfdTypeRgba, 8, 0}, 8},
        // Unusable: each required flag missing, or a colour-index pixel type.
        {{kUsable & ~kPfdSupportOpenGL, kPfdTypeRgba, 32, 24}, 0},
        {{kUsable & ~kPfdDrawToWindow, kPfdTypeRgba, 32, 24}, 0},
        {{kUsable & ~kPfdDoubleBuffer, kPfdTypeRgba, 32, 24}, 0},
        {{kUsable, 1, 32, 24}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scorePixelFormat(c.format), c.score)
            << "flags 0x" << std::hex << c.format.flags << std::dec << " type "
            << c.format.pixelType << " colour " << c.format.colorBits << " depth "
            << c.format.depthBits;
}

TEST(PixelFormat, ChoosesTheBestScoreAndTheLowestIndexOnATie) {
    const PixelFormatInfo hardware32 = {kUsable, kPfdTypeRgba, 32, 24};     // 2072
    const PixelFormatInfo hardware24 = {kUsable, kPfdTypeRgba, 24, 32};     // 2084
    const PixelFormatInfo alsoScores2084 = {kUsable, kPfdTypeRgba, 32, 30};  // 32 + 60 - 8
    const PixelFormatInfo software = {kSoftware, kPfdTypeRgba, 32, 32};     // 88
    const PixelFormatInfo accelerated = {kGenericAccelerated, kPfdTypeRgba, 32, 24};
    const PixelFormatInfo singleBuffered = {kUsable & ~kPfdDoubleBuffer, kPfdTypeRgba, 32, 32};
    const PixelFormatInfo zeroScore = {kSoftware, kPfdTypeRgba, 0, 0};
    struct Case {
        std::vector<PixelFormatInfo> formats;
        int chosen;  // 1-based, 0 for none
    };
    const Case cases[] = {
        {{hardware32, hardware24}, 2},
        {{hardware24, alsoScores2084}, 1},
        {{alsoScores2084, hardware24}, 1},
        {{singleBuffered, software, accelerated}, 3},
        {{software, singleBuffered}, 1},
        {{singleBuffered, singleBuffered}, 0},
        {{zeroScore}, 0},  // only a score above 0 is chosen
        {{}, 0},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(choosePixelFormatIndex(cases[i].formats), cases[i].chosen) << "case " << i;
}

}  // namespace
