#include "app/formstart.h"

#include "input/location.h"
#include "ui/colours.h"
#include "views/lists.h"

#include <QLineEdit>

namespace app {

namespace {

// Where a value of the table stands from its day number, in twips.
constexpr float ValueRight = 500;
constexpr float ValueDown = 20;

const QColor Green = ui::Green.colour();
const QColor Red = ui::Red.colour();
const QColor Blue = ui::Blue.colour();

// A text box as the normalisation sees it: every write runs the box's change handler.
class BoxField final : public input::TextField {
public:
    explicit BoxField(ui::TextBox& box) : box_(box) {}
    std::string text() const override { return box_.text().toStdString(); }
    void setText(const std::string& text) override {
        box_.setTextValue(QString::fromStdString(text));
    }

private:
    ui::TextBox& box_;
};

// Where a frame of the reminder stands among its four, which follow the checks' order.
std::size_t frameIndex(input::ReminderFrame frame) {
    return static_cast<std::size_t>(frame) -
           static_cast<std::size_t>(input::ReminderFrame::Degrees);
}

void mark(ui::TextBox& box, input::FieldMark mark) {
    if (mark == input::FieldMark::Red) box.setForeColor(Red);
    if (mark == input::FieldMark::Blue) box.setForeColor(Blue);
}

} // namespace

FormStart::FormStart()
    : controls_(*this, views::windowLists()), TextMLo(controls_.get<ui::TextBox>("TextMLo")),
      TextPLo(controls_.get<ui::TextBox>("TextPLo")),
      TextDLo(controls_.get<ui::TextBox>("TextDLo")),
      OptionEast(controls_.get<ui::OptionButton>("OptionEast")),
      OptionWest(controls_.get<ui::OptionButton>("OptionWest")),
      ComboZW(controls_.get<ui::ComboBox>("ComboZW")),
      ComboMonth(controls_.get<ui::ComboBox>("ComboMonth")),
      CommandDiagram(controls_.get<ui::CommandButton>("CommandDiagram")),
      CommandMatrix(controls_.get<ui::CommandButton>("CommandMatrix")),
      PictureDiagram(controls_.get<ui::PictureBox>("PictureDiagram")),
      PictureMatrix(controls_.get<ui::PictureBox>("PictureMatrix")),
      PictureError(controls_.get<ui::PictureBox>("PictureError")),
      LabelCor(controls_.get<ui::Label>("LabelCor")),
      FrameErrorM(controls_.get<ui::Frame>("FrameErrorM")),
      FrameErrorP(controls_.get<ui::Frame>("FrameErrorP")),
      FrameErrorD(controls_.get<ui::Frame>("FrameErrorD")),
      FrameErrorLo(controls_.get<ui::Frame>("FrameErrorLo")), reminderFrames_{&FrameErrorM,
                                                                              &FrameErrorP,
                                                                              &FrameErrorD,
                                                                              &FrameErrorLo},
      reminderRules_{&controls_.get<ui::Label>("Label3"), &controls_.get<ui::Label>("Label5"),
                     &controls_.get<ui::Label>("Label10"), &controls_.get<ui::Label>("Label11")} {
    setObjectName(QStringLiteral("FormStart"));
    setWindowTitle(ui::FormTitle);
    ui::setColours(this, QColor(), ui::Black.colour(), true);
    setFixedSize(ui::pixelOf(ui::FormWidth), ui::pixelOf(ui::FormHeight));
    // A fixed single border: a close button, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    for (int month = 1; month <= model::MonthCount; ++month)
        model::ofMonth(months_, month) =
            &controls_.get<ui::PictureBox>(QStringLiteral("PictureM%1").arg(month));
    for (int i = 0; i < views::TimeLabelCount; ++i)
        timeLabels_[static_cast<std::size_t>(i)] = &controls_.get<ui::Label>("Labeltime", i);
    for (int i = 0; i < views::TableRows; ++i) {
        tableLabels_.days[static_cast<std::size_t>(i)] = &controls_.get<ui::Label>("LabelMonth", i);
        tableLabels_.values[static_cast<std::size_t>(i)] =
            &controls_.get<ui::Label>("LabelValT", i);
    }

    // Direct connections: every handler runs at once, nested inside what raised it.
    connect(&TextMLo, &ui::TextBox::Change, this, &FormStart::TextMLo_Change);
    connect(&TextPLo, &ui::TextBox::Change, this, &FormStart::TextPLo_Change);
    connect(&TextDLo, &ui::TextBox::Change, this, &FormStart::TextDLo_Change);
    connect(&ComboZW, &ui::ComboBox::Click, this, &FormStart::ComboZW_Click);
    connect(&ComboMonth, &ui::ComboBox::Click, this, &FormStart::ComboMonth_Click);
    connect(&CommandDiagram, &ui::CommandButton::Click, this, &FormStart::CommandDiagram_Click);
    connect(&CommandMatrix, &ui::CommandButton::Click, this, &FormStart::CommandMatrix_Click);
    // The toolkit also tells a hidden panel of the sizes it was given while hidden, when it is
    // rendered (grab, render) or shown. Only a panel on show answers: a hidden one is one the
    // last refresh put away, and laying it out would show it over the view (a refresh that
    // fails shows the panel itself, and is told of its size then).
    connect(&PictureError, &ui::PictureBox::Resize, this, [this] {
        if (!PictureError.isHidden()) PictureError_Resize();
    });
    // Qt also tells the window its size as it is first shown, before it shows: Form_Load has
    // just refreshed it from the same texts, so only a shown window refreshes on the notice.
    connect(this, &ui::Form::Resize, this, [this] {
        if (isVisible()) Form_Resize();
    });
    // A window manager that frames the window only once it is shown makes it taller than it was
    // when it was centred: centre it again, once, by its outer frame.
    connect(this, &ui::Form::FrameKnown, this, &ui::Form::centre);

    viewArea_ = new ViewArea(*this);
    // Return or Enter in a longitude field applies it: the button of the view chosen last.
    for (ui::TextBox* field : {&TextMLo, &TextPLo, &TextDLo})
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (state_.ViewMode == views::ViewMode::Diagram)
                CommandDiagram_Click();
            else
                CommandMatrix_Click();
        });

    Form_Load();
}

