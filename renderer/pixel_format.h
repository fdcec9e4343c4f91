// Scoring and choosing a pixel format from plain descriptors, without the platform.
#pragma once
#include <cstdint>
#include <vector>

// Flag and type values as the platform's pixel format descriptor has them.
constexpr uint32_t kPfdDoubleBuffer = 0x00000001;
constexpr uint32_t kPfdDrawToWindow = 0x00000004;
constexpr uint32_t kPfdSupportOpenGL = 0x00000020;
constexpr uint32_t kPfdGenericFormat = 0x00000040;
constexpr uint32_t kPfdGenericAccelerated = 0x00001000;
constexpr int kPfdTypeRgba = 0;

struct PixelFormatInfo {
    uint32_t flags;
    int pixelType;
    int colorBits;
    int depthBits;
};

// 0 for a format the scene cannot use (no OpenGL, window drawing, double buffering or RGBA);
// otherwise colour bits + 2 x depth bits, less (colour bits - 16) / 2 above 16 bits,
// plus 2000 for a driver's own format or 1000 for an accelerated generic one.
int scorePixelFormat(const PixelFormatInfo& format);

// formats[0] describes format 1. Returns the 1-based index of the best score (the lowest
// index among equals), or 0 when none can be used and the system must choose.
int choosePixelFormatIndex(const std::vector<PixelFormatInfo>& formats);
