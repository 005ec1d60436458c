#include "app/viewarea.h"

#include "app/formstart.h"
#include "app/placedialog.h"
#include "app/platform.h"
#include "app/yeardialog.h"
#include "model/legalyear.h"
#include "ui/contents.h"
#include "views/copy.h"
#include "views/diagram.h"
#include "views/tooltip.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QHelpEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QToolTip>

namespace app {

ViewArea::ViewArea(FormStart& form)
    : QObject(&form), form_(form),
      diagram_(form.controls().get<ui::PictureBox>(QStringLiteral("PictureDiagram"))),
      table_(form.controls().get<ui::PictureBox>(QStringLiteral("PictureMatrix"))),
      reminder_(form.controls().get<ui::PictureBox>(QStringLiteral("PictureError"))),
      menu_(new QMenu(&form)),
      copyAction_(addCommand(QStringLiteral("Αντιγραφή"),
                             QKeySequence::keyBindings(QKeySequence::Copy), "copyAction")),
      // Where printing is a download, nothing more is asked: no ellipsis.
      printAction_(addCommand(platform::printsToPdf() ? QStringLiteral("Αποθήκευση σε PDF")
                                                      : QStringLiteral("Εκτύπωση…"),
                              QKeySequence::keyBindings(QKeySequence::Print), "printAction")),
      printYearAction_(addCommand(platform::printsToPdf()
                                      ? QStringLiteral("Αποθήκευση έτους σε PDF")
                                      : QStringLiteral("Εκτύπωση έτους…"),
                                  {}, "printYearAction")),
      placeAction_(addCommand(QStringLiteral("Τόπος…"), {QKeySequence(Qt::CTRL | Qt::Key_L)},
                              "placeAction")),
      // Not Ctrl+E: the longitude fields take it for the end of the line.
      yearAction_(addCommand(QStringLiteral("Έτος…"),
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}, "yearAction")) {
    // Copying and printing add no control to the window: a key each, and this menu. In a text
    // field or a list's field Ctrl+C copies the field's selection: the field claims the key
    // before the window's command sees it.
    menu_->setObjectName(QStringLiteral("viewMenu"));
    menu_->setAccessibleName(QStringLiteral("Αντιγραφή, εκτύπωση, τόπος και έτος"));
    connect(copyAction_, &QAction::triggered, this, &ViewArea::copyShownView);
    connect(printAction_, &QAction::triggered, this, [this] {
        if (const auto paper = shownPaper()) openPrintDialog(*paper);
    });
    connect(printYearAction_, &QAction::triggered, this,
            [this] { openPrintDialog(views::Paper::YearCard); });
    connect(placeAction_, &QAction::triggered, this, &ViewArea::openPlaceDialog);
    connect(yearAction_, &QAction::triggered, this, &ViewArea::openYearDialog);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, &form), &QShortcut::activated, this,
                &ViewArea::openContextMenu);
    // Under the reminder the print key is claimed and does nothing, so that no other print
    // (the browser's) answers it.
    idlePrintKey_ = new QShortcut(QKeySequence::Print, &form);
    idlePrintKey_->setEnabled(false);
    form.installEventFilter(this);
    for (ui::PictureBox* month : form.monthPictures()) month->installEventFilter(this);
}

void ViewArea::show(Shown view) {
    shown_ = view;
    // The reminder panel shows itself as it lays its frames out.
    diagram_.setVisible(view == Shown::Diagram);
    table_.setVisible(view == Shown::Table);
    if (view != Shown::Reminder) reminder_.hide();
    // The reminder has nothing to print: the print commands are disabled, and the key does
    // nothing.
    printAction_->setEnabled(shownPaper().has_value());
    printYearAction_->setEnabled(shownPaper().has_value());
    idlePrintKey_->setEnabled(!shownPaper().has_value());
}

void ViewArea::recordRefresh(const views::LocationTexts& location) {
    reading_ = views::readChoices(choices_, location);
    // Today is marked in the calendar year that holds it.
    if (const auto number = reading_.calendar().number()) {
        const QDate date = today();
        if (date.year() == *number) reading_.today = year().indexOf(date.month(), date.day());
    }
}

ui::PictureBox& ViewArea::shownPicture() const {
    switch (shown_) {
    case Shown::Diagram:
        return diagram_;
    case Shown::Table:
        return table_;
    case Shown::Reminder:
        return reminder_;
    }
    return diagram_;
}

std::optional<views::Paper> ViewArea::shownPaper() const {
    switch (shown_) {
    case Shown::Diagram:
        return views::Paper::Diagram;
    case Shown::Table:
        return views::Paper::Table;
    case Shown::Reminder:
        return std::nullopt; // nothing to print
    }
    return std::nullopt;
}

QAction* ViewArea::addCommand(const QString& text, const QList<QKeySequence>& keys,
                              const char* name) {
    auto* action = new QAction(text, &form_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    form_.addAction(action);
    menu_->addAction(action);
    return action;
}

bool ViewArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::ContextMenu) {
        // A click that no control inside the view area answered reaches the window.
        const auto* click = static_cast<QContextMenuEvent*>(event);
        if (!shownPicture().geometry().contains(click->pos())) return false;
        menu_->popup(click->globalPos());
        return true;
    }
    if (event->type() != QEvent::ToolTip) return false;
    // Pointing at a month picture tells the day of the dot under the pointer and its value.
    for (int month = 1; month <= model::MonthCount; ++month) {
        ui::PictureBox* picture = model::ofMonth(form_.monthPictures(), month);
        if (watched != picture) continue;
        const auto* help = static_cast<QHelpEvent*>(event);
        const model::Year& shownYear = year();
        const float dayWidth =
            views::dayWidthOf(shownYear, month, picture->ScaleWidth(), form_.state());
        const int day = views::dayUnder(picture->toScale(help->pos()).x(),
                                        shownYear.monthLength(month), dayWidth);
        QToolTip::showText(help->globalPos(), views::dotTip(reading_, month, day, form_.state()),
                           picture);
        return true;
    }
    return false;
}

