#include "views/table.h"

#include "model/correction.h"
#include "ui/colours.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace views {

using model::SecondsPerHour;
using model::SecondsPerMinute;

int monthOf(std::string_view text) {
    for (int month = 1; month <= model::MonthCount; ++month)
        if (model::ofMonth(model::MonthNames, month) == text) return month;
    return 0;
}

bool showHoursFor(const model::Year& year, const WindowState& state) {
    const model::Location at = locationOf(state);
    const double peak = year.peakSeconds(at) / SecondsPerMinute;
    const double trough = year.troughSeconds(at) / SecondsPerMinute;
    return peak > model::MinutesPerHour || trough < -model::MinutesPerHour;
}

// A zero reads "+" whatever its sign bit; a negative value is split by its magnitude. Hours are
// split off even where they are not shown.
CorrectionParts::CorrectionParts(double value, bool shown)
    : sign(value < 0.0 ? '-' : '+'), showHours(shown),
      hours(std::floor(std::fabs(value) / SecondsPerHour)),
      minutes(std::floor((std::fabs(value) - SecondsPerHour * hours) / SecondsPerMinute)),
      seconds(std::floor(std::fabs(value) - SecondsPerHour * hours - SecondsPerMinute * minutes)) {
    // Past 2^53 seconds the split is not exact, and an infinite value has no split at all.
    if (!(minutes >= 0.0 && minutes < SecondsPerMinute)) minutes = 0.0;
    if (!(seconds >= 0.0 && seconds < SecondsPerMinute)) seconds = 0.0;
}

double CorrectionParts::shownSeconds() const {
    const double whole = (showHours && std::isfinite(hours) ? SecondsPerHour * hours : 0.0) +
                         SecondsPerMinute * minutes + seconds;
    return sign == '-' ? -whole : whole;
}

CorrectionCaption::CorrectionCaption(const CorrectionParts& parts) {
    if (parts.showHours) {
        part(parts.sign, parts.hours, " h");
        part(0, 0, "  ");
    }
    part(parts.sign, parts.minutes, " min");
    part(0, 0, "  ");
    part(parts.sign, parts.seconds, " sec");
}

void CorrectionCaption::part(char sign, double number, std::string_view unit) {
    char* out = buffer_.data() + size_;
    char* const end = buffer_.data() + buffer_.size();
    if (sign) {
        *out++ = sign;
        if (number < 10.0) *out++ = '0';
        const auto written = std::to_chars(out, end - 8, number, std::chars_format::fixed, 0);
        if (written.ec == std::errc{}) out = written.ptr;
    }
    for (char c : unit) *out++ = c;
    size_ = static_cast<std::size_t>(out - buffer_.data());
}

namespace {

// A blue frame around a row's day and value, a little outside them, in the table's own scale.
void frameRow(ui::PictureBox& matrix, const ui::Label& day, const ui::Label& value) {
    constexpr double Margin = 45;
    const double left = day.Left() - Margin;
    const double right = value.Left() + value.Width() + Margin;
    const double top = std::min(day.Top(), value.Top()) - Margin / 2;
    const double bottom =
        std::max(day.Top() + day.Height(), value.Top() + value.Height()) + Margin / 2;
    constexpr QRgb Frame = ui::Blue.rgb();
    matrix.DrawWidth(2);
    matrix.Line(left, top, right, top, Frame);
    matrix.Line(right, top, right, bottom, Frame);
    matrix.Line(right, bottom, left, bottom, Frame);
    matrix.Line(left, bottom, left, top, Frame);
    matrix.DrawWidth(1);
}

} // namespace

void paintTable(ui::PictureBox& matrix, const model::Year& year, const LocationTexts& texts,
                std::string_view monthText, WindowState& state, const TableLabels& labels,
                bool rowsReset, int today) {
    matrix.Cls();
    storeLocation(texts, state);
    state.ShowHours = showHoursFor(year, state);
    if (const int month = monthOf(monthText); month != 0) state.Month = month;
    // Taken anew from the year on show, which may have changed since the month was chosen.
    state.MonthFirstDay = year.monthFirstDay(state.Month);
    state.MonthLength = static_cast<std::int16_t>(year.monthLength(state.Month));
    const bool seen = matrix.isVisibleTo(matrix.window());
    for (int row = 0; row < TableRows; ++row) {
        ui::Label& day = *labels.days[static_cast<std::size_t>(row)];
        ui::Label& value = *labels.values[static_cast<std::size_t>(row)];
        const bool shown = row < state.MonthLength;
        if (shown && seen) {
            const CorrectionCaption caption(daySeconds(year, state.MonthFirstDay + row, state),
                                            state.ShowHours);
            const std::string_view text = caption.text();
            value.setCaption(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        }
        if (shown || rowsReset) {
            day.setVisible(shown);
            value.setVisible(shown);
        }
    }
    const int row = today - state.MonthFirstDay;
    if (seen && row >= 0 && row < state.MonthLength && row < TableRows)
        frameRow(matrix, *labels.days[static_cast<std::size_t>(row)],
                 *labels.values[static_cast<std::size_t>(row)]);
}

} // namespace views
