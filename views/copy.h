#pragma once
// The text the copy command puts on the clipboard, made from what the last refresh showed:
// a line naming the place and the zone, then the table's rows or the whole year, one day a line
// as "day<TAB>caption", so that a spreadsheet takes them as two columns.

#include "views/state.h"

#include <QString>
#include <QStringList>

namespace views {

// "Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00"
QString PlaceLine(const LocationTexts& texts);

// The month (0 for January) that starts on `firstDay`, or -1.
int MonthStartingOn(int firstDay);

// The place line, the month's name, then one line per caption (the first is day 1).
QString TableText(const LocationTexts& texts, int month, const QStringList& captions);

// The place line, then every month's name followed by its days, each caption made by the table's
// rule (hours shown for the whole year or for none of it) from the stored location.
QString YearText(const LocationTexts& texts, const WindowState& state);

} // namespace views
