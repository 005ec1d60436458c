#pragma once
// The kinds of control of the window, each a Qt widget that keeps its designed twips.
// Behaviour the window relies on is made true here, in one place: writing the same text raises
// no change, a combo's click is the user's pick of an item, an auto-size label refits to every
// new caption keeping its Left and Top, other labels wrap within their size and clip.

#include "ui/placement.h"

#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>

namespace ui {

// Background and text colours given to a control; an invalid colour keeps the platform's.
void SetColours(QWidget* widget, QColor fore, QColor back, bool fillBackground);

class Label : public QLabel, public Placement {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    QColor foreColor() const;

private:
    void fit();
    bool autoSize_ = false;
};

// A bordered group with its caption set into the top line.
class Frame : public QGroupBox, public Placement {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TextBox : public QLineEdit, public Placement {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    // Writing the text it already holds raises no change.
    void setTextValue(const QString& text);
    void setForeColor(QColor colour);
    QColor foreColor() const;
    // Runs whenever the text changes, typed or written.
    std::function<void()> onChange;
};

class ComboBox : public QComboBox, public Placement {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    // Runs when the user picks an item from the list (mouse, keyboard or wheel).
    std::function<void()> onClick;
};

class OptionButton : public QRadioButton, public Placement {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);
};

class CommandButton : public QPushButton, public Placement {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);
    std::function<void()> onClick;

protected:
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
};

// The window. Its Left and Top are screen twips; its Width and Height the outer size.
class Form : public QWidget, public Placement {
    Q_OBJECT
public:
    Form();
    float Width() const override;
    float Height() const override;
    void setPosition(float left, float top);
    // The size of the screen the window is on, in twips.
    float screenWidth() const;
    float screenHeight() const;
    // Every resize notification from the platform, minimise and restore included.
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace ui
