#pragma once
// The year diagram's common scale and the twelve month pictures drawn against it.

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/picturebox.h"
#include "views/state.h"

#include <array>

namespace views {

// The minute at the top edge of every month picture: the year's largest correction (the
// standard year's is day 44's) rounded half up, then raised by 1 or 2 so that it is never a
// multiple of 5.
// With rows `step` minutes apart, the top is a multiple of the step, never of five steps.
double topMinuteFor(double peakMinutes, double step = 1);

// The least of 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30 and 60 minutes whose 35 steps below the top
// hold the year's smallest value. The standard year keeps 1.
double minuteStepFor(double peakMinutes, double troughMinutes);

// Stores the location and the common scale (TopMinute, DayWidth, MinuteHeight, MinuteStep).
void setUpDiagram(const model::Year& year, const LocationTexts& texts, float januaryWidth,
                  float januaryHeight, WindowState& state);

// The width of a day in month `month`'s picture, `scaleWidth` wide in its own scale: the stored
// DayWidth, unless the month's last dot would then stand beyond the picture (29 February), when
// the month's days share the picture's width.
float dayWidthOf(const model::Year& year, int month, float scaleWidth, const WindowState& state);

// The nearest whole number, halves going to the even neighbour.
double roundHalfEven(double value);

struct MonthStyle {
    QRgb line;                     // border and day lines
    std::array<float, 2> dayLines; // in day widths
};
const MonthStyle& styleOf(int month);

// The January picture spans 31 day widths across and 35 minute heights down.
inline constexpr float DaysAcross = 31.0f;
inline constexpr float MinutesDown = 35.0f;
inline constexpr int GridRows = 36;
inline constexpr int RowPitch = 143;
inline constexpr int TimeLabelCount = 7;
inline constexpr QRgb GridColour = ui::Red.rgb();
inline constexpr QRgb DotColour = ui::Black.rgb();
inline constexpr int DotCircles = 15;
// A summer-time day's ring: the dot's outer circles alone. Today's ring, around the dot.
inline constexpr int RingInnerRadius = 10;
inline constexpr QRgb TodayColour = ui::Blue.rgb();
inline constexpr int TodayRadius = 19;
// A minute label stands a part of its height above its grid row: a quarter, or a third where it
// shows hours and minutes (its text wraps to two lines).
inline constexpr double OnePartLabelShare = 4.0;
inline constexpr double TwoPartLabelShare = 3.0;

// The size and place of the January picture, which every month's lines are measured from.
struct JanuaryGeometry {
    float width;
    float height;
    float top;
};

// Draws month `month` (1 to 12) from scratch. For January `timeLabels` are the seven minute
// labels, filled from top to bottom; other months pass none. A picture nobody sees is not
// recorded (`record` false): the labels are still written, and the refresh that shows the
// diagram records it.
// A day in summer time is a ring rather than a dot; `today` (an index of the year, 0 for none)
// has a blue ring around it.
void paintMonth(const model::Year& year, int month, ui::PictureBox& picture,
                const JanuaryGeometry& january, const WindowState& state,
                const std::array<ui::Label*, TimeLabelCount>* timeLabels, bool record = true,
                int today = 0);

} // namespace views
