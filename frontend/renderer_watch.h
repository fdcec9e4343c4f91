// When the run form's renderer watch ends the run. The renderer names its window while the
// window is created, so a watch tick that comes before that must not end the run.
#pragma once
#include <cstdint>

// How long a started renderer may take to show its window before the run gives up on it.
constexpr uint32_t kRendererStartTimeoutMs = 10000;

struct RendererWatch {
    bool started;       // the renderer process could be created
    bool windowSeen;    // its window has been found at least once
    uint32_t loadedAt;  // ms, when the run form loaded
};

// One tick of the watch at `now` (ms, wrapping) with or without the renderer's window present;
// true when the run is over: the window has gone after being seen, the renderer could not be
// started, or it has not shown its window within the start timeout.
bool rendererWatchEndsRun(RendererWatch& watch, bool windowFound, uint32_t now);
