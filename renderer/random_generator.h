// The renderer's random integers: a 32-bit linear congruential generator, 0 to 32767.
#pragma once
#include <cstdint>

struct RandomGenerator {
    uint32_t state = 1;  // 1 until the scene set-up seeds it
};

// state = state x 214013 + 2531011 (mod 2^32); result = (state >> 16) & 0x7FFF.
int randomInt(RandomGenerator& generator);

// Sets the state to `seed` and discards 20 values, as the scene set-up does with the time.
void seedRandom(RandomGenerator& generator, uint32_t seed);

// A signed unit value in [-1, 1] and a fraction in [0, 1], each from one draw.
float randomUnit(RandomGenerator& generator);
float randomFraction(RandomGenerator& generator);
