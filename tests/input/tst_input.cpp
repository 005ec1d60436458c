// Reading numbers from texts, tidying and checking the three longitude texts, and reading the
// longitude and the time zone.

#include "input/location.h"
#include "input/number.h"
#include "model/correction.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <utility>

using namespace input;

Q_DECLARE_METATYPE(input::ValidationFailure)
Q_DECLARE_METATYPE(input::ReminderFrame)

namespace {

constexpr double Largest = std::numeric_limits<double>::max();

// A text box that logs every write as "name=text", unchanged texts included.
class RecordingField : public TextField {
public:
    RecordingField(QString name, QString text, QStringList& log)
        : name_(std::move(name)), text_(text.toStdString()), log_(log) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override {
        log_ << name_ + "=" + QString::fromStdString(text);
        text_ = text;
    }
    QString current() const { return QString::fromStdString(text_); }

private:
    QString name_;
    std::string text_;
    QStringList& log_;
};

std::string s(const QString& text) {
    return text.toStdString();
}

} // namespace

class TestInput : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void isWhole_data();
    void isWhole();
    void normalise_data();
    void normalise();
    void normaliseTwice();
    void check_data();
    void check();
    void display_data();
    void display();
    void longitude_data();
    void longitude();
    void zoneItems_data();
    void zoneItems();
    void typedZone_data();
    void typedZone();
};

void TestInput::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << " \t\n" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("space between digits") << "1 2" << 12.0;
    QTest::newRow("tab and line feed inside") << "\t1\n2 .\t5" << 12.5;
    QTest::newRow("carriage return is no blank") << "\r5" << 0.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("comma stops") << "5,5" << 5.0;
    QTest::newRow("zone text") << "  +02:00" << 2.0;
    QTest::newRow("E") << "1E3" << 1000.0;
    QTest::newRow("d") << "1d3" << 1000.0;
    QTest::newRow("D minus") << "1D-2" << 0.01;
    QTest::newRow("blanks in exponent") << "1 E - 2" << 0.01;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("exponent sign without digits") << "2e+" << 2.0;
    QTest::newRow("exponent then letter") << "2ex" << 2.0;
    QTest::newRow("plus point") << "+.5" << 0.5;
    QTest::newRow("minus point") << "-.5" << -0.5;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("plus alone") << "+" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point") << "1.2.3" << 1.2;
    QTest::newRow("hex prefix") << "&H10" << 0.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("largest") << "1.7976931348623157e308" << Largest;
    QTest::newRow("overflow") << "1e400" << Largest;
    QTest::newRow("negative overflow") << "-1e999" << -Largest;
    QTest::newRow("overflow just past") << "1.8e308" << Largest;
    QTest::newRow("overflow by digits") << "10000e305" << Largest;
    QTest::newRow("overflow after point") << "0.0001e313" << Largest;
    QTest::newRow("in range after point") << "0.0001e312" << 1e308;
    QTest::newRow("exponent of 20 digits") << "1e99999999999999999999" << Largest;
    QTest::newRow("exponent past 2^64") << "1e18446744073709551617" << Largest;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("underflow by digits") << "100000e-329" << 0.0;
    QTest::newRow("negative exponent of 20 digits") << "1e-99999999999999999999" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e999" << 0.0;
    QTest::newRow("smallest denormal") << "4.9e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("smallest normal")
        << "2.2250738585072014e-308" << std::numeric_limits<double>::min();
    QTest::newRow("a million nines") << QString(1000000, '9') << Largest;
    QTest::newRow("a million nines, shifted back") << QString(1000000, '9') + "e-1000000" << 1.0;
}

void TestInput::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = ReadNumber(s(text));
    QVERIFY(std::isfinite(read));
    QVERIFY2(read == value, qPrintable(QString::number(read, 'g', 17)));
}

void TestInput::isWhole_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("whole");
    QTest::newRow("0") << 0.0 << true;
    QTest::newRow("-0") << -0.0 << true;
    QTest::newRow("-3") << -3.0 << true;
    QTest::newRow("5.5") << 5.5 << false;
    QTest::newRow("2^52 - 0.5") << 4503599627370495.5 << false;
    QTest::newRow("largest") << Largest << true;
    QTest::newRow("denormal") << std::numeric_limits<double>::denorm_min() << false;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false;
}

void TestInput::isWhole() {
    QFETCH(double, value);
    QFETCH(bool, whole);
    QCOMPARE(input::isWhole(value), whole);
}

