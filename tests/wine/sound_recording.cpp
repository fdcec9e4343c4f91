// What reached the private sound sink, read from its recorder's raw file.
#include "sound_recording.h"

#include <cmath>
#include <cstdlib>

namespace harness {

uint64_t bytesFor(double seconds) { return uint64_t(seconds * kBytesPerSecond) & ~uint64_t(3); }

Recording::Recording() {
    const char* path = std::getenv("TESSELLARIUM_SOUND_RECORDING");
    path_ = path ? path : "";
}

uint64_t Recording::size() const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow) & ~uint64_t(3);
}

bool Recording::waitFor(uint64_t bytes, DWORD milliseconds) const {
    DWORD start = GetTickCount();
    while (size() < bytes) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

std::vector<double> Recording::blockLevels(uint64_t from, uint64_t to) const {
    std::vector<double> levels;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return levels;
    LARGE_INTEGER offset;
    offset.QuadPart = LONGLONG(from & ~uint64_t(3));
    SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
    std::vector<int16_t> samples(kBlockBytes / 2);
    for (uint64_t at = from; at + kBlockBytes <= to; at += kBlockBytes) {
        DWORD read = 0;
        if (!ReadFile(file, samples.data(), DWORD(kBlockBytes), &read, nullptr) || read != kBlockBytes) break;
        double sum = 0;
        for (int16_t sample : samples) sum += double(sample) * sample;
        levels.push_back(std::sqrt(sum / samples.size()));
    }
    CloseHandle(file);
    return levels;
}

std::string Recording::picture(uint64_t from, uint64_t to) const {
    std::string picture;
    for (double level : blockLevels(from, to))
        picture += level >= kToneLevel ? '#' : level <= kSilenceLevel ? '.' : '-';
    return picture;
}

}  // namespace harness
