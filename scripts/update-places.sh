#!/usr/bin/env bash
# Rebuilds places/places.tsv, the table of places the program finds by name, from Debian's packages:
# GeoNames' towns of over 15 000 people and their Greek names (libgeonames, CC BY 4.0), the Greek
# country names of iso-codes and the host's time zone data (tzdata). Installs what it lacks with
# apt-get. The table holds every place of Greece and Cyprus, every other place with a Greek name
# and the largest place of each country. It checks the table before it replaces the old one and
# fails if a check fails. The same packages always give the same bytes.
# Usage: scripts/update-places.sh
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$(dirname "$0")/.."
out=places/places.tsv
export LC_ALL=C.UTF-8 TZ=UTC

install_missing libgeonames-dev libgeonames-common libgeonames0 iso-codes tzdata gcc libc6-dev \
  pkg-config python3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# libgeonames hands each town out as a GVariant (id, name, region code, region, country code,
# country, zone, population, latitude, longitude); its accessors leave out the id, which is what
# the Greek names are keyed by, so this reads the tuple itself and refuses any other layout.
cat >"$work/dump.c" <<'EOF'
#include <geonames/geonames.h>
#include <stdio.h>

int main(void)
{
    const int n = geonames_get_n_cities();
    for (int i = 0; i < n; ++i) {
        GeonamesCity *city = geonames_get_city(i);
        if (!city || !g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
            fprintf(stderr, "libgeonames: town %d is not (sssssssudd)\n", i);
            return 1;
        }
        const gchar *id, *name, *region_code, *region, *country_code, *country, *zone;
        guint32 population;
        gdouble latitude, longitude;
        g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &id, &name, &region_code, &region,
                      &country_code, &country, &zone, &population, &latitude, &longitude);
        /* %.17g gives the double back exactly; the table's writer shortens it. */
        printf("%s\t%s\t%s\t%s\t%s\t%u\t%.17g\t%.17g\n", id, name, country_code, country, zone,
               population, latitude, longitude);
        geonames_city_free(city);
    }
    return fflush(stdout) == 0 ? 0 : 1;
}
EOF
# shellcheck disable=SC2046 # pkg-config's flags are meant to split
gcc -std=c11 -O1 -o "$work/dump" "$work/dump.c" $(pkg-config --cflags --libs geonames)
"$work/dump" >"$work/towns.tsv"

# Debian's own python3, whose zoneinfo reads the host's tzdata.
/usr/bin/python3 - "$work/towns.tsv" "$work/places.tsv" <<'EOF'
import gettext
import json
import sys
import unicodedata
from datetime import datetime, timezone
from decimal import Decimal
from zoneinfo import ZoneInfo, reset_tzpath

towns_path, out_path = sys.argv[1:3]
reset_tzpath(['/usr/share/zoneinfo'])

CREDIT = ("GeoNames (geonames.org), CC BY 4.0, via Debian's libgeonames; "
          "country names from Debian's iso-codes")
COLUMNS = ['name_el', 'name', 'country_el', 'country', 'latitude', 'longitude', 'zone',
           'standard_offset_s', 'population', 'geonames_id']
HOME = ('GR', 'CY')

# Greek names the translations get wrong, by GeoNames id.
GREEK_NAMES = {
    # Cypriot towns that the translations give only in Latin transliteration.
    '146054': 'Στρόβολος',
    '146384': 'Λεμεσός',
    '146412': 'Κερύνεια',
    '146617': 'Αμμόχωστος',
    # A Latin capital A with a loose combining accent where Ά belongs.
    '2306104': 'Άκκρα',
    '3435910': 'Μπουένος Άιρες',
    '4035413': 'Άπια',
    # A Latin gloss after the Greek name.
    '323786': 'Άγκυρα',
    # Names that also list the country's other capital, for the one town.
    '1252416': 'Τιμπού',
    '3911925': 'Λα Παζ',
    '964137': 'Πρετόρια',
}

