#include "views/copy.h"

#include "model/correction.h"
#include "views/table.h"

namespace views {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AppendMonth(QString& out, int month) {
    out += FromUtf8(model::MonthNames[static_cast<std::size_t>(month)]);
    out += u'\n';
}

void AppendDay(QString& out, int day, QStringView caption) {
    out += QString::number(day);
    out += u'\t';
    out += caption;
    out += u'\n';
}

} // namespace

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
        const int first = model::MonthStartDays[static_cast<std::size_t>(month)];
        for (int day = 1; day <= model::MonthLengths[static_cast<std::size_t>(month)]; ++day) {
            const double seconds = model::CorrectionSeconds(first + day - 1, state.Longitude,
                                                            state.ZoneMeridian, state.Pi);
            const std::string_view caption = CorrectionCaption(seconds, showHours).text();
            AppendDay(out, day,
                      QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        }
    }
    return out;
}

} // namespace views
