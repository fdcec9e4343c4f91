// The front end's program-wide state: one instance, owned by the entry point and handed to
// the form that runs.
#pragma once
#include <cstdint>
#include <string>

#include "music_settings.h"

struct FrontEnd {
    std::string arguments;   // the command-line text after the program's name
    char modeLetter;         // 'S', 'C', 'P', another letter, or 0
    std::string folder;      // the program's folder, without a trailing backslash
    MusicSettings music;
    int16_t startX, startY;  // screen pixels the settings dialog zooms from and to
    int32_t cursorState;     // display count from hiding the cursor in mode 'S'
};
