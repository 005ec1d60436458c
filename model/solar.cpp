#include "model/solar.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace model {

namespace {

constexpr double DaySeconds = ERFA_DAYSEC;
// Seconds of time for one radian of hour angle.
constexpr double SecondsPerRadian = ERFA_DAYSEC / ERFA_D2PI;
// Four minutes of time for every degree of longitude.
constexpr double SecondsPerDegree = 240.0;
constexpr double DegreesPerDay = 360.0;

// The value of a polynomial c[0] + c[1] t + c[2] t^2 + ..., by Horner's rule.
template <std::size_t N> double polynomial(double t, const double (&c)[N]) {
    double sum = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;) sum = sum * t + c[i];
    return sum;
}

// The fractional part of `x`, from 0 to 1.
double fraction(double x) {
    return x - std::floor(x);
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInYear(int year) {
    return isLeapYear(year) ? 366 : 365;
}

double deltaTSeconds(double y) {
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return polynomial(t, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return polynomial(t, {21.20, 0.84493, -0.076100, 0.0020936});
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return polynomial(t, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return polynomial(t, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return polynomial(t, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return polynomial(t, {62.92, 0.32217, 0.005589});
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double equationOfTimeSeconds(double ut1, double ut2, double deltaT) {
    // TT on the same split as UT: the large part stays exact.
    const double tt1 = ut1;
    const double tt2 = ut2 + deltaT / DaySeconds;

    // The Earth, heliocentric and barycentric, in au and au/day (TT for TDB: they differ by
    // less than 2 ms). Outside 1900-2100 the status is 1, a warning that the series is used
    // beyond the years it was fitted to; a few hours past either end it is as good as inside.
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(tt1, tt2, heliocentric, barycentric);

    // The Sun seen from the Earth's centre: its direction and distance.
    double sun[3];
    eraSxp(-1.0, heliocentric[0], sun);
    double distance = 0;
    double direction[3];
    eraPn(sun, &distance, direction);

    // Annual aberration, from the Earth's barycentric velocity in units of c.
    double velocity[3];
    eraSxp(ERFA_DAU / DaySeconds / ERFA_CMPS, barycentric[1], velocity);
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double apparent[3];
    eraAb(direction, velocity, distance, inverseLorentz, apparent);

    // To the true equator and equinox of date, and the apparent right ascension there.
    double npb[3][3];
    eraPnm00b(tt1, tt2, npb);
    double ofDate[3];
    eraRxp(npb, apparent, ofDate);
    const double rightAscension = std::atan2(ofDate[1], ofDate[0]);

    // The Sun's Greenwich hour angle, and the mean Sun's: 0 at 12:00 UT, pi at 0 h.
    const double hourAngle = eraGst00b(ut1, ut2) - rightAscension;
    const double meanHourAngle = ERFA_D2PI * (fraction(ut1 - 0.5) + fraction(ut2)) - ERFA_DPI;
    return eraAnpm(hourAngle - meanHourAngle) * SecondsPerRadian;
}

SolarYear::SolarYear(int year) : year_(year), dayCount_(daysInYear(year)), newYear_(0) {
    if (year < FirstSolarYear || year > LastSolarYear)
        throw std::out_of_range("SolarYear: year " + std::to_string(year) + " is outside " +
                                std::to_string(FirstSolarYear) + "-" +
                                std::to_string(LastSolarYear));
    double zero = 0;
    double newYear = 0;
    eraCal2jd(year, 1, 1, &zero, &newYear); // the Julian date's two parts, 2400000.5 and MJD
    newYear_ = zero + newYear;

    samples_.resize(static_cast<std::size_t>(dayCount_ + 2 * Margin));
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        // 12:00 UT of day k - Margin of the year.
        const double days = static_cast<double>(k) - Margin + 0.5;
        const double decimalYear = year + days / dayCount_;
        samples_[k] = model::equationOfTimeSeconds(newYear_, days, deltaTSeconds(decimalYear));
    }
}

double SolarYear::equationOfTimeSeconds(double days) const {
    // Sample k is at x = k; the four around x are first to first + 3.
    const double x = days + Margin - 0.5;
    const int last = static_cast<int>(samples_.size()) - 4;
    // Clamped before the conversion, so that no longitude, however wild (or not a number),
    // makes an index outside the samples.
    const double start = std::floor(x) - 1.0;
    int first = 0;
    if (start >= last)
        first = last;
    else if (start > 0)
        first = static_cast<int>(start);
    const double u = x - first - 1; // 0 to 1 between the middle two, outside when extrapolating
    const double* e = samples_.data() + first;
    // Lagrange's four-point weights for the nodes at u = -1, 0, 1, 2.
    const double um1 = u - 1.0;
    const double um2 = u - 2.0;
    const double up1 = u + 1.0;
    return (-u * um1 * um2 * e[0] + u * up1 * um1 * e[3]) / 6.0 +
           (up1 * um1 * um2 * e[1] - up1 * u * um2 * e[2]) / 2.0;
}

double SolarYear::transitDays(int index, double longitude) const {
    // 12:00 local mean time at the longitude on that date, in UT; the Sun crosses the meridian
    // when the equation of time at that crossing has been taken off it.
    const double meanNoon = (index - 1) + 0.5 - longitude / DegreesPerDay;
    double transit = meanNoon;
    // The equation of time changes by at most 30 s a day: each step takes the error of the
    // moment down by a factor of some 3000, from at most a quarter of an hour.
    for (int step = 0; step < 3; ++step)
        transit = meanNoon - equationOfTimeSeconds(transit) / DaySeconds;
    return transit;
}

double SolarYear::correctionSeconds(int index, double longitude, double zoneMeridian) const {
    // The zone's clock at the crossing, minus 12:00 of the zone on that date: the same as
    // (zoneMeridian - longitude) 240 s - E at the crossing.
    const double afterNoonUT = transitDays(index, longitude) - (index - 1) - 0.5;
    return afterNoonUT * DaySeconds + zoneMeridian * SecondsPerDegree;
}

} // namespace model
