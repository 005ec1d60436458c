#pragma once
// The places the program knows by name, from its own table (places/places.tsv, made by
// scripts/update-places.sh from GeoNames), finding them as a user types, and what the window
// takes of them: the longitude in degrees, minutes and seconds, and the zone list's item.

#include "places/legaltime.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace places {

struct Place {
    QString name;           // Greek where the table has a Greek name, otherwise Latin
    QString country;        // the country's short Greek name
    double longitude = 0;   // degrees, East positive
    int standardOffset = 0; // seconds from UTC, summer time left out
    QString zone;           // the time-zone database's name of its legal time, "Europe/Athens"
};

// The legal time of the zones the places keep, from the program's own data (places/zones.txt,
// made by scripts/update-zones.sh from tzdata), and the clock of a place: none where its zone
// has no data.
const ZoneTable& zoneTable();
std::shared_ptr<const model::LegalClock> clockOf(const Place& place);

// What a search compares: the text decomposed, its accents dropped and its case folded, so that
// «ΚΑΛΑΜΑΤΑ», «καλαματα» and «Καλαμάτα» read alike, and a final sigma as a sigma.
QString searchKey(const QString& text);

// The places whose Greek or Latin name holds `query`, best first: Greek and Cypriot places before
// the rest, then by size, as the table has them. An empty query finds every place. The places
// live as long as the program.
std::vector<const Place*> findPlaces(const QString& query);

// A longitude in whole degrees, minutes and seconds of arc, to the nearest second.
struct Dms {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    bool east = true;
};
Dms dmsOf(double longitude);

// «22° 6΄ 46΄΄ Ανατολικά»: the printed place line's form, with the numbers as they are (the
// fields, once tidied, write «06»).
QString longitudeText(const Dms& dms);

// The item of the zone list for a standard offset («GMT +02:00», «GMT»), or none where the list
// has no such item.
std::optional<QString> zoneItemOf(int standardOffset);

} // namespace places
