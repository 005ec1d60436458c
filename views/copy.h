#pragma once
// The text the copy command puts on the clipboard, made from what the last refresh showed:
// a line naming the place and the zone, then the table's rows or the whole year, one day a line
// as "day<TAB>caption<TAB>noon", so that a spreadsheet takes them as three columns.

#include "ui/controls.h"
#include "ui/picturebox.h"
#include "views/choices.h"

#include <QMimeData>
#include <QString>
#include <span>

namespace views {

// The place line, the month's name, then one line per day of the table:
// "1<TAB>+29 min  +15 sec<TAB>12:29:15".
// Made from the stored state, as the table's refresh made its captions.
QString tableText(const Reading& shown, const WindowState& state);

// The place line, then every month's name followed by its days, each caption made by the table's
// rule (hours shown for the whole year or for none of it) from the stored location.
QString yearText(const Reading& shown, const WindowState& state);

// The same rows as one HTML table with a header row, for spreadsheets and word processors:
// «Ημέρα», «Διόρθωση» (the caption as shown, marked as text), «Δευτερόλεπτα» (the value the
// caption shows as a signed whole number) and «Μεσημέρι» (the clock time of noon, as text); the
// year's table starts with the month.
QString tableHtml(const Reading& shown, const WindowState& state);
QString yearHtml(const Reading& shown, const WindowState& state);

// What the copy command puts on the clipboard: for the table its rows as text and as HTML; for
// the diagram the year's rows, and the panel as the screen paints it, replayed from its
// recordings at twice the screen's density (sharp, not a grab).
QMimeData* tableCopy(const Reading& shown, const WindowState& state);
// The picture goes with the text where the clipboard takes it (`picture`).
QMimeData* diagramCopy(const Reading& shown, const WindowState& state, ui::PictureBox& diagram,
                       bool picture = true);

// The reminder as text: the panel's request, then the caption and the rule of each frame on show.
QString reminderText(const ui::Label& request, std::span<ui::Frame* const> frames,
                     std::span<ui::Label* const> rules);

} // namespace views
