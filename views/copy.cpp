#include "views/copy.h"

#include "model/correction.h"
#include "views/table.h"

#include <QImage>
#include <array>
#include <cmath>
#include <span>

namespace views {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One day of a copy: the month (1 for January), the day (1 for the first) and what it shows.
struct DayRow {
    int month;
    int day;
    CorrectionParts parts;
};

DayRow rowOf(int month, int day, bool showHours, const WindowState& state) {
    return {month, day,
            CorrectionParts(daySeconds(model::dayOfYear(month, day), state), showHours)};
}

QString captionOf(const CorrectionParts& parts) {
    const CorrectionCaption caption(parts);
    return QString::fromLatin1(caption.text().data(),
                               static_cast<qsizetype>(caption.text().size()));
}

// The columns of the copies' HTML tables: one list gives both the header and the cells.
enum class Column { Month, Day, Caption, Seconds };
constexpr std::array TableColumns{Column::Day, Column::Caption, Column::Seconds};
constexpr std::array YearColumns{Column::Month, Column::Day, Column::Caption, Column::Seconds};

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
std::vector<DayRow> monthRows(const WindowState& state) {
    std::vector<DayRow> rows;
    const int month = model::monthStartingOn(state.MonthFirstDay);
    if (month == 0) return rows;
    for (int day = 1; day <= state.MonthLength; ++day)
        rows.push_back(rowOf(month, day, state.ShowHours, state));
    return rows;
}

// Every day of the year, with the hours rule of the whole year.
std::vector<DayRow> yearRows(const WindowState& state) {
    std::vector<DayRow> rows;
    const bool showHours = showHoursFor(state);
    for (int month = 1; month <= model::MonthCount; ++month)
        for (int day = 1; day <= model::ofMonth(model::MonthLengths, month); ++day)
            rows.push_back(rowOf(month, day, showHours, state));
    return rows;
}

// The place line, then rows of "day<TAB>caption", each month's days under its name.
QString textOf(const LocationTexts& texts, const std::vector<DayRow>& rows) {
    QString out = placeLine(texts);
    for (const DayRow& row : rows) {
        if (row.day == 1) {
            out += monthName(row.month);
            out += u'\n';
        }
        out += QString::number(row.day);
        out += u'\t';
        out += captionOf(row.parts);
        out += u'\n';
    }
    return out;
}

// The month names as a date says them: "13 Φεβρουαρίου".
constexpr std::array<const char*, model::MonthCount> MonthGenitives{
    "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",     "Απριλίου",  "Μαΐου",     "Ιουνίου",
    "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};

} // namespace

QString monthName(int month) {
    return fromUtf8(model::ofMonth(model::MonthNames, month));
}

QString placeLine(const LocationTexts& texts) {
    const QString name =
        texts.place.empty() ? QString() : fromUtf8(texts.place) + QStringLiteral(" — ");
    return name + QStringLiteral("Γεωγραφικό Μήκος: %1° %2΄ %3΄΄ %4, Ζώνη ώρας: %5\n")
                      .arg(fromUtf8(texts.degrees), fromUtf8(texts.minutes),
                           fromUtf8(texts.seconds),
                           texts.east ? QStringLiteral("Ανατολικά") : QStringLiteral("Δυτικά"),
                           fromUtf8(texts.zone));
}

QString tableText(const LocationTexts& texts, const WindowState& state) {
    return textOf(texts, monthRows(state));
}

QString yearText(const LocationTexts& texts, const WindowState& state) {
    return textOf(texts, yearRows(state));
}

QString tableHtml(const WindowState& state) {
    return htmlTable(TableColumns, monthRows(state));
}

QString yearHtml(const WindowState& state) {
    return htmlTable(YearColumns, yearRows(state));
}

QMimeData* tableCopy(const LocationTexts& texts, const WindowState& state) {
    auto* data = new QMimeData;
    data->setText(tableText(texts, state));
    data->setHtml(tableHtml(state));
    return data;
}

QMimeData* diagramCopy(const LocationTexts& texts, const WindowState& state,
                       ui::PictureBox& diagram) {
    auto* data = new QMimeData;
    data->setText(yearText(texts, state));
    data->setHtml(yearHtml(state));
    const qreal density = 2 * diagram.devicePixelRatioF();
    QImage picture(diagram.size() * density, QImage::Format_RGB32);
    picture.setDevicePixelRatio(density);
    picture.fill(diagram.backColor());
    diagram.render(&picture);
    data->setImageData(picture);
    return data;
}

int dayUnder(double x, int monthLength, const WindowState& state) {
    if (monthLength <= 0) return 1;
    // The dot of day d stands at d - 1/2 day widths; the nearer dot wins.
    const double column = state.DayWidth > 0 ? std::floor(x / state.DayWidth) : 0.0;
    if (!std::isfinite(column) || column < 0) return 1;
    return column >= monthLength ? monthLength : static_cast<int>(column) + 1;
}

QString dotTip(int month, int day, const WindowState& state) {
    return QStringLiteral("%1 %2: %3")
        .arg(day)
        .arg(QString::fromUtf8(model::ofMonth(MonthGenitives, month)),
             captionOf(CorrectionParts(daySeconds(model::dayOfYear(month, day), state),
                                       showHoursFor(state))));
}

} // namespace views
