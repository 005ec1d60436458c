#pragma once
// The texts that the copies, the pages and the tooltip share: month names, the line naming the
// place, and a value's caption.

#include "views/choices.h"
#include "views/table.h"

#include <QString>

namespace views {

// The name of month `month` (1 for January) as the month list shows it, and as a date says it
// («Φεβρουαρίου» in «13 Φεβρουαρίου»).
QString monthName(int month);
QString monthGenitive(int month);

// "Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00", after the place's name and a
// dash where the location is a place chosen by name, and with a newline.
QString placeLine(const Reading& shown);

// A date as the tooltip says it: «13 Φεβρουαρίου», with the year in a calendar year
// («21 Ιουνίου 2026»).
QString dateText(const model::Year& year, int month, int day);

// What the pages of a calendar year say of how its values are computed, and to what accuracy;
// nothing for the standard year.
QString accuracyNote(const model::Year& year);

// The clock time of noon: 12:00 plus the value as its caption shows it, so that the two agree.
// «12:29:15» for «+29 min  +15 sec»; a noon on another day says so: «13:00:00 (+1 ημ.)».
QString noonText(const CorrectionParts& parts);

// The table's caption of a value: "+29 min  +15 sec".
QString captionOf(const CorrectionParts& parts);

} // namespace views
