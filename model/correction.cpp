#include "model/correction.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace model {

namespace {
// The day angle runs through 2 pi in the year; an angle of pi is half a day of time.
constexpr double HalfDaySeconds = 43200.0;
// Four minutes of time for every degree of longitude.
constexpr double MinutesPerDegree = 4.0;
} // namespace

double SolarTermSeconds(int dayOfYear, double pi) {
    const double gamma = 2.0 * pi * dayOfYear / static_cast<double>(DaysInYear);
    // Summed from left to right, as the series is written.
    const double series = -0.0000075 - 0.001868 * std::cos(gamma) + 0.032077 * std::sin(gamma) +
                          0.014615 * std::cos(2.0 * gamma) + 0.040849 * std::sin(2.0 * gamma);
    return series * (HalfDaySeconds / pi);
}

double LongitudeTermSeconds(double longitude, double zoneMeridian) {
    return (zoneMeridian - longitude) * MinutesPerDegree * SecondsPerMinute;
}

double CorrectionSeconds(int dayOfYear, double longitude, double zoneMeridian, double pi) {
    return SolarTermSeconds(dayOfYear, pi) + LongitudeTermSeconds(longitude, zoneMeridian);
}

double CorrectionMinutes(int dayOfYear, double longitude, double zoneMeridian, double pi) {
    return CorrectionSeconds(dayOfYear, longitude, zoneMeridian, pi) / SecondsPerMinute;
}

std::string wholeNumberText(double whole) {
    // 309 digits hold the largest double; the sign and the terminator fit in the rest.
    char buffer[328];
    if (whole == 0.0) whole = 0.0; // no "-0"
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    if (result.ec != std::errc{}) return "0";
    return std::string(buffer, result.ptr);
}

bool minuteLabelHasTwoParts(double minutes) {
    const double magnitude = std::fabs(minutes);
    if (magnitude < MinutesPerHour) return false;
    const double rest = magnitude - MinutesPerHour * std::floor(magnitude / MinutesPerHour);
    return rest > 0.0 && rest < MinutesPerHour;
}

std::string FormatMinuteLabel(double minutes) {
    if (minutes >= MinutesPerHour) {
        const double hours = std::floor(minutes / MinutesPerHour);
        double rest = minutes - MinutesPerHour * hours;
        if (!(rest >= 0.0 && rest < MinutesPerHour))
            rest = 0.0; // beyond 2^53 the split is not exact
        std::string text = "+" + wholeNumberText(hours) + "h ";
        if (rest != 0.0) text += "+" + wholeNumberText(rest) + "min";
        return text;
    }
    if (minutes <= -MinutesPerHour) {
        const double hours = -std::floor(-minutes / MinutesPerHour);
        double rest = minutes - MinutesPerHour * hours; // zero or negative
        if (!(rest <= 0.0 && rest > -MinutesPerHour)) rest = 0.0;
        std::string text = wholeNumberText(hours) + "h ";
        if (rest != 0.0) text += wholeNumberText(rest) + "min";
        return text;
    }
    if (minutes > 0.0) return "+" + wholeNumberText(minutes) + "min";
    return wholeNumberText(minutes) + "min";
}

} // namespace model
