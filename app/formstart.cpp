#include "app/formstart.h"

#include "input/location.h"
#include "ui/fonts.h"
#include "views/copy.h"
#include "views/lists.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>
#include <qdrawutil.h>

namespace app {

namespace {

// Where a value of the table stands from its day number, in twips.
constexpr float ValueRight = 500;
constexpr float ValueDown = 20;

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

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
std::size_t FrameIndex(input::ReminderFrame frame) {
    return static_cast<std::size_t>(frame) -
           static_cast<std::size_t>(input::ReminderFrame::Degrees);
}

void Mark(ui::TextBox& box, input::FieldMark mark) {
    if (mark == input::FieldMark::Red) box.setForeColor(Red);
    if (mark == input::FieldMark::Blue) box.setForeColor(Blue);
}

} // namespace

FormStart::FormStart()
    : controls_(*this, views::WindowLists()), TextMLo(controls_.get<ui::TextBox>("TextMLo")),
      TextPLo(controls_.get<ui::TextBox>("TextPLo")),
      TextDLo(controls_.get<ui::TextBox>("TextDLo")),
      OptionEast(controls_.get<ui::OptionButton>("OptionEast")),
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
                     &controls_.get<ui::Label>("Label10"), &controls_.get<ui::Label>("Label11")},
      viewMenu_(new QMenu(this)) {
    setObjectName(QStringLiteral("FormStart"));
    setWindowTitle(ui::FormTitle);
    ui::SetColours(this, QColor(), Qt::black, true);
    setFixedSize(ui::PixelOf(ui::FormWidth), ui::PixelOf(ui::FormHeight));
    // A fixed single border: a close button, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    for (int m = 1; m <= 12; ++m)
        months_[static_cast<std::size_t>(m - 1)] =
            &controls_.get<ui::PictureBox>(QStringLiteral("PictureM%1").arg(m));
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
    connect(this, &ui::Form::FrameKnown, this, &FormStart::CentreWindow);

    // Copying adds no control to the window: a key, and a menu on the view area.
    QAction* copy = viewMenu_->addAction(QStringLiteral("Αντιγραφή"));
    viewMenu_->setAccessibleName(QStringLiteral("Αντιγραφή"));
    connect(copy, &QAction::triggered, this, [this] { CopyShownView(); });
    // In a text field or a list's field Ctrl+C copies the field's selection: the field claims
    // the key before a shortcut of the window sees it.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            [this] { CopyShownView(); });
    // Printing adds no control either: the same menu's second item, and Ctrl+P. The reminder
    // has nothing to print: its item is disabled, and the key does nothing.
    printAction_ = viewMenu_->addAction(QStringLiteral("Εκτύπωση…"));
    connect(printAction_, &QAction::triggered, this, &FormStart::OpenPrintDialog);
    connect(viewMenu_, &QMenu::aboutToShow, this,
            [this] { printAction_->setEnabled(&ShownView() != &PictureError); });
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &FormStart::OpenPrintDialog);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                &FormStart::OpenContextMenu);
    // Return or Enter in a longitude field applies it: the button of the view chosen last.
    for (ui::TextBox* field : {&TextMLo, &TextPLo, &TextDLo})
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (state_.ViewMode == views::ViewMode::Diagram)
                CommandDiagram_Click();
            else
                CommandMatrix_Click();
        });
    for (ui::PictureBox* month : months_) month->installEventFilter(this);

    Form_Load();
}

void FormStart::Form_Load() {
    // The platform window must exist for the outer size to include the frame.
    create();
    CentreWindow();
    Form_Resize();
}

void FormStart::CentreWindow() {
    // A frame larger than the area keeps its title bar and top-left part on the screen, where
    // the user can reach them.
    auto place = [](double start, double room, float size) {
        const float free = static_cast<float>(room) - size;
        return free >= 0.0f ? static_cast<float>(start) + free / 2.0f : static_cast<float>(start);
    };
    const QRectF area = availableArea();
    const float top = place(area.top(), area.height(), Height());
    const float left = place(area.left(), area.width(), Width());
    setPosition(left, top);
}

views::LocationTexts FormStart::ReadLocationTexts() const {
    return {TextMLo.text().toStdString(), TextPLo.text().toStdString(),
            TextDLo.text().toStdString(), OptionEast.isChecked(),
            ComboZW.currentText().toStdString()};
}

