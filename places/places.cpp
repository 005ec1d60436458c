#include "places/places.h"

#include "input/location.h"
#include "model/correction.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string>

namespace places {

namespace {

using input::ArcSecondsPerDegree;
using input::ArcSecondsPerMinute;

// The table's columns (its first line names them).
enum Column {
    NameEl,
    Name,
    CountryEl,
    Country,
    Latitude,
    Longitude,
    ZoneName,
    StandardOffset,
    Population,
    GeoNamesId,
    ColumnCount
};

struct Entry {
    Place place;
    QString greekKey;
    QString latinKey;
};

std::vector<Entry> readTable() {
    std::vector<Entry> entries;
    QFile file(QStringLiteral(":/places/places.tsv"));
    if (!file.open(QIODevice::ReadOnly)) return entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    entries.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        if (line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != ColumnCount) continue;
        const Place place{fields[NameEl].isEmpty() ? fields[Name] : fields[NameEl],
                          fields[CountryEl], fields[Longitude].toDouble(),
                          fields[StandardOffset].toInt(), fields[ZoneName]};
        entries.push_back({place, searchKey(fields[NameEl]), searchKey(fields[Name])});
    }
    return entries;
}

const std::vector<Entry>& table() {
    static const std::vector<Entry> entries = readTable();
    return entries;
}

} // namespace

const ZoneTable& zoneTable() {
    static const ZoneTable zones = [] {
        QFile file(QStringLiteral(":/places/zones.txt"));
        if (!file.open(QIODevice::ReadOnly)) return ZoneTable();
        const QByteArray text = file.readAll();
        return ZoneTable::parse(std::string_view(text.constData(), std::size_t(text.size())));
    }();
    return zones;
}

std::shared_ptr<const model::LegalClock> clockOf(const Place& place) {
    const Zone* zone = zoneTable().find(place.zone.toStdString());
    if (!zone) return nullptr;
    return std::make_shared<const ZoneClock>(*zone, place.standardOffset);
}

QString searchKey(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) key += c;
    return key.toCaseFolded();
}

std::vector<const Place*> findPlaces(const QString& query) {
    const QString key = searchKey(query.trimmed());
    std::vector<const Place*> found;
    // The table is in the order the matches are shown in.
    for (const Entry& entry : table())
        if (entry.greekKey.contains(key) || entry.latinKey.contains(key))
            found.push_back(&entry.place);
    return found;
}

Dms dmsOf(double longitude) {
    const long long total = std::llround(std::fabs(longitude) * ArcSecondsPerDegree);
    return {static_cast<int>(total / ArcSecondsPerDegree),
            static_cast<int>(total % ArcSecondsPerDegree / ArcSecondsPerMinute),
            static_cast<int>(total % ArcSecondsPerMinute), longitude >= 0};
}

QString longitudeText(const Dms& dms) {
    return QString::fromStdString(input::LongitudeText(std::to_string(dms.degrees),
                                                       std::to_string(dms.minutes),
                                                       std::to_string(dms.seconds), dms.east));
}

std::optional<QString> zoneItemOf(int standardOffset) {
    const double minutes = std::abs(standardOffset) / model::SecondsPerMinute;
    const double hours = std::floor(minutes / model::MinutesPerHour);
    const QString text = standardOffset == 0
                             ? QStringLiteral("GMT")
                             : QStringLiteral("GMT %1%2:%3")
                                   .arg(QChar(standardOffset < 0 ? u'-' : u'+'))
                                   .arg(static_cast<int>(hours), 2, 10, QChar(u'0'))
                                   .arg(static_cast<int>(minutes - hours * model::MinutesPerHour),
                                        2, 10, QChar(u'0'));
    for (std::string_view item : input::ZoneItems)
        if (QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())) == text)
            return text;
    return std::nullopt;
}

} // namespace places
