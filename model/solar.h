#pragma once
// The Sun of a calendar year: the equation of time from the IAU models (through ERFA), sampled
// once a day, and from the samples the moment the Sun crosses any meridian on any day of the
// year. Nothing here depends on Qt.

#include <vector>

namespace model {

// The years a SolarYear can be made for: those of the Earth's ephemeris (eraEpv00) and of the
// polynomials of deltaTSeconds.
inline constexpr int FirstSolarYear = 1900;
inline constexpr int LastSolarYear = 2100;

// Gregorian leap years: every fourth year, except the hundredth years that 400 does not divide
// (2000 and 2400 are leap years, 1900 and 2100 are not).
bool isLeapYear(int year);
// 366 in a leap year, 365 in any other.
int daysInYear(int year);

// TT - UT in seconds at `decimalYear` (2000.0 is the start of 2000, 2000.5 its middle), from
// the Espenak-Meeus polynomials: the sections 1900-1920, 1920-1941, 1941-1961, 1961-1986,
// 1986-2005, 2005-2050 and 2050-2150, each extended past its ends (before 1900 the first, after
// 2150 the last).
double deltaTSeconds(double decimalYear);

// The equation of time in seconds: the apparent solar time at Greenwich minus the mean solar
// time there, positive when a sundial is ahead of the mean Sun. At the UT instant
// `ut1 + ut2` (a Julian date in two parts, the split as ERFA takes it), with TT = UT +
// `deltaT` seconds; UT1 is taken as that UT. One full evaluation of the Sun: Earth from
// eraEpv00, annual aberration, precession-nutation IAU 2000B, apparent sidereal time.
// The value is the one of the hour angle nearest the mean Sun's, within half a day.
double equationOfTimeSeconds(double ut1, double ut2, double deltaT);

// The Sun over one calendar year, the same for every place: the equation of time sampled at
// 12:00 UT of every day from a few days before 1 January to a few days after 31 December. A day
// of the year is read back from the samples without another evaluation of the Sun.
class SolarYear {
public:
    // Throws std::out_of_range when `year` is outside FirstSolarYear to LastSolarYear.
    explicit SolarYear(int year);

    int year() const { return year_; }
    // 365 or 366.
    int dayCount() const { return dayCount_; }
    // The Julian date of 0 h UT on 1 January.
    double newYearJulianDate() const { return newYear_; }

    // The equation of time (as equationOfTimeSeconds) at `days` after 0 h UT on 1 January,
    // interpolated between the daily samples (four at a time). Within a millisecond of the full
    // evaluation from 3 days before 1 January to 3 days after 31 December; outside that the
    // nearest samples are extrapolated.
    double equationOfTimeSeconds(double days) const;

    // When the Sun's centre crosses the meridian of `longitude` (degrees, East positive) on day
    // `index` of the year (1 for 1 January) of the place's own calendar: the crossing nearest
    // 12:00 local mean time there. In days of UT after 0 h UT on 1 January. Index 0 is 31
    // December of the year before and dayCount() + 1 is 1 January of the year after.
    double transitDays(int index, double longitude) const;

    // The clock time of that crossing, in the time of the zone whose meridian is `zoneMeridian`
    // (degrees East; the zone is 240 seconds ahead of UT for each degree), minus 12:00 of the
    // same date: positive when the clock is ahead of the sundial. Not wrapped into a day.
    double correctionSeconds(int index, double longitude, double zoneMeridian) const;

private:
    int year_;
    int dayCount_;
    double newYear_;
    // Days sampled before 1 January and after 31 December.
    static constexpr int Margin = 5;
    // samples_[k] is the equation of time at 12:00 UT on day k - Margin of the year (day 0 is
    // 1 January), k from 0 to dayCount_ + 2 Margin - 1.
    std::vector<double> samples_;
};

} // namespace model
