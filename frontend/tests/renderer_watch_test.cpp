// The renderer watch: a late renderer keeps the run, a missing or vanished one ends it.
#include <gtest/gtest.h>

#include "renderer_watch.h"

namespace {

struct Tick {
    uint32_t at;  // ms after load
    bool windowFound;
    bool endsRun;
};

struct WatchCase {
    const char* name;
    bool started;
    std::vector<Tick> ticks;
};

void PrintTo(const WatchCase& c, std::ostream* out) { *out << c.name; }

class RendererWatchTest : public testing::TestWithParam<WatchCase> {};

TEST_P(RendererWatchTest, EndsTheRunOnlyWhenItShould) {
    const WatchCase& c = GetParam();
    const uint32_t loadedAt = 0xFFFFF000u;  // the tick count wraps during the run
    RendererWatch watch{c.started, false, loadedAt};
    for (const Tick& tick : c.ticks)
        EXPECT_EQ(rendererWatchEndsRun(watch, tick.windowFound, loadedAt + tick.at), tick.endsRun)
            << "at " << tick.at << " ms";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RendererWatchTest,
    testing::Values(
        WatchCase{"LateWindowKeepsTheRun", true,
                  {{50, false, false}, {4000, false, false}, {9950, false, false}, {10000, true, false},
                   {10050, true, false}}},
        WatchCase{"WindowGoneAfterBeingSeenEndsAtOnce", true,
                  {{50, true, false}, {100, true, false}, {150, false, true}}},
        WatchCase{"NeverShownEndsAtTheTimeout", true, {{50, false, false}, {9999, false, false}, {10000, false, true}}},
        WatchCase{"NotStartedEndsAtTheFirstTick", false, {{50, false, true}}},
        WatchCase{"AnotherRenderersWindowKeepsItGoing", false, {{50, true, false}, {100, true, false}}}),
    [](const testing::TestParamInfo<WatchCase>& info) { return info.param.name; });

}  // namespace
