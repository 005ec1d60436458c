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

// The name of month `month` (0 for January) as the month list shows it.
QString MonthName(int month);

// The month (0 for January) that starts on `firstDay`, or -1.
int MonthStartingOn(int firstDay);

// The place line, the month's name, then one line per caption (the first is day 1).
QString TableText(const LocationTexts& texts, int month, const QStringList& captions);

// The place line, then every month's name followed by its days, each caption made by the table's
// rule (hours shown for the whole year or for none of it) from the stored location.
QString YearText(const LocationTexts& texts, const WindowState& state);

// The same rows as one HTML table with a header row, for spreadsheets and word processors:
// «Ημέρα», «Διόρθωση» (the caption as shown, marked as text) and «Δευτερόλεπτα» (the caption's
// value as a signed whole number); the year's table starts with the month.
QString TableHtml(const QStringList& captions);
QString YearHtml(const WindowState& state);

// The value a caption shows, as a signed whole number of seconds: "-01 h  -46 min  -39 sec"
// gives "-6399", "+29 min  +15 sec" gives "1755".
QString CaptionSeconds(QStringView caption);

// The day (0 for the first) of a month picture whose dot stands nearest to `x`, in the picture's
// own scale, from the day width the last refresh stored.
int DayUnder(double x, int monthLength, const WindowState& state);

// What pointing at a dot says: "13 Φεβρουαρίου: +40 min  +09 sec" (month 0 is January, day 0
// the first), with the year copy's hours rule and the values of the last refresh.
QString DotTip(int month, int day, const WindowState& state);

} // namespace views
