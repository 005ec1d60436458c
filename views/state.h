#pragma once
// The values the window keeps between handlers, for as long as it lives.

#include "model/calendar.h"

#include <cstdint>
#include <string>

namespace views {

// The view the two buttons choose.
enum class ViewMode { Diagram = 0, Table = 1 };

struct WindowState {
    views::ViewMode ViewMode = ViewMode::Diagram;
    double Longitude = 0;
    double ZoneMeridian = 0;
    double Pi = model::Pi;
    double TopMinute = 0; // a whole number of minutes
    float DayWidth = 0;
    float MinuteHeight = 0;
    // The minutes between two rows of the diagram's grid: 1 as designed, more where the year's
    // values span more than the 35 rows' minutes (summer time's hour).
    double MinuteStep = 1;
    bool ShowHours = false;
    int Month = 1; // the table's month, which its first day and length are of in the year on show
    int MonthFirstDay = model::standardYear().monthFirstDay(1);
    std::int16_t MonthLength = static_cast<std::int16_t>(model::standardYear().monthLength(1));
};

// The location as the input controls hold it.
struct LocationTexts {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    bool east = true;
    std::string zone;

    // The same longitude and zone.
    bool sameLocation(const LocationTexts& other) const {
        return degrees == other.degrees && minutes == other.minutes && seconds == other.seconds &&
               east == other.east && zone == other.zone;
    }
};

// Reads the location without tidying or checking it and stores Longitude, ZoneMeridian and Pi.
void storeLocation(const LocationTexts& texts, WindowState& state);

// Where the stored location reads the clock.
model::Location locationOf(const WindowState& state);

// The correction of day `index` of the year on show at the stored location, in seconds: the value
// of every view, copy and page.
double daySeconds(const model::Year& year, int index, const WindowState& state);

} // namespace views
