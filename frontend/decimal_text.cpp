// Reading code page 932 text character by character, and exact decimal numbers in it.
#include "decimal_text.h"

#include <limits>

namespace {

// Code page 932 byte ranges.
bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Larger than any text's length, so a saturated exponent still gives the right answer.
constexpr long long kExponentLimit = 1'000'000'000'000'000LL;
constexpr int kMaxIntegerDigits = 18;
constexpr uint64_t kMagnitudeLimit = 1'000'000'000'000'000'000ULL;  // 10^18

}  // namespace

bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t characterStart(const std::string& text, size_t number) {
    size_t index = 0;
    for (size_t n = 1; n < number && index < text.size(); ++n) index = nextCharacter(text, index);
    return index;
}

size_t nextCharacter(const std::string& text, size_t index) {
    if (index + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[index])) &&
        isTrailByte(static_cast<unsigned char>(text[index + 1])))
        return index + 2;
    return index + 1;
}

std::optional<int64_t> readDecimal(const std::string& text, size_t start, Rounding rounding,
                                   size_t& end) {
    const size_t n = text.size();
    size_t i = start;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const size_t integerBegin = i;
    while (i < n && isDigit(text[i])) ++i;
    const size_t integerEnd = i;
    size_t fractionBegin = i, fractionEnd = i;
    if (i < n && text[i] == '.') {
        fractionBegin = fractionEnd = ++i;
        while (fractionEnd < n && isDigit(text[fractionEnd])) ++fractionEnd;
        i = fractionEnd;
    }
    const size_t integerLength = integerEnd - integerBegin;
    const size_t fractionLength = fractionEnd - fractionBegin;
    if (integerLength + fractionLength == 0) {
        end = start;
        return std::nullopt;
    }

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool exponentNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) exponentNegative = text[j++] == '-';
        if (j < n && isDigit(text[j])) {
            for (; j < n && isDigit(text[j]); ++j)
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[j] - '0');
            if (exponentNegative) exponent = -exponent;
            i = j;
        }
    }
    end = i;

    // The digits without the point, and where the point goes after the exponent: the integer
    // part is digits [0, point), the fraction the rest (with -point zeros in front if negative).
    const size_t length = integerLength + fractionLength;
    auto digit = [&](size_t k) {
        return text[k < integerLength ? integerBegin + k : fractionBegin + (k - integerLength)] - '0';
    };
    const long long point = static_cast<long long>(integerLength) + exponent;

    uint64_t magnitude = 0;
    int significant = 0;
    for (long long k = 0; k < point; ++k) {
        const int d = static_cast<size_t>(k) < length ? digit(static_cast<size_t>(k)) : 0;
        if (static_cast<size_t>(k) >= length && magnitude == 0) break;  // zeros times 10^x
        if (magnitude == 0 && d == 0) continue;
        if (++significant > kMaxIntegerDigits) return std::nullopt;
        magnitude = magnitude * 10 + static_cast<uint64_t>(d);
    }

    // The fraction against one half: below, exactly, above (or zero).
    int firstFraction = 0;
    bool restNonZero = false;
    const size_t fractionStart = point > 0 ? static_cast<size_t>(point) : 0;
    for (size_t k = fractionStart; k < length; ++k) {
        if (k == fractionStart && point >= 0)
            firstFraction = digit(k);
        else if (digit(k) != 0)
            restNonZero = true;
    }
    const bool fractionNonZero = firstFraction != 0 || restNonZero;
    const bool aboveHalf = firstFraction > 5 || (firstFraction == 5 && restNonZero);
    const bool exactlyHalf = firstFraction == 5 && !restNonZero;

    if (rounding == Rounding::kFloor) {
        if (negative && fractionNonZero) ++magnitude;
    } else if (aboveHalf || (exactlyHalf && magnitude % 2 == 1)) {
        ++magnitude;
    }
    if (magnitude >= kMagnitudeLimit) return std::nullopt;  // rounded up from 18 nines
    const int64_t value = static_cast<int64_t>(magnitude);
    return negative ? -value : value;
}

