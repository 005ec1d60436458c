// The clock correction of a day, its two terms, the month tables and the minute-label texts.

#include "model/correction.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using namespace model;

namespace {

// 23° 31' 43" East, the place the window starts with, in the zone of "GMT +02:00".
const double StartLongitude = 23.0 + 31.0 / 60.0 + 43.0 / 3600.0;
constexpr double StartMeridian = 30.0;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

class TestCorrection : public QObject {
    Q_OBJECT

private slots:
    void piIsTheDoubleNearestPi();
    void monthTables();
    void startupCorrection_data();
    void startupCorrection();
    void yearEndIsDayZero();
    void constantTermIsTheYearMean();
    void longitudeTerm_data();
    void longitudeTerm();
    void minuteLabel_data();
    void minuteLabel();
    void wholeNumberText_data();
    void wholeNumberText();
    void hugeMinuteLabel_data();
    void hugeMinuteLabel();
};

void TestCorrection::piIsTheDoubleNearestPi() {
    // 3.14159265358979323846... rounds to the double 3.141592653589793115997963...; a rounded
    // literal (3.14159, 22/7) or a single-precision value differs from it.
    QCOMPARE(Pi, 3.141592653589793);
}

void TestCorrection::monthTables() {
    int start = 1;
    for (int month = 1; month <= MonthCount; ++month) {
        QCOMPARE(ofMonth(MonthStartDays, month), start);
        QCOMPARE(monthStartingOn(start), month);
        QCOMPARE(monthStartingOn(start + 1), 0);
        start += ofMonth(MonthLengths, month);
    }
    QCOMPARE(start - 1, DaysInYear);
    QCOMPARE(ofMonth(MonthLengths, 2), 28);
    // 13 February and 1 November.
    QCOMPARE(PeakDay, dayOfYear(2, 13));
    QCOMPARE(TroughDay, dayOfYear(11, 1));
    QCOMPARE(dayOfYear(12, 31), DaysInYear);
}

void TestCorrection::startupCorrection_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("solarSeconds");
    QTest::addColumn<double>("correctionMinutes");
    QTest::newRow("1 January") << 1 << 201.99 << 29.252;
    QTest::newRow("peak day") << PeakDay << 856.36 << 40.158;
    QTest::newRow("day 166") << 166 << 15.36 << 26.142;
    QTest::newRow("trough day") << TroughDay << -981.82 << 9.522;
    QTest::newRow("31 December") << 365 << 175.18 << 28.805;
}

void TestCorrection::startupCorrection() {
    QFETCH(int, day);
    QFETCH(double, solarSeconds);
    QFETCH(double, correctionMinutes);
    const double longitudeTerm = LongitudeTermSeconds(StartLongitude, StartMeridian);
    QVERIFY2(std::fabs(longitudeTerm - 1553.13) < 0.005,
             qPrintable(QString::number(longitudeTerm)));

    const double solar = SolarTermSeconds(day);
    QVERIFY2(std::fabs(solar - solarSeconds) < 0.005, qPrintable(QString::number(solar, 'f', 4)));
    const double seconds = CorrectionSeconds(day, StartLongitude, StartMeridian);
    QVERIFY2(std::fabs(seconds - 60.0 * correctionMinutes) < 0.03,
             qPrintable(QString::number(seconds, 'f', 3)));
    const double minutes = CorrectionMinutes(day, StartLongitude, StartMeridian);
    QVERIFY2(std::fabs(minutes - correctionMinutes) < 0.0005,
             qPrintable(QString::number(minutes, 'f', 5)));
}

void TestCorrection::yearEndIsDayZero() {
    // The day angle is 2 pi day / 365, so 31 December closes the circle. At an angle of 0 the
    // sines vanish and the cosines are 1: (-0.0000075 - 0.001868 + 0.014615) x 43200 / pi
    // = 0.0127395 x 13750.98708 = 175.18070 seconds.
    QVERIFY2(std::fabs(SolarTermSeconds(0) - 175.18070) < 0.00001,
             qPrintable(QString::number(SolarTermSeconds(0), 'f', 6)));
    QVERIFY(std::fabs(SolarTermSeconds(365) - SolarTermSeconds(0)) < 1e-9);
    QVERIFY(std::fabs(SolarTermSeconds(1) - SolarTermSeconds(366)) < 1e-9);
}

void TestCorrection::constantTermIsTheYearMean() {
    // Over the 365 days the four periodic terms cancel and only the constant remains.
    double sum = 0.0;
    for (int day = 1; day <= DaysInYear; ++day) sum += SolarTermSeconds(day);
    const double mean = sum / DaysInYear;
    // -0.0000075 x 13750.98708 = -0.10313240 seconds.
    QVERIFY2(std::fabs(mean - (-0.10313240)) < 1e-8, qPrintable(QString::number(mean, 'g', 10)));
}

