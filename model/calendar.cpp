#include "model/calendar.h"

#include <algorithm>

namespace model {

namespace {
// Four minutes of time for every degree between the zone's meridian and Greenwich.
constexpr double SecondsPerDegree = 240.0;
} // namespace

double Year::clockOffsetSeconds(int /*index*/, const Location& at) const {
    return at.zoneMeridian * SecondsPerDegree;
}

bool Year::summerTime(int /*index*/, const Location& /*at*/) const {
    return false;
}

double Year::peakSeconds(const Location& at) const {
    double peak = daySeconds(1, at);
    for (int index = 2; index <= dayCount(); ++index) peak = std::max(peak, daySeconds(index, at));
    return peak;
}

double Year::troughSeconds(const Location& at) const {
    double trough = daySeconds(1, at);
    for (int index = 2; index <= dayCount(); ++index)
        trough = std::min(trough, daySeconds(index, at));
    return trough;
}

Date Year::dateOf(int index) const {
    for (int month = MonthCount; month >= 1; --month)
        if (index >= monthFirstDay(month)) return {month, index - monthFirstDay(month) + 1};
    return {1, 1};
}

int Year::monthStartingOn(int index) const {
    for (int month = 1; month <= MonthCount; ++month)
        if (monthFirstDay(month) == index) return month;
    return 0;
}

int StandardYear::dayCount() const {
    return DaysInYear;
}

int StandardYear::monthFirstDay(int month) const {
    return ofMonth(MonthStartDays, month);
}

int StandardYear::monthLength(int month) const {
    return ofMonth(MonthLengths, month);
}

double StandardYear::daySeconds(int index, const Location& at) const {
    return CorrectionSeconds(index, at.longitude, at.zoneMeridian, at.pi);
}

double StandardYear::peakSeconds(const Location& at) const {
    return daySeconds(PeakDay, at);
}

double StandardYear::troughSeconds(const Location& at) const {
    return daySeconds(TroughDay, at);
}

const Year& standardYear() {
    static const StandardYear year;
    return year;
}

} // namespace model
