// How the saver window reacts to the user: which input ends the run, the mouse-move rule,
// and which system commands are swallowed. Portable; the window procedure applies it.
#pragma once
#include <cstdint>

struct CursorPoint {
    long x, y;  // screen pixels
};

// A cursor move of more than this (sum of the x and y distances) from the reference ends the run.
constexpr long kMouseMoveThreshold = 4;

struct SaverInputState {
    bool sceneReady;        // frames are drawn only while set
    bool passwordDialogUp;  // the system password dialog is showing
    bool userActivity;      // set by user input, never cleared; close requests count only then
    bool mouseMoveSeen;     // set by the first mouse-move message, never cleared
    CursorPoint lastCursorPos;
};

// The system's request to start the screen saver and the next- and previous-window commands
// are swallowed while the saver runs; the whole wParam is compared, not just the command bits.
bool isSwallowedSysCommand(uintptr_t wParam);

// A key, a mouse button or loss of activation: marks activity; the caller posts a close request.
void noteUserInput(SaverInputState& state);

// A mouse-move message with the cursor now at `cursor`. The first one only marks that a move
// was seen. Returns true when the cursor is beyond the threshold from the reference point (a
// close request is due, the reference stays); otherwise the reference follows the cursor.
bool noteMouseMove(SaverInputState& state, CursorPoint cursor);

// A close request is honoured only after user input.
inline bool closeRequestCounts(const SaverInputState& state) { return state.userActivity; }

// Frames are drawn while the scene is ready and no password dialog is up.
inline bool mayDrawFrame(const SaverInputState& state) {
    return state.sceneReady && !state.passwordDialogUp;
}
