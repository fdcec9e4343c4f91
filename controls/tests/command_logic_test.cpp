// The Command button's look state machine: sequences of notifications, the states they leave,
// the faces they draw and the clicks they raise; the Enabled getter and setter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_logic.h"

namespace {

enum Step {
    Init, Move, LeftDown, LeftUp, RightDown, RightUp, MiddleUp,
    Focus, Blur, TickOver, TickOff, ReadEnabled, Disable, Enable,
};

const char* pictureName(Picture p) {
    switch (p) {
    case Picture::Normal: return "Normal";
    case Picture::HighLight: return "HighLight";
    case Picture::HighLightSelect: return "HighLightSelect";
    case Picture::Pressed: return "Pressed";
    case Picture::Disable: return "Disable";
    case Picture::Selected: return "Selected";
    }
    return "?";
}

// The faces drawn, in order, a "~" after each one drawn with the gradient reversed.
struct Trace {
    std::string drawn;
    int clicks = 0;
};

LookOutcome apply(CommandState& s, Step step) {
    switch (step) {
    case Init: return Initialize(s);
    case Move: return mouseMoved(s);
    case LeftDown: return buttonDown(s, MouseButton::Left);
    case LeftUp: return buttonUp(s, MouseButton::Left);
    case RightDown: return buttonDown(s, MouseButton::Right);
    case RightUp: return buttonUp(s, MouseButton::Right);
    case MiddleUp: return buttonUp(s, MouseButton::Middle);
    case Focus: return focusGained(s);
    case Blur: return focusLost(s);
    case TickOver: return timerTick(s, true);
    case TickOff: return timerTick(s, false);
    case ReadEnabled: return readEnabled(s);
    case Disable: return setEnabled(s, false);
    case Enable: return setEnabled(s, true);
    }
    return {};
}

Trace run(CommandState& s, const std::vector<Step>& steps) {
    Trace trace;
    for (Step step : steps) {
        LookOutcome out = apply(s, step);
        for (const FaceDraw& d : out.drawn) {
            if (!trace.drawn.empty()) trace.drawn += ' ';
            trace.drawn += pictureName(d.picture);
            if (d.gradientReversed) trace.drawn += '~';
        }
        trace.clicks += out.clickRaised;
    }
    return trace;
}

// A button as the settings dialog loads it: enabled, FirstRun 1, not yet initialised.
CommandState loadedButton() {
    CommandState s;
    s.Enabled = true;
    s.FirstRun = 1;
    return s;
}

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
    uint8_t buttonState;
    bool mouseIsDown;
    const char* drawn;
    int clicks;
};

void PrintTo(const SequenceCase& c, std::ostream* out) { *out << c.name; }

class Sequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(Sequence, LeavesStateFacesAndClicks) {
    const SequenceCase& c = GetParam();
    CommandState s = loadedButton();
    Trace trace = run(s, c.steps);
    EXPECT_EQ(int(s.ButtonState), int(c.buttonState));
    EXPECT_EQ(s.MouseIsDown, c.mouseIsDown);
    EXPECT_EQ(trace.drawn, c.drawn);
    EXPECT_EQ(trace.clicks, c.clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sequence,
    testing::Values(
        SequenceCase{"HoverAndLeave", {Init, Move, Move, TickOver, TickOff, TickOff}, kIdle, false,
                     "HighLight~ Normal", 0},
        // The press gives the focus too; either order ends in FocusedHover with Pressed.
        SequenceCase{"ClickPressFirst", {Init, Move, LeftDown, Focus, LeftUp}, kFocusedHover, false,
                     "HighLight~ Pressed~ Pressed~ HighLightSelect~", 1},
        SequenceCase{"ClickFocusFirst", {Init, Move, Focus, LeftDown, LeftUp}, kFocusedHover, false,
                     "HighLight~ Pressed~ Pressed~ HighLightSelect~", 1},
        SequenceCase{"SecondClickOnFocusedButton",
                     {Init, Move, LeftDown, Focus, LeftUp, LeftDown, LeftUp}, kFocusedHover, false,
                     "HighLight~ Pressed~ Pressed~ HighLightSelect~ Pressed~ HighLightSelect~", 2},
        SequenceCase{"ClickWithoutTakingFocus", {Init, Move, LeftDown, LeftUp}, kHover, false,
                     "HighLight~ Pressed~ Normal~", 1},
        SequenceCase{"DragOffAndRelease", {Init, Move, LeftDown, Focus, TickOff, LeftUp}, kFocused, false,
                     "HighLight~ Pressed~ Pressed~ Selected", 0},
        SequenceCase{"DragOffComeBackAndRelease",
                     {Init, Move, LeftDown, Focus, TickOff, Move, TickOver, LeftUp}, kFocused, false,
                     "HighLight~ Pressed~ Pressed~ Selected", 0},
        SequenceCase{"ReleaseBeforeTheTickSawTheLeave", {Init, Move, LeftDown, Focus, LeftUp, TickOff},
                     kFocused, false, "HighLight~ Pressed~ Pressed~ HighLightSelect~ Selected", 1},
        SequenceCase{"HeldWhileDraggedOffStaysDown", {Init, Move, LeftDown, Focus, TickOff, Move},
                     kFocused, true, "HighLight~ Pressed~ Pressed~ Selected", 0},
        SequenceCase{"RightButtonOverHoveredButton", {Init, Move, RightDown, RightUp}, kHover, false,
                     "HighLight~", 1},
        SequenceCase{"MiddleReleaseOverHoveredButton", {Init, Move, MiddleUp}, kHover, false,
                     "HighLight~", 1},
        SequenceCase{"RightReleaseOnFocusedButton", {Init, Focus, RightDown, RightUp}, kFocused, false,
                     "Selected", 0},
        SequenceCase{"TabOnAndAway", {Init, Focus, Blur, Blur}, kIdle, false, "Selected Normal", 0},
        SequenceCase{"KeyboardFocusUnderThePointer", {Init, Move, Focus}, kFocusedHover, false,
                     "HighLight~ Pressed~", 0},
        SequenceCase{"MoveOverFocusedThenLeave", {Init, Focus, Move, Move, TickOff}, kFocused, false,
                     "Selected HighLightSelect Selected", 0},
        SequenceCase{"MoveOverFocusedWhileHeld", {Init, Focus, LeftDown, Move}, kFocused, true,
                     "Selected Pressed", 0},
        SequenceCase{"FocusLostWhileHovered", {Init, Move, Focus, Blur, Move}, kHover, false,
                     "HighLight~ Pressed~ Normal HighLight~", 0},
        // Before Initialize a move does nothing, focus does; nothing is tracked.
        SequenceCase{"BeforeInitialize", {Move, TickOff, Focus, Blur, Move}, kHover, false,
                     "Selected Normal HighLight~", 0},
        // ButtonState survives the enabled looks; only the next change repaints.
        SequenceCase{"DisabledWhileHovered", {Init, Move, Disable, Move, LeftDown, LeftUp, Focus, TickOff},
                     kHover, false, "HighLight~ Disable~", 0},
        SequenceCase{"EnabledAgainKeepsHover", {Init, Move, Disable, Enable, TickOff}, kIdle, false,
                     "HighLight~ Disable~ Normal~ Normal", 0},
        SequenceCase{"ReadingEnabledRepaintsNormal", {Init, Focus, Move, ReadEnabled, TickOff}, kFocused,
                     false, "Selected HighLightSelect Normal Selected", 0}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return info.param.name; });

TEST(Disabled, EveryNotificationIsIgnored) {
    CommandState s = loadedButton();
    s.Enabled = false;
    Trace trace = run(s, {Init, Move, LeftDown, Focus, TickOff, LeftUp, RightDown, RightUp, MiddleUp, Blur});
    EXPECT_EQ(int(s.ButtonState), int(kIdle));
    EXPECT_FALSE(s.MouseIsDown);
    EXPECT_EQ(trace.drawn, "");
    EXPECT_EQ(trace.clicks, 0);
}

// The Enabled getter from the three starting points that matter.
struct GetterCase {
    const char* name;
    bool enabled;
    uint8_t firstRun;
    bool value;           // read
    const char* drawn;
    CaptionLook caption;
    bool colourReset;
};

TEST(EnabledGetter, FirstReadingSwitchesOnAndEveryReadingRepaints) {
    const GetterCase cases[] = {
        // A button created without stored properties: off, FirstRun 0.
        {"Unloaded", false, 0, true, "Normal", CaptionLook::Enabled, false},
        // Stored FirstRun 0 on an enabled button: the normal look is reset first.
        {"StoredFirstRunZero", true, 0, true, "Normal Normal", CaptionLook::Enabled, true},
        {"Disabled", false, 1, false, "Disable", CaptionLook::Disabled, false},
        {"Enabled", true, 1, true, "Normal", CaptionLook::Enabled, false},
    };
    for (const GetterCase& c : cases) {
        CommandState s;
        s.Enabled = c.enabled;
        s.FirstRun = c.firstRun;
        LookOutcome out = readEnabled(s);
        std::string drawn;
        for (const FaceDraw& d : out.drawn) drawn += std::string(drawn.empty() ? "" : " ") + pictureName(d.picture);
        EXPECT_EQ(s.Enabled, c.value) << c.name;
        EXPECT_EQ(s.FirstRun, 1) << c.name;
        EXPECT_EQ(drawn, c.drawn) << c.name;
        EXPECT_EQ(out.caption, c.caption) << c.name;
        EXPECT_EQ(out.captionColourReset, c.colourReset) << c.name;
        EXPECT_FALSE(out.clickRaised) << c.name;
    }
}

TEST(EnabledSetter, SwitchesTheFaceAndTheCaption) {
    CommandState s = loadedButton();
    Initialize(s);
    LookOutcome off = setEnabled(s, false);
    ASSERT_EQ(off.drawn.size(), 1u);
    EXPECT_EQ(off.drawn[0].picture, Picture::Disable);
    EXPECT_EQ(off.caption, CaptionLook::Disabled);
    LookOutcome on = setEnabled(s, true);
    ASSERT_EQ(on.drawn.size(), 1u);
    EXPECT_EQ(on.drawn[0].picture, Picture::Normal);
    EXPECT_EQ(on.caption, CaptionLook::Enabled);
    EXPECT_EQ(int(s.ButtonState), int(kIdle));
}

TEST(ResetNormalLook, NothingWhileDisabledAndBlackensOnlyBeforeFirstRun) {
    CommandState s;  // disabled, FirstRun 0
    LookOutcome out = ResetNormalLook(s);
    EXPECT_TRUE(out.drawn.empty());
    EXPECT_EQ(out.caption, CaptionLook::Unchanged);
    EXPECT_FALSE(out.captionColourReset);

    s.Enabled = true;
    EXPECT_TRUE(ResetNormalLook(s).captionColourReset);
    s.FirstRun = 1;
    out = ResetNormalLook(s);
    EXPECT_FALSE(out.captionColourReset);
    EXPECT_EQ(out.caption, CaptionLook::Enabled);
    ASSERT_EQ(out.drawn.size(), 1u);
    EXPECT_EQ(out.drawn[0].picture, Picture::Normal);
}

}  // namespace
