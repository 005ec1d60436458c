#pragma once
// Makes the control one row of the window contents describes: its kind of widget, its name,
// face, colours, caption or items, and its twip rectangle. The registry puts it in its container.

#include "ui/contents.h"

class QWidget;

namespace ui {

// Lets assistive technology announce the controls marked Alert; installs it once, however often
// it is called.
void installAlertAccessibility();

Placement* makeControl(const ControlSpec& design, QWidget* parent);

} // namespace ui
