#pragma once
// The table of values: every day of one month with its correction as signed parts.

#include "ui/controls.h"
#include "ui/picturebox.h"
#include "views/state.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace views {

inline constexpr int TableRows = 31;

// The month of a list text (0 for January), or -1 when the text is none of the twelve names.
int MonthOf(std::string_view text);

// Whether the values show an hours part: the day-44 correction above 60 minutes or the day-305
// one below -60 minutes.
bool ShowHoursFor(const WindowState& state);

// The caption of one value: "+29 min  +15 sec", "-01 h  -46 min  -39 sec". Seconds are cut,
// never rounded; every part carries the sign of the whole, and 0 carries "+".
class CorrectionCaption {
public:
    CorrectionCaption(double seconds, bool showHours);
    std::string_view text() const { return {buffer_.data(), size_}; }

private:
    void part(char sign, double number, std::string_view unit);
    // Three parts of at most a sign, 309 digits and a unit each, and two separators.
    std::array<char, 1024> buffer_{};
    std::size_t size_ = 0;
};

struct TableLabels {
    std::array<ui::Label*, TableRows> days;
    std::array<ui::Label*, TableRows> values;
};

// Fills the table for the month named by `monthText`; a text that is no month keeps the month
// of the previous run. The month's rows show. The other rows hide where the refresh has just
// reset them (`rowsReset`) and otherwise keep their visibility: each row's visibility is set
// once, to its final value. A table nobody sees stores the month but computes no captions; the
// refresh that shows it fills it.
void PaintTable(ui::PictureBox& matrix, const LocationTexts& texts, std::string_view monthText,
                WindowState& state, const TableLabels& labels, bool rowsReset = false);

} // namespace views
