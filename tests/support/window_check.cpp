#include "support/window_check.h"

#include "input/number.h"
#include "ui/picturebox.h"
#include "views/lists.h"
#include "views/table.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

namespace check {

std::array<ui::TextBox*, 3> Fields(const app::FormStart& form) {
    return {&Control<ui::TextBox>(form, "TextMLo"), &Control<ui::TextBox>(form, "TextPLo"),
            &Control<ui::TextBox>(form, "TextDLo")};
}

std::array<std::string, 3> FieldTexts(const app::FormStart& form) {
    const auto fields = Fields(form);
    return {fields[0]->text().toStdString(), fields[1]->text().toStdString(),
            fields[2]->text().toStdString()};
}

std::array<QColor, 3> FieldColours(const app::FormStart& form) {
    const auto fields = Fields(form);
    return {fields[0]->foreColor(), fields[1]->foreColor(), fields[2]->foreColor()};
}

bool OnShow(const app::FormStart& form, const QString& name, int index) {
    return !Control<ui::Placement>(form, name, index).widget()->isHidden();
}

QStringList FramesOnShow(const app::FormStart& form) {
    QStringList frames;
    for (const char* name : rules::Frames)
        if (OnShow(form, name)) frames << name;
    return frames;
}

std::optional<Shown> State(const app::FormStart& form, QString& fault) {
    const bool diagram = OnShow(form, "PictureDiagram");
    const bool table = OnShow(form, "PictureMatrix");
    const bool reminder = OnShow(form, "PictureError");
    if (diagram + table + reminder != 1) {
        fault = QString("%1 of the three states on show (diagram %2, table %3, reminder %4)")
                    .arg(diagram + table + reminder)
                    .arg(diagram)
                    .arg(table)
                    .arg(reminder);
        return std::nullopt;
    }
    return diagram ? Shown::Diagram : table ? Shown::Table : Shown::Reminder;
}

// The designed caption of every label, by object name.
const QHash<QString, QString>& DesignedCaptions() {
    static const QHash<QString, QString> captions = [] {
        QHash<QString, QString> all;
        for (const ui::ControlSpec& design : ui::windowContents(views::windowLists()))
            if (design.kind == ui::Kind::Label)
                all.insert(ui::controlName(design.name, design.index), design.caption);
        return all;
    }();
    return captions;
}

// The value of a minute label as FormatMinuteLabel writes it, or nothing when the text is not
// one it can write.
std::optional<double> MinuteLabelValue(const QString& caption) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(R"(([+-])(\d+)h (?:\1(\d{1,2})min)?|([+-]?)(\d+)min)"));
    const QRegularExpressionMatch match = form.match(caption);
    if (!match.hasMatch()) return std::nullopt;
    if (match.capturedLength(2) > 0) {
        const double hours = match.captured(2).toDouble();
        const double rest = match.capturedLength(3) > 0 ? match.captured(3).toDouble() : 0.0;
        if (hours == 0.0 || (match.capturedLength(3) > 0 && (rest == 0.0 || rest >= 60.0)))
            return std::nullopt;
        if (match.captured(3).startsWith('0')) return std::nullopt;
        const double value = hours * 60.0 + rest;
        return match.captured(1) == "-" ? -value : value;
    }
    const double minutes = match.captured(5).toDouble();
    if (minutes >= 60.0 || (match.captured(5).size() > 1 && match.captured(5).startsWith('0')))
        return std::nullopt;
    if ((minutes == 0.0) != match.captured(4).isEmpty()) return std::nullopt; // "0min" alone
    return match.captured(4) == "-" ? -minutes : minutes;
}

// A table value as CorrectionCaption writes it: every part carries the one sign, minutes and
// seconds are two digits below 60, hours (when shown) two digits or more.
bool IsTableCaption(const QString& caption, bool hours) {
    static const QRegularExpression withHours(QRegularExpression::anchoredPattern(
        R"(([+-])(?:0\d|[1-9]\d+) h  \1[0-5]\d min  \1[0-5]\d sec)"));
    static const QRegularExpression withoutHours(
        QRegularExpression::anchoredPattern(R"(([+-])[0-5]\d min  \1[0-5]\d sec)"));
    return (hours ? withHours : withoutHours).match(caption).hasMatch();
}

