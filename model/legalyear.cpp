#include "model/legalyear.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {

namespace {
constexpr double SecondsPerDay = 86400.0;
constexpr double HalfDay = SecondsPerDay / 2;
// The Julian date of 1970-01-01 00:00 UTC.
constexpr double UnixEpochJulianDate = 2440587.5;
// The clock's offset at an instant; an instant that is no number (a longitude that is none)
// reads the standard offset rather than converting it.
int offsetAt(const LegalClock& clock, double utc) {
    constexpr double Limit = 1e15; // far beyond any date the clock knows
    if (!(std::fabs(utc) < Limit)) return clock.standardOffset();
    return clock.offsetAt(static_cast<std::int64_t>(std::floor(utc)));
}

} // namespace

LegalYear::LegalYear(std::shared_ptr<const CalendarYear> year,
                     std::shared_ptr<const LegalClock> clock)
    : year_(std::move(year)), clock_(std::move(clock)), summerAbove_(clock_->standardOffset()) {
    // The year's winter: its least offset at the noons of its days, read at 12:00 of the place's
    // standard time. Summer time is above both it and the place's standard offset, so that a
    // year whose standard time was another (Lisbon on CET, 1992-1996) has its own summer.
    int least = std::numeric_limits<int>::max();
    for (int index = 1; index <= dayCount(); ++index)
        least =
            std::min(least, offsetAt(*clock_, dateUtc(index) + HalfDay - clock_->standardOffset()));
    summerAbove_ = std::max(summerAbove_, least);
}

double LegalYear::dateUtc(int index) const {
    return (year_->sun().newYearJulianDate() - UnixEpochJulianDate + (index - 1)) * SecondsPerDay;
}

double LegalYear::transitUtc(int index, double longitude) const {
    return (year_->sun().newYearJulianDate() - UnixEpochJulianDate +
            year_->sun().transitDays(index, longitude)) *
           SecondsPerDay;
}

double LegalYear::clockOffsetSeconds(int index, const Location& at) const {
    return offsetAt(*clock_, transitUtc(index, at.longitude));
}

bool LegalYear::summerTime(int index, const Location& at) const {
    return clockOffsetSeconds(index, at) > summerAbove_;
}

double LegalYear::daySeconds(int index, const Location& at) const {
    const double transit = transitUtc(index, at.longitude);
    const double offset = offsetAt(*clock_, transit);
    return transit - dateUtc(index) + offset - HalfDay;
}

} // namespace model
