#include "views/choices.h"

namespace views {

Reading readChoices(Choices& choices, const LocationTexts& location) {
    if (!choices.placeLocation.sameLocation(location)) {
        choices.place.clear();
        choices.placeClock.reset();
        choices.legalYear.reset();
    }
    if (choices.legalYear) return {location, choices.place, choices.legalYear, true};
    return {location, choices.place, choices.year, false};
}

void takePlace(Choices& choices, Reading& reading, const std::string& name,
               std::shared_ptr<const model::LegalClock> clock) {
    choices.place = name;
    choices.placeLocation = reading.location;
    choices.placeClock = std::move(clock);
    reading.place = name;
}

bool legalTimeOffered(const Choices& choices) {
    return choices.year && !choices.place.empty() && choices.placeClock;
}

} // namespace views
