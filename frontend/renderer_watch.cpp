// When the run form's renderer watch ends the run.
#include "renderer_watch.h"

bool rendererWatchEndsRun(RendererWatch& watch, bool windowFound, uint32_t now) {
    if (windowFound) {
        watch.windowSeen = true;
        return false;
    }
    if (watch.windowSeen || !watch.started) return true;
    return now - watch.loadedAt >= kRendererStartTimeoutMs;
}
