#include "app/formstart.h"

#include "app/placedialog.h"
#include "views/copy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

// The view area's side of the window: which view is on show, and what the user can do with it
// (copy, print, point at a dot, open its menu).

namespace app {

void FormStart::showView(Shown view) {
    shownView_ = view;
    // The reminder panel shows itself as it lays its frames out.
    PictureDiagram.setVisible(view == Shown::Diagram);
    PictureMatrix.setVisible(view == Shown::Table);
    if (view != Shown::Reminder) PictureError.hide();
    // The reminder has nothing to print: the print commands are disabled, and the key does
    // nothing.
    printAction_->setEnabled(shownPaper().has_value());
    printYearAction_->setEnabled(shownPaper().has_value());
}

ui::PictureBox& FormStart::shownPicture() const {
    switch (shownView_) {
    case Shown::Diagram:
        return PictureDiagram;
    case Shown::Table:
        return PictureMatrix;
    case Shown::Reminder:
        return PictureError;
    }
    return PictureDiagram;
}

QAction* FormStart::addCommand(const QString& text, const QList<QKeySequence>& keys,
                               const char* name) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    addAction(action);
    viewMenu_->addAction(action);
    return action;
}

void FormStart::contextMenuEvent(QContextMenuEvent* event) {
    // A click that no control inside the view area answered reaches the window.
    const ui::PictureBox& view = shownPicture();
    if (!view.geometry().contains(event->pos())) {
        event->ignore();
        return;
    }
    viewMenu_->popup(event->globalPos());
}

void FormStart::openContextMenu() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        const QPoint at = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, field->mapToGlobal(at));
        QCoreApplication::sendEvent(field, &event);
        return;
    }
    const ui::PictureBox& view = shownPicture();
    viewMenu_->popup(view.mapToGlobal(view.rect().center()));
}

bool FormStart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return ui::Form::eventFilter(watched, event);
    for (int month = 1; month <= model::MonthCount; ++month) {
        ui::PictureBox* picture = model::ofMonth(months_, month);
        if (watched != picture) continue;
        const auto* help = static_cast<QHelpEvent*>(event);
        const int day = views::dayUnder(picture->toScale(help->pos()).x(),
                                        model::ofMonth(model::MonthLengths, month), state_);
        QToolTip::showText(help->globalPos(), views::dotTip(month, day, state_), picture);
        return true;
    }
    return ui::Form::eventFilter(watched, event);
}

std::optional<views::Paper> FormStart::shownPaper() const {
    switch (shownView_) {
    case Shown::Diagram:
        return views::Paper::Diagram;
    case Shown::Table:
        return views::Paper::Table;
    case Shown::Reminder:
        return std::nullopt; // nothing to print
    }
    return std::nullopt;
}

void FormStart::openPrintDialog() {
    if (const auto paper = shownPaper()) views::openPrintPreview(this, *paper, paperSources());
}

bool FormStart::printShownView(QPrinter& printer) {
    const auto paper = shownPaper();
    return paper && views::print(printer, *paper, paperSources());
}

// The year card prints wherever the view on show does.
void FormStart::openYearCardDialog() {
    if (shownPaper()) views::openPrintPreview(this, views::Paper::YearCard, paperSources());
}

bool FormStart::printYearCard(QPrinter& printer) {
    return shownPaper() && views::print(printer, views::Paper::YearCard, paperSources());
}

void FormStart::openPlaceDialog() {
    PlaceDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const views::Place* place = dialog.chosen()) choosePlace(*place);
}

void FormStart::choosePlace(const views::Place& place) {
    const views::Dms dms = views::dmsOf(place.longitude);
    TextMLo.setTextValue(QString::number(dms.degrees));
    TextPLo.setTextValue(QString::number(dms.minutes));
    TextDLo.setTextValue(QString::number(dms.seconds));
    (dms.east ? OptionEast : OptionWest).setChecked(true);
    if (const auto item = views::zoneItemOf(place.standardOffset))
        ComboZW.setCurrentIndex(ComboZW.findText(*item, Qt::MatchExactly));
    ComboZW_Click();
    // The refresh just run read the place's location: what leaves the window names the place
    // while a refresh reads the same.
    place_ = {place.name.toStdString(), refresh_.location};
    refresh_.location.place = place_.name;
}

void FormStart::copyShownView() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return; // a platform with no clipboard
    switch (shownView_) {
    case Shown::Reminder: {
        // The panel's request, then the caption and the rule of the frame on show.
        QString text = LabelCor.caption() + u'\n';
        for (std::size_t i = 0; i < reminderFrames_.size(); ++i)
            if (!reminderFrames_[i]->isHidden())
                text += reminderFrames_[i]->title() + u'\n' + reminderRules_[i]->caption() + u'\n';
        clipboard->setText(text);
        break;
    }
    case Shown::Table:
        clipboard->setMimeData(views::tableCopy(refresh_.location, state_));
        break;
    case Shown::Diagram:
        clipboard->setMimeData(views::diagramCopy(refresh_.location, state_, PictureDiagram));
        break;
    }
}

} // namespace app
