// The preview window: a still of the animation inside the Display Properties preview pane.
#pragma once
#include <cstdint>

// Makes the preview window a child of the pane `parentHandle` and shows it; false when the
// handle names no window, in which case nothing is shown and the program should end.
bool showPreview(int32_t parentHandle);
