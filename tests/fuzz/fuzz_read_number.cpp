// libFuzzer target: ReadNumber on arbitrary bytes.
// Checks that the result is always finite and that it equals an independent reading of the
// same rule: the blanks taken out, the leading number cut by its grammar, and the C library's
// strtod (an overflow read as the largest double of its sign).

#include "input/number.h"
#include "support/odd_values.h"

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading number of the text in strtod's form, or empty when the text begins with none.
std::string LeadingNumber(std::string_view text) {
    std::string clean;
    for (char c : text)
        if (!IsBlank(c)) clean += c;
    std::size_t i = 0;
    std::string number;
    if (i < clean.size() && (clean[i] == '+' || clean[i] == '-')) number += clean[i++];
    bool point = false, digit = false;
    for (; i < clean.size(); ++i) {
        if (isDigit(clean[i])) {
            digit = true;
        } else if (clean[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += clean[i];
    }
    if (!digit) return {};
    if (i < clean.size() && std::strchr("eEdD", clean[i]) && clean[i] != '\0') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < clean.size() && (clean[j] == '+' || clean[j] == '-')) exponent += clean[j++];
        const std::size_t first = j;
        while (j < clean.size() && isDigit(clean[j])) exponent += clean[j++];
        if (j > first) number += exponent;
    }
    return number;
}

double Reference(std::string_view text) {
    const std::string number = LeadingNumber(text);
    if (number.empty()) return 0.0;
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) return value < 0 ? -DBL_MAX : DBL_MAX;
    return value;
}

[[noreturn]] void Fail(std::string_view text, const char* what, double got, double wanted) {
    std::fprintf(stderr, "ReadNumber of %zu bytes \"%.*s\": %s (read %.17g, wanted %.17g)\n",
                 text.size(), static_cast<int>(std::min<std::size_t>(text.size(), 200)),
                 text.data(), what, got, wanted);
    std::abort();
}

void Check(std::string_view text) {
    const double value = input::ReadNumber(text);
    if (!std::isfinite(value)) Fail(text, "not finite", value, 0);
    const double wanted = Reference(text);
    if (!(value == wanted) || std::signbit(value) != std::signbit(wanted))
        Fail(text, "differs from strtod", value, wanted);
    (void)input::isWhole(value);
    // What follows a number that has ended does not change it.
    const std::string more = std::string(text) + "x";
    if (const double longer = input::ReadNumber(more); !(longer == value))
        Fail(text, "changes when followed by \"x\"", longer, value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    // The odd values of the issue, with the values the rule gives them.
    for (const odd::Expected& row : odd::Numbers) {
        const double value = input::ReadNumber(row.text);
        if (!(value == row.value) || std::signbit(value) != std::signbit(row.value))
            Fail(row.text, "odd value", value, row.value);
        Check(row.text);
    }
    Check(odd::MillionDigits());
    Check("0." + odd::MillionDigits() + "e-1000000");
    Check(odd::MillionDigits() + "e-999999");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
