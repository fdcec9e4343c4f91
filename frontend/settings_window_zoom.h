// The caption zoom the settings dialog opens from and closes to the shared start point.
#pragma once
#include <windows.h>

void AnimateOpen(HWND window, POINT start);
void AnimateClose(HWND window, POINT end);
