// The multimedia calls the music player makes. Implemented on winmm for the program
// (mci_platform_win32.cpp) and by scripted stand-ins in the native tests; chosen at link time.
#pragma once
#include <cstdint>

// Sends one MCI command string; 0 or an MCI error code. `reply` may be null with capacity 0.
uint32_t sendMciString(const char* command, char* reply, unsigned replyCapacity);
// The platform's text for an MCI error code; false when it has none.
bool getMciErrorString(uint32_t code, char* text, unsigned capacity);
// The number of waveform output devices.
unsigned waveOutputDeviceCount();
// Plays, loops or stops a wave sound (flags as the platform's: 1 async, 8 loop); null stops.
bool playSound(const char* name, uint32_t flags);
