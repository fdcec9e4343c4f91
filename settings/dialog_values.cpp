// The settings dialog's arithmetic and choices, without the platform.
#include "dialog_values.h"

#include <cmath>
#include <limits>

#include "decimal_text.h"

namespace {
// Rounds halves to the even neighbour, as the dialog's number conversions do.
double roundHalfToEven(double value) { return std::nearbyint(value); }  // default rounding mode
}  // namespace

int gradientLevel(int y, double height) {
    const double divisor = height / 3.142;  // 3.142, not pi: the wave ends just short of zero
    return int(roundHalfToEven(std::fabs(std::sin(double(y) / divisor) * 220.0)));
}

int gradientLastRow(double height) { return int(roundHalfToEven(height)); }

int16_t trackBoxNumber(const std::string& text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    size_t end = start;
    std::optional<int64_t> value = readDecimal(text, start, Rounding::kHalfToEven, end);
    while (end < text.size() && isBlank(text[end])) ++end;
    if (!value || end != text.size()) return 0;
    if (*value < std::numeric_limits<int16_t>::min() || *value > std::numeric_limits<int16_t>::max()) return 0;
    return int16_t(*value);
}

std::string trackText(int track) { return track == 0 ? std::string() : std::to_string(track); }

SourceControls sourceControlsFor(int bgmType) {
    switch (bgmType) {
    case 0: return {0, false, false};
    case 1: return {1, true, false};
    case 2: return {2, false, true};
    default: return {-1, false, false};  // a value from the file that no source stands for
    }
}

std::string storedPropertiesOf(const std::string& layout, const std::string& name) {
    const std::string header = "[" + name + "]";
    std::string properties;
    bool inside = false;
    size_t start = 0;
    while (start < layout.size()) {
        size_t end = layout.find('\n', start);
        if (end == std::string::npos) end = layout.size();
        std::string line = layout.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[')
            inside = line == header;
        else if (inside)
            properties += line + "\n";
        start = end + 1;
    }
    return properties;
}
