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

// The month of a list text (1 for January), or 0 when the text is none of the twelve names.
int monthOf(std::string_view text);

// Whether the values show an hours part: the year's largest correction above 60 minutes or its
// smallest below -60 minutes (the standard year's are days 44 and 305).
bool showHoursFor(const model::Year& year, const WindowState& state);

// The parts a value shows: whole hours (where shown), minutes and seconds of its magnitude, cut,
// never rounded, and the sign of the whole, which every part carries; 0 carries "+".
struct CorrectionParts {
    CorrectionParts(double seconds, bool showHours);
    // The signed whole number of seconds the parts show: "-01 h  -46 min  -39 sec" is -6399,
    // "+29 min  +15 sec" 1755. An hours part that is no number counts nothing.
    double shownSeconds() const;

    char sign;
    bool showHours;
    double hours;
    double minutes;
    double seconds;
};

// The caption of one value: "+29 min  +15 sec", "-01 h  -46 min  -39 sec".
class CorrectionCaption {
public:
    CorrectionCaption(double seconds, bool showHours)
        : CorrectionCaption(CorrectionParts(seconds, showHours)) {}
    explicit CorrectionCaption(const CorrectionParts& parts);
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
// Today's row (`today`, an index of the year; 0 for none) has a blue frame.
void paintTable(ui::PictureBox& matrix, const model::Year& year, const LocationTexts& texts,
                std::string_view monthText, WindowState& state, const TableLabels& labels,
                bool rowsReset = false, int today = 0);

} // namespace views