void FormStart::Form_Resize() {
    BoxField degrees(TextMLo), minutes(TextPLo), seconds(TextDLo);
    input::NormaliseFields(degrees, minutes, seconds);
    const input::ValidationFailure failure =
        input::CheckFields(degrees.text(), minutes.text(), seconds.text());

    if (failure != input::ValidationFailure::None) {
        const input::FailureDisplay display = input::DisplayOf(failure);
        Mark(TextMLo, display.marks[0]);
        Mark(TextPLo, display.marks[1]);
        Mark(TextDLo, display.marks[2]);
        PictureDiagram.hide();
        PictureMatrix.hide();
        // The panel's layout hides every frame, then the failure's shows: no moment between the
        // two can be seen, so the frame that is to show is left as it is.
        failureFrame_ = display.frame == input::ReminderFrame::None
                            ? nullptr
                            : reminderFrames_[FrameIndex(display.frame)];
        PictureError_Resize();
        if (failureFrame_) failureFrame_->show();
        failureFrame_ = nullptr;
    } else {
        TextMLo.setForeColor(Green);
        TextPLo.setForeColor(Green);
        TextDLo.setForeColor(Green);
        state_.ZoneMeridian = input::ReadTimeZone(ComboZW.currentText().toStdString()).ZoneMeridian;
        state_.Longitude = input::ReadLongitude(degrees.text(), minutes.text(), seconds.text(),
                                                OptionEast.isChecked())
                               .Longitude;
        state_.Pi = model::Pi;
        for (int i = 0; i < views::TableRows; ++i) {
            ui::Label& day = *tableLabels_.days[static_cast<std::size_t>(i)];
            ui::Label& value = *tableLabels_.values[static_cast<std::size_t>(i)];
            day.setCaption(QString::number(i + 1));
            value.setLeft(day.Left() + ValueRight);
            value.setTop(day.Top() + ValueDown);
        }
        // Every row is hidden until the table's paint shows the month's: no moment between the
        // two can be seen, so the paint gives each row its final visibility at once.
        rowsReset_ = true;
        if (state_.ViewMode == views::ViewMode::Diagram) {
            PictureDiagram.show();
            PictureMatrix.hide();
            PictureError.hide();
        } else {
            PictureDiagram.hide();
            PictureMatrix.show();
            PictureError.hide();
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
        if (frame != failureFrame_) frame->hide();
}

void FormStart::PictureDiagram_Paint() {
    PictureDiagram.Cls();
    const ui::PictureBox& january = *months_[0];
    views::SetUpDiagram(ReadLocationTexts(), january.Width(), january.Height(), state_);
}

void FormStart::PaintMonthPicture(int month) {
    const ui::PictureBox& january = *months_[0];
    const views::JanuaryGeometry geometry{january.Width(), january.Height(), january.Top()};
    views::PaintMonth(month, *months_[static_cast<std::size_t>(month - 1)], geometry, state_,
                      month == 1 ? &timeLabels_ : nullptr, PictureDiagram.isVisibleTo(this));
}

void FormStart::PictureMatrix_Paint() {
    // The last paint of every refresh: what it reads is what the copies name.
    shown_ = ReadLocationTexts();
    views::PaintTable(PictureMatrix, shown_, ComboMonth.currentText().toStdString(), state_,
                      tableLabels_, rowsReset_);
    rowsReset_ = false;
}

ui::PictureBox& FormStart::ShownView() const {
    if (!PictureError.isHidden()) return PictureError;
    if (!PictureMatrix.isHidden()) return PictureMatrix;
    return PictureDiagram;
}

void FormStart::contextMenuEvent(QContextMenuEvent* event) {
    // A click that no control inside the view area answered reaches the window.
    const ui::PictureBox& view = ShownView();
    if (!view.geometry().contains(event->pos())) {
        event->ignore();
        return;
    }
    viewMenu_->popup(event->globalPos());
}

void FormStart::OpenContextMenu() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        const QPoint at = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, field->mapToGlobal(at));
        QCoreApplication::sendEvent(field, &event);
        return;
    }
    const ui::PictureBox& view = ShownView();
    viewMenu_->popup(view.mapToGlobal(view.rect().center()));
}

bool FormStart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return ui::Form::eventFilter(watched, event);
    for (std::size_t m = 0; m < months_.size(); ++m) {
        if (watched != months_[m]) continue;
        const auto* help = static_cast<QHelpEvent*>(event);
        const int month = static_cast<int>(m);
        const int day =
            views::DayUnder(months_[m]->toScale(help->pos()).x(), model::MonthLengths[m], state_);
        QToolTip::showText(help->globalPos(), views::DotTip(month, day, state_), months_[m]);
        return true;
    }
    return ui::Form::eventFilter(watched, event);
}

void FormStart::OpenPrintDialog() {
    if (&ShownView() == &PictureError) return; // nothing to print
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(&ShownView() == &PictureDiagram ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintShownView(*target); });
    dialog.exec();
}

bool FormStart::PrintShownView(QPrinter& printer) {
    const ui::PictureBox& view = ShownView();
    if (&view == &PictureError) return false;
    const bool diagram = &view == &PictureDiagram;
    printer.setPageOrientation(diagram ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    if (diagram)
        PrintDiagram(painter, page);
    else
        PrintTable(painter, page);
    return painter.end();
}

namespace {
// Text on paper is set in points, in the window's face.
QFont PaperFont(double points, bool bold) {
    QFont font = ui::DesignFont(points, bold);
    font.setPointSizeF(points);
    return font;
}
// Writes the heading at the top of the page; returns where what follows it starts.
double PrintHeading(QPainter& painter, const QRectF& page, const QString& heading) {
    constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter.setFont(PaperFont(12, true));
    const QRectF box = painter.boundingRect(page, Flags, heading);
    painter.drawText(box, Flags, heading);
    return box.bottom() + box.height() / 2;
}

QColor TextColour(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText);
}
} // namespace