QString Faults(const app::FormStart& form) {
    QString fault;
    const std::optional<Shown> shown = State(form, fault);
    if (!shown) return fault;
    const QStringList frames = FramesOnShow(form);
    if (frames.size() > 1) return "more than one frame on show: " + frames.join(", ");
    if (*shown == Shown::Reminder && frames.size() != 1)
        return "the reminder panel is on show without a frame";

    const views::WindowState& state = form.state();
    if (state.MonthLength < 28 || state.MonthLength > 31)
        return QString("MonthLength is %1").arg(state.MonthLength);

    if (*shown == Shown::Table) {
        for (int i = 0; i < views::TableRows; ++i) {
            const bool wanted = i < state.MonthLength;
            for (const char* name : {"LabelMonth", "LabelValT"})
                if (OnShow(form, name, i) != wanted)
                    return QString("%1(%2) is %3 with MonthLength %4")
                        .arg(name)
                        .arg(i)
                        .arg(wanted ? "hidden" : "on show")
                        .arg(state.MonthLength);
            const QString value = Control<ui::Label>(form, "LabelValT", i).caption();
            if (wanted && !IsTableCaption(value, state.ShowHours))
                return QString("LabelValT(%1) reads \"%2\"").arg(i).arg(value);
        }
    }

    // Every caption is its designed one or one the program writes there.
    const QHash<QString, QString>& designed = DesignedCaptions();
    std::array<std::optional<double>, views::TimeLabelCount> minutes;
    for (auto it = designed.begin(); it != designed.end(); ++it) {
        const QString caption = Control<ui::Label>(form, it.key()).caption();
        if (caption == it.value()) continue;
        const QString& name = it.key();
        if (name.startsWith("LabelMonth(")) {
            const int i = name.mid(11).chopped(1).toInt();
            if (caption == QString::number(i + 1)) continue;
        } else if (name.startsWith("LabelValT(")) {
            if (IsTableCaption(caption, true) || IsTableCaption(caption, false)) continue;
            // Unchecked texts (the reminder is shown) can make a hidden value of any size.
            if (*shown != Shown::Table && caption.endsWith(" sec")) continue;
        } else if (name.startsWith("Labeltime(")) {
            const int i = name.mid(10).chopped(1).toInt();
            minutes[static_cast<std::size_t>(i)] = MinuteLabelValue(caption);
            if (minutes[static_cast<std::size_t>(i)]) continue;
        }
        return QString("%1 reads \"%2\"").arg(name, caption);
    }

    if (*shown != Shown::Reminder) {
        // Values stored by a refresh whose checks passed.
        if (!(std::fabs(state.Longitude) <= 180.0))
            return QString("Longitude %1 on show").arg(state.Longitude);
        if (!std::isfinite(state.ZoneMeridian) || !std::isfinite(state.TopMinute))
            return QString("ZoneMeridian %1, TopMinute %2 on show")
                .arg(state.ZoneMeridian)
                .arg(state.TopMinute);
        if (std::fmod(state.TopMinute, 5.0) == 0.0 && std::fabs(state.TopMinute) < 0x1p52)
            return QString("TopMinute %1 is a multiple of 5").arg(state.TopMinute);
    }
    if (*shown == Shown::Diagram && std::fabs(state.TopMinute) < 0x1p50) {
        // The seven labels are the seven multiples of 5 of the grid, from the top down.
        for (int i = 0; i < views::TimeLabelCount; ++i) {
            const QString caption = Control<ui::Label>(form, "Labeltime", i).caption();
            const std::optional<double> value = MinuteLabelValue(caption);
            const double top = state.TopMinute;
            const double wanted = 5.0 * std::floor(top / 5.0) - 5.0 * i;
            if (!value || *value != wanted)
                return QString("Labeltime(%1) reads \"%2\" under TopMinute %3")
                    .arg(i)
                    .arg(caption)
                    .arg(top);
        }
    }
    return {};
}

QString RefreshFaults(const app::FormStart& form,
                      const std::optional<std::array<QColor, 3>>& before,
                      const std::array<bool, 3>& changed) {
    if (QString fault = Faults(form); !fault.isEmpty()) return fault;
    QString fault;
    const Shown shown = *State(form, fault);
    const auto texts = FieldTexts(form);
    const rules::Check* broken = rules::FirstBroken(texts);
    const auto colours = FieldColours(form);
    if (!broken) {
        const Shown wanted =
            form.state().ViewMode == views::ViewMode::Diagram ? Shown::Diagram : Shown::Table;
        if (shown != wanted) return "the checks pass but the view of ViewMode is not on show";
        for (std::size_t i = 0; i < 3; ++i)
            if (colours[i] != Green)
                return QString("field %1 is %2 after passing checks").arg(i).arg(colours[i].name());
        // A passing field is whole and in range; its padding is final.
        for (const std::string& text : texts) {
            const double value = input::ReadNumber(text);
            if (value != std::floor(value) || value < 0 || value > 180)
                return QString("passing field \"%1\"").arg(QString::fromStdString(text));
        }
        return {};
    }
    if (shown != Shown::Reminder) return "a check fails but the reminder is not on show";
    if (FramesOnShow(form) != QStringList{broken->frame})
        return QString("frame %1 on show, not %2").arg(FramesOnShow(form).join(','), broken->frame);
    for (std::size_t i = 0; i < 3; ++i) {
        QColor wanted;
        if (broken->colours[i])
            wanted = Colour(*broken->colours[i]);
        else if (before)
            wanted = changed[i] ? Green : (*before)[i];
        else
            continue;
        if (colours[i] != wanted)
            return QString("field %1 is %2, not %3 under %4")
                .arg(i)
                .arg(colours[i].name(), wanted.name(), broken->frame);
    }
    return {};
}

} // namespace check
