#include "views/texts.h"

#include "input/location.h"
#include "model/correction.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

namespace {

// An offset from UTC as the zone list writes it, «+02:00», with seconds where it has them
// («+01:34:52», Athens' mean time before 1916).
QString offsetText(double seconds) {
    const auto magnitude = static_cast<long long>(std::fabs(seconds));
    QString text = QStringLiteral("%1%2:%3")
                       .arg(QChar(seconds < 0 ? u'-' : u'+'))
                       .arg(magnitude / 3600, 2, 10, QChar(u'0'))
                       .arg(magnitude / 60 % 60, 2, 10, QChar(u'0'));
    if (magnitude % 60) text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QChar(u'0'));
    return text;
}

// The offsets a place's legal time took in the year, its standard ones and then its summer ones:
// «GMT +01:00, θερινή +02:00».
QString legalOffsets(const Reading& shown) {
    WindowState state;
    storeLocation(shown.location, state);
    const model::Location at = locationOf(state);
    const model::Year& year = shown.calendar();
    std::vector<double> standard, summer;
    for (int index = 1; index <= year.dayCount(); ++index) {
        auto& list = year.summerTime(index, at) ? summer : standard;
        const double offset = year.clockOffsetSeconds(index, at);
        if (std::find(list.begin(), list.end(), offset) == list.end()) list.push_back(offset);
    }
    QStringList parts;
    for (double offset : standard)
        parts << (offset == 0 ? QStringLiteral("GMT")
                              : QStringLiteral("GMT ") + offsetText(offset));
    QStringList summers;
    for (double offset : summer) summers << offsetText(offset);
    if (!summers.isEmpty()) parts << QStringLiteral("θερινή ") + summers.join(QStringLiteral(", "));
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString placeLine(const Reading& shown) {
    const LocationTexts& texts = shown.location;
    const QString name =
        shown.place.empty() ? QString() : fromUtf8(shown.place) + QStringLiteral(" — ");
    const std::optional<int> year = shown.calendar().number();
    const QString longitude = QString::fromStdString(
        input::LongitudeText(texts.degrees, texts.minutes, texts.seconds, texts.east));
    return name + QStringLiteral("Γεωγραφικό Μήκος: %1, Ζώνη ώρας: %2%3\n")
                      .arg(longitude, shown.legalTime ? legalOffsets(shown) : fromUtf8(texts.zone),
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
