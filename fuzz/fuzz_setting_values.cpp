// Fuzz target: the setting and track-box numbers and the exact decimal reader under them.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "decimal_oracle.h"
#include "decimal_text.h"
#include "dialog_values.h"
#include "fuzz_check.h"
#include "settings_store.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Byte index of the last code page 932 character, or 0 for an empty text.
size_t lastCharacter(const std::string& text) {
    size_t last = 0;
    for (size_t i = 0; i < text.size();) {
        last = i;
        i += i + 1 < text.size() && isLead(static_cast<unsigned char>(text[i])) &&
                     isTrail(static_cast<unsigned char>(text[i + 1]))
                 ? 2
                 : 1;
    }
    return last;
}

// The whole text, blanks around it allowed, as one number read by the oracle.
oracle::Reading wholeNumber(const std::string& text, bool halfToEven) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    oracle::Reading reading = oracle::readNumber(text, i, halfToEven);
    size_t end = reading.end;
    while (end < text.size() && isBlank(text[end])) ++end;
    if (reading.end == i || end != text.size()) return {0, true, std::nullopt};
    return reading;
}

std::optional<int16_t> asInt16(const std::optional<int64_t>& value) {
    if (!value || *value < std::numeric_limits<int16_t>::min() ||
        *value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(*value);
}

void checkReadDecimal(const std::string& text, size_t start) {
    for (const bool halfToEven : {false, true}) {
        size_t end = 12345;
        const std::optional<int64_t> value = readDecimal(
            text, start, halfToEven ? Rounding::kHalfToEven : Rounding::kFloor, end);
        const oracle::Reading reading = oracle::readNumber(text, start, halfToEven);
        FUZZ_CHECK(end == reading.end);
        FUZZ_CHECK(end >= start && end <= text.size());
        if (end == start) FUZZ_CHECK(!value);
        if (value) FUZZ_CHECK(*value > -1'000'000'000'000'000'000LL && *value < 1'000'000'000'000'000'000LL);
        if (reading.known) FUZZ_CHECK(value == reading.value);
    }
}

void checkRoundTrip(int16_t value) {
    const std::string text = settingNumberText(value);
    FUZZ_CHECK(text[0] == (value >= 0 ? ' ' : '-'));
    FUZZ_CHECK(readSettingNumber(text) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::optional<int16_t> number = readSettingNumber(text);
    const oracle::Reading floorReading = wholeNumber(text, false);
    if (floorReading.known) FUZZ_CHECK(number == asInt16(floorReading.value));
    if (number) checkRoundTrip(*number);

    const int16_t track = trackBoxNumber(text);
    const oracle::Reading evenReading = wholeNumber(text, true);
    if (evenReading.known) FUZZ_CHECK(track == asInt16(evenReading.value).value_or(0));
    if (track != 0) FUZZ_CHECK(text.find_first_of("123456789") != std::string::npos);

    // The exact reader from the start and from a place the first byte picks.
    checkReadDecimal(text, 0);
    if (size > 0) checkReadDecimal(text, 1 + data[0] % size);

    if (size >= 2) checkRoundTrip(static_cast<int16_t>(data[0] | data[1] << 8));

    // The path FileExists opens: without its last character when that is "\" by itself (not
    // the trail byte of a two-byte character), else the same.
    const bool dropped = !text.empty() && text.back() == '\\' && lastCharacter(text) == size - 1;
    FUZZ_CHECK(withoutTrailingBackslash(text) == (dropped ? text.substr(0, size - 1) : text));
    return 0;
}
