#pragma once
// The year on show, as every view asks it: its months and days, and each day's value for a
// location. The standard year (365 days, the fixed series) is one kind; a calendar year (real
// dates, the Sun itself) another. The views never count days themselves.

#include "model/correction.h"

#include <cstdint>
#include <optional>

namespace model {

// The clock a place keeps: its offset from UTC, in seconds, at an instant (seconds since
// 1970-01-01 00:00 UTC), and its standard offset, which summer time exceeds.
class LegalClock {
public:
    virtual ~LegalClock() = default;
    virtual int offsetAt(std::int64_t utcSeconds) const = 0;
    virtual int standardOffset() const = 0;
};

// Where the clock is read: the place's longitude and the meridian of its zone, in degrees, East
// positive, with the value of pi the series is taken with.
struct Location {
    double longitude = 0;
    double zoneMeridian = 0;
    double pi = Pi;
};

// A date within a year: the month (1 for January) and the day of that month (1 for the first).
struct Date {
    int month = 1;
    int day = 1;
};

class Year {
public:
    virtual ~Year() = default;

    // The year's number, or none for the standard year.
    virtual std::optional<int> number() const = 0;
    // How many days the year has; a day's index runs from 1 (1 January) to this.
    virtual int dayCount() const = 0;
    // The index of the first day of month `month` (1 to 12), and the month's length in days.
    virtual int monthFirstDay(int month) const = 0;
    virtual int monthLength(int month) const = 0;

    // The clock correction of day `index` at `at`, in seconds: positive when the clock is ahead
    // of the sundial.
    virtual double daySeconds(int index, const Location& at) const = 0;
    // The clock's offset from UTC on day `index`, in seconds, and whether it is summer time.
    virtual double clockOffsetSeconds(int index, const Location& at) const;
    virtual bool summerTime(int index, const Location& at) const;
    // The largest and the smallest of the year's values at `at`: the diagram's scale and the
    // hours rule are taken from them. Found by looking at every day, unless a kind of year
    // knows its own (the standard year's two fixed days).
    virtual double peakSeconds(const Location& at) const;
    virtual double troughSeconds(const Location& at) const;

    // The index of a date, and the date of an index (1 to dayCount()).
    int indexOf(int month, int day) const { return monthFirstDay(month) + day - 1; }
    int indexOf(const Date& date) const { return indexOf(date.month, date.day); }
    Date dateOf(int index) const;
    // The month (1 for January) that starts on day `index`, or 0 when no month does.
    int monthStartingOn(int index) const;
};

// The standard year: 365 days, the fixed month tables, the series, and PeakDay and TroughDay
// for its extremes. One for the whole program.
class StandardYear final : public Year {
public:
    std::optional<int> number() const override { return std::nullopt; }
    int dayCount() const override;
    int monthFirstDay(int month) const override;
    int monthLength(int month) const override;
    double daySeconds(int index, const Location& at) const override;
    double peakSeconds(const Location& at) const override;
    double troughSeconds(const Location& at) const override;
};

const Year& standardYear();

} // namespace model