void FormStart::PrintDiagram(QPainter& painter, const QRectF& page) {
    const double top = PrintHeading(painter, page, views::PlaceLine(shown_).trimmed());
    // The whole panel below, drawn from its recordings and captions: vectors and text, scaled
    // to the page's width with its proportions kept.
    const QRectF room(page.left(), top, page.width(), page.bottom() - top);
    const double scale =
        std::min(room.width() / PictureDiagram.width(), room.height() / PictureDiagram.height());
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    DrawPanel(painter, PictureDiagram);
    painter.restore();
}

void FormStart::DrawPanel(QPainter& painter, const ui::PictureBox& panel) {
    const QRect whole(QPoint(), panel.size());
    painter.fillRect(whole, panel.backColor());
    // The sunken border: dark at the top and left, light at the bottom and right.
    qDrawWinPanel(&painter, whole, panel.palette(), true);
    for (QObject* object : panel.children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isHidden()) continue;
        painter.save();
        painter.translate(widget->pos());
        const QRect box(QPoint(), widget->size());
        if (const auto* picture = qobject_cast<ui::PictureBox*>(widget)) {
            painter.fillRect(box, picture->backColor());
            picture->draw(painter);
        } else if (const auto* label = qobject_cast<ui::Label*>(widget)) {
            if (label->autoFillBackground())
                painter.fillRect(box, label->palette().color(QPalette::Window));
            painter.setFont(label->font());
            painter.setPen(TextColour(*label));
            painter.drawText(box, static_cast<int>(label->alignment()) | Qt::TextWordWrap,
                             label->caption());
        }
        painter.restore();
    }
}

void FormStart::PrintTable(QPainter& painter, const QRectF& page) {
    double top = PrintHeading(painter, page, views::PlaceLine(shown_).trimmed());
    // The month, the days and the values in the colours the window gives them.
    const QColor dayColour = TextColour(*tableLabels_.days[0]);
    const QColor valueColour = TextColour(*tableLabels_.values[0]);
    if (const int month = views::MonthStartingOn(state_.MonthFirstDay); month >= 0) {
        const QString name = views::MonthName(month);
        painter.setPen(dayColour);
        painter.drawText(QPointF(page.left(), top + painter.fontMetrics().ascent()), name);
        top += painter.fontMetrics().height() * 1.5;
    }
    // The days right-aligned in their column, the values beside them.
    painter.setFont(PaperFont(11.25, true));
    const QFontMetricsF metrics(painter.font());
    const double dayColumn = metrics.horizontalAdvance(QStringLiteral("31"));
    const double valueLeft =
        page.left() + dayColumn + metrics.horizontalAdvance(QStringLiteral("    "));
    const double pitch = metrics.height() * 1.25;
    for (int row = 0; row < state_.MonthLength && row < views::TableRows; ++row) {
        const double baseline = top + row * pitch + metrics.ascent();
        const QString day = QString::number(row + 1);
        painter.setPen(dayColour);
        painter.drawText(
            QPointF(page.left() + dayColumn - metrics.horizontalAdvance(day), baseline), day);
        painter.setPen(valueColour);
        painter.drawText(QPointF(valueLeft, baseline),
                         tableLabels_.values[static_cast<std::size_t>(row)]->caption());
    }
}

void FormStart::CopyShownView() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return; // a platform with no clipboard
    auto* data = new QMimeData;
    const ui::PictureBox& view = ShownView();
    if (&view == &PictureError) {
        // The panel's request, then the caption and the rule of the frame on show.
        QString text = LabelCor.caption() + u'\n';
        for (std::size_t i = 0; i < reminderFrames_.size(); ++i)
            if (!reminderFrames_[i]->isHidden())
                text += reminderFrames_[i]->title() + u'\n' + reminderRules_[i]->caption() + u'\n';
        data->setText(text);
    } else if (&view == &PictureMatrix) {
        QStringList captions;
        for (int row = 0; row < state_.MonthLength && row < views::TableRows; ++row)
            captions << tableLabels_.values[static_cast<std::size_t>(row)]->caption();
        data->setText(
            views::TableText(shown_, views::MonthStartingOn(state_.MonthFirstDay), captions));
        data->setHtml(views::TableHtml(captions));
    } else {
        data->setText(views::YearText(shown_, state_));
        data->setHtml(views::YearHtml(state_));
        // The recorded drawings replayed at twice the screen's density: sharp, not a grab.
        const qreal density = 2 * PictureDiagram.devicePixelRatioF();
        QImage picture(PictureDiagram.size() * density, QImage::Format_RGB32);
        picture.setDevicePixelRatio(density);
        picture.fill(PictureDiagram.backColor());
        PictureDiagram.render(&picture);
        data->setImageData(picture);
    }
    clipboard->setMimeData(data);
}

} // namespace app
