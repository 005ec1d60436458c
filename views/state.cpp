#include "views/state.h"

#include "input/location.h"

namespace views {

void storeLocation(const LocationTexts& texts, WindowState& state) {
    state.ZoneMeridian = input::ReadTimeZone(texts.zone).ZoneMeridian;
    state.Longitude =
        input::ReadLongitude(texts.degrees, texts.minutes, texts.seconds, texts.east).Longitude;
    state.Pi = model::Pi;
}

double daySeconds(int dayOfYear, const WindowState& state) {
    return model::CorrectionSeconds(dayOfYear, state.Longitude, state.ZoneMeridian, state.Pi);
}

} // namespace views
