// Legal time: the UTC offsets of places/zones.txt as the program reads them, the POSIX TZ rules
// past the last listed change, summer time against a place's standard offset, and text that is
// not a table. The offsets expected are tzdata 2025b's (the release the table is made from), as
// zdump and Python's zoneinfo give them; the instants are UTC seconds since 1970.

#include "model/legalyear.h"
#include "places/legaltime.h"

#include <QDate>
#include <QtTest>

#include <fstream>
#include <limits>
#include <sstream>
#include <string>

// The table in the source tree, where the build names it.
#ifndef EXISOSI_ZONES_FILE
#define EXISOSI_ZONES_FILE "places/zones.txt"
#endif

using namespace places;

namespace {

// 12:00 by a standard offset of a date, by Qt's calendar rather than the one under test.
qint64 noonOf(int year, int month, int day, int standardOffset) {
    constexpr qint64 JulianDay1970 = 2440588;
    return (QDate(year, month, day).toJulianDay() - JulianDay1970) * 86400 + 43200 - standardOffset;
}

// A rule's day as the TZ string writes it, its time in seconds: "M3.5.0/10800", "J60/7200".
QString dayText(const ZoneRule::Day& day) {
    using Form = ZoneRule::Day::Form;
    const QString time = QStringLiteral("/%1").arg(day.time);
    switch (day.form) {
    case Form::MonthWeekDay:
        return QStringLiteral("M%1.%2.%3").arg(day.month).arg(day.week).arg(day.weekday) + time;
    case Form::Julian:
        return QStringLiteral("J%1").arg(day.day) + time;
    case Form::ZeroBased:
        return QString::number(day.day) + time;
    }
    return {};
}

// A table of one made-up zone, with the first line a table must have.
QByteArray tableOf(const QByteArray& zoneLines) {
    return "# tzdata 2099z (made up)\n" + zoneLines;
}

} // namespace

class TestLegalTime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tableVersion();
    void findZone_data();
    void findZone();
    void offsetAtNoon_data();
    void offsetAtNoon();
    void offsetAtInstant_data();
    void offsetAtInstant();
    void standardNoon_data();
    void standardNoon();
    void parseRule_data();
    void parseRule();
    void malformedRule_data();
    void malformedRule();
    void ruleOffset_data();
    void ruleOffset();
    void extremeInstants_data();
    void extremeInstants();
    void madeUpTable_data();
    void madeUpTable();
    void malformedTable_data();
    void malformedTable();
    void aYearInLegalTime_data();
    void aYearInLegalTime();
    void legalTimeJumpsADay();

private:
    ZoneTable table_;
};

void TestLegalTime::initTestCase() {
    std::ifstream file(EXISOSI_ZONES_FILE, std::ios::binary);
    QVERIFY2(file, "cannot read " EXISOSI_ZONES_FILE);
    std::ostringstream text;
    text << file.rdbuf();
    table_ = ZoneTable::parse(text.str());
    QVERIFY2(!table_.empty(), EXISOSI_ZONES_FILE " does not read as a table");
}

void TestLegalTime::tableVersion() {
    // The rows below hold for this release; a table from another one has them looked up again.
    QCOMPARE(table_.version(), std::string("2025b"));
}

void TestLegalTime::findZone_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("Athens") << QByteArray("Europe/Athens") << true;
    QTest::newRow("first by name") << QByteArray("Africa/Abidjan") << true;
    QTest::newRow("last by name") << QByteArray("Pacific/Wallis") << true;
    QTest::newRow("three parts") << QByteArray("America/Argentina/Buenos_Aires") << true;
    QTest::newRow("lower case") << QByteArray("europe/athens") << false;
    QTest::newRow("cut short") << QByteArray("Europe/Athen") << false;
    QTest::newRow("a space after") << QByteArray("Europe/Athens ") << false;
    QTest::newRow("area only") << QByteArray("Europe") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no place of the table there") << QByteArray("Antarctica/Troll") << false;
}

void TestLegalTime::findZone() {
    QFETCH(QByteArray, name);
    QFETCH(bool, found);
    const Zone* zone = table_.find(name.toStdString());
    QCOMPARE(zone != nullptr, found);
    if (zone) QCOMPARE(QByteArray::fromStdString(zone->name), name);
}

