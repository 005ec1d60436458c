#pragma once
// The window's view area: which view is on show, its menu and the commands in it (copy, print,
// the year card, a place by name), the tooltip of the diagram's dots, and the record of what the
// user chose outside the controls and what the last refresh read.

#include "model/calendaryear.h"
#include "places/places.h"
#include "ui/controls.h"
#include "ui/picturebox.h"
#include "views/choices.h"
#include "views/print.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>
#include <optional>

class QDate;

namespace app {

class FormStart;

// The computer's date, or the one the environment variable EXISOSI_TODAY gives (YYYY-MM-DD).
QDate today();

class ViewArea : public QObject {
    Q_OBJECT
public:
    // What the view area shows since the last refresh.
    enum class Shown { Diagram, Table, Reminder };

    // Works in `form`'s controls; its commands sit on the window and in the menu.
    explicit ViewArea(FormStart& form);

    // Shows one view and hides the others; the print commands follow what can be printed.
    void show(Shown view);
    Shown shown() const { return shown_; }

    // Records what a refresh read from the controls, with the choices in force for it.
    void recordRefresh(const views::LocationTexts& location);
    const views::Reading& reading() const { return reading_; }
    const model::Year& year() const { return reading_.calendar(); }

    // Puts the view on show on the clipboard as the last refresh left it: the table as text, the
    // diagram as a picture and as the year's text, the reminder as its text. The copy command
    // (Ctrl+C outside the text fields, and the menu) runs it.
    void copyShownView();
    // Prints the view on show as the last refresh left it, the diagram or the table, on one page
    // of the printer as it is set up. The reminder has nothing to print: false, and nothing is
    // printed. Runs from the print preview that the print command (Ctrl+P, the menu) opens.
    bool printShownView(QPrinter& printer);
    // Prints the year card of the last refresh's place: every day's value on one page. Runs from
    // the print preview that «Εκτύπωση έτους…» opens; false under the reminder.
    bool printYearCard(QPrinter& printer);
    // Takes a place's longitude, to the nearest second, and the zone item of its standard time
    // (where the list has one), and refreshes the view on show as a pick in the zone list does.
    // What leaves the window names the place until a refresh reads another longitude or zone.
    // «Τόπος…» (Ctrl+L, the menu) opens the dialog that chooses it.
    void choosePlace(const places::Place& place);
    // Takes the year on show (none: the standard year), read against the place's legal time
    // where `legal` (in a calendar year, with a place chosen by name whose zone the program
    // knows), and refreshes the view on show as a pick in the zone list does. «Έτος…»
    // (Ctrl+Shift+E, the menu) opens the dialog that chooses them.
    void chooseYear(std::optional<int> year, bool legal = false);

    // The menu, as a right click on the view, the menu key or Shift+F10 open it.
    QMenu& menu() const { return *menu_; }

protected:
    // The window's context menu and the month pictures' tooltips.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::PictureBox& shownPicture() const;
    // What the view on show prints as, or none.
    std::optional<views::Paper> shownPaper() const;
    // A command of the window and of the menu, with its standard keys.
    QAction* addCommand(const QString& text, const QList<QKeySequence>& keys, const char* name);
    // The menu key or Shift+F10: a text field or a list's field opens its own menu, anywhere
    // else the view area's menu opens.
    void openContextMenu();
    void openPrintDialog(views::Paper paper);
    void openPlaceDialog();
    void openYearDialog();
    views::PaperSources paperSources() const;

    FormStart& form_;
    ui::PictureBox& diagram_;
    ui::PictureBox& table_;
    ui::PictureBox& reminder_;
    views::Choices choices_;
    views::Reading reading_;
    Shown shown_ = Shown::Diagram;
    QMenu* menu_;
    QAction* copyAction_;
    QAction* printAction_;
    QAction* printYearAction_;
    QAction* placeAction_;
    QAction* yearAction_;
    QShortcut* idlePrintKey_;
};

} // namespace app
