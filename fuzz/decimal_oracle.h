// A second, independent reading of decimal numbers for the fuzz targets: exact in 128 bits when
// the number has at most 36 significant digits, else it says it does not know.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace oracle {

struct Reading {
    size_t end;                    // just after the number, or the start when there is none
    bool known;                    // false: too many digits to be sure of the value
    std::optional<int64_t> value;  // nothing: no number, or a magnitude of 10^18 or more
};

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// [sign] digits [. digits] [e|E [sign] digits], rounded down or half to even.
inline Reading readNumber(const std::string& text, size_t start, bool halfToEven) {
    using u128 = unsigned __int128;
    constexpr uint64_t kLimit = 1'000'000'000'000'000'000ULL;
    const size_t n = text.size();
    size_t i = start;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string digits;
    size_t fractionDigits = 0;
    while (i < n && isDigit(text[i])) digits += text[i++];
    if (i < n && text[i] == '.') {
        size_t j = i + 1;
        while (j < n && isDigit(text[j])) {
            digits += text[j++];
            ++fractionDigits;
        }
        i = j;
    }
    if (digits.empty()) return {start, true, std::nullopt};

    std::string exponentDigits;
    bool exponentNegative = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool sign = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            sign = text[j] == '-';
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j])) exponentDigits += text[j++];
            exponentNegative = sign;
            i = j;
        }
    }
    const size_t end = i;

    const size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return {end, true, 0};
    const std::string significant = digits.substr(firstSignificant);
    if (significant.size() > 36) return {end, false, std::nullopt};
    u128 mantissa = 0;
    for (char c : significant) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');

    // value = mantissa x 10^scale
    const size_t exponentStart = exponentDigits.find_first_not_of('0');
    const std::string exponentSignificant =
        exponentStart == std::string::npos ? "" : exponentDigits.substr(exponentStart);
    long long scale;
    if (exponentSignificant.size() > 7) {
        if (!exponentNegative) return {end, true, std::nullopt};  // at least 10^(10^7)
        scale = -100;                                               // far below one half
    } else {
        long long exponent = exponentSignificant.empty() ? 0 : std::stoll(exponentSignificant);
        scale = (exponentNegative ? -exponent : exponent) - static_cast<long long>(fractionDigits);
    }

    u128 quotient;
    bool fractionNonZero = false, aboveHalf = false, exactlyHalf = false;
    if (scale >= 0) {
        // The magnitude has significant.size() + scale digits.
        if (static_cast<long long>(significant.size()) + scale > 18) return {end, true, std::nullopt};
        quotient = mantissa;
        for (long long k = 0; k < scale; ++k) quotient *= 10;
    } else if (scale < -38) {
        quotient = 0;  // the mantissa is below 10^36: well under one half
        fractionNonZero = true;
    } else {
        u128 divisor = 1;
        for (long long k = 0; k < -scale; ++k) divisor *= 10;
        quotient = mantissa / divisor;
        const u128 remainder = mantissa % divisor;
        fractionNonZero = remainder != 0;
        aboveHalf = remainder * 2 > divisor;
        exactlyHalf = remainder * 2 == divisor;
    }
    if (halfToEven) {
        if (aboveHalf || (exactlyHalf && quotient % 2 == 1)) ++quotient;
    } else if (negative && fractionNonZero) {
        ++quotient;
    }
    if (quotient >= kLimit) return {end, true, std::nullopt};
    const int64_t magnitude = static_cast<int64_t>(quotient);
    return {end, true, negative ? -magnitude : magnitude};
}

}  // namespace oracle
