#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The family every caption asks for.
inline const QString DesignFamily = QStringLiteral("Comic Sans MS");
// Installed in its place where it is missing: a family with every Greek letter the window
// shows (tonos included) and narrow enough for every caption to fit its designed box.
inline const QString SubstituteFamily = QStringLiteral("Liberation Sans");

// Registers the substitution once and makes the drawn family the default font's; call before
// the first control is made.
void installFontSubstitution();

// The design font at a point size, set in pixels (pt x 4 / 3) so that text keeps its size
// against the twip layout whatever the screen's dots per inch.
QFont designFont(double points, bool bold);

} // namespace ui
