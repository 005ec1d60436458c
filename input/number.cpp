#include "input/number.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace input {

namespace {
// An exponent of more digits than this is beyond any double, and is read as HugeExponent: large
// enough to overflow or underflow whatever the digits before it, small enough to add safely.
constexpr std::size_t MaxExponentDigits = 12;
constexpr long long HugeExponent = 1'000'000'000'000LL;
} // namespace

namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ReadNumber(std::string_view text) {
    // Gather the number's characters without the skipped blanks, in the form from_chars reads.
    std::string digits;
    bool negative = false;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isSkipped(text[i])) ++i;
    };

    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool sawPoint = false;
    bool sawDigit = false;
    // Position of the first significant digit relative to the decimal point, for telling an
    // overflow from an underflow when the value is out of range.
    long long leadingExponent = 0;
    bool significant = false;
    for (;; ++i) {
        skip();
        if (i >= text.size()) break;
        const char c = text[i];
        if (isDigit(c)) {
            sawDigit = true;
            digits += c;
            if (c != '0') significant = true;
            if (!sawPoint && significant) ++leadingExponent;
            if (sawPoint && !significant) --leadingExponent;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            digits += '.';
        } else {
            break;
        }
    }
    if (!sawDigit) return 0.0;

    // Optional exponent: only taken when at least one digit follows it.
    long long exponent = 0;
    bool exponentHuge = false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        skip();
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        std::string expDigits;
        bool sawExpDigit = false;
        for (;; ++i) {
            skip();
            if (i >= text.size() || !isDigit(text[i])) break;
            sawExpDigit = true;
            if (expDigits.empty() && text[i] == '0') continue;
            if (expDigits.size() < MaxExponentDigits)
                expDigits += text[i];
            else
                exponentHuge = true;
        }
        if (sawExpDigit) {
            for (char c : expDigits) exponent = exponent * 10 + (c - '0');
            if (exponentHuge) exponent = HugeExponent;
            if (expNegative) exponent = -exponent;
            digits += 'e';
            digits += std::to_string(exponent);
        }
    }

    double value = 0.0;
#ifdef __EMSCRIPTEN__
    // The browser's C++ library reads no double with from_chars; its C library reads numbers
    // with the point whatever the locale. Out of range is what from_chars calls so: a result
    // that overflowed or came to zero, not one that is merely subnormal.
    errno = 0;
    value = std::strtod(digits.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE && (value == 0.0 || std::isinf(value));
    const bool failed = false;
#else
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    const bool outOfRange = result.ec == std::errc::result_out_of_range;
    const bool failed = result.ec != std::errc{} && !outOfRange;
#endif
    if (outOfRange) {
        if (!significant || leadingExponent + exponent <= 0)
            value = 0.0;
        else
            value = std::numeric_limits<double>::max();
    } else if (failed) {
        value = 0.0;
    }
    return negative ? -value : value;
}

bool isWhole(double value) {
    return value == std::floor(value);
}

} // namespace input
