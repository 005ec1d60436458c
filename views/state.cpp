#include "views/state.h"

#include "input/location.h"

namespace views {

void storeLocation(const LocationTexts& texts, WindowState& state) {
    state.ZoneMeridian = input::ReadTimeZone(texts.zone).ZoneMeridian;
    state.Longitude =
        input::ReadLongitude(texts.degrees, texts.minutes, texts.seconds, texts.east).Longitude;
    state.Pi = model::Pi;
}

model::Location locationOf(const WindowState& state) {
    return {state.Longitude, state.ZoneMeridian, state.Pi};
}

double daySeconds(const model::Year& year, int index, const WindowState& state) {
    return year.daySeconds(index, locationOf(state));
}

} // namespace views