void TestInput::normalise_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("writes");
    using L = QStringList;
    QTest::newRow("start-up texts") << L{"23", "31", "43"} << L{"23", "31", "43"} << L{};
    QTest::newRow("no number") << L{"", "abc", "0"} << L{"00", "00", "00"}
                               << L{"M=00", "P=00", "D=00"};
    QTest::newRow("zero with point, single digit")
        << L{"0.0", "7", "-0"} << L{"00", "07", "00"} << L{"M=00", "P=07", "D=00"};
    QTest::newRow("left alone") << L{"07", "7.0", "7.5"} << L{"07", "7.0", "7.5"} << L{};
    QTest::newRow("two digits, negative") << L{"12", "-5", "10"} << L{"12", "-5", "10"} << L{};
    QTest::newRow("ten and halves by exponent")
        << L{"1e1", "9.5", "5e-1"} << L{"1e1", "9.5", "5e-1"} << L{};
    QTest::newRow("comma, trailing letters, 00")
        << L{"3,5", "12abc", "00"} << L{"3.5", "12abc", "00"} << L{"M=3.5", "D=00"};
    QTest::newRow("padding keeps the rest")
        << L{"9", "7abc", "1 "} << L{"09", "07abc", "01 "} << L{"M=09", "P=07abc", "D=01 "};
    QTest::newRow("commas first, then zeros")
        << L{"7", "3,0", "0,0"} << L{"07", "3.0", "00"} << L{"P=3.0", "D=0.0", "M=07", "D=00"};
    QTest::newRow("comma alone, every comma") << L{",", "1,2,3", "5,"} << L{"00", "1.2.3", "05."}
                                              << L{"M=.", "P=1.2.3", "D=5.", "M=00", "D=05."};
}

void TestInput::normalise() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, writes);
    QStringList log;
    RecordingField degrees("M", before[0], log);
    RecordingField minutes("P", before[1], log);
    RecordingField seconds("D", before[2], log);
    NormaliseFields(degrees, minutes, seconds);
    QCOMPARE(log, writes);
    QCOMPARE((QStringList{degrees.current(), minutes.current(), seconds.current()}), after);
}

void TestInput::normaliseTwice() {
    QStringList log;
    RecordingField degrees("M", "7", log);
    RecordingField minutes("P", "abc", log);
    RecordingField seconds("D", "3", log);
    NormaliseFields(degrees, minutes, seconds);
    QCOMPARE(log, (QStringList{"M=07", "P=00", "D=03"}));
    log.clear();
    // Padded texts hold a "0" and stay as they are; "00" is written again.
    NormaliseFields(degrees, minutes, seconds);
    QCOMPARE(log, QStringList{"P=00"});
    QCOMPARE((QStringList{degrees.current(), minutes.current(), seconds.current()}),
             (QStringList{"07", "00", "03"}));
}

void TestInput::check_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<ValidationFailure>("failure");
    using enum ValidationFailure;
    using L = QStringList;
    QTest::newRow("start-up") << L{"23", "31", "43"} << None;
    QTest::newRow("all zero") << L{"00", "00", "00"} << None;
    QTest::newRow("minus zero") << L{"-0", "00", "00"} << None;
    QTest::newRow("trailing letters") << L{"12abc", "30", "30"} << None;
    QTest::newRow("exactly 180") << L{"180", "00", "00"} << None;
    QTest::newRow("180 by exponent") << L{"1.8e2", "00", "00"} << None;
    QTest::newRow("179 and 60 minutes") << L{"179", "60", "00"} << None;
    QTest::newRow("179 59 60") << L{"179", "59", "60"} << None;
    QTest::newRow("60 seconds") << L{"0", "0", "60"} << None;
    QTest::newRow("degrees 5.5") << L{"5.5", "00", "00"} << DegreesNotWhole;
    QTest::newRow("degrees 180.1") << L{"1.801e2", "00", "00"} << DegreesNotWhole;
    QTest::newRow("degrees -3") << L{"-3", "00", "00"} << DegreesOutOfRange;
    QTest::newRow("degrees 181") << L{"181", "00", "00"} << DegreesOutOfRange;
    QTest::newRow("degrees 1e400") << L{"1e400", "00", "00"} << DegreesOutOfRange;
    QTest::newRow("degrees -1e999") << L{"-1e999", "00", "00"} << DegreesOutOfRange;
    QTest::newRow("minutes 7.5") << L{"10", "7.5", "00"} << MinutesNotWhole;
    QTest::newRow("minutes 75") << L{"10", "75", "00"} << MinutesOutOfRange;
    QTest::newRow("minutes -1") << L{"10", "-1", "00"} << MinutesOutOfRange;
    QTest::newRow("minutes 1e400") << L{"10", "1e400", "00"} << MinutesOutOfRange;
    QTest::newRow("seconds 60.5") << L{"10", "00", "60.5"} << SecondsNotWhole;
    QTest::newRow("seconds 61") << L{"10", "00", "61"} << SecondsOutOfRange;
    QTest::newRow("seconds -1") << L{"10", "00", "-1"} << SecondsOutOfRange;
    QTest::newRow("one second past 180") << L{"180", "00", "01"} << LongitudeBeyond180;
    QTest::newRow("one minute past 180") << L{"180", "01", "00"} << LongitudeBeyond180;
    QTest::newRow("180 60 60") << L{"180", "60", "60"} << LongitudeBeyond180;
    QTest::newRow("first: degrees not whole") << L{"5.5", "75", "61"} << DegreesNotWhole;
    QTest::newRow("first: degrees range") << L{"-3", "7.5", "60.5"} << DegreesOutOfRange;
    QTest::newRow("first: minutes not whole") << L{"10", "7.5", "-1"} << MinutesNotWhole;
    QTest::newRow("first: minutes range") << L{"10", "75", "60.5"} << MinutesOutOfRange;
    QTest::newRow("first: seconds") << L{"180", "60", "60.5"} << SecondsNotWhole;
    QTest::newRow("first: degrees before sum") << L{"181", "60", "60"} << DegreesOutOfRange;
}