void TestLegalTime::offsetAtNoon_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("standardOffset"); // places.tsv's, but for one Lisbon pair
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("summer");
    const auto row = [](const char* name, const char* zone, QDate date, int standard, int offset,
                        bool summer) {
        QTest::newRow(name) << QByteArray(zone) << date << standard << offset << summer;
    };
    // Athens in 2026: summer time from 29 March to 24 October at noon.
    row("Athens 2026-03-28", "Europe/Athens", {2026, 3, 28}, 7200, 7200, false);
    row("Athens 2026-03-29", "Europe/Athens", {2026, 3, 29}, 7200, 10800, true);
    row("Athens 2026-10-24", "Europe/Athens", {2026, 10, 24}, 7200, 10800, true);
    row("Athens 2026-10-25", "Europe/Athens", {2026, 10, 25}, 7200, 7200, false);
    // Athens mean time, +1:34:52, until the evening of 27 July 1916 (UTC).
    row("Athens 1900-01-01", "Europe/Athens", {1900, 1, 1}, 7200, 5692, false);
    row("Athens 1916-07-27", "Europe/Athens", {1916, 7, 27}, 7200, 5692, false);
    row("Athens 1916-07-28", "Europe/Athens", {1916, 7, 28}, 7200, 7200, false);
    // 1980: summer time from 1 April to 27 September.
    row("Athens 1980-03-31", "Europe/Athens", {1980, 3, 31}, 7200, 7200, false);
    row("Athens 1980-04-01", "Europe/Athens", {1980, 4, 1}, 7200, 10800, true);
    row("Athens 1980-09-27", "Europe/Athens", {1980, 9, 27}, 7200, 10800, true);
    row("Athens 1980-09-28", "Europe/Athens", {1980, 9, 28}, 7200, 7200, false);
    // Past the last listed change (2037): the rule EET-2EEST,M3.5.0/3,M10.5.0/4.
    row("Athens 2090-03-25", "Europe/Athens", {2090, 3, 25}, 7200, 7200, false);
    row("Athens 2090-03-26", "Europe/Athens", {2090, 3, 26}, 7200, 10800, true);
    row("Athens 2090-10-28", "Europe/Athens", {2090, 10, 28}, 7200, 10800, true);
    row("Athens 2090-10-29", "Europe/Athens", {2090, 10, 29}, 7200, 7200, false);
    row("Athens 2100-12-31", "Europe/Athens", {2100, 12, 31}, 7200, 7200, false);
    // Lisbon kept Central European Time, +1 and +2 in summer, from 1992 to 1996: ahead of its
    // standard offset of today (0) all year, summer time in July only against +1.
    row("Lisbon 1994-01-15", "Europe/Lisbon", {1994, 1, 15}, 0, 3600, true);
    row("Lisbon 1994-07-15", "Europe/Lisbon", {1994, 7, 15}, 0, 7200, true);
    row("Lisbon 1994-01-15 by CET", "Europe/Lisbon", {1994, 1, 15}, 3600, 3600, false);
    row("Lisbon 1994-07-15 by CET", "Europe/Lisbon", {1994, 7, 15}, 3600, 7200, true);
    row("Lisbon 2026-01-15", "Europe/Lisbon", {2026, 1, 15}, 0, 0, false);
    row("Lisbon 2026-07-15", "Europe/Lisbon", {2026, 7, 15}, 0, 3600, true);
    // Tehran: +3:30, and +4:30 from 22 March to 21 September 2022; none since 2023.
    row("Tehran 2022-03-21", "Asia/Tehran", {2022, 3, 21}, 12600, 12600, false);
    row("Tehran 2022-03-22", "Asia/Tehran", {2022, 3, 22}, 12600, 16200, true);
    row("Tehran 2022-09-21", "Asia/Tehran", {2022, 9, 21}, 12600, 16200, true);
    row("Tehran 2022-09-22", "Asia/Tehran", {2022, 9, 22}, 12600, 12600, false);
    row("Tehran 2023-01-15", "Asia/Tehran", {2023, 1, 15}, 12600, 12600, false);
    row("Tehran 2023-06-21", "Asia/Tehran", {2023, 6, 21}, 12600, 12600, false);
    // Sydney: summer time across the new year, until 5 April and from 4 October 2026.
    row("Sydney 2026-01-01", "Australia/Sydney", {2026, 1, 1}, 36000, 39600, true);
    row("Sydney 2026-04-04", "Australia/Sydney", {2026, 4, 4}, 36000, 39600, true);
    row("Sydney 2026-04-05", "Australia/Sydney", {2026, 4, 5}, 36000, 36000, false);
    row("Sydney 2026-07-15", "Australia/Sydney", {2026, 7, 15}, 36000, 36000, false);
    row("Sydney 2026-10-03", "Australia/Sydney", {2026, 10, 3}, 36000, 36000, false);
    row("Sydney 2026-10-04", "Australia/Sydney", {2026, 10, 4}, 36000, 39600, true);
    row("Sydney 2026-12-31", "Australia/Sydney", {2026, 12, 31}, 36000, 39600, true);
    // Kathmandu: mean time +5:41:16 to 1919, +5:30 to 1985, +5:45 since, never summer time.
    row("Kathmandu 1919-12-31", "Asia/Kathmandu", {1919, 12, 31}, 20700, 20476, false);
    row("Kathmandu 1920-01-01", "Asia/Kathmandu", {1920, 1, 1}, 20700, 19800, false);
    row("Kathmandu 1985-12-31", "Asia/Kathmandu", {1985, 12, 31}, 20700, 19800, false);
    row("Kathmandu 1986-01-01", "Asia/Kathmandu", {1986, 1, 1}, 20700, 20700, false);
    row("Kathmandu 2026-06-21", "Asia/Kathmandu", {2026, 6, 21}, 20700, 20700, false);
    // Dublin: tzdata's winter time is a negative summer time; the clock's summer is summer.
    row("Dublin 2026-01-15", "Europe/Dublin", {2026, 1, 15}, 0, 0, false);
    row("Dublin 2026-03-28", "Europe/Dublin", {2026, 3, 28}, 0, 0, false);
    row("Dublin 2026-03-29", "Europe/Dublin", {2026, 3, 29}, 0, 3600, true);
    row("Dublin 2026-10-24", "Europe/Dublin", {2026, 10, 24}, 0, 3600, true);
    row("Dublin 2026-10-25", "Europe/Dublin", {2026, 10, 25}, 0, 0, false);
    row("Dublin 2026-12-15", "Europe/Dublin", {2026, 12, 15}, 0, 0, false);
    // And by its rule, IST-1GMT0,M10.5.0,M3.5.0/1.
    row("Dublin 2090-01-15", "Europe/Dublin", {2090, 1, 15}, 0, 0, false);
    row("Dublin 2090-07-15", "Europe/Dublin", {2090, 7, 15}, 0, 3600, true);
    // Casablanca: +1 all year but for Ramadan, when tzdata's summer time puts it back to 0.
    row("Casablanca 2026-03-01", "Africa/Casablanca", {2026, 3, 1}, 3600, 0, false);
    row("Casablanca 2026-06-15", "Africa/Casablanca", {2026, 6, 15}, 3600, 3600, false);
    // Apia left out 30 December 2011: -10 h (its summer time) on the 29th, +14 h on the 31st.
    row("Apia 2011-12-29", "Pacific/Apia", {2011, 12, 29}, 46800, -36000, false);
    row("Apia 2011-12-31", "Pacific/Apia", {2011, 12, 31}, 46800, 50400, true);
    row("Apia 2026-01-15", "Pacific/Apia", {2026, 1, 15}, 46800, 46800, false);
    // Santiago: a rule whose changes are at 24:00 of the first Saturdays of April and September.
    row("Santiago 2026-04-04", "America/Santiago", {2026, 4, 4}, -14400, -10800, true);
    row("Santiago 2026-04-05", "America/Santiago", {2026, 4, 5}, -14400, -14400, false);
    row("Santiago 2026-09-05", "America/Santiago", {2026, 9, 5}, -14400, -14400, false);
    row("Santiago 2026-09-06", "America/Santiago", {2026, 9, 6}, -14400, -10800, true);
    row("Santiago 2090-04-01", "America/Santiago", {2090, 4, 1}, -14400, -10800, true);
    row("Santiago 2090-04-02", "America/Santiago", {2090, 4, 2}, -14400, -14400, false);
    row("Santiago 2090-09-02", "America/Santiago", {2090, 9, 2}, -14400, -14400, false);
    row("Santiago 2090-09-03", "America/Santiago", {2090, 9, 3}, -14400, -10800, true);
    // Rules with the time of a change before midnight (-1), past it (26) and days past it (50).
    row("Nuuk 2090-03-25", "America/Nuuk", {2090, 3, 25}, -7200, -7200, false);
    row("Nuuk 2090-03-26", "America/Nuuk", {2090, 3, 26}, -7200, -3600, true);
    row("Nuuk 2090-10-28", "America/Nuuk", {2090, 10, 28}, -7200, -3600, true);
    row("Nuuk 2090-10-29", "America/Nuuk", {2090, 10, 29}, -7200, -7200, false);
    row("Jerusalem 2090-03-23", "Asia/Jerusalem", {2090, 3, 23}, 7200, 7200, false);
    row("Jerusalem 2090-03-24", "Asia/Jerusalem", {2090, 3, 24}, 7200, 10800, true);
    row("Jerusalem 2090-10-28", "Asia/Jerusalem", {2090, 10, 28}, 7200, 10800, true);
    row("Jerusalem 2090-10-29", "Asia/Jerusalem", {2090, 10, 29}, 7200, 7200, false);
    row("Gaza 2090-03-24", "Asia/Gaza", {2090, 3, 24}, 7200, 7200, false);
    row("Gaza 2090-03-25", "Asia/Gaza", {2090, 3, 25}, 7200, 10800, true);
    row("Gaza 2090-10-27", "Asia/Gaza", {2090, 10, 27}, 7200, 10800, true);
    row("Gaza 2090-10-28", "Asia/Gaza", {2090, 10, 28}, 7200, 7200, false);
    row("Cairo 2090-04-27", "Africa/Cairo", {2090, 4, 27}, 7200, 7200, false);
    row("Cairo 2090-04-28", "Africa/Cairo", {2090, 4, 28}, 7200, 10800, true);
    row("Cairo 2090-10-26", "Africa/Cairo", {2090, 10, 26}, 7200, 10800, true);
    row("Cairo 2090-10-27", "Africa/Cairo", {2090, 10, 27}, 7200, 7200, false);
}

