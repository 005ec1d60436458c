#include "views/copy.h"

#include "model/correction.h"
#include "views/table.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

namespace views {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AppendMonth(QString& out, int month) {
    out += MonthName(month);
    out += u'\n';
}

// The caption of a day of the year (`month` 0 for January, `day` 1 for the first) from the stored
// location.
QString YearCaption(int month, int day, bool showHours, const WindowState& state) {
    const int first = model::MonthStartDays[static_cast<std::size_t>(month)];
    const double seconds =
        model::CorrectionSeconds(first + day - 1, state.Longitude, state.ZoneMeridian, state.Pi);
    const std::string_view caption = CorrectionCaption(seconds, showHours).text();
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

// A row of cells; the caption is kept as written (a spreadsheet would take "+29 min" for a
// formula), with its two spaces: spreadsheets and browsers alike run spaces together, but keep
// spaces written as character references in a cell marked white-space:pre.
void AppendHtmlRow(QString& out, const QStringList& leading, QStringView caption) {
    out += QStringLiteral("<tr>");
    for (const QString& cell : leading)
        out += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
    out += QStringLiteral("<td sdnum=\"1032;0;@\" style=\"mso-number-format:'\\@';"
                          "white-space:pre\">%1</td><td>%2</td></tr>\n")
               .arg(caption.toString().toHtmlEscaped().replace(u' ', QStringLiteral("&#32;")),
                    CaptionSeconds(caption));
}

QString HtmlTable(const QStringList& header, const QString& rows) {
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n<tr>");
    for (const QString& name : header) out += QStringLiteral("<th>%1</th>").arg(name);
    out += QStringLiteral("</tr>\n");
    out += rows;
    out += QStringLiteral("</table></body></html>\n");
    return out;
}

const QString DayHeader = QStringLiteral("Ημέρα");
const QString CaptionHeader = QStringLiteral("Διόρθωση");
const QString SecondsHeader = QStringLiteral("Δευτερόλεπτα");
const QString MonthHeader = QStringLiteral("Μήνας");

// The month names as a date says them: "13 Φεβρουαρίου".
constexpr std::array<const char*, model::MonthCount> MonthGenitives{
    "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",     "Απριλίου",  "Μαΐου",     "Ιουνίου",
    "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};

void AppendDay(QString& out, int day, QStringView caption) {
    out += QString::number(day);
    out += u'\t';
    out += caption;
    out += u'\n';
}

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

QString TableText(const LocationTexts& texts, int month, const QStringList& captions) {
    QString out = PlaceLine(texts);
    if (month >= 0 && month < model::MonthCount) AppendMonth(out, month);
    for (qsizetype row = 0; row < captions.size(); ++row)
        AppendDay(out, static_cast<int>(row) + 1, captions[row]);
    return out;
}

QString YearText(const LocationTexts& texts, const WindowState& state) {
    QString out = PlaceLine(texts);
    const bool showHours = ShowHoursFor(state);
    for (int month = 0; month < model::MonthCount; ++month) {
        AppendMonth(out, month);
        for (int day = 1; day <= model::MonthLengths[static_cast<std::size_t>(month)]; ++day)
            AppendDay(out, day, YearCaption(month, day, showHours, state));
    }
    return out;
}

QString TableHtml(const QStringList& captions) {
    QString rows;
    for (qsizetype row = 0; row < captions.size(); ++row)
        AppendHtmlRow(rows, {QString::number(row + 1)}, captions[row]);
    return HtmlTable({DayHeader, CaptionHeader, SecondsHeader}, rows);
}

QString YearHtml(const WindowState& state) {
    QString rows;
    const bool showHours = ShowHoursFor(state);
    for (int month = 0; month < model::MonthCount; ++month)
        for (int day = 1; day <= model::MonthLengths[static_cast<std::size_t>(month)]; ++day)
            AppendHtmlRow(rows, {MonthName(month), QString::number(day)},
                          YearCaption(month, day, showHours, state));
    return HtmlTable({MonthHeader, DayHeader, CaptionHeader, SecondsHeader}, rows);
}

QString CaptionSeconds(QStringView caption) {
    // Each part is a sign, digits and a unit; every part carries the sign of the whole.
    static const QRegularExpression part(QStringLiteral("([+-])(\\d+) (h|min|sec)"));
    double total = 0;
    bool negative = false;
    for (auto match = part.globalMatch(caption); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        negative = found.captured(1) == QLatin1String("-");
        const double number = found.captured(2).toDouble();
        const QStringView unit = found.capturedView(3);
        total += number * (unit == QLatin1String("h")     ? 3600.0
                           : unit == QLatin1String("min") ? 60.0
                                                          : 1.0);
    }
    return QString::fromStdString(model::WholeNumberText(negative ? -total : total));
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
             YearCaption(month, day + 1, ShowHoursFor(state), state));
}

} // namespace views
