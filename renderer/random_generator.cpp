// The renderer's random integers: a 32-bit linear congruential generator and its two float forms.
#include "random_generator.h"

int randomInt(RandomGenerator& generator) {
    generator.state = generator.state * 214013u + 2531011u;  // wraps modulo 2^32
    return static_cast<int>((generator.state >> 16) & 0x7FFFu);
}

void seedRandom(RandomGenerator& generator, uint32_t seed) {
    generator.state = seed;
    for (int i = 0; i < 20; ++i) randomInt(generator);
}

// 2/32767 and 1/32767 as single-precision constants, so 32767 maps to exactly 1.
float randomUnit(RandomGenerator& generator) {
    return static_cast<float>(randomInt(generator)) * 6.103702e-05f - 1.0f;
}

float randomFraction(RandomGenerator& generator) {
    return static_cast<float>(randomInt(generator)) * 3.051851e-05f;
}
