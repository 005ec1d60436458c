#pragma once
// A calendar year, 1900 to 2100: the real Gregorian dates, with 29 February in leap years, and
// for each day the clock correction from the Sun itself (model/solar.h) rather than the series.

#include "model/calendar.h"
#include "model/solar.h"

#include <array>

namespace model {

class CalendarYear final : public Year {
public:
    // Computes the Sun for the whole year at once; every location is then read from it. Throws
    // std::out_of_range when `year` is outside FirstSolarYear to LastSolarYear.
    explicit CalendarYear(int year);

    std::optional<int> number() const override { return sun_.year(); }
    int dayCount() const override { return sun_.dayCount(); }
    int monthFirstDay(int month) const override;
    int monthLength(int month) const override;

    // The zone's clock time (the zone's offset is at.zoneMeridian x 240 s from UT) at which the
    // Sun's centre crosses the meridian of at.longitude on that date there, minus 12:00 of the
    // date. It may pass +-12 h: at 180 W in a zone 13 h ahead of UT it is about a day. at.pi,
    // the series' value of pi, plays no part here. Index 0 and dayCount() + 1 are the days
    // either side of the year.
    double daySeconds(int index, const Location& at) const override;

    const SolarYear& sun() const { return sun_; }

private:
    SolarYear sun_;
    std::array<int, MonthCount> firstDays_{};
    std::array<int, MonthCount> lengths_{};
};

} // namespace model
