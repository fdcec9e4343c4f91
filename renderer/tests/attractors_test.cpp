// Tests of the attractor simulation: creation, reshuffle, coefficient motion, the particle map,
// the escape test and trail ageing.
#include "attractors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "generator_setup.h"

namespace {

using generator_setup::generatorWithDrawAt;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
const double kPi = std::acos(-1.0);

// A signed unit value and a velocity as the creation formulas give them, in double.
double unitFromDraw(int draw) { return draw * 2.0 / 32767.0 - 1.0; }
double velocityFromDraw(int draw) { return draw / 32767.0 * 0.000125 + 0.000025; }

class AttractorsTest : public ::testing::Test {
protected:
    void create(const SceneParameters& parameters = kSceneParameters, uint32_t seed = 12345) {
        simulation = Simulation{};
        simulation.parameters = parameters;
        seedRandom(simulation.random, seed);
        createAttractors(simulation);
    }

    // One frame as the renderer runs it: each attractor steps, then each of its particles ages.
    void runFrame() {
        for (Attractor& attractor : simulation.attractors) {
            updateAttractor(simulation, attractor);
            for (Particle& particle : attractor.particles) ageTrail(simulation, particle);
        }
    }

    Simulation simulation{};
};

TEST_F(AttractorsTest, CreationBuildsTheSetFromTheParameters) {
    SceneParameters small = kSceneParameters;
    small.attractorCount = 3;
    small.particlesPerAttractor = 5;
    small.trailLength = 7;
    create(small);
    ASSERT_EQ(simulation.attractors.size(), 3u);
    for (const Attractor& attractor : simulation.attractors) {
        EXPECT_EQ(attractor.reshuffleCountdown, 1);
        ASSERT_EQ(attractor.particles.size(), 5u);
        for (size_t k = 0; k < 5; ++k) {
            const Particle& particle = attractor.particles[k];
            EXPECT_EQ(particle.head, 0);
            ASSERT_EQ(particle.trail.size(), 7u);
            for (const TrailPoint& point : particle.trail) {
                EXPECT_EQ(point.x, 0.0f);
                EXPECT_EQ(point.y, 3.0f);
                EXPECT_EQ(point.z, 0.0f);
                EXPECT_EQ(point.hue, 0.0f);
                EXPECT_EQ(point.saturation, 0.0f);
            }
            // k restarts for every attractor; N is particlesPerAttractor.
            const double angle = 2.0 * kPi * static_cast<double>(k) / 5.0;
            EXPECT_NEAR(particle.driveVector[0], std::cos(angle), 1e-6);
            EXPECT_NEAR(particle.driveVector[1], static_cast<double>(k) / 5.0 - 0.5, 1e-7);
            EXPECT_NEAR(particle.driveVector[2], std::sin(angle), 1e-6);
        }
    }

    destroyAttractors(simulation);
    EXPECT_TRUE(simulation.attractors.empty());
}

TEST_F(AttractorsTest, DriveVectorsOfTheSceneParticles) {
    create();
    struct Case {
        int k;
        float x, y, z;
    };
    const Case cases[] = {{0, 1.0f, -0.5f, 0.0f},
                          {10, 0.0f, -0.25f, 1.0f},
                          {20, -1.0f, 0.0f, 0.0f},
                          {30, 0.0f, 0.25f, -1.0f},
                          {39, 0.98768834f, 0.475f, -0.15643447f}};
    for (const Attractor& attractor : simulation.attractors) {
        for (const Case& c : cases) {
            const float* d = attractor.particles[static_cast<size_t>(c.k)].driveVector;
            EXPECT_NEAR(d[0], c.x, 1e-6f) << "k " << c.k;
            EXPECT_NEAR(d[1], c.y, 1e-7f) << "k " << c.k;
            EXPECT_NEAR(d[2], c.z, 1e-6f) << "k " << c.k;
        }
    }
}

TEST_F(AttractorsTest, CreationDrawsCoefficientThenVelocityPerIndex) {
    create();
    RandomGenerator replay;
    seedRandom(replay, 12345);
    for (const Attractor& attractor : simulation.attractors) {
        for (int i = 0; i < kCoefficientCount; ++i) {
            const int coefficientDraw = randomInt(replay);
            const int velocityDraw = randomInt(replay);
            EXPECT_NEAR(attractor.coefficients[i], unitFromDraw(coefficientDraw), 1e-6) << i;
            EXPECT_NEAR(attractor.coefficientVelocities[i], velocityFromDraw(velocityDraw), 1e-10)
                << i;
        }
    }
    EXPECT_EQ(simulation.random.state, replay.state) << "16 draws per attractor, no more";
}

TEST_F(AttractorsTest, CreationValuesReachTheEndsOfTheirRanges) {
    struct Case {
        int drawsBefore, draw;
        int index;         // 0: c0, 1: w0
        double expected;
    };
    const Case cases[] = {
        {0, 0, 0, -1.0}, {0, 32767, 0, 1.0}, {1, 0, 1, 0.000025}, {1, 32767, 1, 0.00015}};
    for (const Case& c : cases) {
        simulation = Simulation{};
        simulation.parameters = kSceneParameters;
        simulation.random = generatorWithDrawAt(c.drawsBefore, c.draw);
        createAttractors(simulation);
        const Attractor& first = simulation.attractors[0];
        const float value = c.index == 0 ? first.coefficients[0] : first.coefficientVelocities[0];
        EXPECT_NEAR(value, c.expected, c.index == 0 ? 0.0 : 1e-10) << "draw " << c.draw;
    }

    for (uint32_t seed = 0; seed < 200; ++seed) {
        create(kSceneParameters, seed);
        for (const Attractor& attractor : simulation.attractors)
            for (float w : attractor.coefficientVelocities) {
                EXPECT_GE(w, 0.000025f);
                EXPECT_LE(w, 0.00015f);
            }
    }
}

TEST_F(AttractorsTest, FirstUpdateRedrawsCoefficientsAndCountdown) {
    create();
    for (Attractor& attractor : simulation.attractors) {
        RandomGenerator replay = simulation.random;
        const Attractor before = attractor;
        updateAttractor(simulation, attractor);

        // Eight coefficient draws, then the countdown draw; velocities are kept.
        for (int i = 0; i < kCoefficientCount; ++i) {
            const double drawn = unitFromDraw(randomInt(replay));
            const double moved = drawn + before.coefficientVelocities[i];
            EXPECT_NEAR(attractor.coefficients[i], std::min(moved, 1.0), 1e-6) << i;
        }
        EXPECT_EQ(attractor.reshuffleCountdown, 441 + 441 * randomInt(replay) / 32767);
        EXPECT_EQ(simulation.random.state, replay.state) << "no draws beyond 8 + 1";
        for (const Particle& particle : attractor.particles) EXPECT_EQ(particle.head, 1);
    }

    // The next frame only counts down.
    Attractor& first = simulation.attractors[0];
    const int countdown = first.reshuffleCountdown;
    const uint32_t state = simulation.random.state;
    updateAttractor(simulation, first);
    EXPECT_EQ(first.reshuffleCountdown, countdown - 1);
    EXPECT_EQ(simulation.random.state, state);
}

TEST_F(AttractorsTest, ReshuffleCountdownRange) {
    struct Case {
        int countdownBefore;
        int draw;  // the countdown draw, after eight coefficient draws
        int countdownAfter;
    };
    const Case cases[] = {
        {1, 0, 441}, {1, 32767, 882}, {1, 16384, 661}, {1, 75, 442}, {0, 0, 441}, {-3, 32767, 882},
    };
    for (const Case& c : cases) {
        create();
        Attractor& attractor = simulation.attractors[0];
        attractor.reshuffleCountdown = c.countdownBefore;
        simulation.random = generatorWithDrawAt(8, c.draw);
        updateAttractor(simulation, attractor);
        EXPECT_EQ(attractor.reshuffleCountdown, c.countdownAfter) << "draw " << c.draw;
    }
}

TEST_F(AttractorsTest, CoefficientsMoveAndBounceAtTheLimits) {
    create();
    Attractor& attractor = simulation.attractors[0];
    attractor.reshuffleCountdown = 100;
    struct Case {
        float c, w;                  // before
        float cAfter, wAfter;
    };
    const Case cases[kCoefficientCount] = {
        {0.75f, 0.25f, 1.0f, -0.25f},     // reaches exactly 1: held, reversed
        {-0.75f, -0.25f, -1.0f, 0.25f},   // reaches exactly -1
        {0.875f, 0.5f, 1.0f, -0.5f},      // overshoots 1
        {-0.875f, -0.5f, -1.0f, 0.5f},    // overshoots -1
        {0.5f, 0.25f, 0.75f, 0.25f},      // inside: moves on
        {1.0f, -0.25f, 0.75f, -0.25f},    // held at 1 last frame: moves back
        {-1.0f, 0.25f, -0.75f, 0.25f},
        {0.0f, 0.000025f, 0.000025f, 0.000025f},
    };
    for (int i = 0; i < kCoefficientCount; ++i) {
        attractor.coefficients[i] = cases[i].c;
        attractor.coefficientVelocities[i] = cases[i].w;
    }
    const uint32_t state = simulation.random.state;
    updateAttractor(simulation, attractor);
    for (int i = 0; i < kCoefficientCount; ++i) {
        EXPECT_EQ(attractor.coefficients[i], cases[i].cAfter) << i;
        EXPECT_EQ(attractor.coefficientVelocities[i], cases[i].wAfter) << i;
    }
    EXPECT_EQ(attractor.reshuffleCountdown, 99);
    EXPECT_EQ(simulation.random.state, state);
}

TEST_F(AttractorsTest, StepFromAPointOfTheMap) {
    create();
    struct Case {
        float x, y, z;  // the newest point before the step
        float c0, c7;
        float hue, saturation;
    };
    const Case cases[] = {
        // From the start point (0, 3, 0) the hue before c7 is 7.29 clamped to 1.
        {0, 3, 0, 0.1f, 0.25f, 0.25f, 1 - 0.35f * 0.35f},  // 1.25 wraps down
        {0, 3, 0, 0.1f, -0.3f, 0.7f, 1 - 0.8f * 0.8f},
        {0, 3, 0, -0.9f, -1.0f, 0.0f, 1 - 0.9f * 0.9f},      // |0 - 0.9|
        {0, 3, 0, 0.5f, 1.0f, 1.0f, 0.75f},                  // 2 - 1 = 1 stays; 1.5 -> 0.5
        {0, 3, 0, 0.5f, 0.5f, 0.5f, 1.0f},                   // s = 1.0 has no fraction
        {0, 0, 0, -0.2f, -0.4f, 0.6f, 1 - 0.4f * 0.4f},      // -0.4 wraps up
        {1, 0, 0, 0.0f, 0.0f, 0.25f, 1 - 0.25f * 0.25f},     // gx = 0.5
        {0.5f, -1, 2, 0.2f, 0.1f, 0.1f, 1 - 0.3f * 0.3f},   // every term in play
    };
    const float c1 = 0.15f, c2 = 0.3f, c3 = -0.45f, c4 = 0.35f, c5 = -0.55f, c6 = 0.7f;
    for (const Case& c : cases) {
        for (int k : {0, 13, 39}) {
            Particle particle = simulation.attractors[0].particles[static_cast<size_t>(k)];
            particle.trail[0] = TrailPoint{c.x, c.y, c.z, 0, 0};
            const float coefficients[kCoefficientCount] = {c.c0, c1, c2, c3, c4, c5, c6, c.c7};
            advanceHead(particle, coefficients, simulation.random);

            ASSERT_EQ(particle.head, 1);
            const TrailPoint& p = particle.trail[1];
            const float* d = particle.driveVector;
            const double gx = c.x - c.x / (c.x * c.x + 1.0);
            const double gy = c.y - c.y / (c.y * c.y + 1.0);
            const double gz = c.z - c.z / (c.z * c.z + 1.0);
            EXPECT_NEAR(p.x, d[0] * c6 + c.x - gx + c5 * c.z + c2 * c.y, 1e-6) << k;
            EXPECT_NEAR(p.y, d[1] * c6 + c.y - gy + c1 * c.z + c4 * c.x, 1e-6) << k;
            EXPECT_NEAR(p.z, d[2] * c6 + c.z - gz + c3 * c.y + c.c0 * c.x, 1e-6) << k;
            EXPECT_NEAR(p.hue, c.hue, 1e-6) << "c0 " << c.c0 << " c7 " << c.c7;
            EXPECT_NEAR(p.saturation, c.saturation, 1e-6) << "c0 " << c.c0 << " c7 " << c.c7;
            EXPECT_EQ(particle.trail[0].x, c.x) << "the old point stays";
        }
    }
}

TEST_F(AttractorsTest, FirstStepFromTheStartPoint) {
    create();
    Attractor& attractor = simulation.attractors[1];
    updateAttractor(simulation, attractor);
    const float* c = attractor.coefficients;
    for (const Particle& particle : attractor.particles) {
        const TrailPoint& p = particle.trail[1];
        const float* d = particle.driveVector;
        EXPECT_NEAR(p.x, d[0] * c[6] + 3 * c[2], 1e-6);
        EXPECT_NEAR(p.y, d[1] * c[6] + 0.3, 1e-6);
        EXPECT_NEAR(p.z, d[2] * c[6] + 3 * c[3], 1e-6);
        const double hue = c[7] > 0 ? c[7] : 1 + c[7];
        EXPECT_NEAR(p.hue, hue, 1e-6);
    }
}

TEST_F(AttractorsTest, HeadWrapsAroundTheTrail) {
    SceneParameters short_trail = kSceneParameters;
    short_trail.trailLength = 7;
    create(short_trail);
    Attractor& attractor = simulation.attractors[0];
    for (int frame = 1; frame <= 15; ++frame) {
        updateAttractor(simulation, attractor);
        EXPECT_EQ(attractor.particles[0].head, frame % 7);
    }
}

TEST_F(AttractorsTest, HueAndSaturationStayInRangeOverManySteps) {
    for (uint32_t seed : {1u, 777u, 1700000000u}) {
        create(kSceneParameters, seed);
        for (int frame = 0; frame < 1500; ++frame) {
            runFrame();
            for (const Attractor& attractor : simulation.attractors)
                for (const Particle& particle : attractor.particles) {
                    const TrailPoint& p = particle.trail[static_cast<size_t>(particle.head)];
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
                    ASSERT_GE(p.hue, 0.0f) << "seed " << seed << " frame " << frame;
                    ASSERT_LE(p.hue, 1.0f) << "seed " << seed << " frame " << frame;
                    ASSERT_GT(p.saturation, 0.0f) << "seed " << seed << " frame " << frame;
                    ASSERT_LE(p.saturation, 1.0f) << "seed " << seed << " frame " << frame;
                }
            for (const Attractor& attractor : simulation.attractors)
                for (float c : attractor.coefficients) {
                    ASSERT_GE(c, -1.0f);
                    ASSERT_LE(c, 1.0f);
                }
        }
    }
}

// The escape test, run on a particle whose next point is made at index 0 (head 59) or not (29).
class EscapeTest : public AttractorsTest {
protected:
    struct Result {
        TrailPoint point;
        int draws;  // values taken from the generator
    };