void TestLegalTime::offsetAtNoon() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(int, standardOffset);
    QFETCH(int, offset);
    QFETCH(bool, summer);
    const Zone* found = table_.find(zone.toStdString());
    QVERIFY(found);
    const qint64 noon = noonOf(date.year(), date.month(), date.day(), standardOffset);
    QCOMPARE(utcOffsetAt(*found, noon), offset);
    QCOMPARE(isSummerTime(*found, noon, standardOffset), summer);
}

void TestLegalTime::offsetAtInstant_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("utc");
    QTest::addColumn<int>("before"); // the offset a second earlier
    QTest::addColumn<int>("offset");
    const auto row = [](const char* name, const char* zone, qint64 utc, int before, int offset) {
        QTest::newRow(name) << QByteArray(zone) << utc << before << offset;
    };
    row("Athens 1916-07-27T22:26:08Z", "Europe/Athens", -1686101632, 5692, 7200);
    row("Athens 2026-03-29T01:00Z", "Europe/Athens", 1774746000, 7200, 10800);
    row("Athens 2090-10-29T01:00Z", "Europe/Athens", 3812922000, 10800, 7200);
    row("Kathmandu 1985-12-31T18:30Z", "Asia/Kathmandu", 504901800, 19800, 20700);
    row("Apia 2011-12-30T10:00Z", "Pacific/Apia", 1325239200, -36000, 50400);
    row("Dublin 2090-10-29T01:00Z", "Europe/Dublin", 3812922000, 3600, 0);
    row("Santiago 2090-09-03T04:00Z", "America/Santiago", 3808094400, -14400, -10800);
    // Its last listed change, of nothing but the 32-bit limit, where the rule takes over.
    row("Santiago 2038-01-19T03:14:07Z", "America/Santiago", 2147483647, -10800, -10800);
    row("Nuuk 2090-03-26T01:00Z", "America/Nuuk", 3794173200, -7200, -3600);
    row("Jerusalem 2090-03-24T00:00Z", "Asia/Jerusalem", 3793996800, 7200, 10800);
    row("Gaza 2090-03-25T00:00Z", "Asia/Gaza", 3794083200, 7200, 10800);
    row("Cairo 2090-10-26T21:00Z", "Africa/Cairo", 3812734800, 10800, 7200);
}

