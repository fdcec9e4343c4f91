// What the front end takes from its command line: the argument string, the mode letter and
// the preview pane.
#pragma once
#include <cstdint>
#include <string>

// The text after the program's own name in a whole command line, leading blanks skipped. The
// name may be quoted, and a name that is not quoted ends at the first blank: its code page 932
// bytes (0x80 and up) belong to the name.
std::string argumentString(const char* commandLine);

// The second character of the upper-cased argument string ('S', 'C', 'P', ...), or 0 when
// the string is shorter than two characters. The first character is never looked at.
char modeLetter(const std::string& arguments);

// The preview pane's window number: the argument string from its fourth character on, read as
// a decimal number (leading blanks skipped, reading stops at the first character that cannot
// continue it, no digits give 0) and rounded half to even. A number outside the signed 32-bit
// range gives 0, a handle that names no window.
int32_t previewParentHandle(const std::string& arguments);
