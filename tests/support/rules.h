#pragma once
// The design's rules for the three longitude fields, written down here as the tests' own
// expectations: what a refresh makes of each text, the seven checks in their order, the frame each
// failure shows and the colours it sets. Nothing here calls the code under test but ReadNumber,
// which has tests of its own.

#include "input/location.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rules {

// A colour as the design gives it.
struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Green{0, 128, 0}; // every field, once all checks pass

enum Field { Degrees, Minutes, Seconds };

// One row of the table of checks. The condition is one of three kinds: the field's value is not
// whole; it lies below 0 or above `top`; degrees + minutes / 60 + seconds / 3600 is above `top`.
struct Check {
    enum Kind { NotWhole, outOfRange, SumAbove };
    input::ValidationFailure failure;
    Kind kind;
    Field field; // the field whose value is tested (unused by SumAbove)
    double top;
    const char* frame;
    // The colour each field is given, in the order degrees, minutes, seconds; none: it keeps
    // its colour.
    std::array<std::optional<Rgb>, 3> colours;
};

inline constexpr std::nullopt_t Keeps = std::nullopt;

// In check order.
inline const std::array<Check, 7> Checks{{
    {input::ValidationFailure::DegreesNotWhole,
     Check::NotWhole,
     Degrees,
     0,
     "FrameErrorM",
     {Red, Blue, Blue}},
    {input::ValidationFailure::DegreesOutOfRange,
     Check::outOfRange,
     Degrees,
     180,
     "FrameErrorM",
     {Red, Keeps, Blue}},
    {input::ValidationFailure::MinutesNotWhole,
     Check::NotWhole,
     Minutes,
     0,
     "FrameErrorP",
     {Keeps, Red, Keeps}},
    {input::ValidationFailure::MinutesOutOfRange,
     Check::outOfRange,
     Minutes,
     60,
     "FrameErrorP",
     {Keeps, Red, Keeps}},
    {input::ValidationFailure::SecondsNotWhole,
     Check::NotWhole,
     Seconds,
     0,
     "FrameErrorD",
     {Keeps, Keeps, Red}},
    {input::ValidationFailure::SecondsOutOfRange,
     Check::outOfRange,
     Seconds,
     60,
     "FrameErrorD",
     {Keeps, Keeps, Red}},
    {input::ValidationFailure::LongitudeBeyond180,
     Check::SumAbove,
     Degrees,
     180,
     "FrameErrorLo",
     {Red, Red, Red}},
}};

// The four frames of the reminder panel.
inline constexpr std::array<const char*, 4> Frames{"FrameErrorM", "FrameErrorP", "FrameErrorD",
                                                   "FrameErrorLo"};

// The first check that fails for the three values, or none when all pass.
const Check* FirstBroken(const std::array<double, 3>& values);
// The same for the three texts, each read with ReadNumber.
const Check* FirstBroken(const std::array<std::string, 3>& texts);

// What a refresh makes of one longitude text: "," becomes "."; a text that reads 0 becomes
// "00"; a whole 1 to 9 with no "0" in it gets a leading "0".
std::string Normalised(std::string_view text);

} // namespace rules