void ViewArea::openContextMenu() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        const QPoint at = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, field->mapToGlobal(at));
        QCoreApplication::sendEvent(field, &event);
        return;
    }
    const ui::PictureBox& view = shownPicture();
    menu_->popup(view.mapToGlobal(view.rect().center()));
}

views::PaperSources ViewArea::paperSources() const {
    return {reading_, form_.state(), diagram_, form_.tableLabels()};
}

// The year card prints wherever the view on show does.
void ViewArea::openPrintDialog(views::Paper paper) {
    if (!shownPaper()) return;
    if (platform::printsToPdf())
        platform::deliverPdf(views::pdfOf(paper, paperSources()),
                             paper == views::Paper::YearCard ? QStringLiteral("exisosi-etos.pdf")
                                                             : QStringLiteral("exisosi.pdf"));
    else
        views::openPrintPreview(&form_, paper, paperSources());
}

bool ViewArea::printShownView(QPrinter& printer) {
    const auto paper = shownPaper();
    return paper && views::print(printer, *paper, paperSources());
}

bool ViewArea::printYearCard(QPrinter& printer) {
    return shownPaper() && views::print(printer, views::Paper::YearCard, paperSources());
}

namespace {

// Opens a dialog without an event loop of its own, with the focus where the dialog put it. The
// browser activates a dialog's window before its controls show, and the toolkit then gives the
// focus to the control after that one (the first button): the dialog's own choice takes it back.
void openDialog(QDialog* dialog) {
    QWidget* focus = dialog->focusWidget();
    dialog->open();
    if (focus && !focus->hasFocus()) focus->setFocus(Qt::TabFocusReason);
}

} // namespace

// The dialogs open without an event loop of their own, and act as they close.
void ViewArea::openPlaceDialog() {
    auto* dialog = new PlaceDialog(&form_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (const places::Place* place = dialog->chosen()) choosePlace(*place);
    });
    openDialog(dialog);
}

void ViewArea::openYearDialog() {
    auto* dialog = new YearDialog(&form_, reading_.calendar().number(), today().year(),
                                  choices_.placeClock != nullptr, reading_.legalTime);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { chooseYear(dialog->chosen(), dialog->legalTime()); });
    openDialog(dialog);
}

void ViewArea::chooseYear(std::optional<int> year, bool legal) {
    if (year && (*year < model::FirstSolarYear || *year > model::LastSolarYear)) return;
    if (!year)
        choices_.year.reset();
    else if (!choices_.year || choices_.year->number() != year)
        choices_.year = std::make_shared<const model::CalendarYear>(*year);
    choices_.legalYear.reset();
    if (legal && views::legalTimeOffered(choices_))
        choices_.legalYear =
            std::make_shared<const model::LegalYear>(choices_.year, choices_.placeClock);
    form_.setWindowTitle(year ? ui::FormTitle + QStringLiteral(" — %1").arg(*year) : ui::FormTitle);
    form_.ComboZW_Click();
}

QDate today() {
    // The tests give the day through the environment instead of the clock.
    const QDate given = QDate::fromString(qEnvironmentVariable("EXISOSI_TODAY"), Qt::ISODate);
    return given.isValid() ? given : QDate::currentDate();
}

void ViewArea::choosePlace(const places::Place& place) {
    const places::Dms dms = places::dmsOf(place.longitude);
    const ui::Controls& controls = form_.controls();
    controls.get<ui::TextBox>(QStringLiteral("TextMLo")).setTextValue(QString::number(dms.degrees));
    controls.get<ui::TextBox>(QStringLiteral("TextPLo")).setTextValue(QString::number(dms.minutes));
    controls.get<ui::TextBox>(QStringLiteral("TextDLo")).setTextValue(QString::number(dms.seconds));
    controls
        .get<ui::OptionButton>(dms.east ? QStringLiteral("OptionEast")
                                        : QStringLiteral("OptionWest"))
        .setChecked(true);
    if (const auto item = places::zoneItemOf(place.standardOffset)) {
        ui::ComboBox& zone = controls.get<ui::ComboBox>(QStringLiteral("ComboZW"));
        zone.setCurrentIndex(zone.findText(*item, Qt::MatchExactly));
    }
    // Another place's legal time is another choice: none until it is ticked again.
    choices_.legalYear.reset();
    form_.ComboZW_Click();
    // The refresh just run read the place's location.
    views::takePlace(choices_, reading_, place.name.toStdString(), places::clockOf(place));
}

void ViewArea::copyShownView() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return; // a platform with no clipboard
    switch (shown_) {
    case Shown::Reminder:
        clipboard->setText(
            views::reminderText(form_.controls().get<ui::Label>(QStringLiteral("LabelCor")),
                                form_.reminderFrames(), form_.reminderRules()));
        break;
    case Shown::Table:
        clipboard->setMimeData(views::tableCopy(reading_, form_.state()));
        break;
    case Shown::Diagram:
        clipboard->setMimeData(views::diagramCopy(reading_, form_.state(), diagram_,
                                                  platform::clipboardTakesPictures()));
        break;
    }
}

} // namespace app
