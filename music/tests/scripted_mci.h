// A scripted stand-in for mci_platform.h that answers from a script and records every call.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct MciAnswer {
    uint32_t code = 0;
    std::string reply;  // written into the reply buffer (with a NUL) whatever the code
};

struct MciCall {
    std::string command;
    unsigned capacity;
    bool hasBuffer;
    bool bufferWasClear;  // the first `capacity` bytes were all NUL when the call came
};

struct ErrorTextCall {
    uint32_t code;
    unsigned capacity;
    bool bufferWasClear;
};

struct SoundCall {
    std::optional<std::string> name;  // nothing for a null name
    uint32_t flags;
};

struct ScriptedMci {
    std::deque<MciAnswer> queued;                 // taken one per command, before `answers`
    std::map<std::string, MciAnswer> answers;     // by exact command; others answer 0, ""
    std::map<uint32_t, std::string> errorTexts;   // codes without one make the lookup fail
    unsigned waveDevices = 0;

    std::vector<MciCall> calls;
    std::vector<ErrorTextCall> errorTextCalls;
    std::vector<SoundCall> sounds;

    std::vector<std::string> commands() const;
};

// The one stand-in the seam answers from; tests start each case with a fresh one.
ScriptedMci& scriptedMci();