# Standard time is read off two fixed instants half a year apart, so that the table does not
# depend on the day it is made. Summer time puts clocks forward, in either hemisphere, so the
# smaller of the two offsets is standard time. tzdata writes Ireland the other way round (Irish
# Standard Time, +01, in summer and a "negative summer time", GMT, in winter); the smaller offset
# gives Dublin GMT like London, which is the clock's winter setting and what CLDR and Windows
# call its standard time. Morocco is +01 all year but for Ramadan, and neither instant falls in
# Ramadan 2026.
INSTANTS = (datetime(2026, 1, 15, 12, tzinfo=timezone.utc),
            datetime(2026, 7, 15, 12, tzinfo=timezone.utc))


def standard_offset(zone):
    return min(int(t.astimezone(ZoneInfo(zone)).utcoffset().total_seconds()) for t in INSTANTS)


def greek_letters(text, marks=" -'()/."):
    """True if text is a tidy name written in Greek letters, with no marks but these."""
    return (text == unicodedata.normalize('NFC', text) and text == text.strip()
            and '  ' not in text and any(c.isalpha() for c in text)
            and all(unicodedata.name(c, '').startswith('GREEK') for c in text if c.isalpha())
            and all(c.isalpha() or c in marks for c in text))


def decimal(text):
    """The shortest decimal that reads back as the same double, never in exponent form."""
    return format(Decimal(repr(float(text))), 'f')


def catalog(path):
    with open(path, 'rb') as f:
        return gettext.GNUTranslations(f)._catalog


names_el = catalog('/usr/share/locale/el/LC_MESSAGES/geonames.mo')
countries_el = catalog('/usr/share/locale/el/LC_MESSAGES/iso_3166-1.mo')
with open('/usr/share/iso-codes/json/iso_3166-1.json', encoding='utf-8') as f:
    iso = {e['alpha_2']: e for e in json.load(f)['3166-1']}

towns = []
with open(towns_path, encoding='utf-8') as f:
    for line in f:
        tid, name, code, country_en, zone, population, lat, lon = line.rstrip('\n').split('\t')
        towns.append({'id': tid, 'name': name, 'code': code, 'country_en': country_en,
                      'zone': zone, 'population': int(population), 'lat': lat, 'lon': lon})


def country_name(code, geonames_english):
    # iso-codes' short name (common_name where it has one, as Βολιβία for "Bolivia,
    # Plurinational State of"). Where it has no Greek (Türkiye, and Kosovo, which ISO 3166 lacks)
    # GeoNames' own Greek country name fills in, then the English name.
    entry = iso.get(code, {})
    english = [entry[k] for k in ('common_name', 'name') if k in entry]
    for greek in [countries_el.get(e) for e in english] + [names_el.get(code)]:
        # iso-codes turns some names round, "Κορέα, Δημοκρατία της".
        if greek and greek_letters(greek, " -'()/.,"):
            return greek
    return english[0] if english else geonames_english


def greek_name(town):
    name = GREEK_NAMES.get(town['id'], names_el.get(town['id'], ''))
    return name if greek_letters(name) else ''


def rank(town):
    return (-town['population'], int(town['id']))


largest = {}
for town in towns:
    if town['code'] not in largest or rank(town) < rank(largest[town['code']]):
        largest[town['code']] = town
chosen = [t for t in towns
          if t['code'] in HOME or greek_name(t) or largest[t['code']] is t]
chosen.sort(key=lambda t: (t['code'] not in HOME,) + rank(t))

with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
    f.write('# ' + CREDIT + '. Columns: ' + '\t'.join(COLUMNS) + '\n')
    for t in chosen:
        f.write('\t'.join([greek_name(t), t['name'], country_name(t['code'], t['country_en']),
                           t['code'], decimal(t['lat']), decimal(t['lon']), t['zone'],
                           str(standard_offset(t['zone'])), str(t['population']), t['id']])
                + '\n')
