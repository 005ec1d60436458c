#include "ui/factory.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/picturebox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {

namespace {

constexpr char AlertProperty[] = "exisosiAlert";

// A control marked Alert shows itself to assistive technology as an alert, which screen readers
// read out, name and description, as soon as it appears.
QAccessibleInterface* AlertInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(AlertProperty).toBool()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

template <class Control> Control* create(const ControlSpec&, QWidget* parent) {
    return new Control(parent);
}
template <> PictureBox* create<PictureBox>(const ControlSpec& design, QWidget* parent) {
    return new PictureBox(parent, design.flags & flag::Border);
}

// What each kind takes from its row once its face and colours are set.
void fill(Frame& frame, const ControlSpec& design) {
    frame.setCaption(design.caption);
}

void fill(Label& label, const ControlSpec& design) {
    Qt::Alignment align = Qt::AlignTop;
    align |= (design.flags & flag::AlignRight)    ? Qt::AlignRight
             : (design.flags & flag::AlignCenter) ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
    label.setAlignment(align);
    label.setAutoSize(design.flags & flag::AutoSize);
    label.setCaption(design.caption);
}

void fill(TextBox& box, const ControlSpec& design) {
    box.setText(design.caption);
    box.setCursorPosition(0);
}

void fill(OptionButton& option, const ControlSpec& design) {
    option.setText(design.caption);
    option.setChecked(design.flags & flag::Selected);
    // Its background is painted under the circle; the palette stays the platform's.
    option.setBackColor(design.back.colour());
}

void fill(ComboBox& combo, const ControlSpec& design) {
    combo.setItems(design.items);
    // The list stands at the item its text shows, so that the arrow keys step from there and
    // leaving the field picks nothing.
    combo.setCurrentIndex(combo.findText(design.caption, Qt::MatchExactly));
    combo.setEditText(design.caption);
}

void fill(CommandButton& button, const ControlSpec& design) {
    button.setCaption(design.caption);
}

void fill(PictureBox& picture, const ControlSpec& design) {
    const float inside = 2 * static_cast<float>(picture.frameWidth() * TwipsPerPixel);
    picture.setScaleWidth(design.scaleWidth > 0 ? design.scaleWidth : design.rect.width - inside);
    picture.setScaleHeight(design.scaleHeight > 0 ? design.scaleHeight
                                                  : design.rect.height - inside);
}

template <class Control> Placement* make(const ControlSpec& design, QWidget* parent) {
    Control* made = create<Control>(design, parent);
    made->setObjectName(controlName(design.name, design.index));
    // Before the caption: setting it makes Qt look up (and keep) the control's interface.
    if (design.flags & flag::Alert) made->setProperty(AlertProperty, true);
    // The face and colours before the caption and items, so that each is laid out once.
    if (design.points > 0)
        made->setFont(designFont(design.points, design.bold));
    else
        setPlatformFont(made);
    setColours(made, design.fore.colour(),
               design.kind == Kind::OptionButton ? QColor() : design.back.colour(),
               !(design.flags & flag::Transparent));
    // The rectangle before the caption, so that an auto-size label fits from its designed
    // corner; the widget is placed once, when it joins its container.
    made->setTwipRect(design.rect);
    fill(*made, design);
    if (!design.accessibleName.isEmpty()) made->setAccessibleName(design.accessibleName);
    made->setAccessibleDescription(design.accessibleDescription);
    return made;
}

} // namespace

void installAlertAccessibility() {
    QAccessible::installFactory(AlertInterface); // installs it once, however often it is called
}

Placement* makeControl(const ControlSpec& design, QWidget* parent) {
    switch (design.kind) {
    case Kind::Frame:
        return make<Frame>(design, parent);
    case Kind::Label:
        return make<Label>(design, parent);
    case Kind::TextBox:
        return make<TextBox>(design, parent);
    case Kind::OptionButton:
        return make<OptionButton>(design, parent);
    case Kind::ComboBox:
        return make<ComboBox>(design, parent);
    case Kind::CommandButton:
        return make<CommandButton>(design, parent);
    case Kind::PictureBox:
        return make<PictureBox>(design, parent);
    }
    qFatal("No kind of control for %s", qPrintable(design.name));
}

} // namespace ui
