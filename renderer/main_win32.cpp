// Entry point of テセラリウム.dll: every command line gives the same full-screen run.
#include "shell_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return runSaver(instance); }
