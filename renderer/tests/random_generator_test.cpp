// Tests of the renderer's random integers: the sequence, seeding, wrap-around and the float forms.
#include "random_generator.h"

#include <gtest/gtest.h>

#include <vector>

#include "generator_setup.h"

namespace {

std::vector<int> draw(RandomGenerator& generator, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) values.push_back(randomInt(generator));
    return values;
}

TEST(RandomGenerator, SequenceFromInitialStateOfOne) {
    RandomGenerator generator;
    EXPECT_EQ(generator.state, 1u);
    EXPECT_EQ(draw(generator, 10),
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
}

TEST(RandomGenerator, StateWrapsModulo2To32AndResultKeeps15Bits) {
    RandomGenerator generator;
    generator.state = 0xFFFFFFFFu;  // x 214013 + 2531011 = 2316998 modulo 2^32
    EXPECT_EQ(randomInt(generator), 2316998 >> 16);
    EXPECT_EQ(generator.state, 2316998u);

    generator.state = 0x80000000u;  // next state 0x80000000 + 2531011: the top bit is masked off
    EXPECT_EQ(randomInt(generator), ((0x80000000u + 2531011u) >> 16) & 0x7FFF);
}

TEST(RandomGenerator, SeedingSetsStateAndDiscardsTwentyValues) {
    for (uint32_t seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
        RandomGenerator byHand;
        byHand.state = seed;
        draw(byHand, 20);

        RandomGenerator seeded;
        draw(seeded, 7);  // earlier draws must not matter
        seedRandom(seeded, seed);
        EXPECT_EQ(seeded.state, byHand.state) << "seed " << seed;
        EXPECT_EQ(draw(seeded, 5), draw(byHand, 5)) << "seed " << seed;
    }
    RandomGenerator seededWithOne;
    seedRandom(seededWithOne, 1);
    RandomGenerator fresh;
    EXPECT_EQ(randomInt(seededWithOne), draw(fresh, 21).back());
}

TEST(RandomGenerator, FloatFormsMapTheDrawRange) {
    struct Case {
        int draw;
        float unit;      // draw x 2/32767 - 1
        float fraction;  // draw / 32767
    };
    const Case cases[] = {
        {0, -1.0f, 0.0f},
        {32767, 1.0f, 1.0f},
        {16383, -3.0518e-05f, 0.49998474f},
        {16384, 3.0518e-05f, 0.50001526f},
    };
    for (const Case& c : cases) {
        RandomGenerator forUnit = generator_setup::generatorWithDrawAt(0, c.draw);
        RandomGenerator forFraction = forUnit;
        EXPECT_NEAR(randomUnit(forUnit), c.unit, 1e-6f) << "draw " << c.draw;
        EXPECT_NEAR(randomFraction(forFraction), c.fraction, 1e-6f) << "draw " << c.draw;
    }
    // The ends are exact, so the documented ranges hold.
    RandomGenerator top = generator_setup::generatorWithDrawAt(0, 32767);
    EXPECT_EQ(randomUnit(top), 1.0f);
}

TEST(RandomGenerator, TestHelperPlacesAKnownDraw) {
    for (int value : {0, 1, 441, 32767}) {
        RandomGenerator generator = generator_setup::generatorWithDrawAt(3, value);
        draw(generator, 3);
        EXPECT_EQ(randomInt(generator), value);
    }
}

}  // namespace