EOF

# Checks on the table as written, read back from its bytes.
/usr/bin/python3 - "$work/towns.tsv" "$work/places.tsv" <<'EOF'
import gettext
import sys
import unicodedata
from datetime import datetime, timezone
from zoneinfo import ZoneInfo, reset_tzpath

towns_path, table_path = sys.argv[1:3]
reset_tzpath(['/usr/share/zoneinfo'])
failures = []


def fail(message):
    failures.append(message)


def greek_only(text):
    return (text != '' and text == unicodedata.normalize('NFC', text) and text == text.strip()
            and all(unicodedata.name(c, '').startswith('GREEK') for c in text if c.isalpha()))


with open(table_path, encoding='utf-8') as f:
    lines = f.read().split('\n')
if lines[-1] != '':
    fail('the table does not end in a newline')
header, rows = lines[0], [line.split('\t') for line in lines[1:-1]]
if not (header.startswith('# GeoNames (geonames.org), CC BY 4.0')
        and header.endswith('Columns: name_el\tname\tcountry_el\tcountry\tlatitude\tlongitude'
                            '\tzone\tstandard_offset_s\tpopulation\tgeonames_id')):
    fail('header: ' + header)
table = {}
for n, row in enumerate(rows, 2):
    if len(row) != 10:
        fail(f'line {n}: {len(row)} columns')
        continue
    name_el, name, country_el, code, lat, lon, zone, offset, population, tid = row
    if tid in table:
        fail(f'line {n}: id {tid} again')
    table[tid] = row
    if code in ('GR', 'CY') and not greek_only(name_el):
        fail(f'line {n}: {name} ({code}) has no Greek name in Greek letters: {name_el!r}')
    if name_el and not greek_only(name_el):
        fail(f'line {n}: Greek name not in Greek letters: {name_el!r}')
    if not name or not country_el or len(code) != 2 or not zone or not tid.isdigit():
        fail(f'line {n}: empty or malformed field: {row}')
    if not -90 <= float(lat) <= 90 or not -180 <= float(lon) <= 180:
        fail(f'line {n}: {name} at {lat}, {lon}')
    if not offset.lstrip('-').isdigit():
        fail(f'line {n}: {zone} has no standard offset: {offset!r}')
    elif int(offset) % 900 or abs(int(offset)) > 14 * 3600:
        fail(f'line {n}: {zone} standard offset {offset} s')
    if not population.isdigit():
        fail(f'line {n}: population {population!r}')

# The standard offset again, by the other reading: at the one of the two instants where the zone
# keeps no summer time. The two readings part only where tzdata writes a negative summer time.
instants = (datetime(2026, 1, 15, 12, tzinfo=timezone.utc),
            datetime(2026, 7, 15, 12, tzinfo=timezone.utc))
for zone in sorted({row[6] for row in table.values()}):
    local = [t.astimezone(ZoneInfo(zone)) for t in instants]
    offsets = {row[7] for row in table.values() if row[6] == zone}
    plain = {str(int(t.utcoffset().total_seconds())) for t in local if not t.dst()}
    if any(t.dst().total_seconds() < 0 for t in local):
        continue
    if len(offsets) != 1 or offsets != plain:
        fail(f'{zone}: standard offset {offsets}, without summer time {plain}')

# Who belongs in the table, from the towns as libgeonames gives them.
towns = [line.rstrip('\n').split('\t') for line in open(towns_path, encoding='utf-8')]
home = {t[0] for t in towns if t[2] in ('GR', 'CY')}
if not home <= table.keys():
    fail(f'places of Greece and Cyprus missing: {sorted(home - table.keys())}')
by_country = {}
for t in towns:
    by_country.setdefault(t[2], []).append(t)
for code, members in sorted(by_country.items()):
    top = max(int(t[5]) for t in members)
    if not any(t[0] in table for t in members if int(t[5]) == top):
        fail(f'{code}: its largest place is missing')
