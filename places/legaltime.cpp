#include "places/legaltime.h"

#include <algorithm>
#include <array>
#include <utility>

namespace places {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
// 1900-01-01T00:00Z, the instant the table counts its first change from.
constexpr UtcSeconds TableStart = -2208988800;
// How far from 1970 the table may reach and the rules are evaluated: about a million years, so
// that no sum of days and seconds below comes near overflowing.
constexpr UtcSeconds FarAway = std::int64_t{1} << 45;
// The offsets a zone may have (RFC 8536's bounds) and the times of day a rule's change may have.
constexpr int MostWest = -89999;
constexpr int MostEast = 93599;
constexpr int MostRuleHours = 167;

// Division and remainder that round towards minus infinity, for a positive divisor.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}
std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    return a - floorDiv(a, b) * b;
}

// Days since 1970-01-01 of a date of the Gregorian calendar (month 1 to 12).
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The year of the Gregorian calendar that day `days` (since 1970-01-01) falls in.
std::int64_t yearOfDay(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    return yearOfEra + era * 400 + (shiftedMonth >= 10 ? 1 : 0);
}

bool isLeap(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int monthLength(std::int64_t year, int month) {
    constexpr std::array<int, 12> Lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeap(year) ? 29 : Lengths[static_cast<std::size_t>(month - 1)];
}

// Days since 1970-01-01 of a rule's day in `year`.
std::int64_t dayOf(const ZoneRule::Day& day, std::int64_t year) {
    using Form = ZoneRule::Day::Form;
    const std::int64_t january1 = daysFromCivil(year, 1, 1);
    switch (day.form) {
    case Form::Julian:
        return january1 + day.day - 1 + (isLeap(year) && day.day >= 60 ? 1 : 0);
    case Form::ZeroBased:
        return january1 + day.day;
    case Form::MonthWeekDay:
        break;
    }
    const std::int64_t first = daysFromCivil(year, day.month, 1);
    // 1970-01-01 was a Thursday, weekday 4.
    const std::int64_t firstWeekday = floorMod(first + 4, 7);
    const std::int64_t result =
        first + floorMod(day.weekday - firstWeekday, 7) + 7 * (day.week - 1);
    // Week 5 is the last: the fifth such weekday where the month has one, else the fourth.
    return result >= first + monthLength(year, day.month) ? result - 7 : result;
}

// A reader of text that moves on only over what it accepts.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return text_.empty(); }
    char peek() const { return text_.empty() ? '\0' : text_.front(); }
    bool take(char c) {
        if (peek() != c) return false;
        text_.remove_prefix(1);
        return true;
    }
    // A whole number of at most `maxDigits` decimal digits.
    std::optional<int> number(int maxDigits) {
        int value = 0, digits = 0;
        while (digits < maxDigits && peek() >= '0' && peek() <= '9') {
            value = value * 10 + (text_.front() - '0');
            text_.remove_prefix(1);
            ++digits;
        }
        if (digits == 0 || (peek() >= '0' && peek() <= '9')) return std::nullopt;
        return value;
    }
    // A zone abbreviation: three or more letters, or "<+0330>" style in angle brackets.
    bool abbreviation() {
        std::size_t length = 0;
        if (take('<')) {
            while (length < text_.size() && isQuoted(text_[length])) ++length;
            if (length < 3 || length >= text_.size() || text_[length] != '>') return false;
            text_.remove_prefix(length + 1);
            return true;
        }
        while (length < text_.size() && isLetter(text_[length])) ++length;
        if (length < 3) return false;
        text_.remove_prefix(length);
        return true;
    }
    // [+-]hh[:mm[:ss]], in seconds, hours from 0 to maxHours.
    std::optional<int> clock(int maxHours) {
        const bool negative = take('-');
        if (!negative) take('+');
        const auto hours = number(3);
        if (!hours || *hours > maxHours) return std::nullopt;
        int seconds = *hours * 3600;
        for (int unit : {60, 1}) {
            if (!take(':')) break;
            const auto part = number(2);
            if (!part || *part > 59) return std::nullopt;
            seconds += *part * unit;
        }
        return negative ? -seconds : seconds;
    }
    // A rule's day, with its time of day if it names one.
    std::optional<ZoneRule::Day> day() {
        using Form = ZoneRule::Day::Form;
        ZoneRule::Day result;
        if (take('M')) {
            const auto month = number(2);
            if (!month || *month < 1 || *month > 12 || !take('.')) return std::nullopt;
            const auto week = number(1);
            if (!week || *week < 1 || *week > 5 || !take('.')) return std::nullopt;
            const auto weekday = number(1);
            if (!weekday || *weekday > 6) return std::nullopt;
            result.month = *month;
            result.week = *week;
            result.weekday = *weekday;
        } else {
            const bool julian = take('J');
            const auto n = number(3);
            if (!n || *n > 365 || (julian && *n < 1)) return std::nullopt;
            result.form = julian ? Form::Julian : Form::ZeroBased;
            result.day = *n;
        }
        if (take('/')) {
            const auto time = clock(MostRuleHours);
            if (!time) return std::nullopt;
            result.time = *time;
        }
        return result;
    }

private:
    static bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
    static bool isQuoted(char c) {
        return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-';
    }

    std::string_view text_;
};

