#pragma once
// What must hold of the window after any user action, written once for the libFuzzer target of
// the window and for the random-use test. Every check returns what is wrong, or an empty text.
// The field colours, frames and checks expected after a refresh are the design's rules
// (support/rules.h), not the program's own tables.

#include "app/formstart.h"
#include "support/rules.h"
#include "ui/registry.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

namespace check {

inline QColor Colour(rules::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}
inline const QColor Green = Colour(rules::Green);
inline const QColor Red = Colour(rules::Red);
inline const QColor Blue = Colour(rules::Blue);

enum class Shown { Diagram, Table, Reminder };

// A control of the window; a missing one stops the run with its name.
template <class T> T& Control(const app::FormStart& form, const QString& name, int index = -1) {
    return form.controls().get<T>(name, index);
}

// The degrees, minutes and seconds fields, their texts and their text colours.
std::array<ui::TextBox*, 3> Fields(const app::FormStart& form);
std::array<std::string, 3> FieldTexts(const app::FormStart& form);
std::array<QColor, 3> FieldColours(const app::FormStart& form);

bool OnShow(const app::FormStart& form, const QString& name, int index = -1);
// The frames of the reminder panel that are on show.
QStringList FramesOnShow(const app::FormStart& form);

// Exactly one of the three states, or nothing and `fault` says what is wrong.
std::optional<Shown> State(const app::FormStart& form, QString& fault);

// Invariants that hold after every action, whatever came before.
QString Faults(const app::FormStart& form);

// What a refresh must have left, given the colours the fields had just before it and whether
// its normalisation changed each text. `before` and `changed` may be left out (no check of the
// kept colours).
QString RefreshFaults(const app::FormStart& form,
                      const std::optional<std::array<QColor, 3>>& before = std::nullopt,
                      const std::array<bool, 3>& changed = {});

} // namespace check
