#include "views/table.h"

#include "model/correction.h"

#include <charconv>
#include <cmath>

namespace views {

namespace {
constexpr double SecondsPerMinute = 60.0;
constexpr double SecondsPerHour = 3600.0;
} // namespace

int MonthOf(std::string_view text) {
    for (std::size_t m = 0; m < model::MonthNames.size(); ++m)
        if (model::MonthNames[m] == text) return static_cast<int>(m);
    return -1;
}

bool ShowHoursFor(const WindowState& state) {
    const double peak =
        model::CorrectionMinutes(model::PeakDay, state.Longitude, state.ZoneMeridian, state.Pi);
    const double trough =
        model::CorrectionMinutes(model::TroughDay, state.Longitude, state.ZoneMeridian, state.Pi);
    return peak > 60.0 || trough < -60.0;
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

double DaySeconds(int month, int day, const WindowState& state) {
    return model::CorrectionSeconds(model::MonthStartDays[static_cast<std::size_t>(month)] + day -
                                        1,
                                    state.Longitude, state.ZoneMeridian, state.Pi);
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

void PaintTable(ui::PictureBox& matrix, const LocationTexts& texts, std::string_view monthText,
                WindowState& state, const TableLabels& labels, bool rowsReset) {
    matrix.Cls();
    StoreLocation(texts, state);
    state.ShowHours = ShowHoursFor(state);
    if (const int month = MonthOf(monthText); month >= 0) {
        state.MonthFirstDay = model::MonthStartDays[static_cast<std::size_t>(month)];
        state.MonthLength =
            static_cast<std::int16_t>(model::MonthLengths[static_cast<std::size_t>(month)]);
    }
    const bool seen = matrix.isVisibleTo(matrix.window());
    for (int row = 0; row < TableRows; ++row) {
        ui::Label& day = *labels.days[static_cast<std::size_t>(row)];
        ui::Label& value = *labels.values[static_cast<std::size_t>(row)];
        const bool shown = row < state.MonthLength;
        if (shown && seen) {
            const double f = model::CorrectionSeconds(state.MonthFirstDay + row, state.Longitude,
                                                      state.ZoneMeridian, state.Pi);
            const CorrectionCaption caption(f, state.ShowHours);
            const std::string_view text = caption.text();
            value.setCaption(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        }
        if (shown || rowsReset) {
            day.setVisible(shown);
            value.setVisible(shown);
        }
    }
}

} // namespace views
