#pragma once
// The legal time of the places' zones: a zone's UTC offset at any instant from 1900 on, its
// history included, from the program's own table (places/zones.txt, which
// scripts/update-zones.sh makes from tzdata), never from the time zone database of the machine
// it runs on, so that every platform shows the same clocks. Standard library only.

#include "model/calendar.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

// An instant: seconds since 1970-01-01T00:00Z, leap seconds left out.
using UtcSeconds = std::int64_t;

// A POSIX TZ rule, such as "EET-2EEST,M3.5.0/3,M10.5.0/4": how a zone keeps time after the last
// change its table lists. Offsets are seconds East of UTC (the rule's text writes them West).
struct ZoneRule {
    // A day of the year on which summer time starts or ends, and the local time of the change.
    struct Day {
        enum class Form {
            MonthWeekDay, // Mm.w.d: weekday d (0 Sunday) of week w (1 to 5, 5 the last) of month m
            Julian,       // Jn: day n from 1 to 365, 29 February never counted
            ZeroBased,    // n: day n from 0 to 365, 29 February counted
        };
        Form form = Form::MonthWeekDay;
        int month = 1;
        int week = 1;
        int weekday = 0;
        int day = 0;     // of the Julian and ZeroBased forms
        int time = 7200; // seconds after local midnight, from -167 to 167 hours
    };
    int standardOffset = 0;
    bool summer = false; // whether there is summer time at all; the rest is unused without it
    int summerOffset = 0;
    Day start; // summer time starts, at a time by standard time
    Day end;   // and ends, at a time by summer time
};

// The rule a TZ string writes, or none where the text is not one.
std::optional<ZoneRule> parseZoneRule(std::string_view text);

// The offset in seconds a rule gives at `utc`.
int ruleOffsetAt(const ZoneRule& rule, UtcSeconds utc);

// A zone of the table: its offsets from 1900 on.
struct Zone {
    std::string name;                // tzdata's, "Europe/Athens"
    int initialOffset = 0;           // in force before the first change
    std::vector<UtcSeconds> changes; // the instants its offset changes at, increasing
    std::vector<int> offsets;        // offsets[i] in force from changes[i] on
    std::optional<ZoneRule> rule;    // in force from the last change on; with no changes, always
};

// The UTC offset in seconds, East positive, in force in `zone` at `utc`.
int utcOffsetAt(const Zone& zone, UtcSeconds utc);

// Whether the clock of `zone` is on summer time at `utc`: ahead of the place's standard offset
// (places.tsv's, in seconds). tzdata's own flag is not asked: it calls Ireland's winter time
// summer time (a negative one) and Morocco's Ramadan time as well.
bool isSummerTime(const Zone& zone, UtcSeconds utc, int standardOffset);

// The instant of 12:00 by a standard offset on a date of the Gregorian calendar (month 1 to 12,
// day 1 to 31), the instant of a day the program reads the clock at.
UtcSeconds standardNoon(int year, int month, int day, int standardOffset);

// The zones of places/zones.txt, found by name.
class ZoneTable {
public:
    ZoneTable() = default;

    // The table the text of places/zones.txt writes; an empty one, without a version, where any
    // part of the text is malformed.
    static ZoneTable parse(std::string_view text);

    bool empty() const { return zones_.empty(); }
    std::size_t size() const { return zones_.size(); }
    // The tzdata release the table was made from, "2025b".
    const std::string& version() const { return version_; }
    // The zone of that name, or none. It lives as long as the table.
    const Zone* find(std::string_view name) const;
    // Every zone, by name.
    const std::vector<Zone>& zones() const { return zones_; }

private:
    std::string version_;
    std::vector<Zone> zones_;
};

// A place's legal time, as the calendar year reads it: the zone's offsets, and the standard
// offset the place table gives the place (summer time is an offset above it).
class ZoneClock final : public model::LegalClock {
public:
    ZoneClock(const Zone& zone, int standardOffset) : zone_(zone), standard_(standardOffset) {}
    int offsetAt(std::int64_t utcSeconds) const override { return utcOffsetAt(zone_, utcSeconds); }
    int standardOffset() const override { return standard_; }

private:
    const Zone& zone_;
    int standard_;
};

} // namespace places
