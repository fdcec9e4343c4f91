// The sprite's 64 x 64 luminance texels: brightness falls off with the square of (1 - distance).
#include "sprite_texture.h"

#include <cmath>

void makeSpriteTexels(uint8_t texels[kSpriteTextureSize * kSpriteTextureSize]) {
    constexpr int kCentre = 32;             // texel 32, not 31.5, is the centre
    constexpr float kTexelStep = 0.03125f;  // 1/32: distance 1 at the texture's edge
    for (int row = 0; row < kSpriteTextureSize; ++row) {
        for (int column = 0; column < kSpriteTextureSize; ++column) {
            const float a = static_cast<float>(row - kCentre) * kTexelStep;
            const float b = static_cast<float>(column - kCentre) * kTexelStep;
            float v = 1.0f - std::sqrt(a * a + b * b);
            if (v < 0.0f) v = 0.0f;
            if (v > 1.0f) v = 1.0f;
            texels[row * kSpriteTextureSize + column] = static_cast<uint8_t>(v * v * 255.0f);
        }
    }
}