// Splits off the text up to the next `separator` (all of it where there is none).
std::string_view splitOff(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view head = text.substr(0, at);
    text.remove_prefix(at == std::string_view::npos ? text.size() : at + 1);
    return head;
}

std::optional<int> parseOffset(std::string_view text) {
    Reader reader(text);
    const bool negative = reader.take('-');
    const auto value = reader.number(5);
    if (!value || !reader.atEnd()) return std::nullopt;
    const int offset = negative ? -*value : *value;
    if (offset < MostWest || offset > MostEast) return std::nullopt;
    return offset;
}

int base36Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

// A zone's line: name, offsets, changes and rule, split by tabs.
std::optional<Zone> parseZone(std::string_view line) {
    if (std::count(line.begin(), line.end(), '\t') != 3) return std::nullopt;
    std::array<std::string_view, 4> fields;
    for (auto& field : fields) field = splitOff(line, '\t');
    Zone zone;
    zone.name = std::string(fields[0]);
    if (zone.name.empty() || zone.name.find(' ') != std::string::npos) return std::nullopt;

    std::vector<int> offsets;
    for (std::string_view list = fields[1];;) {
        const std::size_t comma = list.find(',');
        const auto offset = parseOffset(list.substr(0, comma));
        if (!offset || offsets.size() >= 26) return std::nullopt;
        offsets.push_back(*offset);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    zone.initialOffset = offsets.front();

    UtcSeconds at = TableStart;
    std::int64_t delta = 0;
    int digits = 0;
    for (const char c : fields[2]) {
        if (const int digit = base36Digit(c); digit >= 0) {
            if (++digits > 10) return std::nullopt;
            delta = delta * 36 + digit;
            continue;
        }
        const int index = c - 'A';
        if (index < 0 || index >= static_cast<int>(offsets.size()) || digits == 0)
            return std::nullopt;
        if (delta == 0 && !zone.changes.empty()) return std::nullopt; // not after the last one
        at += delta;
        if (at > FarAway) return std::nullopt;
        zone.changes.push_back(at);
        zone.offsets.push_back(offsets[static_cast<std::size_t>(index)]);
        delta = 0;
        digits = 0;
    }
    if (digits != 0) return std::nullopt;

    if (!fields[3].empty()) {
        zone.rule = parseZoneRule(fields[3]);
        if (!zone.rule) return std::nullopt;
    }
    return zone;
}

} // namespace

std::optional<ZoneRule> parseZoneRule(std::string_view text) {
    Reader reader(text);
    ZoneRule rule;
    if (!reader.abbreviation()) return std::nullopt;
    const auto standard = reader.clock(24);
    if (!standard) return std::nullopt;
    rule.standardOffset = -*standard;
    if (reader.atEnd()) return rule;

    if (!reader.abbreviation()) return std::nullopt;
    rule.summer = true;
    rule.summerOffset = rule.standardOffset + 3600;
    if (reader.peek() != ',') {
        const auto summer = reader.clock(24);
        if (!summer) return std::nullopt;
        rule.summerOffset = -*summer;
    }
    // The tables always say when summer time starts and ends; no default is guessed.
    if (!reader.take(',')) return std::nullopt;
    const auto start = reader.day();
    if (!start || !reader.take(',')) return std::nullopt;
    const auto end = reader.day();
    if (!end || !reader.atEnd()) return std::nullopt;
    rule.start = *start;
    rule.end = *end;
    return rule;
}

