#pragma once
// How the longitude texts, the East/West choice and the time-zone text become numbers, how the
// three longitude texts are tidied before they are checked, and the seven checks.

#include <array>
#include <string>
#include <string_view>

namespace input {

// A text box as the normalisation sees it. The window passes its boxes; tests pass recorders.
class TextField {
public:
    virtual ~TextField() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// Comma pass over degrees, minutes, seconds ("," becomes "."), then zero pass over them in the
// same order (a text reading 0 becomes "00"; a whole 1..9 without any "0" gets a leading "0").
void NormaliseFields(TextField& degrees, TextField& minutes, TextField& seconds);

enum class ValidationFailure {
    None,
    DegreesNotWhole,
    DegreesOutOfRange,
    MinutesNotWhole,
    MinutesOutOfRange,
    SecondsNotWhole,
    SecondsOutOfRange,
    LongitudeBeyond180,
};

// The first failure, in check order, of the three longitude texts; None when all pass.
ValidationFailure CheckFields(std::string_view degrees, std::string_view minutes,
                              std::string_view seconds);

// Which reminder frame states the broken rule.
enum class ReminderFrame { None, Degrees, Minutes, Seconds, Longitude };

// What a failure does to a field's text colour.
enum class FieldMark { Keep, Red, Blue };

struct FailureDisplay {
    ReminderFrame frame;
    // Degrees, minutes, seconds; set in this order.
    std::array<FieldMark, 3> marks;
};

FailureDisplay displayOf(ValidationFailure failure);

struct Longitude {
    double Degrees = 0;
    double Minutes = 0;
    double Seconds = 0;
    bool East = true;
    double Longitude = 0; // degrees, East positive
};

Longitude ReadLongitude(std::string_view degrees, std::string_view minutes,
                        std::string_view seconds, bool east);

struct TimeZone {
    std::string ZoneText;
    bool ZoneNegative = false;
    double ZoneHours = 0;
    double ZoneMinutes = 0;
    double ZoneMeridian = 0; // degrees, East positive
};

// `text` is UTF-8; characters are counted as characters, not bytes. A typed offset too large
// for the arithmetic of the correction is read as zone 0.
TimeZone ReadTimeZone(std::string_view text);

// The 33 items of the time-zone list, in list order.
extern const std::array<std::string_view, 33> ZoneItems;

// The words for the two sides of Greenwich, as the window's buttons, the copies and the place
// list write them (UTF-8).
inline constexpr std::string_view EastWord = "Ανατολικά";
inline constexpr std::string_view WestWord = "Δυτικά";

// A longitude as pages, copies and the place list write it, from its three numbers as texts:
// «23° 31΄ 43΄΄ Ανατολικά».
std::string LongitudeText(std::string_view degrees, std::string_view minutes,
                          std::string_view seconds, bool east);

// Arc minutes in a degree, and arc seconds in an arc minute and in a degree.
inline constexpr int ArcMinutesPerDegree = 60;
inline constexpr int ArcSecondsPerMinute = 60;
inline constexpr int ArcSecondsPerDegree = ArcMinutesPerDegree * ArcSecondsPerMinute;

} // namespace input
