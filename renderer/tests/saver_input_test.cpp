// The saver's input rules: the mouse-move threshold, the first move, and the swallowed commands.
#include <gtest/gtest.h>

#include "saver_input.h"

namespace {

struct MoveCase {
    const char* name;
    std::vector<CursorPoint> moves;  // successive mouse-move messages, from a reference of (100, 100)
    bool closeAfterLast;
    bool activityAfterLast;
};

void PrintTo(const MoveCase& c, std::ostream* out) { *out << c.name; }

class MouseMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(MouseMoveTest, DecidesOnTheLastMove) {
    const MoveCase& c = GetParam();
    SaverInputState state{};
    state.lastCursorPos = {100, 100};
    bool close = false;
    for (CursorPoint p : c.moves) close = noteMouseMove(state, p);
    EXPECT_EQ(close, c.closeAfterLast);
    EXPECT_EQ(state.userActivity, c.activityAfterLast);
    // A close request posted by the first move alone is ignored, since nothing set activity.
    EXPECT_EQ(close && closeRequestCounts(state), c.closeAfterLast && c.activityAfterLast);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseMoveTest,
    testing::Values(
        MoveCase{"FirstFarMoveAloneDoesNotCount", {{900, 700}}, true, false},
        MoveCase{"SecondMoveBeyondFourEnds", {{100, 100}, {103, 102}}, true, true},
        MoveCase{"ExactlyFourDoesNot", {{100, 100}, {102, 98}}, false, true},
        MoveCase{"ExactlyFourOnOneAxisDoesNot", {{100, 100}, {100, 104}}, false, true},
        MoveCase{"CreepingByFourNeverEnds",
                 {{100, 100}, {104, 100}, {108, 100}, {112, 100}, {116, 100}, {120, 100}},
                 false, true},
        MoveCase{"FarAfterCreepingEnds", {{100, 100}, {104, 100}, {104, 105}}, true, true}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(MouseMove, BeyondThresholdKeepsTheReference) {
    SaverInputState state{};
    state.lastCursorPos = {10, 10};
    noteMouseMove(state, {10, 10});
    EXPECT_TRUE(noteMouseMove(state, {20, 10}));
    EXPECT_EQ(state.lastCursorPos.x, 10);
    // Moving back near the old reference no longer counts as far.
    EXPECT_FALSE(noteMouseMove(state, {12, 11}));
}

TEST(SysCommand, SwallowsOnlyTheWholeValues) {
    struct Case {
        uintptr_t wParam;
        bool swallowed;
    } cases[] = {
        {0xF040, true},  {0xF050, true},  {0xF140, true},   // next, previous window; screen save
        {0xF141, false}, {0xF042, false}, {0xF14F, false},  // low bits set: default handling
        {0xF060, false}, {0xF100, false}, {0x1F140, false}, // close, key menu, a high bit
    };
    for (const Case& c : cases) EXPECT_EQ(isSwallowedSysCommand(c.wParam), c.swallowed) << std::hex << c.wParam;
}

TEST(Frames, DrawnOnlyWhileReadyAndNoPasswordDialog) {
    SaverInputState state{};
    EXPECT_FALSE(mayDrawFrame(state));
    state.sceneReady = true;
    EXPECT_TRUE(mayDrawFrame(state));
    state.passwordDialogUp = true;
    EXPECT_FALSE(mayDrawFrame(state));
}

}  // namespace