void FormStart::Form_Load() {
    // The platform window must exist for the outer size to include the frame.
    create();
    centre();
    Form_Resize();
}

views::LocationTexts FormStart::readLocationTexts() const {
    return {TextMLo.text().toStdString(), TextPLo.text().toStdString(),
            TextDLo.text().toStdString(), OptionEast.isChecked(),
            ComboZW.currentText().toStdString()};
}

void FormStart::Form_Resize() {
    BoxField degrees(TextMLo), minutes(TextPLo), seconds(TextDLo);
    input::NormaliseFields(degrees, minutes, seconds);
    viewArea_->recordRefresh(readLocationTexts());
    const input::ValidationFailure failure =
        input::CheckFields(degrees.text(), minutes.text(), seconds.text());

    if (failure != input::ValidationFailure::None) {
        const input::FailureDisplay display = input::displayOf(failure);
        mark(TextMLo, display.marks[0]);
        mark(TextPLo, display.marks[1]);
        mark(TextDLo, display.marks[2]);
        viewArea_->show(ViewArea::Shown::Reminder);
        // The panel's layout hides every frame, then the failure's shows: no moment between the
        // two can be seen, so the frame that is to show is left as it is.
        refresh_.failureFrame = display.frame == input::ReminderFrame::None
                                    ? nullptr
                                    : reminderFrames_[frameIndex(display.frame)];
        PictureError_Resize();
        if (refresh_.failureFrame) refresh_.failureFrame->show();
        refresh_.failureFrame = nullptr;
    } else {
        TextMLo.setForeColor(Green);
        TextPLo.setForeColor(Green);
        TextDLo.setForeColor(Green);
        views::storeLocation(viewArea_->reading().location, state_);
        for (int i = 0; i < views::TableRows; ++i) {
            ui::Label& day = *tableLabels_.days[static_cast<std::size_t>(i)];
            ui::Label& value = *tableLabels_.values[static_cast<std::size_t>(i)];
            day.setCaption(QString::number(i + 1));
            value.setLeft(day.Left() + ValueRight);
            value.setTop(day.Top() + ValueDown);
        }
        // Every row is hidden until the table's paint shows the month's: no moment between the
        // two can be seen, so the paint gives each row its final visibility at once.
        refresh_.rowsReset = true;
        switch (state_.ViewMode) {
        case views::ViewMode::Diagram:
            viewArea_->show(ViewArea::Shown::Diagram);
            break;
        case views::ViewMode::Table:
            viewArea_->show(ViewArea::Shown::Table);
            break;
        }
    }

    PictureDiagram_Paint();
    PictureM1_Paint();
    PictureM2_Paint();
    PictureM3_Paint();
    PictureM4_Paint();
    PictureM5_Paint();
    PictureM6_Paint();
    PictureM7_Paint();
    PictureM8_Paint();
    PictureM9_Paint();
    PictureM10_Paint();
    PictureM11_Paint();
    PictureM12_Paint();
    PictureMatrix_Paint();
}