    // The old point (0, v, 0) with c2 routes v into new x, with c3 into new z; the old
    // point (v, 0, 0) with c4 routes it into new y. c7 = 0.3 marks the computed hue.
    Result step(int axis, float v, int oldHead) {
        Particle particle = simulation.attractors[0].particles[5];
        float c[kCoefficientCount] = {0, 0, 0, 0, 0, 0, 0, 0.3f};
        TrailPoint old{0, v, 0, 0, 0};
        if (axis == 0) c[2] = 1;
        if (axis == 1) { c[4] = 1; old = TrailPoint{v, 0, 0, 0, 0}; }
        if (axis == 2) c[3] = 1;
        particle.head = oldHead;
        particle.trail[static_cast<size_t>(oldHead)] = old;
        particle.trail[7] = TrailPoint{v, v, v, 0.5f, 0.5f};  // an older point

        RandomGenerator counter = simulation.random;
        const uint32_t start = simulation.random.state;
        advanceHead(particle, c, simulation.random);
        int draws = 0;
        while (counter.state != simulation.random.state && draws < 10) {
            randomInt(counter);
            ++draws;
        }
        EXPECT_TRUE(draws > 0 || simulation.random.state == start);
        const TrailPoint& older = particle.trail[7];
        EXPECT_TRUE(older.x == v || (std::isnan(older.x) && std::isnan(v))) << "older points untouched";
        return Result{particle.trail[static_cast<size_t>(particle.head)], draws};
    }
};

TEST_F(EscapeTest, RestartsAPointBeyondTheLimitsAtIndexZero) {
    create();
    const float values[] = {2e9f, -2e9f, 1e30f, kNaN, std::numeric_limits<float>::infinity()};
    for (int axis = 0; axis < 3; ++axis) {
        for (float v : values) {
            RandomGenerator replay = simulation.random;
            const Result restarted = step(axis, v, 59);
            EXPECT_EQ(restarted.draws, 3) << "axis " << axis << " value " << v;
            EXPECT_EQ(restarted.point.x, randomUnit(replay));  // drawn in the order x, y, z
            EXPECT_EQ(restarted.point.y, randomUnit(replay));
            EXPECT_EQ(restarted.point.z, randomUnit(replay));

            // Hue and saturation are those of the step, restart or not.
            const Result kept = step(axis, v, 29);
            EXPECT_EQ(kept.draws, 0);
            if (std::isnan(kept.point.hue)) {
                EXPECT_TRUE(std::isnan(restarted.point.hue));
            } else {
                EXPECT_EQ(restarted.point.hue, kept.point.hue);
                EXPECT_EQ(restarted.point.saturation, kept.point.saturation);
            }
            const float moved[3] = {kept.point.x, kept.point.y, kept.point.z};
            EXPECT_TRUE(!(std::fabs(moved[axis]) <= 1e9f)) << "not tested away from index 0";
        }
    }
}

TEST_F(EscapeTest, KeepsAPointAtTheLimits) {
    create();
    for (int axis = 0; axis < 3; ++axis) {
        for (float v : {1e9f, -1e9f, 0.5f}) {
            const Result result = step(axis, v, 59);
            EXPECT_EQ(result.draws, 0) << "axis " << axis << " value " << v;
            const float moved[3] = {result.point.x, result.point.y, result.point.z};
            EXPECT_EQ(moved[axis], v);
        }
    }
}

TEST_F(EscapeTest, ComputedHueSurvivesTheRestart) {
    create();
    const Result restarted = step(0, 2e9f, 59);
    EXPECT_NEAR(restarted.point.hue, 0.3f, 1e-6f);  // clamped to 1, plus 0.3, less 1
    EXPECT_NEAR(restarted.point.saturation, 1 - 0.3f * 0.3f, 1e-6f);
}

TEST_F(AttractorsTest, AgeingSpreadsAndDriftsEveryPoint) {
    struct Case {
        int spreadRate, zDriftRate;
        double spread, drift;
    };
    const Case cases[] = {{30, 10, 1.015, 0.01}, {0, 0, 1.0, 0.0}, {100, 50, 1.05, 0.05}};
    for (const Case& c : cases) {
        SceneParameters parameters = kSceneParameters;
        parameters.spreadRate = c.spreadRate;
        parameters.zDriftRate = c.zDriftRate;
        create(parameters);
        EXPECT_NEAR(simulation.spreadFactor, c.spread, 1e-7);
        EXPECT_NEAR(simulation.zDriftStep, c.drift, 1e-9);

        Particle& particle = simulation.attractors[1].particles[3];
        particle.head = 17;
        for (size_t i = 0; i < particle.trail.size(); ++i) {
            const float f = static_cast<float>(i);
            particle.trail[i] = TrailPoint{f - 30, 2 - f / 8, f / 4 - 7, 0.25f, 0.75f};
        }
        const std::vector<TrailPoint> before = particle.trail;
        ageTrail(simulation, particle);
        for (size_t i = 0; i < before.size(); ++i) {
            const TrailPoint& b = before[i];
            const TrailPoint& a = particle.trail[i];
            EXPECT_NEAR(a.x, b.x * c.spread, 1e-5) << "point " << i;
            EXPECT_NEAR(a.y, b.y * c.spread, 1e-5) << "point " << i;
            EXPECT_NEAR(a.z, b.z * c.spread + c.drift, 1e-5) << "point " << i;
            EXPECT_EQ(a.hue, 0.25f);
            EXPECT_EQ(a.saturation, 0.75f);
        }
        EXPECT_EQ(particle.head, 17);
    }
}

}  // namespace