void TestLegalTime::offsetAtInstant() {
    QFETCH(QByteArray, zone);
    QFETCH(qint64, utc);
    QFETCH(int, before);
    QFETCH(int, offset);
    const Zone* found = table_.find(zone.toStdString());
    QVERIFY(found);
    QCOMPARE(utcOffsetAt(*found, utc - 1), before);
    QCOMPARE(utcOffsetAt(*found, utc), offset);
}

void TestLegalTime::standardNoon_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("standardOffset");
    QTest::addColumn<qint64>("utc");
    QTest::newRow("1970-01-01 at 0") << QDate(1970, 1, 1) << 0 << qint64(43200);
    QTest::newRow("1969-12-31 at +5:30") << QDate(1969, 12, 31) << 19800 << qint64(-63000);
    QTest::newRow("1900-01-01 at +2") << QDate(1900, 1, 1) << 7200 << qint64(-2208952800);
    QTest::newRow("2000-02-29 at 0") << QDate(2000, 2, 29) << 0 << qint64(951825600);
    QTest::newRow("2011-12-30 at +13") << QDate(2011, 12, 30) << 46800 << qint64(1325199600);
    QTest::newRow("2024-12-31 at +14") << QDate(2024, 12, 31) << 50400 << qint64(1735596000);
    QTest::newRow("2026-03-29 at +2") << QDate(2026, 3, 29) << 7200 << qint64(1774778400);
    QTest::newRow("2100-12-31 at -10") << QDate(2100, 12, 31) << -36000 << qint64(4133973600);
}

void TestLegalTime::standardNoon() {
    QFETCH(QDate, date);
    QFETCH(int, standardOffset);
    QFETCH(qint64, utc);
    QCOMPARE(places::standardNoon(date.year(), date.month(), date.day(), standardOffset), utc);
}

