#include "ui/controls.h"

#include "ui/colours.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <chrono>
#include <limits>

#include "ui/x11frame.h"

namespace ui {

namespace {

// A window manager reports the frame some time after the window is shown: the window looks for
// it every FrameLookInterval, FrameLooks times (ten seconds), then takes it that there is none.
constexpr std::chrono::milliseconds FrameLookInterval{20};
constexpr int FrameLooks = 500;

// A box larger than any caption, for measuring a caption on one line.
constexpr int MeasureBox = 2000;

// A frame's caption stands this far in from its left edge, with this much room around the text.
constexpr int CaptionIndent = 6;
constexpr int CaptionPadding = 4;

// The room a line edit leaves on either side of its text.
constexpr int FieldTextMargin = 2;

// The items an open list shows at once before it scrolls.
constexpr int ListRows = 8;

// The screen the widget is on, or the primary screen before it is on one.
QScreen* screenOf(const QWidget& widget) {
    return widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
}

} // namespace

void setColours(QWidget* widget, QColor fore, QColor back, bool fillBackground) {
    // Start from the platform's palette for the widget's kind, with every role its own, so that
    // nothing of a container's colours reaches a control whose colours are not given.
    QPalette palette = QApplication::palette(widget);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    if (fore.isValid()) {
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::Text, fore);
        palette.setColor(QPalette::ButtonText, fore);
    }
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Base, back);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(fillBackground && back.isValid());
}

void setPlatformFont(QWidget* widget) {
    QFont font = QApplication::font(widget);
    font.setResolveMask(QFont::AllPropertiesResolved);
    widget->setFont(font);
}

Label::Label(QWidget* parent) : FitsCaption<QLabel>(parent), Placement(this) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    fit();
    fitFont();
}

void Label::fitFont() {
    // An auto-size label fits itself instead; one nobody sees fits as it shows.
    if (autoSize_ || text().isEmpty() || !isVisible()) return;
    const QRect box = contentsRect();
    if (box.isEmpty() || !captionFit_.changed(box.size(), text())) return;
    const QFontMetrics design(captionFit_.designFont(font()));
    // Most captions stand on one line well within their box: no need to lay them out wrapped.
    if (!text().contains(u'\n') && design.horizontalAdvance(text()) <= box.width() &&
        design.height() <= box.height()) {
        captionFit_.apply(*this, [](const QFontMetrics&) { return true; });
        return;
    }
    const int flags = static_cast<int>(alignment()) | Qt::TextWordWrap;
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList words = text().split(spaces, Qt::SkipEmptyParts);
    captionFit_.apply(*this, [&](const QFontMetrics& metrics) {
        for (const QString& word : words)
            if (metrics.horizontalAdvance(word) > box.width()) return false;
        return metrics.boundingRect(QRect(0, 0, box.width(), QWIDGETSIZE_MAX), flags, text())
                   .height() <= box.height();
    });
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    setWordWrap(!autoSize);
    fit();
}

