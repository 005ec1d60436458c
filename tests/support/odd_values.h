#pragma once
// The huge and odd values that every fuzz target and the random-use test check by name.

#include <cfloat>
#include <string>
#include <string_view>

namespace odd {

struct Expected {
    std::string_view text;
    double value; // what ReadNumber reads
};

using namespace std::string_view_literals;

inline constexpr Expected Numbers[] = {
    {"1e308"sv, 1e308},
    {"1e400"sv, DBL_MAX},
    {"-1e400"sv, -DBL_MAX},
    {"1e-400"sv, 0.0},
    {"-0"sv, -0.0},
    {"4.9e-324"sv, 4.9e-324},
    {"1.7976931348623157e308"sv, DBL_MAX},
    {"1D5"sv, 1e5},
    {"1d-1"sv, 0.1},
    {"1 2"sv, 12.0},
    {"+.5"sv, 0.5},
    {"."sv, 0.0},
    {"-"sv, 0.0},
    {"&H10"sv, 0.0},
    {"&O17"sv, 0.0},
    {"5,5"sv, 5.0},
    {"  +02:00"sv, 2.0},
    {"12abc"sv, 12.0},
    {"1e"sv, 1.0},
    {"1e+"sv, 1.0},
    {"1E 2"sv, 100.0},
    {"1e99999999999999999999"sv, DBL_MAX},
    {"1e-99999999999999999999"sv, 0.0},
    {"7\0008"sv, 7.0},
    {"7\n8"sv, 78.0},
    {"\t-\t3"sv, -3.0},
    {"α20"sv, 0.0},
    {"20α"sv, 20.0},
    {""sv, 0.0},
};

// A million digits: "1" and then 999 999 zeros, 1e999999.
inline std::string MillionDigits() {
    return "1" + std::string(999'999, '0');
}

} // namespace odd
