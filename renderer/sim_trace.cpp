// sim-trace: runs the attractor simulation from a given seed and prints its state, for checking
// against an independent model.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "attractors.h"

namespace {

void printUsage() {
    std::fprintf(stderr, "usage: sim-trace --seed S --frames N   (S: 0 to 4294967295, N: 0 or more)\n");
}

// Whole decimal number from `text` into `value`, no sign, no trailing characters.
bool parseUnsigned(const char* text, unsigned long long maximum, unsigned long long& value) {
    if (text[0] < '0' || text[0] > '9') return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= maximum;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long seed = 0, frames = 0;
    bool haveSeed = false, haveFrames = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc && !haveSeed) {
            haveSeed = parseUnsigned(argv[++i], 0xFFFFFFFFull, seed);
            if (!haveSeed) break;
        } else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc && !haveFrames) {
            haveFrames = parseUnsigned(argv[++i], 1000000000ull, frames);
            if (!haveFrames) break;
        } else {
            haveSeed = false;
            break;
        }
    }
    if (!haveSeed || !haveFrames) {
        printUsage();
        return 2;
    }

    Simulation simulation{};
    simulation.parameters = kSceneParameters;
    seedRandom(simulation.random, static_cast<uint32_t>(seed));
    createAttractors(simulation);

    // The frame's order: each attractor steps, then each of its particles ages.
    for (unsigned long long frame = 0; frame < frames; ++frame) {
        for (Attractor& attractor : simulation.attractors) {
            updateAttractor(simulation, attractor);
            for (Particle& particle : attractor.particles) ageTrail(simulation, particle);
        }
    }

    for (size_t a = 0; a < simulation.attractors.size(); ++a) {
        const Attractor& attractor = simulation.attractors[a];
        std::printf("attractor %zu countdown %d\n", a, attractor.reshuffleCountdown);
        std::printf("c");
        for (float c : attractor.coefficients) std::printf(" %.9g", c);
        std::printf("\nw");
        for (float w : attractor.coefficientVelocities) std::printf(" %.9g", w);
        std::printf("\n");
        for (size_t k = 0; k < attractor.particles.size(); ++k) {
            const Particle& particle = attractor.particles[k];
            const TrailPoint& newest = particle.trail[static_cast<size_t>(particle.head)];
            std::printf("p %zu %d %.9g %.9g %.9g %.9g %.9g\n", k, particle.head, newest.x,
                        newest.y, newest.z, newest.hue, newest.saturation);
        }
    }
    std::printf("random %d\n", randomInt(simulation.random));
    destroyAttractors(simulation);
    return 0;
}
