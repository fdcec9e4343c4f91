// Fuzz target: the command-line readers (argument string, mode letter, preview pane) over any bytes.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "command_line.h"
#include "decimal_oracle.h"
#include "fuzz_check.h"

namespace {

bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Byte index of character `number` (from 1) in code page 932 text, or the length.
size_t characterIndex(const std::string& text, size_t number) {
    size_t i = 0;
    for (size_t n = 1; n < number && i < text.size(); ++n)
        i += i + 1 < text.size() && isLead(static_cast<unsigned char>(text[i])) &&
                     isTrail(static_cast<unsigned char>(text[i + 1]))
                 ? 2
                 : 1;
    return i;
}

void checkArguments(const std::string& arguments) {
    const size_t second = characterIndex(arguments, 2);
    const char letter = modeLetter(arguments);
    if (second >= arguments.size()) {
        FUZZ_CHECK(letter == 0);
    } else {
        const char c = arguments[second];
        FUZZ_CHECK(letter == ((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c));
        FUZZ_CHECK(letter == 0 || arguments.find(letter) != std::string::npos ||
                   arguments.find(static_cast<char>(letter - 'A' + 'a')) != std::string::npos);
    }

    const int32_t handle = previewParentHandle(arguments);
    size_t i = characterIndex(arguments, 4);
    if (arguments.find_first_of("0123456789", i) == std::string::npos) FUZZ_CHECK(handle == 0);
    while (i < arguments.size() && (arguments[i] == ' ' || arguments[i] == '\t')) ++i;
    const oracle::Reading reading = oracle::readNumber(arguments, i, true);
    if (reading.known) {
        int32_t expected = 0;
        if (reading.value && *reading.value >= std::numeric_limits<int32_t>::min() &&
            *reading.value <= std::numeric_limits<int32_t>::max())
            expected = static_cast<int32_t>(*reading.value);
        FUZZ_CHECK(handle == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The command line as the platform gives it: a C string, cut at the first NUL.
    const std::string commandLine = bytes.c_str();
    const std::string arguments = argumentString(commandLine.c_str());
    FUZZ_CHECK(arguments.size() <= commandLine.size());
    const size_t nameEnd = commandLine.size() - arguments.size();
    FUZZ_CHECK(commandLine.compare(nameEnd, std::string::npos, arguments) == 0);  // a suffix
    FUZZ_CHECK(arguments.empty() || (arguments[0] != ' ' && arguments[0] != '\t'));
    // Before it: the name (quoted, or up to the first blank or control byte), then blanks.
    size_t p = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t close = commandLine.find('"', 1);
        p = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (p < commandLine.size() && static_cast<unsigned char>(commandLine[p]) > ' ') ++p;
    }
    FUZZ_CHECK(nameEnd >= p);
    for (size_t k = p; k < nameEnd; ++k) FUZZ_CHECK(commandLine[k] == ' ' || commandLine[k] == '\t');

    checkArguments(arguments);
    checkArguments(bytes);  // any bytes at all, NULs included
    return 0;
}
