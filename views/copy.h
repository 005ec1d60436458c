#pragma once
// The text the copy command puts on the clipboard, made from what the last refresh showed:
// a line naming the place and the zone, then the table's rows or the whole year, one day a line
// as "day<TAB>caption", so that a spreadsheet takes them as two columns.

#include "ui/picturebox.h"
#include "views/state.h"

#include <QMimeData>
#include <QString>

namespace views {

// "Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00"
QString placeLine(const LocationTexts& texts);

// The name of month `month` (1 for January) as the month list shows it.
QString monthName(int month);

// The place line, the month's name, then one line per day of the table: "1<TAB>+29 min  +15 sec".
// Made from the stored state, as the table's refresh made its captions.
QString tableText(const LocationTexts& texts, const WindowState& state);

// The place line, then every month's name followed by its days, each caption made by the table's
// rule (hours shown for the whole year or for none of it) from the stored location.
QString yearText(const LocationTexts& texts, const WindowState& state);

// The same rows as one HTML table with a header row, for spreadsheets and word processors:
// «Ημέρα», «Διόρθωση» (the caption as shown, marked as text) and «Δευτερόλεπτα» (the value the
// caption shows as a signed whole number); the year's table starts with the month.
QString tableHtml(const WindowState& state);
QString yearHtml(const WindowState& state);

// What the copy command puts on the clipboard: for the table its rows as text and as HTML; for
// the diagram the year's rows, and the panel as the screen paints it, replayed from its
// recordings at twice the screen's density (sharp, not a grab).
QMimeData* tableCopy(const LocationTexts& texts, const WindowState& state);
QMimeData* diagramCopy(const LocationTexts& texts, const WindowState& state,
                       ui::PictureBox& diagram);

// The day (1 for the first) of a month picture whose dot stands nearest to `x`, in the picture's
// own scale, from the day width the last refresh stored.
int dayUnder(double x, int monthLength, const WindowState& state);

// What pointing at a dot says: "13 Φεβρουαρίου: +40 min  +09 sec" for month 2, day 13, with the
// year copy's hours rule and the values of the last refresh.
QString dotTip(int month, int day, const WindowState& state);

} // namespace views
