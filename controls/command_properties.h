// The Command button's properties beside its look state: the caption element's text, font and
// colour, the background mode, the Visible and FontColour properties, and their persistence in
// a text store kept with the host's layout. Portable.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command_logic.h"

struct CaptionFont {
    std::string faceName;  // code page 932
    double points = 9.0;
    int weight = 400;      // 400 regular, 700 bold
    bool italic = false, underline = false, strikethrough = false;
    uint8_t charset = 0;   // 128 Shift_JIS
    bool operator==(const CaptionFont& o) const;
};

// Everything the button shows besides its look state.
struct CommandAppearance {
    std::string caption = "Command";  // LblMsg's design text
    CaptionFont font;                 // the host's font until loaded
    uint32_t fontColour = 0;          // 0x00BBGGRR
    bool opaque = true;               // false: the face is not shown, only the caption
};

// The persisted properties of one button, as text: one "Key=Value" line each (CR LF or LF).
// Keys are matched without regard to case, and of two equal keys the later one counts; lines
// without "=" are ignored. A value is the rest of its line, with "%", CR and LF written as
// %25, %0D and %0A (none of these bytes is ever part of a code page 932 character).
// Values: booleans and numbers in decimal ("1", "0"; reading also takes True/False and "&H"
// hex); a font as "face,points,weight,italic,underline,strikethrough,charset", for example
// "ＭＳ Ｐゴシック,9.75,400,0,0,0,128"; the caption as it is.
class PropertyStore {
public:
    static PropertyStore fromText(std::string_view text);
    std::string toText() const;  // CR LF lines, in the order written
    std::optional<std::string> read(std::string_view key) const;
    void write(std::string_view key, std::string value);
    size_t size() const { return entries_.size(); }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// Store keys and the defaults that differ between loading and saving.
constexpr char kEnabledKey[] = "Enabled";
constexpr char kCaptionKey[] = "Caption";
constexpr char kFontKey[] = "Font";
constexpr char kFirstRunKey[] = "FirstRun";
constexpr char kFontColourKey[] = "FontColour";
constexpr char kVisibleKey[] = "Visible";
constexpr char kCaptionLoadDefault[] = "Command1";
constexpr char kCaptionSaveDefault[] = "Command";

std::string fontText(const CaptionFont& font);
std::optional<CaptionFont> fontFromText(std::string_view text);

// The calls below that run ResetNormalLook apply its colour reset to the appearance.

// Loads in the order Enabled, Caption, Font, FirstRun, FontColour, Visible, then
// ResetNormalLook. A missing key reads as its load default (the font: the host's); a value
// that cannot be converted is skipped and leaves what was there; Visible takes only 0 or 1.
LookOutcome loadProperties(CommandState& state, CommandAppearance& appearance,
                           const PropertyStore& store, const CaptionFont& hostFont);

// Saves in the order Enabled, Caption, FirstRun, Font, FontColour, Visible, leaving out every
// value equal to its save default, then runs ResetNormalLook.
struct SavedProperties {
    PropertyStore store;
    LookOutcome look;
};
SavedProperties saveProperties(CommandState& state, CommandAppearance& appearance,
                               const CaptionFont& hostFont);

// Visible reads 0 for a transparent background, else 255 and runs ResetNormalLook. Writing 0
// makes the background transparent, anything else opaque and runs ResetNormalLook.
struct VisibleReading {
    uint8_t value;
    LookOutcome look;
};
VisibleReading readVisible(CommandState& state, CommandAppearance& appearance);
LookOutcome writeVisible(CommandState& state, CommandAppearance& appearance, uint8_t value);

// FontColour reads the caption colour, then runs ResetNormalLook; writing sets it, then runs
// ResetNormalLook (which blackens it again while FirstRun is 0).
struct ColourReading {
    uint32_t value;
    LookOutcome look;
};
ColourReading readFontColour(CommandState& state, CommandAppearance& appearance);
LookOutcome writeFontColour(CommandState& state, CommandAppearance& appearance, uint32_t colour);

// Blackens the caption when the outcome says so. The calls above that take the appearance
// have already done it; the look state machine's callers do it themselves.
void applyCaptionColour(const LookOutcome& outcome, CommandAppearance& appearance);
