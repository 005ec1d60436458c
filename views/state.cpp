#include "views/state.h"

#include "input/location.h"

namespace views {

void StoreLocation(const LocationTexts& texts, WindowState& state) {
    state.ZoneMeridian = input::ReadTimeZone(texts.zone).ZoneMeridian;
    state.Longitude =
        input::ReadLongitude(texts.degrees, texts.minutes, texts.seconds, texts.east).Longitude;
    state.Pi = model::Pi;
}

} // namespace views
