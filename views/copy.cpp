#include "views/copy.h"

#include "model/correction.h"
#include "views/table.h"
#include "views/texts.h"

#include <QImage>
#include <array>
#include <cmath>
#include <span>

namespace views {

namespace {

// One day of a copy: the month (1 for January), the day (1 for the first) and what it shows.
struct DayRow {
    int month;
    int day;
    CorrectionParts parts;
};

DayRow rowOf(const model::Year& year, int month, int day, bool showHours,
             const WindowState& state) {
    return {month, day,
            CorrectionParts(daySeconds(year, year.indexOf(month, day), state), showHours)};
}

// The columns of the copies' HTML tables: one list gives both the header and the cells.
enum class Column { Month, Day, Caption, Seconds, Noon };
constexpr std::array TableColumns{Column::Day, Column::Caption, Column::Seconds, Column::Noon};
constexpr std::array YearColumns{Column::Month, Column::Day, Column::Caption, Column::Seconds,
                                 Column::Noon};

QString headerOf(Column column) {
    switch (column) {
    case Column::Month:
        return QStringLiteral("Μήνας");
    case Column::Day:
        return QStringLiteral("Ημέρα");
    case Column::Caption:
        return QStringLiteral("Διόρθωση");
    case Column::Seconds:
        return QStringLiteral("Δευτερόλεπτα");
    case Column::Noon:
        return QStringLiteral("Μεσημέρι");
    }
    return {};
}

// The caption is kept as written (a spreadsheet would take "+29 min" for a formula), with its two
// spaces: spreadsheets and browsers alike run spaces together, but keep spaces written as
// character references in a cell marked white-space:pre.
QString cellOf(Column column, const DayRow& row) {
    switch (column) {
    case Column::Month:
        return QStringLiteral("<td>%1</td>").arg(monthName(row.month));
    case Column::Day:
        return QStringLiteral("<td>%1</td>").arg(row.day);
    case Column::Caption:
        return QStringLiteral("<td sdnum=\"1032;0;@\" style=\"mso-number-format:'\\@';"
                              "white-space:pre\">%1</td>")
            .arg(captionOf(row.parts).toHtmlEscaped().replace(u' ', QStringLiteral("&#32;")));
    case Column::Seconds:
        return QStringLiteral("<td>%1</td>")
            .arg(QString::fromStdString(model::wholeNumberText(row.parts.shownSeconds())));
    case Column::Noon:
        return QStringLiteral("<td sdnum=\"1032;0;@\" style=\"mso-number-format:'\\@';"
                              "white-space:pre\">%1</td>")
            .arg(noonText(row.parts).toHtmlEscaped());
    }
    return {};
}

QString htmlTable(std::span<const Column> columns, const std::vector<DayRow>& rows) {
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n<tr>");
    for (Column column : columns) out += QStringLiteral("<th>%1</th>").arg(headerOf(column));
    out += QStringLiteral("</tr>\n");
    for (const DayRow& row : rows) {
        out += QStringLiteral("<tr>");
        for (Column column : columns) out += cellOf(column, row);
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table></body></html>\n");
    return out;
}

// The days of the table's month, as its refresh captioned them.
std::vector<DayRow> monthRows(const model::Year& year, const WindowState& state) {
    std::vector<DayRow> rows;
    const int month = year.monthStartingOn(state.MonthFirstDay);
    if (month == 0) return rows;
    for (int day = 1; day <= state.MonthLength; ++day)
        rows.push_back(rowOf(year, month, day, state.ShowHours, state));
    return rows;
}

// Every day of the year, with the hours rule of the whole year.
std::vector<DayRow> yearRows(const model::Year& year, const WindowState& state) {
    std::vector<DayRow> rows;
    const bool showHours = showHoursFor(year, state);
    for (int month = 1; month <= model::MonthCount; ++month)
        for (int day = 1; day <= year.monthLength(month); ++day)
            rows.push_back(rowOf(year, month, day, showHours, state));
    return rows;
}

// The place line, then rows of "day<TAB>caption<TAB>noon", each month's days under its name.
QString textOf(const Reading& shown, const std::vector<DayRow>& rows) {
    QString out = placeLine(shown);
    for (const DayRow& row : rows) {
        if (row.day == 1) {
            out += monthName(row.month);
            out += u'\n';
        }
        out += QString::number(row.day);
        out += u'\t';
        out += captionOf(row.parts);
        out += u'\t';
        out += noonText(row.parts);
        out += u'\n';
    }
    return out;
}

} // namespace

QString tableText(const Reading& shown, const WindowState& state) {
    return textOf(shown, monthRows(shown.calendar(), state));
}

QString yearText(const Reading& shown, const WindowState& state) {
    return textOf(shown, yearRows(shown.calendar(), state));
}

QString tableHtml(const Reading& shown, const WindowState& state) {
    return htmlTable(TableColumns, monthRows(shown.calendar(), state));
}

QString yearHtml(const Reading& shown, const WindowState& state) {
    return htmlTable(YearColumns, yearRows(shown.calendar(), state));
}

QMimeData* tableCopy(const Reading& shown, const WindowState& state) {
    auto* data = new QMimeData;
    data->setText(tableText(shown, state));
    data->setHtml(tableHtml(shown, state));
    return data;
}

QMimeData* diagramCopy(const Reading& shown, const WindowState& state, ui::PictureBox& diagram,
                       bool picture) {
    auto* data = new QMimeData;
    data->setText(yearText(shown, state));
    data->setHtml(yearHtml(shown, state));
    if (!picture) return data;
    const qreal density = 2 * diagram.devicePixelRatioF();
    QImage image(diagram.size() * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(diagram.backColor());
    diagram.render(&image);
    data->setImageData(image);
    return data;
}

QString reminderText(const ui::Label& request, std::span<ui::Frame* const> frames,
                     std::span<ui::Label* const> rules) {
    QString text = request.caption() + u'\n';
    for (std::size_t i = 0; i < frames.size() && i < rules.size(); ++i)
        if (!frames[i]->isHidden())
            text += frames[i]->title() + u'\n' + rules[i]->caption() + u'\n';
    return text;
}

} // namespace views
