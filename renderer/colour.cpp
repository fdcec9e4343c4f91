// Hue, saturation and value to red, green and blue for the trail sprites.
#include "colour.h"

Rgb hsvToRgb(float h, float s, float v) {
    // Sixths written as six-digit decimals, both as thresholds and as ramp offsets, so h = 1
    // lands a hair past pure red (blue about -0.0000019).
    float r, g, b;
    if (h < 0.166667f) {
        r = 1.0f; g = 6.0f * h; b = 0.0f;
    } else if (h < 0.333333f) {
        r = 1.0f - 6.0f * (h - 0.166667f); g = 1.0f; b = 0.0f;
    } else if (h < 0.5f) {
        r = 0.0f; g = 1.0f; b = 6.0f * (h - 0.333333f);
    } else if (h < 0.666667f) {
        r = 0.0f; g = 1.0f - 6.0f * (h - 0.5f); b = 1.0f;
    } else if (h < 0.833333f) {
        r = 6.0f * (h - 0.666667f); g = 0.0f; b = 1.0f;
    } else {
        r = 1.0f; g = 0.0f; b = 1.0f - 6.0f * (h - 0.833333f);
    }

    // Saturation pulls each channel toward white, then value scales it.
    r = 1.0f - s * (1.0f - r);
    g = 1.0f - s * (1.0f - g);
    b = 1.0f - s * (1.0f - b);
    return Rgb{r * v, g * v, b * v};
}