void FormStart::CommandDiagram_Click() {
    state_.ViewMode = views::ViewMode::Diagram;
    Form_Resize();
    CommandDiagram.setFocus();
}

void FormStart::CommandMatrix_Click() {
    state_.ViewMode = views::ViewMode::Table;
    Form_Resize();
    CommandMatrix.setFocus();
}

void FormStart::ComboZW_Click() {
    if (state_.ViewMode == views::ViewMode::Diagram) {
        CommandDiagram_Click();
        CommandDiagram.setFocus();
    } else {
        CommandMatrix_Click();
        CommandMatrix.setFocus();
    }
}

void FormStart::ComboMonth_Click() {
    CommandMatrix_Click();
    CommandMatrix.setFocus();
}

void FormStart::TextMLo_Change() {
    TextMLo.setForeColor(Green);
}
void FormStart::TextPLo_Change() {
    TextPLo.setForeColor(Green);
}
void FormStart::TextDLo_Change() {
    TextDLo.setForeColor(Green);
}

void FormStart::PictureError_Resize() {
    PictureError.setHeight(PictureDiagram.Height());
    PictureError.setLeft(PictureDiagram.Left());
    PictureError.setScaleHeight(PictureDiagram.ScaleHeight());
    PictureError.setScaleWidth(PictureDiagram.ScaleWidth());
    PictureError.setTop(PictureDiagram.Top());
    PictureError.setWidth(PictureDiagram.Width());
    for (ui::Placement* child : std::initializer_list<ui::Placement*>{
             &LabelCor, &FrameErrorM, &FrameErrorP, &FrameErrorD, &FrameErrorLo})
        child->setLeft((PictureError.Width() - child->Width()) / 2.0f);
    PictureError.show();
    for (ui::Frame* frame : reminderFrames_)
        if (frame != refresh_.failureFrame) frame->hide();
}

void FormStart::PictureDiagram_Paint() {
    PictureDiagram.Cls();
    const ui::PictureBox& january = *model::ofMonth(months_, 1);
    views::setUpDiagram(viewArea_->year(), readLocationTexts(), january.Width(), january.Height(),
                        state_);
}

void FormStart::paintMonthPicture(int month) {
    const ui::PictureBox& january = *model::ofMonth(months_, 1);
    const views::JanuaryGeometry geometry{january.Width(), january.Height(), january.Top()};
    views::paintMonth(viewArea_->year(), month, *model::ofMonth(months_, month), geometry, state_,
                      month == 1 ? &timeLabels_ : nullptr, PictureDiagram.isVisibleTo(this),
                      viewArea_->reading().today);
}

void FormStart::PictureMatrix_Paint() {
    views::paintTable(PictureMatrix, viewArea_->year(), readLocationTexts(),
                      ComboMonth.currentText().toStdString(), state_, tableLabels_,
                      refresh_.rowsReset, viewArea_->reading().today);
    refresh_.rowsReset = false;
}

} // namespace app
