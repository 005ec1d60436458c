#pragma once
// The one window: its controls, the values it keeps, and the handlers that run on its events.

#include "ui/registry.h"
#include "views/diagram.h"
#include "views/places.h"
#include "views/print.h"
#include "views/state.h"
#include "views/table.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <array>
#include <optional>

namespace app {

class FormStart : public ui::Form {
    Q_OBJECT
public:
    FormStart();

    void Form_Load();
    void Form_Resize();
    void CommandDiagram_Click();
    void CommandMatrix_Click();
    void ComboZW_Click();
    void ComboMonth_Click();
    void TextMLo_Change();
    void TextPLo_Change();
    void TextDLo_Change();
    void PictureError_Resize();
    void PictureDiagram_Paint();
    void PictureM1_Paint() { paintMonthPicture(1); }
    void PictureM2_Paint() { paintMonthPicture(2); }
    void PictureM3_Paint() { paintMonthPicture(3); }
    void PictureM4_Paint() { paintMonthPicture(4); }
    void PictureM5_Paint() { paintMonthPicture(5); }
    void PictureM6_Paint() { paintMonthPicture(6); }
    void PictureM7_Paint() { paintMonthPicture(7); }
    void PictureM8_Paint() { paintMonthPicture(8); }
    void PictureM9_Paint() { paintMonthPicture(9); }
    void PictureM10_Paint() { paintMonthPicture(10); }
    void PictureM11_Paint() { paintMonthPicture(11); }
    void PictureM12_Paint() { paintMonthPicture(12); }
    void PictureMatrix_Paint();

    const views::WindowState& state() const { return state_; }
    const ui::Controls& controls() const { return controls_; }

    // Puts the view on show on the clipboard as the last refresh left it: the table as text, the
    // diagram as a picture and as the year's text, the reminder as its text. The copy command
    // (Ctrl+C outside the text fields, and the view area's menu) runs it.
    void copyShownView();
    // The view area's menu, as the menu key or Shift+F10 open it: the commands, with their keys.
    QMenu& viewMenu() const { return *viewMenu_; }

    // Prints the view on show as the last refresh left it, the diagram or the table, on one page
    // of the printer as it is set up. The reminder has nothing to print: false, and nothing is
    // printed. Runs from the print preview that the print command (Ctrl+P, the menu) opens.
    bool printShownView(QPrinter& printer);
    // Prints the year card of the last refresh's place: every day's value on one page. Runs
    // from the print preview that «Εκτύπωση έτους…» opens; false under the reminder.
    bool printYearCard(QPrinter& printer);
    // Takes a place's longitude, to the nearest second, and the zone item of its standard time
    // (where the list has one), and refreshes the view on show as a pick in the zone list does.
    // What leaves the window names the place until a refresh reads another longitude or zone.
    // «Τόπος…» (Ctrl+L, the view area's menu) opens the dialog that chooses it.
    void choosePlace(const views::Place& place);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Pointing at a month picture tells the day of the dot under the pointer and its value.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the view area shows since the last refresh.
    enum class Shown { Diagram, Table, Reminder };
    ui::PictureBox& shownPicture() const;
    // What the view on show prints as, or none.
    std::optional<views::Paper> shownPaper() const;
    // Shows one view and hides the others.
    void showView(Shown view);
    // A command of the window and of the view area's menu, with its standard keys.
    QAction* addCommand(const QString& text, const QList<QKeySequence>& keys, const char* name);
    void paintMonthPicture(int month);
    // Opens the print preview for the view on show, or for the year card.
    void openPrintDialog();
    void openYearCardDialog();
    void openPlaceDialog();
    views::PaperSources paperSources() const {
        return {refresh_.location, state_, PictureDiagram, tableLabels_};
    }
    // The menu key or Shift+F10: a text field or a list's field opens its own menu, anywhere
    // else the view area's menu opens.
    void openContextMenu();
    views::LocationTexts readLocationTexts() const;

    ui::Controls controls_;
    views::WindowState state_;

    ui::TextBox& TextMLo;
    ui::TextBox& TextPLo;
    ui::TextBox& TextDLo;
    ui::OptionButton& OptionEast;
    ui::OptionButton& OptionWest;
    ui::ComboBox& ComboZW;
    ui::ComboBox& ComboMonth;
    ui::CommandButton& CommandDiagram;
    ui::CommandButton& CommandMatrix;
    ui::PictureBox& PictureDiagram;
    ui::PictureBox& PictureMatrix;
    ui::PictureBox& PictureError;
    ui::Label& LabelCor;
    ui::Frame& FrameErrorM;
    ui::Frame& FrameErrorP;
    ui::Frame& FrameErrorD;
    ui::Frame& FrameErrorLo;
    // The reminder's frames in check order: degrees, minutes, seconds, the whole longitude.
    std::array<ui::Frame*, 4> reminderFrames_;
    // The rule each of those frames states.
    std::array<ui::Label*, 4> reminderRules_;
    // What a refresh read and decided, recorded by Form_Resize for the handlers it runs. The
    // location stays until the next refresh: it is what every copy and printed page names.
    struct Refresh {
        views::LocationTexts location;     // the longitude texts after tidying, the side, the zone
        ui::Frame* failureFrame = nullptr; // the reminder's frame about to show, or none
        bool rowsReset = false; // the table's rows were reset: its paint hides those of no day
    };
    Refresh refresh_;
    // The place chosen by name, and the location the refresh that took it read.
    struct ChosenPlace {
        std::string name;
        views::LocationTexts location;
    };
    ChosenPlace place_;
    Shown shownView_ = Shown::Diagram;
    QMenu* viewMenu_;
    QAction* copyAction_;
    QAction* printAction_;
    QAction* printYearAction_;
    QAction* placeAction_;
    std::array<ui::PictureBox*, model::MonthCount> months_{};
    std::array<ui::Label*, views::TimeLabelCount> timeLabels_{};
    views::TableLabels tableLabels_{};
};

} // namespace app
