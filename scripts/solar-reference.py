#!/usr/bin/python3
"""Reference values of the Sun's transit for the calendar years, from Python's erfa module with
the IAU 2006/2000A models (eraPnm06a, eraGst06a), each noon iterated to convergence with the
full model at every step: no daily samples, no interpolation. The program's model/solar.cpp
takes the lighter IAU 2000B models and interpolates daily samples; these values check it.

Every value is the clock correction of model::CalendarYear::daySeconds: the zone's clock time
at which the Sun's centre crosses the place's meridian on the place's own date, minus 12:00 of
that date, in seconds (positive when the clock is ahead of the sundial).

Usage (Debian's python3-erfa and python3-numpy):
  scripts/solar-reference.py rows           the rows frozen into tests/model/tst_solar.cpp
  scripts/solar-reference.py extremes       its rows of the largest and smallest value of a year
  scripts/solar-reference.py grid [STEP]    CSV of year,month,day,longitude,seconds (zone
                                            meridian 0) for every STEP-th day (1 unless given)
                                            of 1900-2100 at longitudes from 180 W to 180 E
  scripts/solar-reference.py routes [STEP]  the largest difference between the equinox-based
                                            noon of these values and a second, CIO-based one
                                            (eraC2i06a and the Earth rotation angle), solved
                                            for a zero hour angle by the secant method
  scripts/solar-reference.py equation JD_TT the equation of time in seconds at a TT instant

Delta T here is the Espenak-Meeus polynomial taken exactly as published, at the middle of the
month, y = year + (month - 0.5) / 12, where the program takes a smooth decimal year: the two
differ by a few hundredths of a second of Delta T, a ten-thousandth of a second of noon.
"""

import calendar
import sys
import warnings

import erfa
import numpy as np

warnings.simplefilter("ignore", erfa.ErfaWarning)  # eraEpv00 beyond 1900-2100: status 1

DAY = erfa.DAYSEC
TWO_PI = 2.0 * np.pi


def delta_t(y):
    """TT - UT in seconds at the decimal year y, Espenak-Meeus, 1900-2150."""
    y = np.asarray(y, dtype=float)
    out = np.empty_like(y)
    sections = [
        (-np.inf, 1920, lambda t: -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3
         - 0.000197 * t**4, 1900),
        (1920, 1941, lambda t: 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3, 1920),
        (1941, 1961, lambda t: 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547, 1950),
        (1961, 1986, lambda t: 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718, 1975),
        (1986, 2005, lambda t: 63.86 + 0.3345 * t - 0.060374 * t**2 + 0.0017275 * t**3
         + 0.000651814 * t**4 + 0.00002373599 * t**5, 2000),
        (2005, 2050, lambda t: 62.92 + 0.32217 * t + 0.005589 * t**2, 2000),
    ]
    done = np.zeros(y.shape, dtype=bool)
    for low, high, formula, origin in sections:
        inside = (y >= low) & (y < high)
        out[inside] = formula(y[inside] - origin)
        done |= inside
    rest = ~done
    u = (y[rest] - 1820) / 100
    out[rest] = -20 + 32 * u**2 - 0.5628 * (2150 - y[rest])
    return out


def month_middle_year(jd):
    """y = year + (month - 0.5) / 12 of the UT date of the Julian dates jd."""
    year, month, _, _ = erfa.jd2cal(jd, 0.0)
    return year + (month - 0.5) / 12


def sun_of_date(ut1, ut2, equinox):
    """The Sun's apparent direction (unit vector) of date and the sidereal angle, 2006/2000A.

    equinox=True: true equator and equinox (eraPnm06a) and apparent sidereal time (eraGst06a).
    equinox=False: celestial intermediate system (eraC2i06a) and Earth rotation angle (eraEra00).
    """
    dt = delta_t(month_middle_year(ut1 + ut2))
    tt1, tt2 = ut1, ut2 + dt / DAY
    pvh, pvb = erfa.epv00(tt1, tt2)
    sun = -pvh["p"]
    distance = np.linalg.norm(sun, axis=-1)
    direction = sun / distance[..., None]
    v = pvb["v"] * (erfa.DAU / DAY / erfa.CMPS)
    bm1 = np.sqrt(1.0 - np.sum(v * v, axis=-1))
    apparent = erfa.ab(direction, v, distance, bm1)
    if equinox:
        matrix = erfa.pnm06a(tt1, tt2)
        angle = erfa.gst06a(ut1, ut2, tt1, tt2)
    else:
        matrix = erfa.c2i06a(tt1, tt2)
        angle = erfa.era00(ut1, ut2)
    of_date = np.einsum("...ij,...j->...i", matrix, apparent)
    return np.arctan2(of_date[..., 1], of_date[..., 0]), angle