void TestLegalTime::parseRule_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("standardOffset");
    QTest::addColumn<bool>("summer");
    QTest::addColumn<int>("summerOffset");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    const auto row = [](const char* text, int standard, bool summer, int summerOffset,
                        const char* start, const char* end) {
        QTest::newRow(text) << QByteArray(text) << standard << summer << summerOffset
                            << QString::fromLatin1(start) << QString::fromLatin1(end);
    };
    row("EET-2EEST,M3.5.0/3,M10.5.0/4", 7200, true, 10800, "M3.5.0/10800", "M10.5.0/14400");
    row("GMT0", 0, false, 0, "", "");
    row("<+0545>-5:45", 20700, false, 0, "", "");
    row("<-03>3", -10800, false, 0, "", "");
    row("NST3:30NDT,M3.2.0,M11.1.0", -12600, true, -9000, "M3.2.0/7200", "M11.1.0/7200");
    row("IST-1GMT0,M10.5.0,M3.5.0/1", 3600, true, 0, "M10.5.0/7200", "M3.5.0/3600");
    row("<-02>2<-01>,M3.5.0/-1,M10.5.0/0", -7200, true, -3600, "M3.5.0/-3600", "M10.5.0/0");
    row("IST-2IDT,M3.4.4/26,M10.5.0", 7200, true, 10800, "M3.4.4/93600", "M10.5.0/7200");
    row("EET-2EEST,M3.4.4/50,M10.4.4/50", 7200, true, 10800, "M3.4.4/180000", "M10.4.4/180000");
    row("<-04>4<-03>,M9.1.6/24,M4.1.6/24", -14400, true, -10800, "M9.1.6/86400", "M4.1.6/86400");
    row("XST3XDT,J60/2,J300/2", -10800, true, -7200, "J60/7200", "J300/7200");
    row("XST3XDT,59/2,299/2", -10800, true, -7200, "59/7200", "299/7200");
    row("XST3XDT,0/0,J365/25", -10800, true, -7200, "0/0", "J365/90000");
    row("XST+3:00:30XDT-1:2:3,J1/167,365/-167:59:59", -10830, true, 3723, "J1/601200",
        "365/-604799");
}

void TestLegalTime::parseRule() {
    QFETCH(QByteArray, text);
    QFETCH(int, standardOffset);
    QFETCH(bool, summer);
    QFETCH(int, summerOffset);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const auto rule = parseZoneRule(text.toStdString());
    QVERIFY(rule);
    QCOMPARE(rule->standardOffset, standardOffset);
    QCOMPARE(rule->summer, summer);
    if (!summer) return;
    QCOMPARE(rule->summerOffset, summerOffset);
    QCOMPARE(dayText(rule->start), start);
    QCOMPARE(dayText(rule->end), end);
}

void TestLegalTime::malformedRule_data() {
    QTest::addColumn<QByteArray>("text");
    const auto row = [](const char* name, const char* text) {
        QTest::newRow(name) << QByteArray(text);
    };
    row("empty", "");
    row("a name only", "EET");
    row("a short name", "EE-2");
    row("an unclosed bracket", "<+03-3");
    row("a short bracketed name", "<+3>-3");
    row("an offset of 25 h", "EET-25");
    row("minutes of 60", "EET-2:60");
    row("an offset and more", "EET-2x");
    row("summer time with no days", "EET-2EEST");
    row("one day only", "EET-2EEST,M3.5.0/3");
    row("a third day", "EET-2EEST,M3.5.0,M10.5.0,M11.1.0");
    row("month 13", "EET-2EEST,M13.5.0,M10.5.0");
    row("month 0", "EET-2EEST,M0.5.0,M10.5.0");
    row("week 6", "EET-2EEST,M3.6.0,M10.5.0");
    row("week 0", "EET-2EEST,M3.0.0,M10.5.0");
    row("weekday 7", "EET-2EEST,M3.5.7,M10.5.0");
    row("J0", "XST3XDT,J0,J300");
    row("J366", "XST3XDT,J60,J366");
    row("day 366", "XST3XDT,59,366");
    row("168 hours", "EET-2EEST,M3.5.0/168,M10.5.0");
    row("a time with no hours", "EET-2EEST,M3.5.0/,M10.5.0");
    row("a comma after", "EET-2EEST,M3.5.0,M10.5.0,");
    row("a space after", "EET-2EEST,M3.5.0,M10.5.0 ");
}

void TestLegalTime::malformedRule() {
    QFETCH(QByteArray, text);
    QVERIFY(!parseZoneRule(text.toStdString()));
}

