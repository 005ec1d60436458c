#include "views/copy.h"

#include "model/correction.h"
#include "views/table.h"

#include <QImage>
#include <array>
#include <cmath>
#include <span>

namespace views {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One day of a copy: the month (0 for January), the day (1 for the first) and what it shows.
struct DayRow {
    int month;
    int day;
    CorrectionParts parts;
};

DayRow RowOf(int month, int day, bool showHours, const WindowState& state) {
    return {month, day, CorrectionParts(DaySeconds(month, day, state), showHours)};
}

QString CaptionOf(const CorrectionParts& parts) {
    const CorrectionCaption caption(parts);
    return QString::fromLatin1(caption.text().data(),
                               static_cast<qsizetype>(caption.text().size()));
}

// The columns of the copies' HTML tables: one list gives both the header and the cells.
enum class Column { Month, Day, Caption, Seconds };
constexpr std::array TableColumns{Column::Day, Column::Caption, Column::Seconds};
constexpr std::array YearColumns{Column::Month, Column::Day, Column::Caption, Column::Seconds};

QString HeaderOf(Column column) {
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
QString CellOf(Column column, const DayRow& row) {
    switch (column) {
    case Column::Month:
        return QStringLiteral("<td>%1</td>").arg(MonthName(row.month));
    case Column::Day:
        return QStringLiteral("<td>%1</td>").arg(row.day);
    case Column::Caption:
        return QStringLiteral("<td sdnum=\"1032;0;@\" style=\"mso-number-format:'\\@';"
                              "white-space:pre\">%1</td>")
            .arg(CaptionOf(row.parts).toHtmlEscaped().replace(u' ', QStringLiteral("&#32;")));
    case Column::Seconds:
        return QStringLiteral("<td>%1</td>")
            .arg(QString::fromStdString(model::WholeNumberText(row.parts.shownSeconds())));
    }
    return {};
}

QString HtmlTable(std::span<const Column> columns, const std::vector<DayRow>& rows) {
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n<tr>");
    for (Column column : columns) out += QStringLiteral("<th>%1</th>").arg(HeaderOf(column));
    out += QStringLiteral("</tr>\n");
    for (const DayRow& row : rows) {
        out += QStringLiteral("<tr>");
        for (Column column : columns) out += CellOf(column, row);
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table></body></html>\n");
    return out;
}

// The days of the table's month, as its refresh captioned them.
std::vector<DayRow> MonthRows(const WindowState& state) {
    std::vector<DayRow> rows;
    const int month = MonthStartingOn(state.MonthFirstDay);
    if (month < 0) return rows;
    for (int day = 1; day <= state.MonthLength; ++day)
        rows.push_back(RowOf(month, day, state.ShowHours, state));
    return rows;
}

// Every day of the year, with the hours rule of the whole year.
std::vector<DayRow> YearRows(const WindowState& state) {
    std::vector<DayRow> rows;
    const bool showHours = ShowHoursFor(state);
    for (int month = 0; month < model::MonthCount; ++month)
        for (int day = 1; day <= model::MonthLengths[static_cast<std::size_t>(month)]; ++day)
            rows.push_back(RowOf(month, day, showHours, state));
    return rows;
}

// The place line, then rows of "day<TAB>caption", each month's days under its name.
QString TextOf(const LocationTexts& texts, const std::vector<DayRow>& rows) {
    QString out = PlaceLine(texts);
    for (const DayRow& row : rows) {
        if (row.day == 1) {
            out += MonthName(row.month);
            out += u'\n';
        }
        out += QString::number(row.day);
        out += u'\t';
        out += CaptionOf(row.parts);
        out += u'\n';
    }
    return out;
}

// The month names as a date says them: "13 Φεβρουαρίου".
constexpr std::array<const char*, model::MonthCount> MonthGenitives{
    "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",     "Απριλίου",  "Μαΐου",     "Ιουνίου",
    "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};

} // namespace

QString MonthName(int month) {
    return FromUtf8(model::MonthNames[static_cast<std::size_t>(month)]);
}

QString PlaceLine(const LocationTexts& texts) {
    return QStringLiteral("Γεωγραφικό Μήκος: %1° %2΄ %3΄΄ %4, Ζώνη ώρας: %5\n")
        .arg(FromUtf8(texts.degrees), FromUtf8(texts.minutes), FromUtf8(texts.seconds),
             texts.east ? QStringLiteral("Ανατολικά") : QStringLiteral("Δυτικά"),
             FromUtf8(texts.zone));
}

int MonthStartingOn(int firstDay) {
    for (std::size_t m = 0; m < model::MonthStartDays.size(); ++m)
        if (model::MonthStartDays[m] == firstDay) return static_cast<int>(m);
    return -1;
}

QString TableText(const LocationTexts& texts, const WindowState& state) {
    return TextOf(texts, MonthRows(state));
}

QString YearText(const LocationTexts& texts, const WindowState& state) {
    return TextOf(texts, YearRows(state));
}

QString TableHtml(const WindowState& state) {
    return HtmlTable(TableColumns, MonthRows(state));
}

QString YearHtml(const WindowState& state) {
    return HtmlTable(YearColumns, YearRows(state));
}

QMimeData* TableCopy(const LocationTexts& texts, const WindowState& state) {
    auto* data = new QMimeData;
    data->setText(TableText(texts, state));
    data->setHtml(TableHtml(state));
    return data;
}

QMimeData* DiagramCopy(const LocationTexts& texts, const WindowState& state,
                       ui::PictureBox& diagram) {
    auto* data = new QMimeData;
    data->setText(YearText(texts, state));
    data->setHtml(YearHtml(state));
    const qreal density = 2 * diagram.devicePixelRatioF();
    QImage picture(diagram.size() * density, QImage::Format_RGB32);
    picture.setDevicePixelRatio(density);
    picture.fill(diagram.backColor());
    diagram.render(&picture);
    data->setImageData(picture);
    return data;
}

int DayUnder(double x, int monthLength, const WindowState& state) {
    if (monthLength <= 0) return 0;
    // The dot of day d stands at d + 1/2 day widths; the nearer dot wins.
    const double day = state.DayWidth > 0 ? std::floor(x / state.DayWidth) : 0.0;
    if (!std::isfinite(day) || day < 0) return 0;
    return day >= monthLength ? monthLength - 1 : static_cast<int>(day);
}

QString DotTip(int month, int day, const WindowState& state) {
    return QStringLiteral("%1 %2: %3")
        .arg(day + 1)
        .arg(QString::fromUtf8(MonthGenitives[static_cast<std::size_t>(month)]),
             CaptionOf(CorrectionParts(DaySeconds(month, day + 1, state), ShowHoursFor(state))));
}

} // namespace views