void TestInput::check() {
    QFETCH(QStringList, texts);
    QFETCH(ValidationFailure, failure);
    QCOMPARE(CheckFields(s(texts[0]), s(texts[1]), s(texts[2])), failure);
}

// What the refresh shows for texts of the design's examples: the frame, and the colour each field
// is given (r red, b blue, k keeps its colour).
void TestInput::display_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<ReminderFrame>("frame");
    QTest::addColumn<QString>("marks");
    using L = QStringList;
    using R = ReminderFrame;
    QTest::newRow("start-up") << L{"23", "31", "43"} << R::None << "kkk";
    QTest::newRow("degrees 5.5") << L{"5.5", "31", "43"} << R::Degrees << "rbb";
    QTest::newRow("degrees 5.5, minutes 75") << L{"5.5", "75", "43"} << R::Degrees << "rbb";
    QTest::newRow("degrees -3") << L{"-3", "31", "43"} << R::Degrees << "rkb";
    QTest::newRow("degrees 200") << L{"200", "31", "43"} << R::Degrees << "rkb";
    QTest::newRow("minutes 7.5") << L{"23", "7.5", "43"} << R::Minutes << "krk";
    QTest::newRow("minutes 75, seconds 61") << L{"23", "75", "61"} << R::Minutes << "krk";
    QTest::newRow("seconds 60.5") << L{"23", "31", "60.5"} << R::Seconds << "kkr";
    QTest::newRow("seconds 61") << L{"23", "31", "61"} << R::Seconds << "kkr";
    QTest::newRow("180 00 01") << L{"180", "00", "01"} << R::Longitude << "rrr";
    QTest::newRow("179 60 00") << L{"179", "60", "00"} << R::None << "kkk";
}

void TestInput::display() {
    QFETCH(QStringList, texts);
    QFETCH(ReminderFrame, frame);
    QFETCH(QString, marks);
    const FailureDisplay shown = displayOf(CheckFields(s(texts[0]), s(texts[1]), s(texts[2])));
    QCOMPARE(shown.frame, frame);
    const std::map<QChar, FieldMark> meaning{
        {'r', FieldMark::Red}, {'b', FieldMark::Blue}, {'k', FieldMark::Keep}};
    for (std::size_t i = 0; i < 3; ++i)
        QVERIFY2(shown.marks[i] == meaning.at(marks[qsizetype(i)]),
                 qPrintable(QString("field %1 is marked %2").arg(i).arg(int(shown.marks[i]))));
}

void TestInput::longitude_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("east");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("longitude");
    using L = QStringList;
    const double start = 23.528611111111111;
    QTest::newRow("start-up, East") << L{"23", "31", "43"} << true << 23.0 << 31.0 << 43.0 << start;
    QTest::newRow("start-up, West")
        << L{"23", "31", "43"} << false << 23.0 << 31.0 << 43.0 << -start;
    QTest::newRow("15 West") << L{"15", "00", "00"} << false << 15.0 << 0.0 << 0.0 << -15.0;
    QTest::newRow("180 West") << L{"180", "00", "00"} << false << 180.0 << 0.0 << 0.0 << -180.0;
    QTest::newRow("179 60 East") << L{"179", "60", "00"} << true << 179.0 << 60.0 << 0.0 << 180.0;
    QTest::newRow("unchecked texts")
        << L{"12abc", "3,5", ""} << true << 12.0 << 3.0 << 0.0 << 12.05;
    QTest::newRow("zero West") << L{"00", "00", "00"} << false << 0.0 << 0.0 << 0.0 << 0.0;
    // Unchecked texts the views read: the sum stays finite, so every correction does too.
    const double largest = std::numeric_limits<double>::max();
    QTest::newRow("overflowing sum")
        << L{"1e400", "1e400", "1e400"} << true << largest << largest << largest << largest / 480;
    QTest::newRow("overflowing sum, West")
        << L{"-1e400", "0", "0"} << false << -largest << 0.0 << 0.0 << largest / 480;
}

