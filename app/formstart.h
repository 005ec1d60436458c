#pragma once
// The one window: its controls, the values it keeps, and the handlers that run on its events.

#include "ui/registry.h"
#include "views/diagram.h"
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
    void PictureM1_Paint() { PaintMonthPicture(1); }
    void PictureM2_Paint() { PaintMonthPicture(2); }
    void PictureM3_Paint() { PaintMonthPicture(3); }
    void PictureM4_Paint() { PaintMonthPicture(4); }
    void PictureM5_Paint() { PaintMonthPicture(5); }
    void PictureM6_Paint() { PaintMonthPicture(6); }
    void PictureM7_Paint() { PaintMonthPicture(7); }
    void PictureM8_Paint() { PaintMonthPicture(8); }
    void PictureM9_Paint() { PaintMonthPicture(9); }
    void PictureM10_Paint() { PaintMonthPicture(10); }
    void PictureM11_Paint() { PaintMonthPicture(11); }
    void PictureM12_Paint() { PaintMonthPicture(12); }
    void PictureMatrix_Paint();

    const views::WindowState& state() const { return state_; }
    const ui::Controls& controls() const { return controls_; }

    // Puts the view on show on the clipboard as the last refresh left it: the table as text, the
    // diagram as a picture and as the year's text, the reminder as its text. The copy command
    // (Ctrl+C outside the text fields, and the view area's menu) runs it.
    void CopyShownView();
    // The view area's menu, as the menu key or Shift+F10 open it: the commands, with their keys.
    QMenu& viewMenu() const { return *viewMenu_; }

    // Prints the view on show as the last refresh left it: the diagram on one landscape page,
    // the table on one portrait page. The reminder has nothing to print: false, and nothing is
    // printed. Runs from the print preview that the print command (Ctrl+P, the menu) opens.
    bool PrintShownView(QPrinter& printer);
    // Prints the year card of the last refresh's place: every day's value on one A4 page. Runs
    // from the print preview that «Εκτύπωση έτους…» opens; false under the reminder.
    bool PrintYearCard(QPrinter& printer);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Pointing at a month picture tells the day of the dot under the pointer and its value.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the view area shows since the last refresh.
    enum class Shown { Diagram, Table, Reminder };
    ui::PictureBox& ShownView() const;
    // What the view on show prints as, or none.
    std::optional<views::Paper> ShownPaper() const;
    // Shows one view and hides the others.
    void Show(Shown view);
    // A command of the window and of the view area's menu, with its standard keys.
    QAction* AddCommand(const QString& text, QKeySequence::StandardKey keys, const char* name);
    void PaintMonthPicture(int month);
    // Opens the print preview for the view on show, or for the year card.
    void OpenPrintDialog();
    void OpenYearCardDialog();
    views::PaperSources PaperSources() const {
        return {shown_, state_, PictureDiagram, tableLabels_};
    }
    // The menu key or Shift+F10: a text field or a list's field opens its own menu, anywhere
    // else the view area's menu opens.
    void OpenContextMenu();
    views::LocationTexts ReadLocationTexts() const;

    ui::Controls controls_;
    views::WindowState state_;

    ui::TextBox& TextMLo;
    ui::TextBox& TextPLo;
    ui::TextBox& TextDLo;
    ui::OptionButton& OptionEast;
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
    // The frame the refresh in hand is about to show, or none.
    ui::Frame* failureFrame_ = nullptr;
    // The rule each of those frames states.
    std::array<ui::Label*, 4> reminderRules_;
    // The location as the last refresh read it (after tidying), in its last paint: what the
    // copies name.
    views::LocationTexts shown_;
    Shown shownView_ = Shown::Diagram;
    QMenu* viewMenu_;
    QAction* copyAction_;
    QAction* printAction_;
    QAction* printYearAction_;
    std::array<ui::PictureBox*, model::MonthCount> months_{};
    std::array<ui::Label*, views::TimeLabelCount> timeLabels_{};
    views::TableLabels tableLabels_{};
    // The refresh has reset the table's rows: its paint hides those of no day of the month.
    bool rowsReset_ = false;
};

} // namespace app
