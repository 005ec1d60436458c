#pragma once
// What the user chose outside the controls (a place by name, the year on show), and what each
// refresh read: the record that copies, pages, the tooltip and the year card are made from.

#include "model/calendaryear.h"
#include "views/state.h"

#include <memory>
#include <string>

namespace views {

// The user's choices that no control holds. One value, with one owner: the window's view area.
struct Choices {
    std::string place;           // the place chosen by name, or empty
    LocationTexts placeLocation; // the location the refresh that took the place read
    // The place's legal time, where the program's zone data has its zone.
    std::shared_ptr<const model::LegalClock> placeClock;
    // The calendar year on show; none is the standard year.
    std::shared_ptr<const model::CalendarYear> year;
    // The same year read against the place's legal time, while «Θερινή ώρα του τόπου» is ticked.
    std::shared_ptr<const model::Year> legalYear;
};

// What a refresh read: the location as the controls held it, and the choices in force for it.
struct Reading {
    LocationTexts location;
    std::string place; // the place the location is named for, or empty
    std::shared_ptr<const model::Year> year;
    bool legalTime = false; // the year is read against the place's legal time
    int today = 0;          // the computer's date as an index of the year, 0 where it has none

    const model::Year& calendar() const { return year ? *year : model::standardYear(); }
};

// What a refresh that read `location` records, and the choices as it leaves them. The one rule
// for when a choice lapses: the place's name, once a refresh reads another longitude or zone,
// and with it the place's legal time.
Reading readChoices(Choices& choices, const LocationTexts& location);

// Takes the place a refresh has just read the location of: from here on what leaves the window
// names it, while refreshes read the same location. The caller drops the legal time of the
// place before, since that refresh is read without it.
void takePlace(Choices& choices, Reading& reading, const std::string& name,
               std::shared_ptr<const model::LegalClock> clock = nullptr);

// Whether the place's legal time can be chosen: in a calendar year, with a place in force.
bool legalTimeOffered(const Choices& choices);

} // namespace views