void TestLegalTime::ruleOffset_data() {
    // The made-up rules' offsets are glibc's with TZ set to the rule, and those of a year before
    // 1970 zoneinfo's (glibc takes such years for 1970).
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<qint64>("utc");
    QTest::addColumn<int>("offset");
    const auto row = [](const char* name, const char* rule, qint64 utc, int offset) {
        QTest::newRow(name) << QByteArray(rule) << utc << offset;
    };
    const char* julian = "XST3XDT,J60/2,J300/2";
    row("J60 of 2024, a second before", julian, 1709269199, -10800);
    row("J60 of 2024 is 1 March", julian, 1709269200, -7200);
    row("J60 of 2024 is not 29 February", julian, 1709182800, -10800);
    row("J60 of 2026", julian, 1772341200, -7200);
    row("J300 of 2024, a second before", julian, 1730001599, -7200);
    row("J300 of 2024 is 27 October", julian, 1730001600, -10800);
    const char* zeroBased = "XST3XDT,59/2,299/2";
    row("day 59 of 2024 is 29 February", zeroBased, 1709182800, -7200);
    row("day 59 of 2024, a second before", zeroBased, 1709182799, -10800);
    row("day 59 of 2026 is 1 March", zeroBased, 1772341200, -7200);
    row("day 59 of 2026, a second before", zeroBased, 1772341199, -10800);
    row("day 299 of 2024 is 26 October", zeroBased, 1729915200, -10800);
    row("day 299 of 2024, a second before", zeroBased, 1729915199, -7200);
    const char* allYear = "XST3XDT,0/0,J365/25";
    row("summer all year: new year", allYear, 1767236400, -7200);
    row("summer all year: the year's end", allYear, 1767222000, -7200);
    row("summer all year: July", allYear, 1782864000, -7200);
    row("no summer time", "<+0545>-5:45", 1782864000, 20700);
    const char* athens = "EET-2EEST,M3.5.0/3,M10.5.0/4";
    row("Athens 2026-03-29T01:00Z", athens, 1774746000, 10800);
    row("Athens 2026-03-29T00:59:59Z", athens, 1774745999, 7200);
    row("Athens 1800-07-01", athens, -5349024000, 10800);
    row("Athens 2400-03-26T00:59:59Z", athens, 13576813199, 7200);
    row("Athens 2400-03-26T01:00Z", athens, 13576813200, 10800);
    row("Athens 9999-07-01", athens, 253386403200, 10800);
    row("J60 and J300 in 1800", julian, -5349024000, -7200);
}

void TestLegalTime::ruleOffset() {
    QFETCH(QByteArray, rule);
    QFETCH(qint64, utc);
    QFETCH(int, offset);
    const auto parsed = parseZoneRule(rule.toStdString());
    QVERIFY(parsed);
    QCOMPARE(ruleOffsetAt(*parsed, utc), offset);
}

void TestLegalTime::extremeInstants_data() {
    QTest::addColumn<qint64>("utc");
    QTest::newRow("the first instant") << std::numeric_limits<qint64>::min();
    QTest::newRow("the last instant") << std::numeric_limits<qint64>::max();
    QTest::newRow("a million years back") << qint64(-31'556'952) * 1'000'000;
    QTest::newRow("a million years on") << qint64(31'556'952) * 1'000'000;
}

void TestLegalTime::extremeInstants() {
    // Whatever the year, Athens keeps one of its rule's two offsets.
    QFETCH(qint64, utc);
    const auto rule = parseZoneRule("EET-2EEST,M3.5.0/3,M10.5.0/4");
    QVERIFY(rule);
    const int offset = ruleOffsetAt(*rule, utc);
    QVERIFY2(offset == 7200 || offset == 10800, QByteArray::number(offset));
    const Zone* athens = table_.find("Europe/Athens");
    QVERIFY(athens);
    const int zoneOffset = utcOffsetAt(*athens, utc);
    if (utc < 0) {
        QCOMPARE(zoneOffset, 5692); // its offset before 1916
    } else {
        QCOMPARE(zoneOffset, offset);
    }
}

void TestLegalTime::madeUpTable_data() {
    // Offsets -1 h, 0 and +1 h; changes at 36 s past 1900-01-01T00:00Z (to 0) and 10 s later
    // (to +1 h).
    const qint64 start = -2208988800;
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("utc");
    QTest::addColumn<int>("offset");
    const QByteArray changes = tableOf("X/Y\t-3600,0,3600\t10BaC\t\n");
    QTest::newRow("before the first change") << changes << start + 35 << -3600;
    QTest::newRow("long before it") << changes << start - 3'000'000'000 << -3600;
    QTest::newRow("at the first change") << changes << start + 36 << 0;
    QTest::newRow("a second before the second") << changes << start + 45 << 0;
    QTest::newRow("at the second change") << changes << start + 46 << 3600;
    QTest::newRow("with no rule, the last offset holds") << changes << qint64(4102444800) << 3600;
    const QByteArray ruled = tableOf("X/Y\t-3600,0\t10B\tXST3XDT,J60/2,J300/2\n");
    QTest::newRow("the rule from the last change on") << ruled << start + 36 << -10800;
    QTest::newRow("the rule in 2026") << ruled << qint64(1772341200) << -7200;
    const QByteArray only = tableOf("X/Y\t3600\t\tXST3XDT,J60/2,J300/2\n");
    QTest::newRow("no changes: the rule always") << only << qint64(-5349024000) << -7200;
    QTest::newRow("CR LF line ends")
        << QByteArray("# tzdata 2099z\r\nX/Y\t3600\t\t\r\n") << qint64(0) << 3600;
    QTest::newRow("comments and empty lines")
        << tableOf("# a comment\n\nX/Y\t-3600,0\t10B\t\n# more\n") << start + 36 << 0;
    QTest::newRow("no end of line") << tableOf("X/Y\t-3600\t\t") << qint64(0) << -3600;
    QTest::newRow("a change at the first instant") << tableOf("X/Y\t-3600,0\t0B\t\n") << start << 0;
}

