// What reached the private sound sink, read from the raw file its recorder writes for the whole
// test program (tools/wine-run with TESSELLARIUM_SOUND=null-sink).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace harness {

// The recorder's raw file: signed 16-bit little-endian, 44100 Hz, two channels.
constexpr uint64_t kBytesPerSecond = 176400;
constexpr uint64_t kBlockBytes = kBytesPerSecond / 10;  // 100 ms
// Block levels, in sample units (full scale 32768): a null sink records exact zeros when
// nothing plays, and the -6 dB test tone is near 11000.
constexpr double kToneLevel = 1000;
constexpr double kSilenceLevel = 16;

// Whole samples of both channels for a duration.
uint64_t bytesFor(double seconds);

class Recording {
public:
    Recording();  // the file named by TESSELLARIUM_SOUND_RECORDING
    bool present() const { return !path_.empty(); }
    uint64_t size() const;
    // Waits until `bytes` have been recorded; false if the recorder stalls.
    bool waitFor(uint64_t bytes, DWORD milliseconds) const;
    // Root mean square of the samples of each whole 100 ms block in [from, to).
    std::vector<double> blockLevels(uint64_t from, uint64_t to) const;
    // One character a block: '#' the tone, '.' silence, '-' between.
    std::string picture(uint64_t from, uint64_t to) const;

private:
    std::string path_;
};

}  // namespace harness
