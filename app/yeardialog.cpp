#include "app/yeardialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

YearDialog::YearDialog(QWidget* parent, std::optional<int> year, int thisYear, bool place,
                       bool legal)
    : QDialog(parent),
      standard_(new QRadioButton(QStringLiteral("&Τυπικό έτος (365 ημέρες)"), this)),
      calendar_(new QRadioButton(QStringLiteral("&Ημερολογιακό έτος:"), this)),
      field_(new QLineEdit(QString::number(year.value_or(thisYear)), this)),
      note_(new QLabel(QStringLiteral("Από %1 έως %2.").arg(FirstYear).arg(LastYear), this)),
      legal_(new QCheckBox(QStringLiteral("&Θερινή ώρα του τόπου"), this)),
      legalNote_(new QLabel(this)), place_(place) {
    setObjectName(QStringLiteral("yearDialog"));
    setWindowTitle(QStringLiteral("Έτος"));
    standard_->setObjectName(QStringLiteral("yearStandard"));
    calendar_->setObjectName(QStringLiteral("yearCalendar"));
    field_->setObjectName(QStringLiteral("yearField"));
    field_->setAccessibleName(QStringLiteral("Ημερολογιακό έτος"));
    note_->setObjectName(QStringLiteral("yearNote"));
    legal_->setObjectName(QStringLiteral("legalTime"));
    legal_->setChecked(legal && place);
    legalNote_->setObjectName(QStringLiteral("legalNote"));
    (year ? calendar_ : standard_)->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(standard_);
    group->addButton(calendar_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    accept_->setText(QStringLiteral("Εντάξει"));
    accept_->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Ακύρωση"));

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(calendar_);
    fieldRow->addWidget(field_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(standard_);
    layout->addLayout(fieldRow);
    layout->addWidget(note_);
    layout->addWidget(legal_);
    layout->addWidget(legalNote_);
    layout->addWidget(buttons);

    connect(field_, &QLineEdit::textEdited, this, [this] {
        calendar_->setChecked(true);
        check();
    });
    connect(standard_, &QRadioButton::toggled, this, &YearDialog::check);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
    field_->setFocus();
    field_->selectAll();
}

std::optional<int> YearDialog::yearOf(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4) return std::nullopt;
    for (QChar c : trimmed)
        if (c < u'0' || c > u'9') return std::nullopt;
    const int year = trimmed.toInt();
    if (year < FirstYear || year > LastYear) return std::nullopt;
    return year;
}

// «Εντάξει», and with it Return, takes the choice only once it is one: the standard year, or a
// year the field holds that the program computes.
// The place's legal time needs real dates and a place: where it cannot be ticked, the line under
// it says why.
void YearDialog::check() {
    accept_->setEnabled(standard_->isChecked() || yearOf(field_->text()).has_value());
    legal_->setEnabled(calendar_->isChecked() && place_);
    legalNote_->setText(!calendar_->isChecked() ? QStringLiteral("μόνο σε ημερολογιακό έτος")
                        : !place_ ? QStringLiteral("διαλέξτε τόπο (Ctrl+L)")
                                  : QString());
    legalNote_->setVisible(!legalNote_->text().isEmpty());
}

bool YearDialog::legalTime() const {
    return legal_->isEnabled() && legal_->isChecked();
}

std::optional<int> YearDialog::chosen() const {
    if (standard_->isChecked()) return std::nullopt;
    return yearOf(field_->text());
}

} // namespace app
