// The renderer's process: the saver window, its message loop, its input rules and the password check.
#pragma once
#include <windows.h>

// Runs the saver full screen until the user returns; the process's exit code (always 0).
int runSaver(HINSTANCE instance);