def equation_of_time(ut1, ut2):
    """Apparent minus mean solar time at Greenwich, seconds, at the UT instants ut1 + ut2."""
    ra, gast = sun_of_date(ut1, ut2, equinox=True)
    hour_angle = gast - ra
    mean_hour_angle = TWO_PI * (np.mod(ut1 - 0.5, 1.0) + np.mod(ut2, 1.0)) - np.pi
    return erfa.anpm(hour_angle - mean_hour_angle) * DAY / TWO_PI


def date_jd(year, month, day):
    """The Julian date of 0 h UT of each date, as (2400000.5, MJD)."""
    one, two = erfa.cal2jd(year, month, day)
    return one, two


def noon(year, month, day, longitude):
    """UT of the transit (two parts) by fixed-point iteration of t = 12:00 LMT - E(t)."""
    one, two = date_jd(year, month, day)
    mean_noon = two + 0.5 - np.asarray(longitude, dtype=float) / 360.0
    t = mean_noon.copy()
    for _ in range(12):
        previous = t
        t = mean_noon - equation_of_time(one, t) / DAY
        if np.max(np.abs(t - previous)) < 1e-11:
            break
    return one, two, t


def noon_cio(year, month, day, longitude):
    """UT of the transit, second route: the zero of ERA + longitude - CIO right ascension."""
    one, two = date_jd(year, month, day)
    longitude = np.radians(np.asarray(longitude, dtype=float))

    def local_hour_angle(t):
        ra, era = sun_of_date(one, t, equinox=False)
        return erfa.anpm(era + longitude - ra)

    # The Sun's hour angle gains 2 pi in a solar day; two guesses a minute apart, then secant.
    a = two + 0.5 - longitude / TWO_PI
    b = a + 60.0 / DAY
    fa, fb = local_hour_angle(a), local_hour_angle(b)
    for _ in range(20):
        with np.errstate(invalid="ignore", divide="ignore"):
            step = np.where(fb != fa, fb * (b - a) / (fb - fa), 0.0)
        a, fa = b, fb
        b = b - step
        fb = local_hour_angle(b)
        if np.max(np.abs(step)) < 1e-12:
            break
    return one, two, b


def correction(year, month, day, longitude, meridian):
    """daySeconds: the zone's clock at the transit minus 12:00 of the place's date."""
    _, two, t = noon(year, month, day, longitude)
    return (t - two - 0.5) * DAY + np.asarray(meridian, dtype=float) * 240.0


def every_date(step, years=range(1900, 2101)):
    dates = []
    for year in years:
        for month in range(1, 13):
            for day in range(1, calendar.monthrange(year, month)[1] + 1):
                dates.append((year, month, day))
    return np.array(dates[::step])


GRID_LONGITUDES = [-180.0, -135.0, -90.0, -45.0, 0.0, 23.5286111, 45.0, 90.0, 135.0, 180.0]

START_LONGITUDE = 23.0 + 31.0 / 60.0 + 43.0 / 3600.0
ROW_YEARS = [1900, 2000, 2027, 2028, 2100]
ROW_DATES = [(1, 1), (2, 13), (3, 1), (7, 26), (11, 3), (12, 31)]
# (name, longitude, zone meridian)
ROW_PLACES = [("0, GMT", 0.0, 0.0), ("23E31'43, +02:00", START_LONGITUDE, 30.0),
              ("180W, -12:00", -180.0, -180.0), ("180W, +13:00", -180.0, 195.0)]
EXTRA_ROWS = [
    ("Athens 21 June 2026", 2026, 6, 21, 23.72784, 45.0),
    ("2000 29 February, 0", 2000, 2, 29, 0.0, 0.0),
    ("2024 29 February, 23E31'43", 2024, 2, 29, START_LONGITUDE, 30.0),
    ("2028 29 February, 180W", 2028, 2, 29, -180.0, 195.0),
    ("2100 1 November, 180W +13:00", 2100, 11, 1, -180.0, 195.0),
    ("1900 1 November, 180W +13:00", 1900, 11, 1, -180.0, 195.0),
    ("2100 31 December, 180E +12:00", 2100, 12, 31, 180.0, 180.0),
    ("1900 1 January, 180E +12:00", 1900, 1, 1, 180.0, 180.0),
]


