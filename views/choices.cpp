#include "views/choices.h"

namespace views {

Reading readChoices(Choices& choices, const LocationTexts& location) {
    if (!choices.placeLocation.sameLocation(location)) choices.place.clear();
    return {location, choices.place, choices.year};
}

void takePlace(Choices& choices, Reading& reading, const std::string& name) {
    choices.place = name;
    choices.placeLocation = reading.location;
    reading.place = name;
}

} // namespace views
