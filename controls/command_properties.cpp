// The Command button's properties and their text store (see command_properties.h).
#include "command_properties.h"

#include <charconv>
#include <limits>

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Keys are ASCII; a byte-wise comparison is safe in code page 932 as no key byte is a lead byte.
bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string encoded(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '%') out += "%25";
        else if (c == '\r') out += "%0D";
        else if (c == '\n') out += "%0A";
        else out += c;
    }
    return out;
}

std::string decoded(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string_view rest = value.substr(i, 3);
        if (sameKey(rest, "%25")) out += '%', i += 2;
        else if (sameKey(rest, "%0D")) out += '\r', i += 2;
        else if (sameKey(rest, "%0A")) out += '\n', i += 2;
        else out += value[i];
    }
    return out;
}

// A whole decimal number, or "&H" and hex digits; blanks around it allowed.
std::optional<int64_t> integerFromText(std::string_view text) {
    text = trimmed(text);
    int base = 10;
    bool negative = false;
    if (text.size() > 2 && text[0] == '&' && lower(text[1]) == 'h') {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 16) return std::nullopt;
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -int64_t(value) : int64_t(value);
}

std::optional<int64_t> integerInRange(std::string_view text, int64_t low, int64_t high) {
    std::optional<int64_t> value = integerFromText(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

std::optional<bool> booleanFromText(std::string_view text) {
    std::string_view t = trimmed(text);
    if (sameKey(t, "True")) return true;
    if (sameKey(t, "False")) return false;
    std::optional<int64_t> value = integerFromText(t);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::string decimal(int64_t value) { return std::to_string(value); }

}  // namespace

bool CaptionFont::operator==(const CaptionFont& o) const {
    return faceName == o.faceName && points == o.points && weight == o.weight &&
           italic == o.italic && underline == o.underline && strikethrough == o.strikethrough &&
           charset == o.charset;
}

PropertyStore PropertyStore::fromText(std::string_view text) {
    PropertyStore store;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        store.write(trimmed(line.substr(0, equals)), decoded(line.substr(equals + 1)));
    }
    return store;
}

std::string PropertyStore::toText() const {
    std::string text;
    for (const auto& [key, value] : entries_) text += key + "=" + encoded(value) + "\r\n";
    return text;
}

std::optional<std::string> PropertyStore::read(std::string_view key) const {
    for (const auto& [k, value] : entries_)
        if (sameKey(k, key)) return value;
    return std::nullopt;
}

void PropertyStore::write(std::string_view key, std::string value) {
    for (auto& [k, v] : entries_)
        if (sameKey(k, key)) {
            v = std::move(value);
            return;
        }
    entries_.emplace_back(std::string(key), std::move(value));
}

std::string fontText(const CaptionFont& font) {
    char points[32];
    auto result = std::to_chars(points, points + sizeof points, font.points);
    return font.faceName + "," + std::string(points, result.ptr) + "," + decimal(font.weight) + "," +
           (font.italic ? "1" : "0") + "," + (font.underline ? "1" : "0") + "," +
           (font.strikethrough ? "1" : "0") + "," + decimal(font.charset);
}

std::optional<CaptionFont> fontFromText(std::string_view text) {
    // Six numbers from the right; the face name is all before them and may hold anything.
    std::string_view fields[6];
    for (int i = 5; i >= 0; --i) {
        size_t comma = text.rfind(',');
        if (comma == std::string_view::npos) return std::nullopt;
        fields[i] = text.substr(comma + 1);
        text = text.substr(0, comma);
    }
    CaptionFont font;
    font.faceName = std::string(text);
    std::string_view points = trimmed(fields[0]);
    auto [end, error] = std::from_chars(points.data(), points.data() + points.size(), font.points);
    if (font.faceName.empty() || error != std::errc() || end != points.data() + points.size() ||
        !(font.points > 0 && font.points < 2048))
        return std::nullopt;
    std::optional<int64_t> weight = integerInRange(fields[1], 0, 1000);
    std::optional<bool> italic = booleanFromText(fields[2]), underline = booleanFromText(fields[3]),
                        strikethrough = booleanFromText(fields[4]);
    std::optional<int64_t> charset = integerInRange(fields[5], 0, 255);
    if (!weight || !italic || !underline || !strikethrough || !charset) return std::nullopt;
    font.weight = int(*weight);
    font.italic = *italic;
    font.underline = *underline;
    font.strikethrough = *strikethrough;
    font.charset = uint8_t(*charset);
    return font;
}

void applyCaptionColour(const LookOutcome& outcome, CommandAppearance& appearance) {
    if (outcome.captionColourReset) appearance.fontColour = 0;
}

LookOutcome loadProperties(CommandState& state, CommandAppearance& appearance,
                           const PropertyStore& store, const CaptionFont& hostFont) {
    auto valueOf = [&](const char* key, const char* loadDefault) {
        return store.read(key).value_or(loadDefault);
    };
    // Each step on its own: a value that does not convert leaves the field as it was.
    if (std::optional<bool> enabled = booleanFromText(valueOf(kEnabledKey, "True")))
        state.Enabled = *enabled;
    appearance.caption = valueOf(kCaptionKey, kCaptionLoadDefault);
    if (std::optional<std::string> font = store.read(kFontKey)) {
        if (std::optional<CaptionFont> parsed = fontFromText(*font)) appearance.font = *parsed;
    } else {
        appearance.font = hostFont;
    }
    if (std::optional<int64_t> firstRun = integerInRange(valueOf(kFirstRunKey, "1"), 0, 255))
        state.FirstRun = uint8_t(*firstRun);
    if (std::optional<int64_t> colour = integerInRange(valueOf(kFontColourKey, "0"),
                                                       std::numeric_limits<int32_t>::min(),
                                                       std::numeric_limits<uint32_t>::max()))
        appearance.fontColour = uint32_t(*colour);
    std::optional<int64_t> mode = integerInRange(valueOf(kVisibleKey, "1"), -32768, 32767);
    if (mode == 0 || mode == 1) appearance.opaque = *mode == 1;

    LookOutcome out;
    resetNormalLook(state, out);
    applyCaptionColour(out, appearance);
    return out;
}

SavedProperties saveProperties(CommandState& state, CommandAppearance& appearance,
                               const CaptionFont& hostFont) {
    SavedProperties saved;
    PropertyStore& store = saved.store;
    if (!state.Enabled) store.write(kEnabledKey, "0");
    if (appearance.caption != kCaptionSaveDefault) store.write(kCaptionKey, appearance.caption);
    if (state.FirstRun != 1) store.write(kFirstRunKey, decimal(state.FirstRun));
    if (!(appearance.font == hostFont)) store.write(kFontKey, fontText(appearance.font));
    if (appearance.fontColour != 0) store.write(kFontColourKey, decimal(appearance.fontColour));
    if (!appearance.opaque) store.write(kVisibleKey, "0");
    resetNormalLook(state, saved.look);
    applyCaptionColour(saved.look, appearance);
    return saved;
}

VisibleReading readVisible(CommandState& state, CommandAppearance& appearance) {
    if (!appearance.opaque) return {0, {}};
    VisibleReading reading{255, {}};
    resetNormalLook(state, reading.look);
    applyCaptionColour(reading.look, appearance);
    return reading;
}

LookOutcome writeVisible(CommandState& state, CommandAppearance& appearance, uint8_t value) {
    LookOutcome out;
    appearance.opaque = value != 0;
    if (appearance.opaque) {
        resetNormalLook(state, out);
        applyCaptionColour(out, appearance);
    }
    return out;
}

ColourReading readFontColour(CommandState& state, CommandAppearance& appearance) {
    ColourReading reading{appearance.fontColour, {}};
    resetNormalLook(state, reading.look);
    applyCaptionColour(reading.look, appearance);
    return reading;
}

LookOutcome writeFontColour(CommandState& state, CommandAppearance& appearance, uint32_t colour) {
    appearance.fontColour = colour;
    LookOutcome out;
    resetNormalLook(state, out);
    applyCaptionColour(out, appearance);
    return out;
}
