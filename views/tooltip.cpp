#include "views/tooltip.h"

#include "views/table.h"
#include "views/texts.h"

#include <cmath>

namespace views {

int dayUnder(double x, int monthLength, float dayWidth) {
    if (monthLength <= 0) return 1;
    // The dot of day d stands at d - 1/2 day widths; the nearer dot wins.
    const double column = dayWidth > 0 ? std::floor(x / dayWidth) : 0.0;
    if (!std::isfinite(column) || column < 0) return 1;
    return column >= monthLength ? monthLength : static_cast<int>(column) + 1;
}

QString dotTip(const Reading& shown, int month, int day, const WindowState& state) {
    const model::Year& year = shown.calendar();
    const CorrectionParts parts(daySeconds(year, year.indexOf(month, day), state),
                                showHoursFor(year, state));
    const bool today = shown.today != 0 && shown.today == year.indexOf(month, day);
    return QStringLiteral("%1%2: %3, μεσημέρι %4")
        .arg(today ? QStringLiteral("Σήμερα, ") : QString(), dateText(year, month, day),
             captionOf(parts), noonText(parts));
}

} // namespace views
