// The attractor simulation: creation, the per-frame step of each attractor and particle, trail ageing.
#include "attractors.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kEscapeLimit = 1e9f;  // scene units; beyond this a particle is restarted

// The position every trail point starts from: y = 3, not the origin.
constexpr TrailPoint kStartPoint = {0.0f, 3.0f, 0.0f, 0.0f, 0.0f};

// x (1 - 1 / (x x + 1)); x minus this is a damping term of at most 0.5 in size.
float damped(float v) {
    return v * (1.0f - 1.0f / (v * v + 1.0f));
}

// False for NaN as well as for anything beyond the limit.
bool withinEscapeLimit(float v) {
    return v >= -kEscapeLimit && v <= kEscapeLimit;
}

}  // namespace

void createAttractors(Simulation& simulation) {
    const SceneParameters& p = simulation.parameters;
    // Integer parameter times a decimal step, rounded once to single precision.
    simulation.spreadFactor = static_cast<float>(1.0 + p.spreadRate * 0.0005);
    simulation.zDriftStep = static_cast<float>(p.zDriftRate * 0.001);

    const int speedSquared = p.coefficientSpeed * p.coefficientSpeed;
    const float velocityScale = static_cast<float>(speedSquared * 0.000005);
    const float velocityFloor = static_cast<float>(speedSquared * 0.000001);

    const int n = p.particlesPerAttractor;
    simulation.attractors.assign(static_cast<std::size_t>(p.attractorCount), Attractor{});
    for (Attractor& attractor : simulation.attractors) {
        attractor.particles.resize(static_cast<std::size_t>(n));
        // k restarts at 0 for each attractor, so all share the same drive vectors.
        for (int k = 0; k < n; ++k) {
            Particle& particle = attractor.particles[static_cast<std::size_t>(k)];
            particle.trail.assign(static_cast<std::size_t>(p.trailLength), kStartPoint);
            particle.head = 0;
            const float angle = kTwoPi * static_cast<float>(k) / static_cast<float>(n);
            particle.driveVector[0] = static_cast<float>(std::cos(static_cast<double>(angle)));
            particle.driveVector[1] = static_cast<float>(k) / static_cast<float>(n) - 0.5f;
            particle.driveVector[2] = static_cast<float>(std::sin(static_cast<double>(angle)));
        }
        attractor.reshuffleCountdown = 1;  // so the first frame re-draws the coefficients
        for (int i = 0; i < kCoefficientCount; ++i) {
            attractor.coefficients[i] = randomUnit(simulation.random);
            attractor.coefficientVelocities[i] =
                randomFraction(simulation.random) * velocityScale + velocityFloor;
        }
    }
}

void destroyAttractors(Simulation& simulation) {
    std::vector<Attractor>().swap(simulation.attractors);
}

void updateAttractor(Simulation& simulation, Attractor& attractor) {
    if (--attractor.reshuffleCountdown <= 0) {
        for (float& c : attractor.coefficients) c = randomUnit(simulation.random);
        const int base = (101 - simulation.parameters.reshuffleLevel) *
                         (101 - simulation.parameters.reshuffleLevel);
        // base to 2 x base frames; integer division truncates.
        attractor.reshuffleCountdown = base + base * randomInt(simulation.random) / 32767;
    }

    for (int i = 0; i < kCoefficientCount; ++i) {
        float& c = attractor.coefficients[i];
        float& w = attractor.coefficientVelocities[i];
        c = c + w;
        if (c >= 1.0f) {
            c = 1.0f;
            w = -w;
        }
        if (c <= -1.0f) {
            c = -1.0f;
            w = -w;
        }
    }

    for (Particle& particle : attractor.particles)
        advanceHead(particle, attractor.coefficients, simulation.random);
}

void advanceHead(Particle& particle, const float c[kCoefficientCount], RandomGenerator& random) {
    const TrailPoint old = particle.trail[static_cast<std::size_t>(particle.head)];
    particle.head = (particle.head + 1) % static_cast<int>(particle.trail.size());
    TrailPoint& point = particle.trail[static_cast<std::size_t>(particle.head)];

    const float gx = damped(old.x);
    const float gy = damped(old.y);
    const float gz = damped(old.z);
    const float* d = particle.driveVector;
    point.x = d[0] * c[6] + old.x - gx + c[5] * old.z + c[2] * old.y;
    point.y = d[1] * c[6] + old.y - gy + c[1] * old.z + c[4] * old.x;
    point.z = d[2] * c[6] + old.z - gz + c[3] * old.y + c[0] * old.x;

    float h = gx * gx + gy * gy + gz * gz;
    if (h > 1.0f) h = 1.0f;
    h = h + c[7];
    if (h > 1.0f) h = h - 1.0f;
    if (h < 0.0f) h = h + 1.0f;
    point.hue = h;

    float s = h + c[0];
    if (s < 0.0f) s = -s;
    s = s - std::trunc(s);
    point.saturation = 1.0f - s * s;

    // Checked once per trail length, on the point just made at index 0.
    if (particle.head == 0 &&
        !(withinEscapeLimit(point.x) && withinEscapeLimit(point.y) && withinEscapeLimit(point.z))) {
        point.x = randomUnit(random);
        point.y = randomUnit(random);
        point.z = randomUnit(random);
    }
}

void ageTrail(const Simulation& simulation, Particle& particle) {
    const float spread = simulation.spreadFactor;
    const float drift = simulation.zDriftStep;
    for (TrailPoint& point : particle.trail) {
        point.x = point.x * spread;
        point.y = point.y * spread;
        point.z = point.z * spread + drift;
    }
}