# (name, year, longitude, zone meridian): the largest and smallest value of the year there.
EXTREME_ROWS = [("2026, 23E31'43, +02:00", 2026, START_LONGITUDE, 30.0),
                ("2000, 0, GMT", 2000, 0.0, 0.0),
                ("1900, 180W, +13:00", 1900, -180.0, 195.0),
                ("2100, 180E, +12:00", 2100, 180.0, 180.0)]


def extremes():
    for name, year, longitude, meridian in EXTREME_ROWS:
        dates = every_date(1, [year])
        values = correction(dates[:, 0], dates[:, 1], dates[:, 2],
                            np.full(len(dates), longitude), meridian)
        lon = "StartLongitude" if longitude == START_LONGITUDE else repr(float(longitude))
        peak, trough = np.argmax(values), np.argmin(values)
        (pm, pd), (tm, td) = dates[peak][1:], dates[trough][1:]
        print(f"    // the largest on {pd} {calendar.month_name[pm]}, "
              f"the smallest on {td} {calendar.month_name[tm]}")
        print(f'    row("{name}", {year}, {lon}, {float(meridian)!r}, {values[peak]:.3f}, '
              f"{values[trough]:.3f});")


def rows():
    entries = []
    for year in ROW_YEARS:
        for month, day in ROW_DATES:
            for name, longitude, meridian in ROW_PLACES:
                entries.append((f"{year}-{month:02d}-{day:02d} {name}", year, month, day,
                                longitude, meridian))
    entries += EXTRA_ROWS
    years = np.array([e[1] for e in entries])
    months = np.array([e[2] for e in entries])
    days = np.array([e[3] for e in entries])
    longitudes = np.array([e[4] for e in entries])
    meridians = np.array([e[5] for e in entries])
    values = correction(years, months, days, longitudes, meridians)
    _, _, t_cio = noon_cio(years, months, days, longitudes)
    _, _, t_eq = noon(years, months, days, longitudes)
    routes_apart = max(float(np.max(np.abs(t_cio - t_eq))) * DAY, 1e-6)
    print(f"    // scripts/solar-reference.py rows (the CIO-based route agrees within "
          f"{routes_apart:.0e} s)")
    for (name, year, month, day, longitude, meridian), value in zip(entries, values):
        lon = "StartLongitude" if longitude == START_LONGITUDE else repr(float(longitude))
        print(f'    row("{name}", {year}, {month}, {day}, {lon}, {float(meridian)!r}, '
              f"{value:.3f});")


def grid(step):
    dates = every_date(step)
    print("year,month,day,longitude,seconds")
    for longitude in GRID_LONGITUDES:
        values = correction(dates[:, 0], dates[:, 1], dates[:, 2],
                            np.full(len(dates), longitude), 0.0)
        for (year, month, day), value in zip(dates, values):
            print(f"{year},{month},{day},{longitude!r},{value:.6f}")


def routes(step):
    dates = every_date(step)
    worst = 0.0
    for longitude in GRID_LONGITUDES:
        lon = np.full(len(dates), longitude)
        _, _, a = noon(dates[:, 0], dates[:, 1], dates[:, 2], lon)
        _, _, b = noon_cio(dates[:, 0], dates[:, 1], dates[:, 2], lon)
        worst = max(worst, float(np.max(np.abs(a - b))) * DAY)
    print(f"{len(dates)} dates x {len(GRID_LONGITUDES)} longitudes: "
          f"largest difference {worst:.3e} s")


def main(argv):
    if len(argv) >= 2 and argv[1] == "rows":
        rows()
    elif len(argv) >= 2 and argv[1] == "extremes":
        extremes()
    elif len(argv) >= 2 and argv[1] in ("grid", "routes"):
        step = int(argv[2]) if len(argv) > 2 else 1
        (grid if argv[1] == "grid" else routes)(step)
    elif len(argv) == 3 and argv[1] == "equation":
        jd_tt = float(argv[2])
        tt1, tt2 = np.floor(jd_tt - 0.5) + 0.5, jd_tt - (np.floor(jd_tt - 0.5) + 0.5)
        # UT = TT - Delta T, found by iterating on Delta T of the UT date.
        ut2 = tt2
        for _ in range(3):
            ut2 = tt2 - delta_t(month_middle_year(tt1 + ut2)) / DAY
        print(f"{float(equation_of_time(tt1, ut2)):.4f}")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
