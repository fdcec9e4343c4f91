// How the saver window reacts to the user (see saver_input.h).
#include "saver_input.h"

#include <cstdlib>

namespace {
constexpr uintptr_t kScNextWindow = 0xF040;
constexpr uintptr_t kScPrevWindow = 0xF050;
constexpr uintptr_t kScScreenSave = 0xF140;
}  // namespace

bool isSwallowedSysCommand(uintptr_t wParam) {
    return wParam == kScNextWindow || wParam == kScPrevWindow || wParam == kScScreenSave;
}

void noteUserInput(SaverInputState& state) { state.userActivity = true; }

bool noteMouseMove(SaverInputState& state, CursorPoint cursor) {
    if (state.mouseMoveSeen)
        state.userActivity = true;
    else
        state.mouseMoveSeen = true;
    long distance = std::labs(cursor.x - state.lastCursorPos.x) +
                    std::labs(cursor.y - state.lastCursorPos.y);
    if (distance > kMouseMoveThreshold) return true;
    state.lastCursorPos = cursor;
    return false;
}
