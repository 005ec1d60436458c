#pragma once
// The kinds of control of the window, each a Qt widget that keeps its designed twips.
// Behaviour the window relies on is made true here, in one place: writing the same text raises
// no change, a combo's click is the user's pick of an item, an auto-size label refits to every
// new caption keeping its Left and Top, other labels wrap within their size and clip.

#include "ui/captionfit.h"
#include "ui/placement.h"

#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QPushButton>
#include <QRadioButton>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace ui {

// Background and text colours given to a control; an invalid colour keeps the platform's for
// the control's kind, whatever its container shows.
void setColours(QWidget* widget, QColor fore, QColor back, bool fillBackground);
// The platform's font for the widget's kind, whatever font its container has.
void setPlatformFont(QWidget* widget);

class Label : public FitsCaption<QLabel>, public Placement {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }

private:
    void fit();
    // A label of a fixed size wraps its caption at spaces: every word must fit its width, and
    // the lines its height.
    void fitFont() override;
    bool autoSize_ = false;
};

// A bordered group with its caption set into the top line.
class Frame : public FitsCaption<QGroupBox>, public Placement {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent);
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitFont() override;
    // The caption's font, once fitted; the frame's own font stays, for the controls it holds.
    std::optional<QFont> captionFont_;
};

class TextBox : public QLineEdit, public Placement {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    // Writing the text it already holds raises no change.
    void setTextValue(const QString& text);
    void setForeColor(QColor colour);
    QColor foreColor() const;

signals:
    // Whenever the text changes, typed or written.
    void Change();
};

class ComboBox : public FitsCaption<QComboBox>, public Placement {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    // Sets the fixed list, and the font at which its longest item fits the field.
    void setItems(const std::vector<QString>& items);

private:
    void fitFont() override;

signals:
    // The user picked an item from the list (mouse, keyboard or wheel).
    void Click();
};

// The circle keeps the toolkit's look; the rest of the button's rectangle shows its background.
// The focus is drawn as a clear line around the whole button, not only the style's faint ring.
class OptionButton : public QRadioButton, public Placement {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);
    void setBackColor(QColor colour);
    QColor backColor() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
};

class CommandButton : public FitsCaption<QPushButton>, public Placement {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);
    void setCaption(const QString& caption);

signals:
    void Click();

protected:
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitFont() override;
};

// The window. Its Left and Top are screen twips of its outer frame; its Width and Height the
// outer size, the frame a window manager puts around it included.
class Form : public QWidget, public Placement {
    Q_OBJECT
public:
    Form();
    float Width() const override;
    float Height() const override;
    // Puts the outer frame's top-left corner at (left, top) screen twips.
    void setPosition(float left, float top);
    // The part of the screen the window is on that windows may take (without panels), in
    // twips from the screen's top-left corner.
    QRectF availableArea() const;
    // Puts the outer frame in the middle of the available area or, where it does not fit, its
    // top-left corner at the area's, so that the title bar stays within reach.
    void centre();
    // The frame around the client area (title bar and borders), as the window manager reports
    // it; none where there is no window manager or the window is not framed yet.
    QMargins frameExtents() const;

signals:
    // Every resize notification from the platform, minimise and restore included.
    void Resize();
    // Once, as soon as a window manager has put its frame around the shown window; never where
    // there is no frame.
    void FrameKnown();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void watchFrame();
    // Window managers report the frame some time after the window is mapped, with no event of
    // its own: the window looks for it for a while after it is first shown.
    QTimer* frameWatch_;
    int frameLooks_ = 0;
    bool frameKnown_ = false;
};

} // namespace ui
