// The settings dialog's arithmetic and choices, without the platform: the gradient rows, the
// track box's number, its list, and which controls each music source enables.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The level v of row y of a gradient `height` pixels high: |sin(y / (height / 3.142)) x 220|,
// rounded to the nearest integer with halves to even. Half a sine wave from top to bottom.
int gradientLevel(int y, double height);

// The last row painted: the height rounded to an integer (halves to even); rows 0 to it.
int gradientLastRow(double height);

// The track number Set stores for the track box's text: a number in the usual syntax (sign,
// decimals, exponent, blanks around it) rounded to the nearest integer with halves to even;
// 0 for anything else, and 0 for a number beyond the 16-bit signed range, which would not fit
// the setting.
int16_t trackBoxNumber(const std::string& text);

// A track number as the box shows it: no leading zeros, and nothing at all for 0.
std::string trackText(int track);

// What the dialog shows for a music source: which mark is selected (-1 none) and which of the
// two source controls is enabled.
struct SourceControls {
    int selectedMark;
    bool trackBoxEnabled;
    bool fileButtonEnabled;
};
SourceControls sourceControlsFor(int bgmType);

// The stored properties of one control in the dialog's stored layout: the lines after
// "[name]" up to the next "[" line, as the control's own store reads them.
std::string storedPropertiesOf(const std::string& layout, const std::string& name);
