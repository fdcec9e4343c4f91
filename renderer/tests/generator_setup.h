// Test helper: generator states whose upcoming draws are known, by running the generator backward.
#pragma once
#include <cstdint>

#include "random_generator.h"

namespace generator_setup {

constexpr uint32_t kMultiplier = 214013u;
constexpr uint32_t kIncrement = 2531011u;

// Inverse of the multiplier modulo 2^32 (it is odd), by Newton's iteration.
constexpr uint32_t inverseMultiplier() {
    uint32_t inverse = kMultiplier;  // correct to 3 bits; each step doubles that
    for (int i = 0; i < 5; ++i) inverse *= 2u - kMultiplier * inverse;
    return inverse;
}
static_assert(kMultiplier * inverseMultiplier() == 1u, "multiplier inverse");

constexpr uint32_t stepBack(uint32_t state) {
    return (state - kIncrement) * inverseMultiplier();
}

// A generator whose draw number `drawsBefore` + 1 returns `value` (0 to 32767).
inline RandomGenerator generatorWithDrawAt(int drawsBefore, int value) {
    RandomGenerator generator;
    generator.state = stepBack(static_cast<uint32_t>(value) << 16);
    for (int i = 0; i < drawsBefore; ++i) generator.state = stepBack(generator.state);
    return generator;
}

}  // namespace generator_setup
