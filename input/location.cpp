#include "input/location.h"

#include "model/correction.h"

#include "input/number.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace input {

const std::array<std::string_view, 33> ZoneItems{
    "GMT -12:00", "GMT -11:00", "GMT -10:00", "GMT -09:00", "GMT -08:00", "GMT -07:00",
    "GMT -06:00", "GMT -05:00", "GMT -04:00", "GMT -03:30", "GMT -03:00", "GMT -02:00",
    "GMT -01:00", "GMT",        "GMT +01:00", "GMT +02:00", "GMT +03:00", "GMT +03:30",
    "GMT +04:00", "GMT +04:30", "GMT +05:00", "GMT +05:30", "GMT +05:45", "GMT +06:00",
    "GMT +06:30", "GMT +07:00", "GMT +08:00", "GMT +09:00", "GMT +09:30", "GMT +10:00",
    "GMT +11:00", "GMT +12:00", "GMT +13:00",
};

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(from, start)) != std::string_view::npos;
         start = at + from.size()) {
        result.append(text.substr(start, at - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// Byte offset of the character with the given 0-based index in UTF-8 text, or npos.
std::size_t characterOffset(std::string_view text, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue; // continuation byte
        if (count == index) return i;
        ++count;
    }
    return std::string_view::npos;
}

void commaPass(TextField& field) {
    const std::string text = field.text();
    if (contains(text, ',')) field.setText(replaceAll(text, ",", "."));
}

void zeroPass(TextField& field) {
    if (ReadNumber(field.text()) == 0.0) field.setText("00");
    const std::string text = field.text();
    const double value = ReadNumber(text);
    if (!contains(text, '0') && isWhole(value) && value > 0.0 && value < 10.0)
        field.setText("0" + text);
}

// The largest longitude East or West; the degrees of longitude in an hour of a zone's offset.
constexpr double MaxLongitude = 180.0;
constexpr double DegreesPerHour = 15.0;

bool outOfRange(double value, double top) {
    return value < 0.0 || value > top;
}

// The largest longitude or zone meridian, in degrees, whose difference times 240 seconds a degree
// stays finite.
constexpr double LargestMeridian = std::numeric_limits<double>::max() / 480.0;

} // namespace

void NormaliseFields(TextField& degrees, TextField& minutes, TextField& seconds) {
    commaPass(degrees);
    commaPass(minutes);
    commaPass(seconds);
    zeroPass(degrees);
    zeroPass(minutes);
    zeroPass(seconds);
}

ValidationFailure CheckFields(std::string_view degreesText, std::string_view minutesText,
                              std::string_view secondsText) {
    // ReadNumber never yields infinity or NaN: a number too large for a double reads as the
    // largest one and so fails its range check.
    const double degrees = ReadNumber(degreesText);
    if (!isWhole(degrees)) return ValidationFailure::DegreesNotWhole;
    if (outOfRange(degrees, MaxLongitude)) return ValidationFailure::DegreesOutOfRange;
    const double minutes = ReadNumber(minutesText);
    if (!isWhole(minutes)) return ValidationFailure::MinutesNotWhole;
    if (outOfRange(minutes, ArcMinutesPerDegree)) return ValidationFailure::MinutesOutOfRange;
    const double seconds = ReadNumber(secondsText);
    if (!isWhole(seconds)) return ValidationFailure::SecondsNotWhole;
    if (outOfRange(seconds, ArcSecondsPerMinute)) return ValidationFailure::SecondsOutOfRange;
    if (degrees + minutes / ArcMinutesPerDegree + seconds / ArcSecondsPerDegree > MaxLongitude)
        return ValidationFailure::LongitudeBeyond180;
    return ValidationFailure::None;
}

FailureDisplay displayOf(ValidationFailure failure) {
    using enum FieldMark;
    switch (failure) {
    case ValidationFailure::None:
        return {ReminderFrame::None, {Keep, Keep, Keep}};
    case ValidationFailure::DegreesNotWhole:
        return {ReminderFrame::Degrees, {Red, Blue, Blue}};
    case ValidationFailure::DegreesOutOfRange:
        return {ReminderFrame::Degrees, {Red, Keep, Blue}};
    case ValidationFailure::MinutesNotWhole:
    case ValidationFailure::MinutesOutOfRange:
        return {ReminderFrame::Minutes, {Keep, Red, Keep}};
    case ValidationFailure::SecondsNotWhole:
    case ValidationFailure::SecondsOutOfRange:
        return {ReminderFrame::Seconds, {Keep, Keep, Red}};
    case ValidationFailure::LongitudeBeyond180:
        return {ReminderFrame::Longitude, {Red, Red, Red}};
    }
    return {ReminderFrame::None, {Keep, Keep, Keep}};
}

Longitude ReadLongitude(std::string_view degreesText, std::string_view minutesText,
                        std::string_view secondsText, bool east) {
    Longitude result;
    result.Degrees = ReadNumber(degreesText);
    result.Minutes = ReadNumber(minutesText);
    result.Seconds = ReadNumber(secondsText);
    result.East = east;
    double sum = result.Degrees + result.Minutes / ArcMinutesPerDegree +
                 result.Seconds / ArcSecondsPerDegree;
    // Texts that fail the checks can still be read by the views. Holding the sum within the same
    // bound as a zone meridian keeps every correction computed from it finite.
    sum = std::clamp(sum, -LargestMeridian, LargestMeridian);
    result.Longitude = east ? sum : -sum;
    return result;
}

TimeZone ReadTimeZone(std::string_view text) {
    TimeZone zone;
    zone.ZoneText = std::string(text);
    zone.ZoneNegative = contains(text, '-');

    const std::size_t minutesAt = characterOffset(text, 7); // the 8th character
    if (minutesAt != std::string_view::npos)
        zone.ZoneMinutes = ReadNumber(replaceAll(text.substr(minutesAt), ":", " "));

    zone.ZoneHours = ReadNumber(replaceAll(replaceAll(zone.ZoneText, "GMT", " "), "ZP", " "));

    const double offset = zone.ZoneNegative
                              ? zone.ZoneHours - zone.ZoneMinutes / model::MinutesPerHour
                              : zone.ZoneHours + zone.ZoneMinutes / model::MinutesPerHour;
    zone.ZoneMeridian = offset * DegreesPerHour;
    // Only a typed text can get here. An offset whose longitude term would overflow is read as
    // zone 0.
    if (!(std::fabs(zone.ZoneMeridian) <= LargestMeridian)) zone.ZoneMeridian = 0.0;
    return zone;
}

std::string LongitudeText(std::string_view degrees, std::string_view minutes,
                          std::string_view seconds, bool east) {
    std::string text;
    text.append(degrees).append("° ").append(minutes).append("΄ ").append(seconds);
    text.append("΄΄ ").append(east ? EastWord : WestWord);
    return text;
}

} // namespace input
