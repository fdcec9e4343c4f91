// The sprite's 64 x 64 luminance texels: a soft round glow, brightest at texel (32, 32).
#pragma once
#include <cstdint>

constexpr int kSpriteTextureSize = 64;

// Fills texels[row * 64 + column].
void makeSpriteTexels(uint8_t texels[kSpriteTextureSize * kSpriteTextureSize]);