void Label::fit() {
    if (!autoSize_) return;
    // What sizeHint() gives for a plain caption on one line with no margin, indent or frame,
    // measured once: sizeHint() lays the caption out three times (for its minimum size too).
    const int flags = (alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
    const QSize size =
        fontMetrics().boundingRect(0, 0, MeasureBox, MeasureBox, flags, text()).size();
    rect_.width = static_cast<float>(size.width() * TwipsPerPixel);
    rect_.height = static_cast<float>(size.height() * TwipsPerPixel);
    place();
}

Frame::Frame(QWidget* parent) : FitsCaption<QGroupBox>(parent), Placement(this) {
    setFocusPolicy(Qt::NoFocus);
}

void Frame::setCaption(const QString& caption) {
    setTitle(caption);
    fitFont();
}

void Frame::fitFont() {
    // The caption stands between the indent and the same room at the right.
    const int room = width() - 2 * CaptionIndent - CaptionPadding;
    if (!isVisible() || !captionFit_.changed(QSize(room, 0), title())) return;
    captionFont_ = captionFit_.font(font(), [&](const QFontMetrics& metrics) {
        return room <= 0 || metrics.horizontalAdvance(title()) <= room;
    });
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    // An etched line: a grey line with a white one beside it.
    const QRect box(0, middle, width() - 2, height() - middle - 2);
    painter.setPen(EtchGrey.colour());
    painter.drawRect(box);
    painter.setPen(White.colour());
    painter.drawRect(box.translated(1, 1));
    if (title().isEmpty()) return;
    const QFont captionFont = captionFont_.value_or(font());
    const QFontMetrics captionMetrics(captionFont);
    // A smaller caption stands in the middle of the band the designed one takes.
    const int captionTop = (metrics.height() - captionMetrics.height()) / 2;
    const QRect caption(CaptionIndent, captionTop,
                        captionMetrics.horizontalAdvance(title()) + CaptionPadding,
                        captionMetrics.height());
    painter.setFont(captionFont);
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), Placement(this) {
    // Any text of any length is accepted; nothing is cut off.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::setTextValue(const QString& value) {
    if (value != text()) setText(value);
}

void TextBox::setForeColor(QColor colour) {
    QPalette palette = this->palette();
    if (palette.color(QPalette::Text) == colour) return;
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

QColor TextBox::foreColor() const {
    return palette().color(QPalette::Text);
}

ComboBox::ComboBox(QWidget* parent) : FitsCaption<QComboBox>(parent), Placement(this) {
    setEditable(true);
    // The lists are fixed: typed text never becomes an item and is never completed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(ListRows);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // When the editing of its text finishes (Return, or the focus leaving) with a text that
    // names another item, QComboBox makes that item current and reports it as activated, as if
    // it had been picked. Typing is no pick: cut that link, so activated means a pick only.
    // Qt documents no switch for it; the link is a connection of the field's editingFinished to
    // the combo box itself. Should a Qt release wire it otherwise, the list still works, and says
    // so here (the keyboard test of leaving a list fails then too).
    if (!disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr))
        qWarning("exisosi: a list could not be kept from picking an item when its field is "
                 "left; a typed item name may count as a pick");
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::setItems(const std::vector<QString>& items) {
    for (const QString& item : items) addItem(item, 0);
    fitFont();
}

void ComboBox::fitFont() {
    if (count() == 0 || !isVisible()) return;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const int room =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
            .width() -
        2 * FieldTextMargin;
    // The list is fixed once it is set: its length stands for its items.
    if (room <= 0 || !captionFit_.changed(QSize(room, 0), QString::number(count()))) return;
    captionFit_.apply(*this, [&](const QFontMetrics& metrics) {
        for (int i = 0; i < count(); ++i)
            if (metrics.horizontalAdvance(itemText(i)) > room) return false;
        return true;
    });
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), Placement(this) {}

void OptionButton::setBackColor(QColor colour) {
    back_ = colour;
    update();
}

void OptionButton::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (back_.isValid()) painter.fillRect(rect(), back_);
    }
    QRadioButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

CommandButton::CommandButton(QWidget* parent) : FitsCaption<QPushButton>(parent), Placement(this) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::setCaption(const QString& caption) {
    setText(caption);
    fitFont();
}

void CommandButton::fitFont() {
    if (text().isEmpty() || !isVisible()) return;
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
    if (room <= 0 || !captionFit_.changed(QSize(room, 0), text())) return;
    captionFit_.apply(*this, [&](const QFontMetrics& metrics) {
        return metrics.horizontalAdvance(text()) <= room;
    });
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Form::Form() : QWidget(nullptr), Placement(this), frameWatch_(new QTimer(this)) {
    frameWatch_->setInterval(FrameLookInterval);
    connect(frameWatch_, &QTimer::timeout, this, [this] {
        if (++frameLooks_ >= FrameLooks) frameWatch_->stop(); // there is no frame
        watchFrame();
    });
}

bool Form::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Show && !frameKnown_ && frameLooks_ == 0) frameWatch_->start();
    return handled;
}

void Form::watchFrame() {
    if (frameKnown_ || !isVisible() || frameExtents().isNull()) return;
    frameKnown_ = true;
    frameWatch_->stop();
    emit FrameKnown();
}

QMargins Form::frameExtents() const {
    if (const std::optional<QMargins> reported = x11FrameExtents(*this)) return *reported;
    const QRect outer = frameGeometry(), inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

float Form::Width() const {
    const QMargins frame = frameExtents();
    return static_cast<float>((width() + frame.left() + frame.right()) * TwipsPerPixel);
}
float Form::Height() const {
    const QMargins frame = frameExtents();
    return static_cast<float>((height() + frame.top() + frame.bottom()) * TwipsPerPixel);
}

void Form::setPosition(float left, float top) {
    rect_.left = left;
    rect_.top = top;
    const QScreen* shown = screenOf(*this);
    const QPoint origin = shown ? shown->geometry().topLeft() : QPoint();
    const QMargins frame = frameExtents();
    // The client area is placed, so that the frame's top-left corner lands where it is asked.
    setGeometry(
        QRect(origin + QPoint(pixelOf(left) + frame.left(), pixelOf(top) + frame.top()), size()));
}

void Form::centre() {
    auto place = [](double start, double room, float size) {
        const float free = static_cast<float>(room) - size;
        return free >= 0.0f ? static_cast<float>(start) + free / 2.0f : static_cast<float>(start);
    };
    const QRectF area = availableArea();
    const float top = place(area.top(), area.height(), Height());
    const float left = place(area.left(), area.width(), Width());
    setPosition(left, top);
}

QRectF Form::availableArea() const {
    const QScreen* shown = screenOf(*this);
    if (!shown) return {};
    const QRect area = shown->availableGeometry().translated(-shown->geometry().topLeft());
    return {area.left() * TwipsPerPixel, area.top() * TwipsPerPixel, area.width() * TwipsPerPixel,
            area.height() * TwipsPerPixel};
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resize();
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) emit Resize();
}

} // namespace ui