void TestInput::longitude() {
    QFETCH(QStringList, texts);
    QFETCH(bool, east);
    QFETCH(double, degrees);
    QFETCH(double, minutes);
    QFETCH(double, seconds);
    QFETCH(double, longitude);
    const Longitude read = ReadLongitude(s(texts[0]), s(texts[1]), s(texts[2]), east);
    QCOMPARE(read.Degrees, degrees);
    QCOMPARE(read.Minutes, minutes);
    QCOMPARE(read.Seconds, seconds);
    QCOMPARE(read.East, east);
    QCOMPARE(read.Longitude, longitude);
}

void TestInput::zoneItems_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("meridian");
    // 15 degrees an hour; the minutes take the sign of the hours.
    const double meridians[] = {-180,  -165, -150, -135, -120, -105, -90,   -75, -60,  -52.5, -45,
                                -30,   -15,  0,    15,   30,   45,   52.5,  60,  67.5, 75,    82.5,
                                86.25, 90,   97.5, 105,  120,  135,  142.5, 150, 165,  180,   195};
    static_assert(std::size(meridians) == std::tuple_size_v<decltype(ZoneItems)>);
    for (int i = 0; i < int(ZoneItems.size()); ++i)
        QTest::newRow(std::string(ZoneItems[i]).c_str()) << i << meridians[i];
}

void TestInput::zoneItems() {
    QFETCH(int, index);
    QFETCH(double, meridian);
    const TimeZone zone = ReadTimeZone(ZoneItems[index]);
    QCOMPARE(zone.ZoneNegative, meridian < 0);
    QCOMPARE(zone.ZoneHours, std::trunc(meridian / 15.0));
    QCOMPARE(zone.ZoneMinutes, std::fmod(std::fabs(meridian), 15.0) * 4.0);
    QCOMPARE(zone.ZoneMeridian, meridian);
}

void TestInput::typedZone_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("meridian");
    QTest::newRow("-00:30") << "GMT -00:30" << true << 0.0 << 30.0 << -7.5;
    QTest::newRow("short, no space") << "GMT+2" << false << 2.0 << 0.0 << 30.0;
    QTest::newRow("short, negative") << "GMT -5" << true << -5.0 << 0.0 << -75.0;
    QTest::newRow("seven characters") << "1234567" << false << 1234567.0 << 0.0 << 18518505.0;
    QTest::newRow("eight characters") << "12345678" << false << 12345678.0 << 8.0 << 185185172.0;
    QTest::newRow("Greek, characters not bytes") << "ΩΩΩΩΩΩΩ:30" << false << 0.0 << 30.0 << 7.5;
    QTest::newRow("Greek, negative") << "ΩΩΩ -05:45" << true << 0.0 << 45.0 << -11.25;
    QTest::newRow("ZP") << "ZP +03:30" << false << 3.0 << 30.0 << 52.5;
    QTest::newRow("ZP negative") << "ZP -05:45" << true << -5.0 << 45.0 << -86.25;
    QTest::newRow("lower case gmt") << "gmt +02:00" << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("minus at the end") << "GMT +02:30-" << true << 2.0 << 30.0 << 22.5;
    QTest::newRow("large but kept") << "GMT +1e300" << false << 1e300 << 300.0 << 1.5e301;
    QTest::newRow("overflow") << "GMT 1e400" << false << Largest << 0.0 << 0.0;
    QTest::newRow("negative overflow") << "GMT -1e400" << true << -Largest << 400.0 << 0.0;
    QTest::newRow("term would overflow") << "GMT +1e306" << false << 1e306 << 306.0 << 0.0;
}

void TestInput::typedZone() {
    QFETCH(QString, text);
    QFETCH(bool, negative);
    QFETCH(double, hours);
    QFETCH(double, minutes);
    QFETCH(double, meridian);
    const TimeZone zone = ReadTimeZone(s(text));
    QCOMPARE(QString::fromStdString(zone.ZoneText), text);
    QCOMPARE(zone.ZoneNegative, negative);
    QCOMPARE(zone.ZoneHours, hours);
    QCOMPARE(zone.ZoneMinutes, minutes);
    QCOMPARE(zone.ZoneMeridian, meridian);
    // Whatever was typed, the correction of any place and day stays finite.
    for (double longitude : {-180.0, 180.0})
        for (int day : {1, 365})
            QVERIFY2(std::isfinite(model::CorrectionSeconds(day, longitude, zone.ZoneMeridian)),
                     qPrintable(QString("day %1 at %2").arg(day).arg(longitude)));
}

QTEST_APPLESS_MAIN(TestInput)
#include "tst_input.moc"
