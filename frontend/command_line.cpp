// Reads the front end's command line: the argument string, the mode letter, the preview pane.
#include "command_line.h"

#include <limits>

#include "decimal_text.h"

std::string argumentString(const char* commandLine) {
    if (!commandLine) return "";
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        // Compared as unsigned: code page 932 bytes are part of the name, not blanks.
        while (static_cast<unsigned char>(*p) > ' ') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

char modeLetter(const std::string& arguments) {
    const size_t second = characterStart(arguments, 2);
    if (second >= arguments.size()) return 0;
    const char c = arguments[second];
    // Only ASCII letters change case; a two-byte character yields its lead byte, no mode.
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int32_t previewParentHandle(const std::string& arguments) {
    size_t i = characterStart(arguments, 4);
    while (i < arguments.size() && isBlank(arguments[i])) ++i;
    size_t end = i;
    const std::optional<int64_t> value = readDecimal(arguments, i, Rounding::kHalfToEven, end);
    if (!value || *value < std::numeric_limits<int32_t>::min() ||
        *value > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(*value);
}