void TestLegalTime::madeUpTable() {
    QFETCH(QByteArray, text);
    QFETCH(qint64, utc);
    QFETCH(int, offset);
    const ZoneTable table = ZoneTable::parse(text.toStdString());
    QCOMPARE(table.size(), std::size_t(1));
    QCOMPARE(table.version(), std::string("2099z"));
    const Zone* zone = table.find("X/Y");
    QVERIFY(zone);
    QCOMPARE(utcOffsetAt(*zone, utc), offset);
}

void TestLegalTime::malformedTable_data() {
    QTest::addColumn<QByteArray>("text");
    const auto row = [](const char* name, const QByteArray& text) { QTest::newRow(name) << text; };
    row("empty", "");
    row("no first line", "X/Y\t3600\t\t\n");
    row("another first line", "# tz 2025b\nX/Y\t3600\t\t\n");
    row("no version", "# tzdata \nX/Y\t3600\t\t\n");
    row("no zones", tableOf("# a comment\n"));
    row("three fields", tableOf("X/Y\t3600\t\n"));
    row("five fields", tableOf("X/Y\t3600\t\t\t\n"));
    row("no name", tableOf("\t3600\t\t\n"));
    row("no offsets", tableOf("X/Y\t\t\t\n"));
    row("an empty offset", tableOf("X/Y\t3600,,0\t\t\n"));
    row("a comma after the offsets", tableOf("X/Y\t3600,\t\t\n"));
    row("an offset of 26 h", tableOf("X/Y\t93600\t\t\n"));
    row("an offset in hours", tableOf("X/Y\t+1\t\t\n"));
    row("27 offsets", tableOf("X/Y\t0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,"
                              "22,23,24,25,26\t\t\n"));
    row("a letter past the offsets", tableOf("X/Y\t3600,0\t10C\t\n"));
    row("a letter with no digits", tableOf("X/Y\t3600,0\tB\t\n"));
    row("digits with no letter", tableOf("X/Y\t3600,0\t10B20\t\n"));
    row("not a base-36 digit", tableOf("X/Y\t3600,0\t1-0B\t\n"));
    row("a change at the last one's instant", tableOf("X/Y\t3600,0\t10B0A\t\n"));
    row("eleven digits", tableOf("X/Y\t3600,0\t10000000000B\t\n"));
    row("a million years on", tableOf("X/Y\t3600,0\tzzzzzzzzzzBzzzzzzzzzzA\t\n"));
    row("a malformed rule", tableOf("X/Y\t3600\t\tEET-2EEST\n"));
    row("a zone twice", tableOf("X/Y\t3600\t\t\nX/Y\t0\t\t\n"));
    row("one good zone, one bad", tableOf("X/Y\t3600\t\t\nX/Z\t0\t\tEET\n"));
    row("a space in the name", tableOf("X Y\t3600\t\t\n"));
}

void TestLegalTime::malformedTable() {
    QFETCH(QByteArray, text);
    const ZoneTable table = ZoneTable::parse(text.toStdString());
    QVERIFY(table.empty());
    QCOMPARE(table.size(), std::size_t(0));
    QVERIFY(table.version().empty());
    QVERIFY(!table.find("X/Y"));
}

QTEST_APPLESS_MAIN(TestLegalTime)
#include "tst_legaltime.moc"

