// The attractor simulation: two drifting 3-D iterated maps, each carrying particles with trails.
// Draws nothing; the frame steps, draws and ages it.
#pragma once
#include <vector>

#include "random_generator.h"
#include "scene_parameters.h"

struct TrailPoint {
    float x, y, z;     // scene units
    float hue;         // [0, 1] once worked out
    float saturation;  // (0, 1] once worked out
};

struct Particle {
    std::vector<TrailPoint> trail;  // ring buffer of trailLength points
    int head;                       // index of the newest point
    float driveVector[3];
};

constexpr int kCoefficientCount = 8;

struct Attractor {
    std::vector<Particle> particles;
    int reshuffleCountdown;  // frames until the coefficients are re-drawn
    float coefficients[kCoefficientCount];           // each kept in [-1, 1]
    float coefficientVelocities[kCoefficientCount];  // per-frame steps
};

// Everything the simulation owns; zero-initialised until createAttractors.
struct Simulation {
    SceneParameters parameters;
    RandomGenerator random;
    std::vector<Attractor> attractors;
    float spreadFactor;  // 1 + spreadRate x 0.0005
    float zDriftStep;    // zDriftRate x 0.001
};

// Builds the attractor set from simulation.parameters, drawing from simulation.random
// (which the caller has seeded). The only allocation the simulation makes.
void createAttractors(Simulation& simulation);
void destroyAttractors(Simulation& simulation);

// One frame of one attractor: reshuffle, coefficient motion, one advanceHead per particle.
void updateAttractor(Simulation& simulation, Attractor& attractor);

// One step of one particle's map; draws from `random` only at the escape test.
void advanceHead(Particle& particle, const float coefficients[kCoefficientCount],
                 RandomGenerator& random);

// Spreads every trail point outward from the origin and drifts it toward +z.
void ageTrail(const Simulation& simulation, Particle& particle);