with open('/usr/share/locale/el/LC_MESSAGES/geonames.mo', 'rb') as f:
    translated = gettext.GNUTranslations(f)._catalog
for t in towns:
    greek = translated.get(t[0], '')
    if any(unicodedata.name(c, '').startswith('GREEK') for c in greek) and \
            not table.get(t[0], [''])[0]:
        fail(f'{t[1]} ({t[2]}): missing, or without its Greek name {greek!r}')
for tid, row in table.items():
    if row[3] not in ('GR', 'CY') and not row[0] and \
            int(row[8]) < max(int(t[5]) for t in by_country[row[3]]):
        fail(f'{row[1]} ({row[3]}): no Greek name and not the largest place')

# The order: Greece and Cyprus first, then by population, largest first, then by id.
keys = [(r[3] not in ('GR', 'CY'), -int(r[8]), int(r[9])) for r in rows if len(r) == 10]
if keys != sorted(keys):
    fail('rows out of order')

# Facts to hold the table to.
facts = {
    '264371': ('Αθήνα', 'GR'), '734077': ('Θεσσαλονίκη', 'GR'), '255683': ('Πάτρα', 'GR'),
    '261745': ('Ηράκλειο', 'GR'), '258576': ('Λάρισα', 'GR'), '261779': ('Ιωάννινα', 'GR'),
    '400666': ('Ρόδος', 'GR'), '735914': ('Κατερίνη', 'GR'), '146268': ('Λευκωσία', 'CY'),
    '146384': ('Λεμεσός', 'CY'), '146054': ('Στρόβολος', 'CY'), '146412': ('Κερύνεια', 'CY'),
    '146617': ('Αμμόχωστος', 'CY'),
}
for tid, (name_el, code) in facts.items():
    row = table.get(tid)
    if not row or row[0] != name_el or row[3] != code:
        fail(f'{tid} should be {name_el} ({code}): {row}')
athens = table.get('264371', [''] * 10)
if athens[5] != '23.72784' or athens[6] != 'Europe/Athens':
    fail(f'Athens: {athens}')
if not any(r[1] == 'Kalamata' and r[3] == 'GR' and r[5] == '22.11265' for r in table.values()):
    fail('Kalamata is not at 22.11265 E')
for row in table.values():
    if row[3] in ('GR', 'CY') and row[7] != '7200':
        fail(f'{row[1]} ({row[3]}): standard offset {row[7]} s, should be 7200')
    country_el = {'GR': 'Ελλάδα', 'CY': 'Κύπρος', 'PT': 'Πορτογαλία'}.get(row[3], row[2])
    if row[2] != country_el:
        fail(f'{row[1]} ({row[3]}): country {row[2]}, should be {country_el}')
# Zones with summer time in either hemisphere, Ireland's negative one and a half-hour zone.
for zone, offset in {'Europe/Dublin': '0', 'Europe/London': '0', 'Europe/Lisbon': '0',
                     'Atlantic/Azores': '-3600', 'Australia/Sydney': '36000',
                     'America/Sao_Paulo': '-10800', 'America/New_York': '-18000',
                     'Asia/Kolkata': '19800'}.items():
    seen = {row[7] for row in table.values() if row[6] == zone}
    if seen != {offset}:
        fail(f'{zone}: standard offset {seen}, should be {offset}')

for message in failures:
    print('places.tsv: ' + message, file=sys.stderr)
sys.exit(1 if failures else 0)
EOF

mkdir -p "$(dirname "$out")"
cp "$work/places.tsv" "$out"
awk -F'\t' 'NR > 1 { n[$4 == "GR" || $4 == "CY" ? "Greece and Cyprus" : $1 != "" ? \
  "elsewhere, with a Greek name" : "elsewhere, largest of its country"]++ }
  END { for (k in n) printf "%s: %d places, %s\n", FILENAME, n[k], k }' "$out" | sort
