#pragma once
// The values the window keeps between handlers, for as long as it lives.

#include "model/correction.h"

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
    bool ShowHours = false;
    int MonthFirstDay = model::ofMonth(model::MonthStartDays, 1);
    std::int16_t MonthLength = model::ofMonth(model::MonthLengths, 1);
};

// The location as the input controls hold it.
struct LocationTexts {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    bool east = true;
    std::string zone;
    // The name of the place chosen by name whose location this is, or empty.
    std::string place = {};

    // The same longitude and zone, whatever place they are named for.
    bool sameLocation(const LocationTexts& other) const {
        return degrees == other.degrees && minutes == other.minutes && seconds == other.seconds &&
               east == other.east && zone == other.zone;
    }
};

// Reads the location without tidying or checking it and stores Longitude, ZoneMeridian and Pi.
void storeLocation(const LocationTexts& texts, WindowState& state);

// The correction of a DayOfYear (1 to 365) at the stored location, in seconds: the value of every
// view, copy and page.
double daySeconds(int dayOfYear, const WindowState& state);

} // namespace views