int ruleOffsetAt(const ZoneRule& rule, UtcSeconds utc) {
    if (!rule.summer) return rule.standardOffset;
    utc = std::clamp(utc, -FarAway, FarAway);
    // The changes of the years around `utc`, taken in order: the last one not after it decides.
    // A change's time may reach a week into the next year, so the year before is taken as well.
    const std::int64_t year = yearOfDay(floorDiv(utc + rule.standardOffset, SecondsPerDay));
    std::pair<UtcSeconds, bool> latest{-FarAway * 2, false};
    for (std::int64_t y = year - 2; y <= year + 1; ++y) {
        const UtcSeconds start =
            dayOf(rule.start, y) * SecondsPerDay + rule.start.time - rule.standardOffset;
        const UtcSeconds end =
            dayOf(rule.end, y) * SecondsPerDay + rule.end.time - rule.summerOffset;
        // A year's end before its start: where one year's end meets the next one's start
        // (summer time all year), the start, taken later, holds.
        for (const auto& change : {std::pair{end, false}, std::pair{start, true}})
            if (change.first <= utc && change.first >= latest.first) latest = change;
    }
    return latest.second ? rule.summerOffset : rule.standardOffset;
}

int utcOffsetAt(const Zone& zone, UtcSeconds utc) {
    const auto next = std::upper_bound(zone.changes.begin(), zone.changes.end(), utc);
    if (next == zone.changes.end() && zone.rule) return ruleOffsetAt(*zone.rule, utc);
    if (next == zone.changes.begin()) return zone.initialOffset;
    const auto index = static_cast<std::size_t>(next - zone.changes.begin() - 1);
    return index < zone.offsets.size() ? zone.offsets[index] : zone.initialOffset;
}

bool isSummerTime(const Zone& zone, UtcSeconds utc, int standardOffset) {
    return utcOffsetAt(zone, utc) > standardOffset;
}

UtcSeconds standardNoon(int year, int month, int day, int standardOffset) {
    return daysFromCivil(year, month, day) * SecondsPerDay + SecondsPerDay / 2 - standardOffset;
}

ZoneTable ZoneTable::parse(std::string_view text) {
    ZoneTable table;
    // The first line names the release: "# tzdata 2025b (...".
    constexpr std::string_view Lead = "# tzdata ";
    std::string_view first = splitOff(text, '\n');
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    if (first.substr(0, Lead.size()) != Lead) return {};
    first.remove_prefix(Lead.size());
    const std::string_view version = first.substr(0, first.find(' '));
    if (version.empty() || version.find('\t') != std::string_view::npos) return {};
    table.version_ = std::string(version);

    while (!text.empty()) {
        std::string_view line = splitOff(text, '\n');
        // A checkout that turned the line ends into CR LF reads the same.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        auto zone = parseZone(line);
        if (!zone) return {};
        table.zones_.push_back(std::move(*zone));
    }
    if (table.zones_.empty()) return {};
    std::sort(table.zones_.begin(), table.zones_.end(),
              [](const Zone& a, const Zone& b) { return a.name < b.name; });
    const auto twice =
        std::adjacent_find(table.zones_.begin(), table.zones_.end(),
                           [](const Zone& a, const Zone& b) { return a.name == b.name; });
    if (twice != table.zones_.end()) return {};
    return table;
}

const Zone* ZoneTable::find(std::string_view name) const {
    const auto at = std::lower_bound(
        zones_.begin(), zones_.end(), name,
        [](const Zone& zone, std::string_view wanted) { return zone.name < wanted; });
    return at != zones_.end() && at->name == name ? &*at : nullptr;
}

} // namespace places
