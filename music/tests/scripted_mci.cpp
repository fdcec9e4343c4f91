// The scripted stand-in behind mci_platform.h for the native tests.
#include "scripted_mci.h"

#include <algorithm>
#include <cstring>

#include "mci_platform.h"

namespace {

bool allNul(const char* buffer, unsigned capacity) {
    return std::all_of(buffer, buffer + capacity, [](char c) { return c == '\0'; });
}

// Like MCI: at most capacity - 1 bytes and a NUL; the rest of the buffer is left alone.
void write(const std::string& text, char* buffer, unsigned capacity) {
    if (buffer == nullptr || capacity == 0) return;
    const size_t n = std::min<size_t>(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace

std::vector<std::string> ScriptedMci::commands() const {
    std::vector<std::string> out;
    for (const MciCall& call : calls) out.push_back(call.command);
    return out;
}

ScriptedMci& scriptedMci() {
    static ScriptedMci instance;
    return instance;
}

uint32_t sendMciString(const char* command, char* reply, unsigned replyCapacity) {
    ScriptedMci& mci = scriptedMci();
    const bool hasBuffer = reply != nullptr;
    mci.calls.push_back({command, replyCapacity, hasBuffer, !hasBuffer || allNul(reply, replyCapacity)});

    MciAnswer answer;
    if (!mci.queued.empty()) {
        answer = mci.queued.front();
        mci.queued.pop_front();
    } else if (auto found = mci.answers.find(command); found != mci.answers.end()) {
        answer = found->second;
    }
    write(answer.reply, reply, replyCapacity);
    return answer.code;
}

bool getMciErrorString(uint32_t code, char* text, unsigned capacity) {
    ScriptedMci& mci = scriptedMci();
    mci.errorTextCalls.push_back({code, capacity, allNul(text, capacity)});
    auto found = mci.errorTexts.find(code);
    if (found == mci.errorTexts.end()) return false;
    write(found->second, text, capacity);
    return true;
}

unsigned waveOutputDeviceCount() {
    return scriptedMci().waveDevices;
}

bool playSound(const char* name, uint32_t flags) {
    scriptedMci().sounds.push_back(
        {name ? std::optional<std::string>(name) : std::nullopt, flags});
    return true;
}
