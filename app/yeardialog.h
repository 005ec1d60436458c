#pragma once
// «Έτος»: the year on show, the standard year or a calendar year from 1900 to 2100. Worked from
// the keyboard alone: the year field has the focus with its text selected, typing in it chooses
// a calendar year, Return takes the choice once the field holds a year it takes, and Escape
// leaves everything as it was.

#include "model/solar.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {

class YearDialog : public QDialog {
    Q_OBJECT
public:
    // The years a calendar year may be.
    static constexpr int FirstYear = model::FirstSolarYear;
    static constexpr int LastYear = model::LastSolarYear;

    // Opens on the year in force: `year`, or none for the standard year, when the field shows
    // `thisYear` (the computer's); and on the place's legal time, ticked or not (`legal`), which
    // can be ticked only with a place chosen by name (`place`).
    YearDialog(QWidget* parent, std::optional<int> year, int thisYear, bool place, bool legal);

    // The year chosen: none for the standard year; and whether it is read against the place's
    // legal time. Read once the dialog is accepted.
    std::optional<int> chosen() const;
    bool legalTime() const;

    // The year a field's text names, where it is one the dialog takes.
    static std::optional<int> yearOf(const QString& text);

private:
    void check();

    QRadioButton* standard_;
    QRadioButton* calendar_;
    QLineEdit* field_;
    QLabel* note_;
    QCheckBox* legal_;
    QLabel* legalNote_;
    bool place_;
    QPushButton* accept_;
};

} // namespace app
