// The Command button's look state machine: what each notification does to the button's state,
// which pictures it draws, when Click is raised, and the enabled and normal looks. Portable;
// command_win32.cpp feeds it the window's notifications and carries out the outcome.
#pragma once
#include <cstdint>
#include <vector>

// The six state pictures the face frame is cut from.
enum class Picture { Normal, HighLight, HighLightSelect, Pressed, Disable, Selected };

// ButtonState values. 0 only before Initialize.
constexpr uint8_t kIdle = 1;          // no focus, pointer elsewhere
constexpr uint8_t kHover = 2;         // pointer over the button, no focus
constexpr uint8_t kFocused = 3;       // focus, pointer elsewhere
constexpr uint8_t kFocusedHover = 4;  // both

struct CommandState {
    uint8_t ButtonState = 0;
    bool MouseIsDown = false;       // the left button went down here and is not yet released
    bool GradientReversed = false;  // set by each face drawn
    bool Enabled = false;           // reacts to mouse and focus only while set
    uint8_t FirstRun = 0;           // 0: not yet initialised (the Enabled getter switches it on)
};

enum class MouseButton { Left, Right, Middle };

// One DrawFace call: the picture and the gradient orientation it was drawn with.
struct FaceDraw {
    Picture picture;
    bool gradientReversed;
    bool operator==(const FaceDraw& o) const {
        return picture == o.picture && gradientReversed == o.gradientReversed;
    }
};

enum class CaptionLook { Unchanged, Enabled, Disabled };

// What one notification or property call did besides changing the state.
struct LookOutcome {
    std::vector<FaceDraw> drawn;                   // in order; each repaints the whole face
    bool clickRaised = false;                      // raised after every drawing
    CaptionLook caption = CaptionLook::Unchanged;  // the caption's enabled flag, when it was set
    bool captionColourReset = false;               // caption colour set to black (0)
};

// ButtonState := Idle. Draws nothing; the caller starts TmrMouse (100 ms).
LookOutcome Initialize(CommandState& state);

// Notifications of the button's window. All of them do nothing while Enabled is false.
LookOutcome mouseMoved(CommandState& state);
LookOutcome buttonDown(CommandState& state, MouseButton button);
// The left button's state handling, then the Click rule for any button: Click unless Focused.
LookOutcome buttonUp(CommandState& state, MouseButton button);
LookOutcome focusGained(CommandState& state);
LookOutcome focusLost(CommandState& state);
// A TmrMouse tick: PointerLeft when the window under the pointer is not the button's.
LookOutcome timerTick(CommandState& state, bool pointerOverControl);

// Hover falls back to Idle (Normal), FocusedHover to Focused (Selected); else nothing.
LookOutcome PointerLeft(CommandState& state);

// Normal look with an enabled caption, or Disable with a disabled one. ButtonState stays.
LookOutcome ApplyEnabledLook(CommandState& state);
// Only while enabled: caption enabled, colour black when FirstRun is 0, Normal look.
LookOutcome ResetNormalLook(CommandState& state);

// The Enabled getter: a first reading with FirstRun 0 switches the button on; every reading
// repaints the Normal or Disable look. The value read is state.Enabled afterwards.
LookOutcome readEnabled(CommandState& state);
LookOutcome setEnabled(CommandState& state, bool enabled);

// Steps shared with the property calls: they append to an outcome.
void drawFace(CommandState& state, Picture picture, LookOutcome& outcome);
void applyEnabledLook(CommandState& state, LookOutcome& outcome);
void resetNormalLook(CommandState& state, LookOutcome& outcome);
