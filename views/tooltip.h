#pragma once
// What pointing at a dot of the diagram says.

#include "views/choices.h"

#include <QString>

namespace views {

// The day (1 for the first) of a month picture whose dot stands nearest to `x`, in the picture's
// own scale, from the day width the last refresh stored for that month.
int dayUnder(double x, int monthLength, float dayWidth);

// "13 Φεβρουαρίου: +40 min  +09 sec, μεσημέρι 12:40:09" for month 2, day 13, with the year
// copy's hours rule and the values of the last refresh; «21 Ιουνίου 2026: …» in a calendar year,
// begun with «Σήμερα, » on the computer's date.
QString dotTip(const Reading& shown, int month, int day, const WindowState& state);

} // namespace views
