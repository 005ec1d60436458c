#pragma once
// A control of a window by its object name; a missing one stops the test with its name.

#include <QString>
#include <QWidget>

template <class T> T* child(const QWidget& form, const QString& name) {
    T* found = form.findChild<T*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
}
