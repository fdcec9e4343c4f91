// The music player's multimedia calls on winmm: MCI strings, error texts, wave output.
#include <windows.h>
#include <mmsystem.h>

#include "mci_platform.h"

uint32_t sendMciString(const char* command, char* reply, unsigned replyCapacity) {
    // No callback window: commands are sent without "notify", nothing is posted back.
    return mciSendStringA(command, reply, replyCapacity, nullptr);
}

bool getMciErrorString(uint32_t code, char* text, unsigned capacity) {
    return mciGetErrorStringA(code, text, capacity) != FALSE;
}

unsigned waveOutputDeviceCount() {
    return waveOutGetNumDevs();
}

bool playSound(const char* name, uint32_t flags) {
    return PlaySoundA(name, nullptr, flags) != FALSE;
}
