#pragma once

#include <string_view>

namespace input {

// The value of the longest leading part of `text` that forms a number: an optional sign, digits
// with at most one "." and an optional exponent ("E" or "D", either case, with an optional sign).
// Spaces, tabs and line feeds are skipped wherever they stand ("1 2" reads 12). A text that does
// not begin with a number reads 0. The comma is never a decimal point, whatever the locale.
// The result is always finite: a number beyond the range of a double reads as the largest
// double of its sign, one too small to hold reads as 0.
double ReadNumber(std::string_view text);

// True when the value equals its floor.
bool isWhole(double value);

} // namespace input
