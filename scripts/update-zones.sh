#!/usr/bin/env bash
# Rebuilds places/zones.txt, the legal time of every zone of places/places.tsv (its UTC offset at
# any instant from 1900 on, history included), from Debian's tzdata. The program reads no time
# zone database of the machine it runs on: this file, compiled in, is the same on every platform.
# The script reads the zones' binary files in /usr/share/zoneinfo itself, writes each zone's
# changes of offset from 1900 to the last one the file lists and the POSIX TZ rule that holds
# after it, then reads its own output back and holds it, every date of 1900-2100 and either side
# of every change, to Python's zoneinfo and to zdump. It fails on any difference, before it
# replaces the old file. The same tzdata always gives the same bytes. Installs what it lacks with
# apt-get. It takes a minute or two.
# Usage: scripts/update-zones.sh
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$(dirname "$0")/.."
places=places/places.tsv
out=places/zones.txt
export LC_ALL=C.UTF-8 TZ=UTC TZDIR=/usr/share/zoneinfo

need=()
for pkg in tzdata libc-bin python3; do
  dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q ' installed$' || need+=("$pkg")
done
if ((${#need[@]})); then
  # Waits for another apt or dpkg run to let go of the lock rather than failing at once.
  "${sudo[@]}" apt-get install -y -q -o DPkg::Lock::Timeout=600 "${need[@]}" ||
    { "${sudo[@]}" apt-get update -q && "${sudo[@]}" apt-get install -y -q \
      -o DPkg::Lock::Timeout=600 "${need[@]}"; }
fi
[ -f "$places" ] || fail "no $places: scripts/update-places.sh makes it"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

package=$(dpkg-query -W -f='${Version}' tzdata)
release=$(sed -n '1s/^# version //p' /usr/share/zoneinfo/tzdata.zi)
[[ $release =~ ^[0-9]{4}[a-z]$ && $package == "$release"-* ]] ||
  fail "tzdata $package, but tzdata.zi says version '$release'"
grep -v '^#' "$places" | cut -f7 | sort -u >"$work/zones"

# Debian's own python3 reads the database here, and in the checks below through its zoneinfo,
# which takes the host's tzdata rather than a copy from PyPI.
/usr/bin/python3 - "$work/zones" "$work/zones.txt" "$release" "$package" <<'EOF'
import re
import struct
import sys

zones_path, out_path, release, package = sys.argv[1:5]
ZONEINFO = '/usr/share/zoneinfo/'
START = -2208988800  # 1900-01-01T00:00Z
DIGITS = '0123456789abcdefghijklmnopqrstuvwxyz'
LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'


def base36(n):
    text = ''
    while True:
        n, digit = divmod(n, 36)
        text = DIGITS[digit] + text
        if n == 0:
            return text


def read_tzif(zone):
    """The changes (UTC seconds, offset from then on), the offset before the first one and the
    footer's TZ rule of a zone's TZif file, from its 64-bit part (version 2 and later)."""
    with open(ZONEINFO + zone, 'rb') as f:
        data = f.read()

    def header(at):
        if data[at:at + 4] != b'TZif' or data[at + 4:at + 5] not in (b'2', b'3', b'4'):
            sys.exit(f'{zone}: not a TZif file of version 2 or later')
        return struct.unpack('>6l', data[at + 20:at + 44])

    isut, isstd, leap, times, types, chars = header(0)
    at = 44 + times * 5 + types * 6 + chars + leap * 8 + isstd + isut  # past the 32-bit part
    isut, isstd, leap, times, types, chars = header(at)
    if leap:
        sys.exit(f'{zone}: leap seconds, a "right/" zone')
    at += 44
    when = struct.unpack(f'>{times}q', data[at:at + 8 * times])
    at += 8 * times
    which = data[at:at + times]
    at += times
    offsets = [struct.unpack('>lBB', data[at + 6 * i:at + 6 * i + 6])[0] for i in range(types)]
    at += 6 * types + chars + isstd + isut
    footer = data[at:]
    if not (footer.startswith(b'\n') and footer.endswith(b'\n') and footer.count(b'\n') == 2):
        sys.exit(f'{zone}: no TZ rule at the end of its file')
    if list(when) != sorted(set(when)):
        sys.exit(f'{zone}: changes out of order')
    changes = [(t, offsets[i]) for t, i in zip(when, which)]
    # Before its first change a zone keeps its first type (RFC 8536).
    before = offsets[0]
    for t, offset in changes:
        if t < START:
            before = offset
    return before, [c for c in changes if c[0] >= START], footer.decode('ascii').strip('\n')


zones = open(zones_path, encoding='utf-8').read().split()
lines = []
total = 0
for zone in zones:
    if not re.fullmatch(r'[A-Za-z0-9_+\-]+(/[A-Za-z0-9_+\-]+)*', zone):
        sys.exit(f'zone {zone!r}: not a zone name')
    before, changes, rule = read_tzif(zone)
    offsets = [before]
    for _, offset in changes:
        if offset not in offsets:
            offsets.append(offset)
    if len(offsets) > len(LETTERS):
        sys.exit(f'{zone}: {len(offsets)} offsets, more than letters for them')
    text, last = '', START
    for t, offset in changes:
        text += base36(t - last) + LETTERS[offsets.index(offset)]
        last = t
    if '\t' in rule or not rule.isprintable():
        sys.exit(f'{zone}: TZ rule {rule!r}')
    lines.append('\t'.join([zone, ','.join(map(str, offsets)), text, rule]))
    total += len(changes)

with open(out_path, 'w', encoding='ascii', newline='\n') as f:
    f.write(f'# tzdata {release} (Debian package tzdata {package}): the legal time of '
            f'{len(zones)} zones from 1900 on, {total} changes, read from /usr/share/zoneinfo '
            'by scripts/update-zones.sh\n'
            '# A zone a line, four fields split by tabs: its name; its UTC offsets in seconds, '
            'East positive, split by commas, the first in force until its first change; its '
            'changes, each the seconds since the one before (the first: since '
            '1900-01-01T00:00Z) in base 36 (0-9, a-z) and the capital letter of the offset '
            'from then on (A the first); the POSIX TZ rule in force from its last change on, '
            'empty if none.\n')
    f.write('\n'.join(lines) + '\n')
EOF

# Checks on the file as written, read back from its bytes, against two other readings of the
# database: Python's zoneinfo (at noon of every date and either side of every change) and glibc's
# zdump (the same list of changes, to the second).
mapfile -t zones <"$work/zones"
zdump -v -c 1899,2102 "${zones[@]}" >"$work/zdump"
/usr/bin/python3 - "$work/zones" "$work/zones.txt" "$work/zdump" "$places" <<'EOF'
import bisect
import calendar
import re
import sys
import time
from datetime import datetime
from zoneinfo import ZoneInfo, reset_tzpath

zones_path, table_path, zdump_path, places_path = sys.argv[1:5]
reset_tzpath(['/usr/share/zoneinfo'])
START = -2208988800             # 1900-01-01T00:00Z
END = 4133980800                # 2101-01-01T00:00Z
failures = []


def fail(message):
    failures.append(message)
    if len(failures) > 50:
        sys.exit('zones.txt: ' + '\nzones.txt: '.join(failures) + '\nzones.txt: and more')


# POSIX TZ rules, read independently of the file's writer, which copies them as they are.
NAME = r'(?:[A-Za-z]{3,}|<[A-Za-z0-9+\-]{3,}>)'
HMS = r'([+-]?)(\d{1,3})(?::(\d{1,2}))?(?::(\d{1,2}))?'
DATE = r'(?:M(\d{1,2})\.(\d)\.(\d)|J(\d{1,3})|(\d{1,3}))(?:/' + HMS + r')?'
RULE = re.compile(f'({NAME}){HMS}(?:({NAME})(?:{HMS})?,{DATE},{DATE})?')


def seconds(sign, h, m, s):
    value = int(h) * 3600 + int(m or 0) * 60 + int(s or 0)
    return -value if sign == '-' else value


def parse_rule(text):
    """(standard offset, or (standard, summer, start, end)), offsets East positive."""
    match = RULE.fullmatch(text)
    if not match:
        return None
    g = match.groups()
    std = -seconds(*g[1:5])
    if g[5] is None:
        return (std, None, None, None)
    dst = std + 3600 if g[6] is None else -seconds(*g[6:10])

    def date(parts):
        month, week, weekday, julian, zero = parts[:5]
        at = 7200 if parts[6] is None else seconds(*parts[5:9])
        return (month, week, weekday, julian, zero, at)

    return (std, dst, date(g[10:19]), date(g[19:28]))


def local_day(year, month, week, weekday, julian, zero):
    """Days since 1970-01-01 of a rule's date in `year`."""
    jan1 = calendar.timegm((year, 1, 1, 0, 0, 0)) // 86400
    if julian is not None:  # J1 to J365, never 29 February
        n = int(julian)
        return jan1 + n - 1 + (1 if calendar.isleap(year) and n >= 60 else 0)
    if zero is not None:  # 0 to 365, 29 February counted
        return jan1 + int(zero)
    month, week, weekday = int(month), int(week), int(weekday)
    first = calendar.timegm((year, month, 1, 0, 0, 0)) // 86400
    # The first such weekday of the month (0 for Sunday; calendar counts from Monday), then
    # week - 1 weeks on; week 5 is the last one of the month.
    day = first + (weekday - (calendar.weekday(year, month, 1) + 1)) % 7 + 7 * (week - 1)
    if day >= first + calendar.monthrange(year, month)[1]:
        day -= 7
    return day


def rule_changes(rule, first_year, last_year):
    """The rule's changes, (UTC seconds, offset from then on), sorted."""
    std, dst, start, end = rule
    if dst is None:
        return []
    out = []
    for year in range(first_year, last_year + 1):
        out.append((local_day(year, *start[:5]) * 86400 + start[5] - std, 1, dst))
        out.append((local_day(year, *end[:5]) * 86400 + end[5] - dst, 0, std))
    return [(t, offset) for t, _, offset in sorted(out)]


lines = open(table_path, encoding='ascii').read().split('\n')
if lines[-1] != '' or not re.fullmatch(r'# tzdata \d{4}[a-z] \(Debian package tzdata '
                                       r'\S+\): .* read from /usr/share/zoneinfo by '
                                       r'scripts/update-zones\.sh', lines[0]):
    fail('header or end: ' + lines[0])
wanted = open(zones_path, encoding='utf-8').read().split()
table = {}
for n, line in enumerate(lines[2:-1], 3):
    fields = line.split('\t')
    if len(fields) != 4:
        fail(f'line {n}: {len(fields)} fields')
        continue
    zone, offsets, text, rule_text = fields
    offsets = [int(o) for o in offsets.split(',')]
    if not re.fullmatch(r'([0-9a-z]+[A-Z])*', text):
        fail(f'{zone}: changes {text[:40]}...')
        continue
    changes, t = [], START
    for delta, letter in re.findall(r'([0-9a-z]+)([A-Z])', text):
        t += int(delta, 36)
        changes.append((t, offsets[ord(letter) - ord('A')]))
    rule = parse_rule(rule_text) if rule_text else None
    if rule_text and rule is None:
        fail(f'{zone}: TZ rule {rule_text!r}')
        continue
    # The whole history to 2101: the changes listed, then the rule's (the rule holds from the last
    # listed change on), only those that change the offset.
    last = changes[-1][0] if changes else START
    history, offset = [], offsets[0]
    for t, after in changes:
        if after != offset:
            history.append((t, after))
        offset = after
    if rule:
        year = time.gmtime(last).tm_year
        past = [c for c in rule_changes(rule, year - 1, year + 1) if c[0] <= last]
        ruled = past[-1][1] if past else rule[0]
        if ruled != offset:
            history.append((last, ruled))
            offset = ruled
        for t, after in rule_changes(rule, year, 2101):
            if last < t < END and after != offset:
                history.append((t, after))
                offset = after
    table[zone] = (offsets[0], history)
if sorted(table) != wanted:
    fail(f'zones: {sorted(set(wanted) ^ set(table))}')


def offset_at(zone, t):
    before, history = table[zone]
    i = bisect.bisect_right(history, (t, 10 ** 6)) - 1
    return history[i][1] if i >= 0 else before


standard = {}
for line in open(places_path, encoding='utf-8'):
    if not line.startswith('#'):
        fields = line.rstrip('\n').split('\t')
        standard[fields[6]] = int(fields[7])

# zoneinfo: noon of every date of 1900-2100 by the zone's standard time, and either side of every
# change.
began = time.monotonic()
first_day, last_day = START // 86400, (END // 86400) - 1
checked = 0
for zone in sorted(table):
    info = ZoneInfo(zone)
    before, history = table[zone]

    def theirs(t):
        return int(datetime.fromtimestamp(t, info).utcoffset().total_seconds())

    for t, after in history:
        if START <= t < END:
            ours = offset_at(zone, t - 1)
            if theirs(t - 1) != ours or theirs(t) != after:
                fail(f'{zone} at {t}: {ours} then {after}, zoneinfo {theirs(t - 1)} then '
                     f'{theirs(t)}')
    i, offset = 0, before
    noon = 43200 - standard[zone]
    for day in range(first_day, last_day + 1):
        t = day * 86400 + noon
        while i < len(history) and history[i][0] <= t:
            offset = history[i][1]
            i += 1
        if theirs(t) != offset:
            fail(f'{zone} on {time.strftime("%Y-%m-%d", time.gmtime(day * 86400))}: {offset}, '
                 f'zoneinfo {theirs(t)}')
        checked += 1
print(f'zones.txt: {checked} noons and the changes of {len(table)} zones as zoneinfo has them, '
      f'{time.monotonic() - began:.0f} s')

# zdump: the changes of offset from 1900 to 2100, each at the same second.
dumped = {zone: [] for zone in table}
for line in open(zdump_path, encoding='ascii'):
    match = re.fullmatch(r'(\S+)\s+\w{3} (\w{3} [ \d]\d \d\d:\d\d:\d\d \d+) UT = .* '
                         r'isdst=\d gmtoff=(-?\d+)\n', line)
    if match:
        t = calendar.timegm(time.strptime(match[2], '%b %d %H:%M:%S %Y'))
        dumped[match[1]].append((t, int(match[3])))
    elif not line.endswith(' = NULL\n'):
        fail(f'zdump: {line!r}')
for zone, seen in dumped.items():
    changes = [(t, o) for (_, p), (t, o) in zip(seen, seen[1:]) if o != p and START <= t < END]
    mine = [(t, o) for t, o in table[zone][1] if START <= t < END]
    if changes != mine:
        extra, missing = sorted(set(mine) - set(changes)), sorted(set(changes) - set(mine))
        fail(f'{zone}: zdump lacks {extra[:3]}, has besides {missing[:3]}')

# A message on standard error and status 1 where anything differed.
sys.exit('\n'.join('zones.txt: ' + message for message in failures) or None)
EOF

install -D -m 644 "$work/zones.txt" "$out"
echo "$out: $(($(wc -l <"$out") - 2)) zones, $(wc -c <"$out") bytes, tzdata $release"
