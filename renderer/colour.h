// Hue, saturation and value to red, green and blue, as the trails are coloured.
#pragma once

struct Rgb {
    float red, green, blue;
};

// Not clamped: OpenGL clamps the colour.
Rgb hsvToRgb(float hue, float saturation, float value);
