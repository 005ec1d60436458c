#include "views/diagram.h"

#include "model/correction.h"

#include <cmath>

namespace views {

namespace {
bool multipleOf5(double whole) {
    return std::fmod(whole, 5.0) == 0.0;
}
} // namespace

double topMinuteFor(double peakMinutes, double step) {
    double top = std::floor(peakMinutes / step + 0.5);
    top += multipleOf5(top + 2.0) ? 1.0 : 2.0;
    return top * step;
}

double minuteStepFor(double peakMinutes, double troughMinutes) {
    constexpr std::array<double, 12> Steps{1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
    if (!std::isfinite(peakMinutes) || !std::isfinite(troughMinutes)) return Steps.front();
    for (double step : Steps)
        if (topMinuteFor(peakMinutes, step) - MinutesDown * step <= troughMinutes) return step;
    return Steps.back();
}

void setUpDiagram(const model::Year& year, const LocationTexts& texts, float januaryWidth,
                  float januaryHeight, WindowState& state) {
    storeLocation(texts, state);
    const double peak = year.peakSeconds(locationOf(state)) / model::SecondsPerMinute;
    const double trough = year.troughSeconds(locationOf(state)) / model::SecondsPerMinute;
    // The standard year keeps the design's minute rows, whatever the values.
    state.MinuteStep = year.number() ? minuteStepFor(peak, trough) : 1;
    state.TopMinute = topMinuteFor(peak, state.MinuteStep);
    state.DayWidth = januaryWidth / DaysAcross;
    state.MinuteHeight = januaryHeight / (MinutesDown * static_cast<float>(state.MinuteStep));
}

double roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

const MonthStyle& styleOf(int month) {
    constexpr QRgb Odd = ui::Periwinkle.rgb(); // January, March, …
    constexpr QRgb Even = ui::PaleGreen.rgb(); // February, April, …
    static const std::array<MonthStyle, model::MonthCount> styles{{
        {Odd, {9.5f, 19.5f}},
        {Even, {9.5f, 19.5f}},
        {Odd, {10, 20}},
        {Even, {10, 20}},
        {Odd, {10, 20}},
        {Even, {10, 20}},
        {Odd, {10, 20}},
        {Even, {10, 20}},
        {Odd, {10, 20}},
        {Even, {10, 20}},
        {Odd, {10, 20}},
        {Even, {10, 20}},
    }};
    return model::ofMonth(styles, month);
}

float dayWidthOf(const model::Year& year, int month, float scaleWidth, const WindowState& state) {
    const int days = year.monthLength(month);
    if (days <= 0 || (static_cast<float>(days) - 0.5f) * state.DayWidth <= scaleWidth)
        return state.DayWidth;
    return scaleWidth / static_cast<float>(days);
}

void paintMonth(const model::Year& year, int month, ui::PictureBox& picture,
                const JanuaryGeometry& january, const WindowState& state,
                const std::array<ui::Label*, TimeLabelCount>* timeLabels, bool record, int today) {
    const MonthStyle& style = styleOf(month);
    const double h = january.height;
    const double w = january.width;
    const float dayWidth = dayWidthOf(year, month, picture.ScaleWidth(), state);

    if (record) {
        picture.Cls();
        picture.DrawWidth(2);
        picture.Line(0, 0, 0, h, style.line);
        picture.DrawWidth(1);
        for (float days : style.dayLines) {
            const double a = days * dayWidth; // single precision, as DayWidth is
            picture.Line(a, 0, a, h, style.line);
        }
    }

    std::size_t labelIndex = 0;
    for (int r = 1; r <= GridRows; ++r) {
        const double y = RowPitch * (r - 1);
        const double v = state.TopMinute - (r - 1) * state.MinuteStep;
        const bool fifth = multipleOf5(v / state.MinuteStep);
        // Beyond 2^53 minutes neighbouring rows can share a value, so more than seven rows may
        // test as multiples of 5; only seven labels exist.
        if (fifth && timeLabels && labelIndex < timeLabels->size()) {
            ui::Label& label = *(*timeLabels)[labelIndex];
            label.setCaption(QString::fromStdString(model::FormatMinuteLabel(v)));
            const double share =
                model::minuteLabelHasTwoParts(v) ? TwoPartLabelShare : OnePartLabelShare;
            label.setTop(static_cast<float>(january.top + y - label.Height() / share));
            ++labelIndex;
        }
        if (record) {
            picture.DrawWidth(fifth ? 2 : 1);
            picture.Line(0, y, w, y, GridColour);
        }
    }
    if (!record) return;

    // Day d + 1 of the month stands in column d.
    const int days = year.monthLength(month);
    const model::Location at = locationOf(state);
    for (int d = 0; d < days; ++d) {
        const double c =
            daySeconds(year, year.indexOf(month, d + 1), state) / model::SecondsPerMinute;
        const double y = roundHalfEven((state.TopMinute - c) * state.MinuteHeight);
        const float x = static_cast<float>(d) * dayWidth + dayWidth / 2.0f;
        const int index = year.indexOf(month, d + 1);
        const int first = year.summerTime(index, at) ? RingInnerRadius : 1;
        for (int radius = first; radius <= DotCircles; ++radius)
            picture.Circle(x, y, radius, DotColour);
        if (index == today) {
            picture.DrawWidth(2);
            picture.Circle(x, y, TodayRadius, TodayColour);
            picture.DrawWidth(1);
        }
    }
}

} // namespace views
