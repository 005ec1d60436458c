#pragma once
// The controls of the window, made from its contents inside the form and found by name.

#include "ui/contents.h"
#include "ui/controls.h"

#include <QHash>
#include <QString>
#include <QtGlobal>

namespace ui {

class Controls {
public:
    Controls(Form& form, const ItemLists& lists);

    // The control of that name and kind. A control the window cannot do without: a name or a
    // kind that does not match the contents stops the program, naming the control.
    template <class T> T& get(const QString& name, int index = -1) const {
        const QString objectName = controlName(name, index);
        Placement* found = byName_.value(objectName);
        T* control = found ? dynamic_cast<T*>(found) : nullptr;
        if (!control) qFatal("The window has no control %s of that kind", qPrintable(objectName));
        return *control;
    }
    // The control of that object name, or none.
    Placement* find(const QString& objectName) const { return byName_.value(objectName); }

private:
    QHash<QString, Placement*> byName_;
};

} // namespace ui
