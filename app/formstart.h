#pragma once
// The one window: its controls, the values it keeps, and the handlers that run on its events.
// What the user does with the view on show is the view area's (app/viewarea.h).

#include "app/viewarea.h"
#include "ui/registry.h"
#include "views/diagram.h"
#include "views/state.h"
#include "views/table.h"

#include <array>

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
    ViewArea& viewArea() const { return *viewArea_; }
    const std::array<ui::PictureBox*, model::MonthCount>& monthPictures() const { return months_; }
    const views::TableLabels& tableLabels() const { return tableLabels_; }
    // The reminder's frames in check order (degrees, minutes, seconds, the whole longitude), and
    // the rule each states.
    const std::array<ui::Frame*, 4>& reminderFrames() const { return reminderFrames_; }
    const std::array<ui::Label*, 4>& reminderRules() const { return reminderRules_; }

private:
    void paintMonthPicture(int month);
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
    std::array<ui::Frame*, 4> reminderFrames_;
    std::array<ui::Label*, 4> reminderRules_;
    // What Form_Resize decided, for the handlers it runs.
    struct Refresh {
        ui::Frame* failureFrame = nullptr; // the reminder's frame about to show, or none
        bool rowsReset = false; // the table's rows were reset: its paint hides those of no day
    };
    Refresh refresh_;
    std::array<ui::PictureBox*, model::MonthCount> months_{};
    std::array<ui::Label*, views::TimeLabelCount> timeLabels_{};
    views::TableLabels tableLabels_{};
    // Made last: it finds the controls above.
    ViewArea* viewArea_;
};

} // namespace app