void TestCorrection::longitudeTerm_data() {
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("meridian");
    QTest::addColumn<double>("seconds");
    QTest::newRow("on GMT +02:00 meridian") << 30.0 << 30.0 << 0.0;
    QTest::newRow("on GMT meridian") << 0.0 << 0.0 << 0.0;
    QTest::newRow("15 West, GMT") << -15.0 << 0.0 << 3600.0;
    QTest::newRow("15 East, GMT") << 15.0 << 0.0 << -3600.0;
    QTest::newRow("180 West, GMT +13:00") << -180.0 << 195.0 << 90000.0;
    QTest::newRow("180 East, GMT -12:00") << 180.0 << -180.0 << -86400.0;
    QTest::newRow("GMT -03:30 at 0") << 0.0 << -52.5 << -12600.0;
}

void TestCorrection::longitudeTerm() {
    QFETCH(double, longitude);
    QFETCH(double, meridian);
    QFETCH(double, seconds);
    QCOMPARE(LongitudeTermSeconds(longitude, meridian), seconds);
    // Nothing is wrapped into a day: the term is added unchanged to the solar term of 13
    // February, +856.36 seconds.
    const double peak = CorrectionSeconds(PeakDay, longitude, meridian);
    QVERIFY2(std::fabs(peak - (856.36 + seconds)) < 0.005, qPrintable(QString::number(peak, 'f')));
}

void TestCorrection::minuteLabel_data() {
    QTest::addColumn<double>("minutes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("twoParts");
    QTest::newRow("40") << 40.0 << "+40min" << false;
    QTest::newRow("1") << 1.0 << "+1min" << false;
    QTest::newRow("0") << 0.0 << "0min" << false;
    QTest::newRow("minus zero") << -0.0 << "0min" << false;
    QTest::newRow("-1") << -1.0 << "-1min" << false;
    QTest::newRow("-15") << -15.0 << "-15min" << false;
    QTest::newRow("59") << 59.0 << "+59min" << false;
    QTest::newRow("-59") << -59.0 << "-59min" << false;
    QTest::newRow("60") << 60.0 << "+1h " << false;
    QTest::newRow("-60") << -60.0 << "-1h " << false;
    QTest::newRow("65") << 65.0 << "+1h +5min" << true;
    QTest::newRow("-65") << -65.0 << "-1h -5min" << true;
    QTest::newRow("119") << 119.0 << "+1h +59min" << true;
    QTest::newRow("-119") << -119.0 << "-1h -59min" << true;
    QTest::newRow("120") << 120.0 << "+2h " << false;
    QTest::newRow("125") << 125.0 << "+2h +5min" << true;
    QTest::newRow("-125") << -125.0 << "-2h -5min" << true;
    QTest::newRow("1500") << 1500.0 << "+25h " << false;
    QTest::newRow("-1501") << -1501.0 << "-25h -1min" << true;
}

void TestCorrection::minuteLabel() {
    QFETCH(double, minutes);
    QFETCH(QString, text);
    QFETCH(bool, twoParts);
    QCOMPARE(q(FormatMinuteLabel(minutes)), text);
    QCOMPARE(minuteLabelHasTwoParts(minutes), twoParts);
}

void TestCorrection::wholeNumberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("-7") << -7.0 << "-7";
    QTest::newRow("1e20") << 1e20 << "100000000000000000000";
    QTest::newRow("2^53 + 2") << 9007199254740994.0 << "9007199254740994";
    QTest::newRow("-1e300") << -1e300 << QString();
    QTest::newRow("largest") << std::numeric_limits<double>::max() << QString();
    QTest::newRow("minus largest") << -std::numeric_limits<double>::max() << QString();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-inf";
}

void TestCorrection::wholeNumberText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    const std::string written = model::wholeNumberText(value);
    if (!text.isEmpty()) {
        QCOMPARE(q(written), text);
        return;
    }
    // Too long to spell out: plain digits that read back as the same double.
    static const QRegularExpression digits("^-?[1-9][0-9]*$");
    QVERIFY2(digits.match(q(written)).hasMatch(), written.c_str());
    QCOMPARE(written.size(),
             std::size_t(std::floor(std::log10(std::fabs(value)))) + 1 + (value < 0 ? 1 : 0));
    QVERIFY(std::strtod(written.c_str(), nullptr) == value);
}

void TestCorrection::hugeMinuteLabel_data() {
    QTest::addColumn<double>("minutes");
    QTest::newRow("1e300") << 1e300;
    QTest::newRow("-1e300") << -1e300;
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("minus largest") << -std::numeric_limits<double>::max();
    // Here the remainder of the split comes out as 64: the label shows the hours alone.
    QTest::newRow("inexact split") << 5.607273154980958e17;
    QTest::newRow("2^53 + 62") << 9007199254741054.0;
}

void TestCorrection::hugeMinuteLabel() {
    QFETCH(double, minutes);
    const QString text = q(FormatMinuteLabel(minutes));
    static const QRegularExpression plus("^\\+[0-9]+h (\\+[0-9]+min)?$");
    static const QRegularExpression minus("^-[0-9]+h (-[0-9]+min)?$");
    QVERIFY2((minutes > 0 ? plus : minus).match(text).hasMatch(), qPrintable(text.left(40)));
    QCOMPARE(minuteLabelHasTwoParts(minutes), text.endsWith("min"));
}

QTEST_APPLESS_MAIN(TestCorrection)
#include "tst_correction.moc"