// A calendar year read against a place's legal time: the clock's offset at each date's true noon,
// and whether it is summer time, with the place's standard offset as places/places.tsv has it.
void TestLegalTime::aYearInLegalTime_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("standard");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("summer");
    const double athens = 23.72784, lisbon = -9.13333, tehran = 51.42151, sydney = 151.20732,
                 kathmandu = 85.3206, dublin = -6.24889, santiago = -70.64827;
    QTest::newRow("Athens 2026, 28 March")
        << "Europe/Athens" << 7200 << athens << QDate(2026, 3, 28) << 7200 << false;
    QTest::newRow("Athens 2026, 29 March")
        << "Europe/Athens" << 7200 << athens << QDate(2026, 3, 29) << 10800 << true;
    QTest::newRow("Athens 2026, 24 October")
        << "Europe/Athens" << 7200 << athens << QDate(2026, 10, 24) << 10800 << true;
    QTest::newRow("Athens 2026, 25 October")
        << "Europe/Athens" << 7200 << athens << QDate(2026, 10, 25) << 7200 << false;
    QTest::newRow("Athens 1980, 31 March")
        << "Europe/Athens" << 7200 << athens << QDate(1980, 3, 31) << 7200 << false;
    QTest::newRow("Athens 1980, 1 April")
        << "Europe/Athens" << 7200 << athens << QDate(1980, 4, 1) << 10800 << true;
    QTest::newRow("Athens 1980, 27 September")
        << "Europe/Athens" << 7200 << athens << QDate(1980, 9, 27) << 10800 << true;
    QTest::newRow("Athens 1980, 28 September")
        << "Europe/Athens" << 7200 << athens << QDate(1980, 9, 28) << 7200 << false;
    QTest::newRow("Athens 1900, its mean time")
        << "Europe/Athens" << 7200 << athens << QDate(1900, 6, 1) << 5692 << false;
    QTest::newRow("Lisbon 1994, winter on CET")
        << "Europe/Lisbon" << 0 << lisbon << QDate(1994, 1, 15) << 3600 << false;
    QTest::newRow("Lisbon 1994, summer")
        << "Europe/Lisbon" << 0 << lisbon << QDate(1994, 7, 15) << 7200 << true;
    QTest::newRow("Tehran 2022, summer")
        << "Asia/Tehran" << 12600 << tehran << QDate(2022, 7, 1) << 16200 << true;
    QTest::newRow("Tehran 2023, none")
        << "Asia/Tehran" << 12600 << tehran << QDate(2023, 7, 1) << 12600 << false;
    QTest::newRow("Sydney 2026, January")
        << "Australia/Sydney" << 36000 << sydney << QDate(2026, 1, 15) << 39600 << true;
    QTest::newRow("Sydney 2026, July")
        << "Australia/Sydney" << 36000 << sydney << QDate(2026, 7, 15) << 36000 << false;
    QTest::newRow("Sydney 2026, December")
        << "Australia/Sydney" << 36000 << sydney << QDate(2026, 12, 15) << 39600 << true;
    QTest::newRow("Kathmandu 1985, +5:30")
        << "Asia/Kathmandu" << 20700 << kathmandu << QDate(1985, 6, 1) << 19800 << false;
    QTest::newRow("Kathmandu 2026, +5:45")
        << "Asia/Kathmandu" << 20700 << kathmandu << QDate(2026, 6, 1) << 20700 << false;
    QTest::newRow("Dublin 2026, winter")
        << "Europe/Dublin" << 0 << dublin << QDate(2026, 1, 15) << 0 << false;
    QTest::newRow("Dublin 2026, 28 March")
        << "Europe/Dublin" << 0 << dublin << QDate(2026, 3, 28) << 0 << false;
    QTest::newRow("Dublin 2026, 29 March")
        << "Europe/Dublin" << 0 << dublin << QDate(2026, 3, 29) << 3600 << true;
    QTest::newRow("Dublin 2026, 24 October")
        << "Europe/Dublin" << 0 << dublin << QDate(2026, 10, 24) << 3600 << true;
    QTest::newRow("Dublin 2026, 25 October")
        << "Europe/Dublin" << 0 << dublin << QDate(2026, 10, 25) << 0 << false;
    QTest::newRow("Santiago 2026, January")
        << "America/Santiago" << -14400 << santiago << QDate(2026, 1, 15) << -10800 << true;
    QTest::newRow("Santiago 2026, July")
        << "America/Santiago" << -14400 << santiago << QDate(2026, 7, 15) << -14400 << false;
}

void TestLegalTime::aYearInLegalTime() {
    QFETCH(QString, zone);
    QFETCH(int, standard);
    QFETCH(double, longitude);
    QFETCH(QDate, date);
    QFETCH(int, offset);
    QFETCH(bool, summer);
    const Zone* found = table_.find(zone.toStdString());
    QVERIFY(found);
    const auto year = std::make_shared<const model::CalendarYear>(date.year());
    const model::LegalYear legal(year, std::make_shared<const ZoneClock>(*found, standard));
    const model::Location at{longitude, 0};
    const int index = legal.indexOf(date.month(), date.day());
    QCOMPARE(legal.clockOffsetSeconds(index, at), double(offset));
    QCOMPARE(legal.summerTime(index, at), summer);
    // The value is the same noon read on that day's clock: the zone of that offset's value.
    const model::Location zoneAt{longitude, offset / 240.0};
    QVERIFY(std::fabs(legal.daySeconds(index, at) - year->daySeconds(index, zoneAt)) < 1e-6);
}

// Apia moved across the date line at the end of 2011: 30 December had no noon on its clocks, and
// the values jump by a day from 29 to 31 December without breaking.
void TestLegalTime::legalTimeJumpsADay() {
    const Zone* apia = table_.find("Pacific/Apia");
    QVERIFY(apia);
    const auto year = std::make_shared<const model::CalendarYear>(2011);
    const model::LegalYear legal(year, std::make_shared<const ZoneClock>(*apia, 46800));
    const model::Location at{-171.76666, 0};
    const double before = legal.daySeconds(year->indexOf(12, 29), at);
    const double after = legal.daySeconds(year->indexOf(12, 31), at);
    QVERIFY2(std::fabs(after - before - 86400) < 60, qPrintable(QString::number(after - before)));
    for (int index = 1; index <= legal.dayCount(); ++index)
        QVERIFY(std::isfinite(legal.daySeconds(index, at)));
    QVERIFY(legal.peakSeconds(at) - legal.troughSeconds(at) > 86000);
}
