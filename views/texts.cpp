#include "views/texts.h"

#include "input/location.h"
#include "model/correction.h"

#include <array>
#include <cmath>

namespace views {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<const char*, model::MonthCount> MonthGenitives{
    "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",     "Απριλίου",  "Μαΐου",     "Ιουνίου",
    "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};

} // namespace

QString monthName(int month) {
    return fromUtf8(model::ofMonth(model::MonthNames, month));
}

QString monthGenitive(int month) {
    return QString::fromUtf8(model::ofMonth(MonthGenitives, month));
}

QString placeLine(const Reading& shown) {
    const LocationTexts& texts = shown.location;
    const QString name =
        shown.place.empty() ? QString() : fromUtf8(shown.place) + QStringLiteral(" — ");
    const std::optional<int> year = shown.calendar().number();
    const QString longitude = QString::fromStdString(
        input::LongitudeText(texts.degrees, texts.minutes, texts.seconds, texts.east));
    return name + QStringLiteral("Γεωγραφικό Μήκος: %1, Ζώνη ώρας: %2%3\n")
                      .arg(longitude, fromUtf8(texts.zone),
                           year ? QStringLiteral(", έτος %1").arg(*year) : QString());
}

QString dateText(const model::Year& year, int month, int day) {
    const QString date = QStringLiteral("%1 %2").arg(day).arg(monthGenitive(month));
    const std::optional<int> number = year.number();
    return number ? date + QStringLiteral(" %1").arg(*number) : date;
}

QString accuracyNote(const model::Year& year) {
    if (!year.number()) return {};
    return QStringLiteral("Διόρθωση = ώρα ρολογιού της αληθινής μεσημβρίας (ο Ήλιος στον "
                          "μεσημβρινό του τόπου) − 12:00, από τα μοντέλα της IAU (ERFA), με "
                          "ακρίβεια 1 δευτερολέπτου· τα δευτερόλεπτα κόβονται.");
}

QString noonText(const CorrectionParts& parts) {
    constexpr double Day = 24 * model::SecondsPerHour;
    const double clock = Day / 2 + parts.shownSeconds();
    if (!std::isfinite(clock)) return {};
    const double days = std::floor(clock / Day);
    double rest = clock - days * Day;
    if (!(rest >= 0 && rest < Day)) rest = 0; // past 2^53 seconds the split is not exact
    const auto whole = static_cast<int>(rest);
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(whole / 3600, 2, 10, QChar(u'0'))
                       .arg(whole / 60 % 60, 2, 10, QChar(u'0'))
                       .arg(whole % 60, 2, 10, QChar(u'0'));
    if (days != 0)
        text += QStringLiteral(" (%1%2 ημ.)")
                    .arg(days > 0 ? QStringLiteral("+") : QStringLiteral("−"),
                         QString::fromStdString(model::wholeNumberText(std::fabs(days))));
    return text;
}

QString captionOf(const CorrectionParts& parts) {
    const CorrectionCaption caption(parts);
    return QString::fromLatin1(caption.text().data(),
                               static_cast<qsizetype>(caption.text().size()));
}

} // namespace views
