// The Command button's look state machine (see command_logic.h).
#include "command_logic.h"

#include "command_face.h"

void drawFace(CommandState& state, Picture picture, LookOutcome& outcome) {
    state.GradientReversed = gradientReversedAfter(state.ButtonState, state.GradientReversed);
    outcome.drawn.push_back({picture, state.GradientReversed});
}

void applyEnabledLook(CommandState& state, LookOutcome& outcome) {
    drawFace(state, state.Enabled ? Picture::Normal : Picture::Disable, outcome);
    outcome.caption = state.Enabled ? CaptionLook::Enabled : CaptionLook::Disabled;
}

void resetNormalLook(CommandState& state, LookOutcome& outcome) {
    if (!state.Enabled) return;
    outcome.caption = CaptionLook::Enabled;
    if (state.FirstRun == 0) outcome.captionColourReset = true;
    drawFace(state, Picture::Normal, outcome);
}

LookOutcome Initialize(CommandState& state) {
    state.ButtonState = kIdle;
    return {};
}

LookOutcome mouseMoved(CommandState& state) {
    LookOutcome out;
    if (!state.Enabled) return out;
    if (state.ButtonState == kIdle) {
        state.ButtonState = kHover;
        drawFace(state, Picture::HighLight, out);
    } else if (state.ButtonState == kFocused && !state.MouseIsDown) {
        state.ButtonState = kFocusedHover;
        drawFace(state, Picture::HighLightSelect, out);
    }
    return out;
}

LookOutcome buttonDown(CommandState& state, MouseButton button) {
    LookOutcome out;
    if (!state.Enabled || button != MouseButton::Left) return out;
    state.MouseIsDown = true;
    drawFace(state, Picture::Pressed, out);
    return out;
}

LookOutcome buttonUp(CommandState& state, MouseButton button) {
    LookOutcome out;
    if (!state.Enabled) return out;
    if (button == MouseButton::Left) {
        state.MouseIsDown = false;
        if (state.ButtonState == kHover) drawFace(state, Picture::Normal, out);
        if (state.ButtonState == kFocusedHover) drawFace(state, Picture::HighLightSelect, out);
    }
    // The state stands for where the pointer is: Focused means it left while the button was held.
    out.clickRaised = state.ButtonState != kFocused;
    return out;
}

LookOutcome focusGained(CommandState& state) {
    LookOutcome out;
    if (!state.Enabled) return out;
    if (state.ButtonState == kHover) {
        state.ButtonState = kFocusedHover;
        drawFace(state, Picture::Pressed, out);
    } else {
        state.ButtonState = kFocused;
        drawFace(state, Picture::Selected, out);
    }
    return out;
}

LookOutcome focusLost(CommandState& state) {
    LookOutcome out;
    if (!state.Enabled || state.ButtonState == kIdle) return out;
    state.ButtonState = kIdle;
    drawFace(state, Picture::Normal, out);
    return out;
}

LookOutcome timerTick(CommandState& state, bool pointerOverControl) {
    if (pointerOverControl) return {};
    return PointerLeft(state);
}

LookOutcome PointerLeft(CommandState& state) {
    LookOutcome out;
    if (!state.Enabled) return out;
    if (state.ButtonState == kHover) {
        state.ButtonState = kIdle;
        drawFace(state, Picture::Normal, out);
    } else if (state.ButtonState == kFocusedHover) {
        state.ButtonState = kFocused;
        drawFace(state, Picture::Selected, out);
    }
    return out;
}

LookOutcome ApplyEnabledLook(CommandState& state) {
    LookOutcome out;
    applyEnabledLook(state, out);
    return out;
}

LookOutcome ResetNormalLook(CommandState& state) {
    LookOutcome out;
    resetNormalLook(state, out);
    return out;
}

LookOutcome readEnabled(CommandState& state) {
    LookOutcome out;
    if (state.FirstRun == 0) {
        resetNormalLook(state, out);
        state.FirstRun = 1;
        state.Enabled = true;
    }
    applyEnabledLook(state, out);
    return out;
}

LookOutcome setEnabled(CommandState& state, bool enabled) {
    LookOutcome out;
    state.Enabled = enabled;
    applyEnabledLook(state, out);
    return out;
}
