#pragma once
// The clock correction of a day of the 365-day year: how far the clock of a time zone is
// ahead of a sundial at a given longitude. Plain functions and fixed tables only.

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace model {

// 4 x arctan(1), the value every view stores and the series uses.
inline const double Pi = 4.0 * std::atan(1.0);

inline constexpr int DaysInYear = 365;
inline constexpr int MonthCount = 12;

// Units of time.
inline constexpr double SecondsPerMinute = 60.0;
inline constexpr double MinutesPerHour = 60.0;
inline constexpr double SecondsPerHour = SecondsPerMinute * MinutesPerHour;

// The standard year's month tables, January first, read through ofMonth: it has no leap day
// (a calendar year, model/calendaryear.h, has its own).
inline constexpr std::array<int, MonthCount> MonthLengths{31, 28, 31, 30, 31, 30,
                                                          31, 31, 30, 31, 30, 31};
inline constexpr std::array<int, MonthCount> MonthStartDays{1,   32,  60,  91,  121, 152,
                                                            182, 213, 244, 274, 305, 335};

// The month names of the table view's list, UTF-8, January first.
inline constexpr std::array<std::string_view, MonthCount> MonthNames{
    "Ιανουάριος", "Φεβρουάριος", "Μάρτιος",     "Απρίλιος",  "Μάιος",     "Ιούνιος",
    "Ιούλιος",    "Αύγουστος",   "Σεπτέμβριος", "Οκτώβριος", "Νοέμβριος", "Δεκέμβριος"};

// Entry `month` (1 for January, 12 for December) of a month table.
template <typename Table> constexpr auto& ofMonth(Table& table, int month) {
    return table[static_cast<std::size_t>(month - 1)];
}

// The DayOfYear (1 to 365) of day `day` (1 for the first) of month `month` (1 for January).
constexpr int dayOfYear(int month, int day) {
    return ofMonth(MonthStartDays, month) + day - 1;
}

// The month (1 for January) that starts on `dayOfYear`, or 0 when no month does.
constexpr int monthStartingOn(int dayOfYear) {
    for (int month = 1; month <= MonthCount; ++month)
        if (ofMonth(MonthStartDays, month) == dayOfYear) return month;
    return 0;
}

// The two days the views take for the extremes of the year.
inline constexpr int PeakDay = 44;    // 13 February
inline constexpr int TroughDay = 305; // 1 November

// The equation of time in seconds (positive when the clock runs ahead of the sundial), from the
// five-term series in the day angle 2 pi day / 365.
double SolarTermSeconds(int dayOfYear, double pi = Pi);

// 240 seconds of time for every degree between the zone meridian and the place, East positive.
double LongitudeTermSeconds(double longitude, double zoneMeridian);

double CorrectionSeconds(int dayOfYear, double longitude, double zoneMeridian, double pi = Pi);
double CorrectionMinutes(int dayOfYear, double longitude, double zoneMeridian, double pi = Pi);

// The whole number held in a double, written in plain decimal digits with a leading "-" when
// negative: no exponent, no fraction, no thousands separator. Values that are not finite are
// written as "inf", "-inf" or "nan".
std::string wholeNumberText(double whole);

// The text of a minute label of the diagram: "+40min", "0min", "+1h ", "-2h -5min".
// `minutes` is a whole number of minutes; it is held as a double so that any value, however
// large, is written without an integer conversion.
std::string FormatMinuteLabel(double minutes);

// True when FormatMinuteLabel(minutes) shows both hours and minutes.
bool minuteLabelHasTwoParts(double minutes);

} // namespace model
