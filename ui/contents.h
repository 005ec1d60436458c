#pragma once
// Everything the window holds when it opens, as data: one table per container, read like the
// design (name, kind, place, size, caption, colours, font, flags). The factory makes a control of
// a row; the registry makes them all, in order, and finds them by name.

#include "ui/colours.h"
#include "ui/placement.h"

#include <QColor>
#include <QString>
#include <vector>

namespace ui {

enum class Kind { Frame, Label, TextBox, OptionButton, ComboBox, CommandButton, PictureBox };

namespace flag {
inline constexpr unsigned AutoSize = 1u << 0;
inline constexpr unsigned Transparent = 1u << 1;
inline constexpr unsigned Hidden = 1u << 2;
inline constexpr unsigned AlignRight = 1u << 3;
inline constexpr unsigned AlignCenter = 1u << 4;
inline constexpr unsigned Selected = 1u << 5;
inline constexpr unsigned Border = 1u << 6;
inline constexpr unsigned Alert = 1u << 7; // assistive technology announces it when it shows
} // namespace flag

struct ControlSpec {
    QString name;
    int index = -1; // member of a control array when 0 or more
    Kind kind = Kind::Label;
    QString container;
    TwipRect rect;
    QString caption;
    Rgb fore;
    Rgb back;
    double points = 0; // 0: the platform's font
    bool bold = false;
    unsigned flags = 0;
    int tabIndex = -1;
    float scaleWidth = 0; // picture boxes: 0 means twips, the inside size
    float scaleHeight = 0;
    std::vector<QString> items; // combo boxes
    // What assistive technology calls the control. Empty: its caption, which for labels and
    // lists follows every new caption or pick.
    QString accessibleName;
    QString accessibleDescription;
};

// The fixed lists the window offers: the time zones, and the months (January first), which also
// name the month pictures.
struct ItemLists {
    std::vector<QString> zones;
    std::vector<QString> months;
};

// The object name of a control or of a member of a control array: "TextMLo", "LabelValT(5)".
QString controlName(const QString& name, int index = -1);

// The window's client size in twips.
inline constexpr float FormWidth = 11250;
inline constexpr float FormHeight = 8520;
extern const QString FormTitle;

// Every control, containers before what they hold, each container's controls in creation order.
std::vector<ControlSpec> windowContents(const ItemLists& lists);

} // namespace ui
