// Tests of the argument string readers: mode letter, preview pane number, exact decimals.
#include "command_line.h"
#include "decimal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ModeCase {
    std::string arguments;
    char letter;
};

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    const ModeCase cases[] = {
        {"/S", 'S'},
        {"/s", 'S'},
        {"-s", 'S'},
        {"xs", 'S'},
        {"/c:1234", 'C'},
        {"/p 1234", 'P'},
        {"/a 1234", 'A'},
        {"/1", '1'},
        {"s", 0},
        {"", 0},
        // Code page 932: "\x83\x53" is one character (ゴ) whose second byte happens to be "S".
        {"\x83\x53", 0},
        {"\x83\x53s", 'S'},
        {"/\x83\x53", '\x83'},
        // A half-width katakana (ｽ) is one byte and has no upper case.
        {"/\xBD", '\xBD'},
        // A lead byte followed by no valid trail byte ("/" is none) is a character by itself.
        {"\x83/s", '/'},
    };
    for (const ModeCase& c : cases)
        EXPECT_EQ(modeLetter(c.arguments), c.letter) << '"' << c.arguments << '"';
}

struct HandleCase {
    std::string arguments;
    int32_t handle;
};

TEST(PreviewParentHandle, ReadsTheDecimalNumberFromTheFourthCharacter) {
    const HandleCase cases[] = {
        {"/p 1234", 1234},
        {"/p:1234", 1234},
        {"/p1234", 234},
        {"/P 1234", 1234},
        {"/p", 0},
        {"", 0},
        {"/p ", 0},
        {"/p abc", 0},
        {"/p   77xyz", 77},
        {"/p \t 42", 42},
        {"/p 12 34", 12},  // only leading blanks are skipped
        {"/p -5", -5},
        {"/p +5", 5},
        {"/p - 5", 0},
        {"/p -", 0},
        {"/p .", 0},
        {"/p 5.", 5},
        {"/p 1,000", 1},
        {"/p 0x1A", 0},  // decimal only
        {"/p inf", 0},
        {"/p 0012", 12},
        // The fourth character counts code page 932 characters: "\x83\x41" (ア) is one.
        {"\x83\x41p12", 2},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(previewParentHandle(c.arguments), c.handle) << '"' << c.arguments << '"';
}

TEST(PreviewParentHandle, RoundsHalfToEvenExactly) {
    const HandleCase cases[] = {
        {"/p 12.5", 12},
        {"/p 13.5", 14},
        {"/p 12.49", 12},
        {"/p 12.51", 13},
        {"/p -2.5", -2},
        {"/p -3.5", -4},
        {"/p 0.5", 0},
        {"/p .5", 0},
        {"/p 1.5", 2},
        // A binary double would make both of these exactly 12.5.
        {"/p 12.50000000000000000001", 13},
        {"/p 12.49999999999999999999", 12},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(previewParentHandle(c.arguments), c.handle) << '"' << c.arguments << '"';
}

// An exponent belongs to a decimal number: "1e3" is 1000. An "e" that no digit follows is
// where the number stops.
TEST(PreviewParentHandle, ReadsAnExponent) {
    const HandleCase cases[] = {
        {"/p 1e3", 1000},
        {"/p 1E3", 1000},
        {"/p 1e+2", 100},
        {"/p 2.5e1", 25},
        {"/p 15e-1", 2},
        {"/p 25e-1", 2},
        {"/p 1e-1", 0},
        {"/p 6e-2", 0},  // 0.06: the first digit after the point is a zero
        {"/p 951e-4", 0},
        {"/p 1e", 1},
        {"/p 1e+", 1},
        {"/p 1ex", 1},
        {"/p 0e99999999999999999999", 0},
        {"/p 1e99999999999999999999", 0},
        {"/p 1e-99999999999999999999", 0},
        {"/p 12345e-2", 123},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(previewParentHandle(c.arguments), c.handle) << '"' << c.arguments << '"';
}

TEST(PreviewParentHandle, OutsideTheSigned32BitRangeGivesZero) {
    const HandleCase cases[] = {
        {"/p 2147483647", 2147483647},
        {"/p 2147483648", 0},
        {"/p 2147483647.5", 0},  // rounds to 2147483648
        {"/p 2147483647.4", 2147483647},
        {"/p -2147483648", -2147483647 - 1},
        {"/p -2147483648.5", -2147483647 - 1},  // the even neighbour is in range
        {"/p -2147483648.6", 0},
        {"/p -2147483649", 0},
        {"/p 99999999999999999999", 0},
        {"/p 999999999999999999", 0},  // 18 digits: read, then out of range
        {"/p 21474836.47e2", 2147483647},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(previewParentHandle(c.arguments), c.handle) << '"' << c.arguments << '"';
}

TEST(PreviewParentHandle, LongArgumentStringsAreReadWithoutOverflow) {
    const std::string many(5000, '9');
    const std::string zeros(5000, '0');
    const HandleCase cases[] = {
        {"/p " + many, 0},
        {"/p " + zeros + "42", 42},
        {"/p 0." + zeros + "1", 0},
        {"/p 7." + many, 8},
        {"/p 1e" + many, 0},
        {"/p 1e-" + many, 0},
        {"/p " + many + "e-5000", 1},  // 0.999... rounds to 1
        {"/p 5" + zeros + "e-5001", 0},  // exactly one half
        {"/p " + std::string(5000, ' ') + "3", 3},
        {"/p 3" + std::string(5000, 'x'), 3},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(previewParentHandle(c.arguments), c.handle) << c.arguments.substr(0, 20) << "...";
}

TEST(ReadDecimal, EndsAfterTheNumberAndNotAfterADanglingExponent) {
    struct Case {
        std::string text;
        size_t start;
        size_t end;
    };
    const Case cases[] = {
        {"12abc", 0, 2}, {"x-1.5e2y", 1, 7}, {"3e+z", 0, 1}, {"+.", 0, 0},
        {"abc", 0, 0},   {"7.", 0, 2},       {"", 0, 0},
    };
    for (const Case& c : cases) {
        size_t end = 99;
        readDecimal(c.text, c.start, Rounding::kFloor, end);
        EXPECT_EQ(end, c.end) << '"' << c.text << '"';
    }
}

// Rounding can carry 18 nines into a 19th digit: that magnitude is out of range too.
TEST(ReadDecimal, GivesNothingWhenTheRoundedMagnitudeReaches10To18) {
    struct Case {
        std::string text;
        Rounding rounding;
        std::optional<int64_t> value;
    };
    const Case cases[] = {
        {"999999999999999999", Rounding::kHalfToEven, 999'999'999'999'999'999},
        {"-999999999999999999", Rounding::kFloor, -999'999'999'999'999'999},
        {"999999999999999999.9", Rounding::kFloor, 999'999'999'999'999'999},
        {"999999999999999998.5", Rounding::kHalfToEven, 999'999'999'999'999'998},
        {"999999999999999999.5", Rounding::kHalfToEven, std::nullopt},
        {"999999999999999999.49", Rounding::kHalfToEven, 999'999'999'999'999'999},
        {"-999999999999999999.5", Rounding::kHalfToEven, std::nullopt},
        {"-999999999999999999.1", Rounding::kFloor, std::nullopt},
        {"99999999999999999.95e1", Rounding::kHalfToEven, std::nullopt},
    };
    for (const Case& c : cases) {
        size_t end = 0;
        EXPECT_EQ(readDecimal(c.text, 0, c.rounding, end), c.value) << '"' << c.text << '"';
        EXPECT_EQ(end, c.text.size()) << '"' << c.text << '"';
    }
}

}  // namespace

// The argument string from a whole command line. The program's name in code page 932 bytes,
// unquoted, must not be taken for the start of the arguments.
TEST(ArgumentString, FollowsTheProgramsName) {
    struct Case {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {"C:\\saver\\x.scr /s", "/s"},
        {"\"C:\\my saver\\x.scr\" /p 1234", "/p 1234"},
        {"\"C:\\my saver\\x.scr\"/c", "/c"},
        {"Z:\\bin\\\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80.scr /s", "/s"},  // テセラリウム.scr
        {"x.scr    -s  ", "-s  "},
        {"x.scr", ""},
        {"\"x.scr", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(argumentString(c.commandLine), c.arguments) << c.commandLine;
    EXPECT_EQ(argumentString(nullptr), "");
}
