#include "views/texts.h"

#include "input/location.h"
#include "model/correction.h"

#include <array>

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
    return name + QStringLiteral("Γεωγραφικό Μήκος: %1, Ζώνη ώρας: %2\n")
                      .arg(QString::fromStdString(input::LongitudeText(texts.degrees, texts.minutes,
                                                                       texts.seconds, texts.east)),
                           fromUtf8(texts.zone));
}

QString captionOf(const CorrectionParts& parts) {
    const CorrectionCaption caption(parts);
    return QString::fromLatin1(caption.text().data(),
                               static_cast<qsizetype>(caption.text().size()));
}

} // namespace views
