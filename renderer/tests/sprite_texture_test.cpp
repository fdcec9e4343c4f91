// Tests of the sprite texels: the bright centre, the square fall-off and the dark rim.
#include "sprite_texture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SpriteTexelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(texels, 0xAB, sizeof texels);  // shows any texel left unwritten
        makeSpriteTexels(texels);
    }
    int at(int row, int column) const { return texels[row * kSpriteTextureSize + column]; }

    uint8_t texels[kSpriteTextureSize * kSpriteTextureSize];
};

TEST_F(SpriteTexelsTest, KnownTexels) {
    struct Case {
        int row, column, value;
    };
    const Case cases[] = {
        {32, 32, 255},                               // centre is texel 32, not 31.5
        {32, 48, 63}, {48, 32, 63}, {32, 16, 63}, {16, 32, 63},  // v = 0.5: 63.75 truncated
        {32, 33, 239},                               // v = 0.96875: 239.3
        {31, 31, 232},                               // distance 0.0442: 232.96
        {32, 63, 0},  {32, 0, 0}, {0, 32, 0}, {0, 0, 0}, {63, 63, 0},  // distance 1 or more
    };
    for (const Case& c : cases)
        EXPECT_EQ(at(c.row, c.column), c.value) << "texel (" << c.row << ", " << c.column << ")";
}

TEST_F(SpriteTexelsTest, RoundGlowFallingOffFromTheCentre) {
    for (int row = 0; row < kSpriteTextureSize; ++row) {
        for (int column = 0; column < kSpriteTextureSize; ++column) {
            const int dr = row - 32, dc = column - 32;
            const int squaredDistance = dr * dr + dc * dc;  // in texels; 32 is distance 1
            if (squaredDistance >= 32 * 32) {
                EXPECT_EQ(at(row, column), 0) << row << ", " << column;
            }
            if (squaredDistance <= 29 * 29) {
                EXPECT_GT(at(row, column), 0) << row << ", " << column;
            }
            // Symmetric about the centre where the mirror texel exists.
            if (row > 0 && column > 0) {
                EXPECT_EQ(at(row, column), at(64 - row, 64 - column)) << row << ", " << column;
                EXPECT_EQ(at(row, column), at(column, row)) << row << ", " << column;
            }
        }
    }
    for (int column = 33; column < kSpriteTextureSize; ++column)
        EXPECT_LE(at(32, column), at(32, column - 1)) << "column " << column;
}

}  // namespace
