// Reading code page 932 text character by character, and exact decimal numbers in it: shared
// by the command line and the settings store.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Index of the character after the one that starts at `index`: two bytes for a code page 932
// lead byte followed by a valid trail byte, else one.
size_t nextCharacter(const std::string& text, size_t index);

// Byte index of the character numbered `number` (from 1), or the length when there are fewer.
size_t characterStart(const std::string& text, size_t number);

// A space or a tab.
bool isBlank(char c);

enum class Rounding { kFloor, kHalfToEven };

// The decimal number that starts at text[start] with no blanks: [sign] digits [. digits]
// [e|E [sign] digits], at least one digit before the exponent, rounded exactly (no binary
// floating point). `end` gets the index just after it, or `start` when there is no number;
// an exponent without digits is not part of it. Nothing when there is no number or its
// rounded magnitude reaches 10^18.
std::optional<int64_t> readDecimal(const std::string& text, size_t start, Rounding rounding,
                                   size_t& end);
