// Benchmark of one frame of the attractor simulation: both attractors stepped, every trail aged.
#include <benchmark/benchmark.h>

#include "attractors.h"

namespace {

void runFrame(Simulation& simulation) {
    for (Attractor& attractor : simulation.attractors) {
        updateAttractor(simulation, attractor);
        for (Particle& particle : attractor.particles) ageTrail(simulation, particle);
    }
}

void BM_SimulationFrame(benchmark::State& state) {
    Simulation simulation{};
    simulation.parameters = kSceneParameters;
    seedRandom(simulation.random, 1);
    createAttractors(simulation);
    // Past the first reshuffle and a full trail, so the points are spread like a running scene.
    for (int frame = 0; frame < 200; ++frame) runFrame(simulation);

    for (auto _ : state) {
        runFrame(simulation);
        benchmark::DoNotOptimize(simulation.attractors.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());  // frames
}
BENCHMARK(BM_SimulationFrame);

}  // namespace

BENCHMARK_MAIN();
