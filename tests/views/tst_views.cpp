// The diagram scale, the month pictures through the operations they record, and the captions of
// the table of values.

#include "model/calendaryear.h"
#include "ui/picturebox.h"
#include "ui/registry.h"
#include "ui/startup.h"
#include "views/choices.h"
#include "views/copy.h"
#include "views/diagram.h"
#include "views/lists.h"
#include "views/table.h"
#include "views/texts.h"

#include <QApplication>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace views;
using ui::DrawOp;

namespace {

WindowState StateFor(const LocationTexts& texts) {
    WindowState state;
    setUpDiagram(model::standardYear(), texts, 837, 5020, state);
    return state;
}

const LocationTexts Startup{"23", "31", "43", true, "GMT +02:00"};
const JanuaryGeometry January{837, 5020, 240};

std::vector<DrawOp> Circles(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> circles;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Circle) circles.push_back(op);
    return circles;
}

std::vector<DrawOp> Lines(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> lines;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line) lines.push_back(op);
    return lines;
}

} // namespace

class TestViews : public QObject {
    Q_OBJECT

    ui::Form form;
    std::unique_ptr<ui::Controls> controls;
    std::array<ui::Label*, TimeLabelCount> labels{};
    ui::PictureBox& picture(int month) {
        return controls->get<ui::PictureBox>(QStringLiteral("PictureM%1").arg(month));
    }

private slots:
    void initTestCase() {
        ui::startUp();
        controls = std::make_unique<ui::Controls>(form, views::windowLists());
        for (int i = 0; i < TimeLabelCount; ++i)
            labels[static_cast<std::size_t>(i)] = &controls->get<ui::Label>("Labeltime", i);
    }

    void topMinuteIsNeverAMultipleOfFive_data() {
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<double>("peak");
        QTest::addColumn<double>("top");
        QTest::newRow("start-up") << "23"
                                  << "31"
                                  << "GMT +02:00" << 40.158 << 42.0;
        QTest::newRow("0 GMT") << "0"
                               << "0"
                               << "GMT" << 14.273 << 16.0;
        QTest::newRow("25 25 rounds up to 33") << "25"
                                               << "25"
                                               << "GMT +02:00" << 32.606 << 34.0;
        QTest::newRow("0 at +02:00") << "0"
                                     << "0"
                                     << "GMT +02:00" << 134.273 << 136.0;
        QTest::newRow("0 at -01:00") << "0"
                                     << "0"
                                     << "GMT -01:00" << -45.727 << -44.0;
        QTest::newRow("15 18 at GMT") << "15"
                                      << "18"
                                      << "GMT" << -46.927 << -46.0;
    }
    void topMinuteIsNeverAMultipleOfFive() {
        QFETCH(QString, degrees);
        QFETCH(QString, minutes);
        QFETCH(QString, zone);
        QFETCH(double, peak);
        QFETCH(double, top);
        const bool startup = degrees == "23";
        const WindowState state = StateFor({degrees.toStdString(), minutes.toStdString(),
                                            startup ? "43" : "0", true, zone.toStdString()});
        const double c =
            model::CorrectionMinutes(model::PeakDay, state.Longitude, state.ZoneMeridian);
        QVERIFY2(std::fabs(c - peak) < 0.0005, qPrintable(QString::number(c, 'f', 4)));
        QCOMPARE(state.TopMinute, top);
        QCOMPARE(state.DayWidth, 27.0f);
        QCOMPARE(state.MinuteHeight, 143.42857f); // 5020 / 35
    }

    void topMinuteHalfwayAndEverywhere() {
        QCOMPARE(topMinuteFor(39.5), 42.0);
        QCOMPARE(topMinuteFor(-39.5), -37.0);
        QCOMPARE(topMinuteFor(-0.5), 2.0);
        // Everywhere a whole minute, never a multiple of 5, and 1 or 2 minutes above the nearest
        // whole minute: more than half a minute and at most two and a half above the peak.
        for (double c = -3000; c <= 3000; c += 0.125) {
            const double top = topMinuteFor(c);
            const QByteArray at = QByteArray::number(c);
            QVERIFY2(top == std::trunc(top), at);
            QVERIFY2(std::fmod(top, 5.0) != 0.0, at);
            QVERIFY2(top - c > 0.5 && top - c <= 2.5, at);
        }
    }

    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("1828.41") << 1828.41 << 1828.0;
        QTest::newRow("419.6") << 419.6 << 420.0;
        QTest::newRow("just below half") << 2.4999999 << 2.0;
        QTest::newRow("huge") << 1e300 << 1e300;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    void januaryDrawsItsBorderGridDotsAndLabels() {
        const WindowState state = StateFor(Startup);
        paintMonth(model::standardYear(), 1, picture(1), January, state, &labels);
        const auto& ops = picture(1).operations();
        const QRgb lineColour = qRgb(160, 160, 255);
        QCOMPARE(ops[0], (DrawOp{DrawOp::Kind::Line, 0, 0, 0, 5020, 0, lineColour, 2}));
        QCOMPARE(ops[1], (DrawOp{DrawOp::Kind::Line, 256.5, 0, 256.5, 5020, 0, lineColour, 1}));
        QCOMPARE(ops[2], (DrawOp{DrawOp::Kind::Line, 526.5, 0, 526.5, 5020, 0, lineColour, 1}));
        const auto lines = Lines(ops);
        QCOMPARE(lines.size(), std::size_t(3 + 36));
        for (int r = 1; r <= 36; ++r) {
            const DrawOp& row = lines[static_cast<std::size_t>(2 + r)];
            const int width =
                (r - 3) % 5 == 0 ? 2 : 1; // rows 3, 8, ... 33 stand for 40, 35, ... 10
            QCOMPARE(row, (DrawOp{DrawOp::Kind::Line, 0, 143.0 * (r - 1), 837, 143.0 * (r - 1), 0,
                                  qRgb(255, 0, 0), width}));
        }
        const auto circles = Circles(ops);
        QCOMPARE(circles.size(), std::size_t(31 * 15));
        for (std::size_t i = 0; i < circles.size(); ++i) {
            QCOMPARE(circles[i].radius, double(i % 15 + 1));
            QCOMPARE(circles[i].width, 1);
            QCOMPARE(circles[i].colour, qRgb(0, 0, 0));
        }
        QCOMPARE(circles.front().x1, 13.5);
        QCOMPARE(circles.front().y1, 1828.0);
        QCOMPARE(circles.back().x1, 823.5);
        QCOMPARE(circles.back().y1, 420.0);
        // Row r lies 143 x (r - 1) twips below January's top (240); a label stands on its row
        // less a quarter of its 570-twip height when its caption has one part, a third when it
        // has two. Worked by hand: at the opening place the labelled rows are 3, 8, ... 33; 15°
        // West at +02:00 puts the top at 196 minutes and the labelled rows at 2, 7, ... 32.
        struct Label {
            const char* caption;
            float top;
        };
        const Label startup[] = {{"+40min", 383.5},  {"+35min", 1098.5}, {"+30min", 1813.5},
                                 {"+25min", 2528.5}, {"+20min", 3243.5}, {"+15min", 3958.5},
                                 {"+10min", 4673.5}};
        const Label west[] = {{"+3h +15min", 193}, {"+3h +10min", 908},  {"+3h +5min", 1623},
                              {"+3h ", 2385.5},    {"+2h +55min", 3053}, {"+2h +50min", 3768},
                              {"+2h +45min", 4483}};
        for (const auto& [place, wanted] :
             {std::pair{Startup, startup},
              std::pair{LocationTexts{"15", "0", "0", false, "GMT +02:00"}, west}}) {
            paintMonth(model::standardYear(), 1, picture(1), January, StateFor(place), &labels);
            for (std::size_t i = 0; i < 7; ++i) {
                QCOMPARE(labels[i]->text(), QString(wanted[i].caption));
                QCOMPARE(labels[i]->Top(), wanted[i].top);
            }
        }
    }

    void everyMonthDrawsItsOwnDays_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("dayLine");
        QTest::addColumn<QRgb>("lineColour");
        // The heights of the month's first and last dots at the start-up place, worked by hand:
        // (42 - correction in minutes) x 143.42857, to the nearest whole unit.
        QTest::addColumn<double>("firstDot");
        QTest::addColumn<double>("lastDot");
        const QRgb lavender = qRgb(160, 160, 255), green = qRgb(153, 223, 142);
        QTest::newRow("February") << 2 << 28 << 256.5 << green << 397.0 << 458.0;
        QTest::newRow("March") << 3 << 31 << 270.0 << lavender << 484.0 << 1681.0;
        QTest::newRow("April") << 4 << 30 << 270.0 << green << 1726.0 << 2741.0;
        QTest::newRow("June") << 6 << 30 << 270.0 << green << 2656.0 << 1812.0;
        QTest::newRow("September") << 9 << 30 << 270.0 << lavender << 2303.0 << 3811.0;
        QTest::newRow("November") << 11 << 30 << 270.0 << lavender << 4658.0 << 3845.0;
        QTest::newRow("December") << 12 << 31 << 270.0 << green << 3793.0 << 1893.0;
    }
    void everyMonthDrawsItsOwnDays() {
        QFETCH(int, month);
        QFETCH(int, days);
        QFETCH(double, dayLine);
        QFETCH(QRgb, lineColour);
        QFETCH(double, firstDot);
        QFETCH(double, lastDot);
        const WindowState state = StateFor(Startup);
        for (ui::Label* label : labels) label->setCaption("untouched");
        paintMonth(model::standardYear(), month, picture(month), January, state, nullptr);
        const auto& ops = picture(month).operations();
        QCOMPARE(ops[0].colour, lineColour);
        QCOMPARE(ops[1].x1, dayLine);
        QCOMPARE(ops[2].x1, dayLine + 270.0);
        // The grid rows run to January's width, past a narrower picture's edge.
        QCOMPARE(Lines(ops).back().x2, 837.0);
        const auto circles = Circles(ops);
        QCOMPARE(circles.size(), std::size_t(days * 15));
        QCOMPARE(circles.front().x1, 13.5);
        QCOMPARE(circles.front().y1, firstDot);
        QCOMPARE(circles.back().x1, 27.0 * days - 13.5);
        QCOMPARE(circles.back().y1, lastDot);
        for (ui::Label* label : labels) QCOMPARE(label->text(), QString("untouched"));
        // Drawn again alone, the picture holds the same.
        const auto before = ops;
        paintMonth(model::standardYear(), month, picture(month), January, state, nullptr);
        QCOMPARE(picture(month).operations(), before);
    }

    // In a leap year February's 29 dots share its 750-unit strip, each day 750/29 wide, its day
    // lines with them; in a common year February keeps the design's 27-unit days.
    void februaryHoldsItsDaysInItsStrip_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("dayWidth");
        QTest::newRow("2028, leap") << 2028 << 29 << 750.0 / 29;
        QTest::newRow("2000, leap") << 2000 << 29 << 750.0 / 29;
        QTest::newRow("2027, common") << 2027 << 28 << 27.0;
        QTest::newRow("2100, common") << 2100 << 28 << 27.0;
    }
    void februaryHoldsItsDaysInItsStrip() {
        QFETCH(int, year);
        QFETCH(int, days);
        QFETCH(double, dayWidth);
        const model::CalendarYear calendar(year);
        WindowState state;
        setUpDiagram(calendar, Startup, 837, 5020, state);
        QCOMPARE(picture(2).ScaleWidth(), 750.0f);
        paintMonth(calendar, 2, picture(2), January, state, nullptr);
        const auto& ops = picture(2).operations();
        QCOMPARE(float(ops[1].x1), float(9.5 * dayWidth));
        const auto circles = Circles(ops);
        QCOMPARE(circles.size(), std::size_t(days * 15));
        QCOMPARE(float(circles.front().x1), float(dayWidth / 2));
        QCOMPARE(float(circles.back().x1), float(dayWidth * (days - 0.5)));
        QVERIFY(circles.back().x1 < 750); // the last dot's centre within the strip
        // Every dot stands within the grid: the year's scale comes from its own extremes.
        for (const DrawOp& dot : circles) QVERIFY(dot.y1 >= 0 && dot.y1 <= 5020);
    }

    void hugeValuesDrawWithoutHarm_data() {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("longitude");
        QTest::newRow("1e300 degrees") << 0.0 << 1e300;
        QTest::newRow("huge top") << 1e20 << 0.0;
        QTest::newRow("largest top") << std::numeric_limits<double>::max() << 0.0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << 0.0;
    }
    void hugeValuesDrawWithoutHarm() {
        QFETCH(double, top);
        QFETCH(double, longitude);
        WindowState state = StateFor(Startup);
        state.Longitude = longitude;
        if (top != 0.0) state.TopMinute = top;
        // Every day's dot lies far outside its picture (or nowhere): painting must end, and no
        // dot may show, as one would where a huge coordinate was clamped or wrapped.
        for (int month = 1; month <= 12; ++month) {
            paintMonth(model::standardYear(), month, picture(month), January, state,
                       month == 1 ? &labels : nullptr);
            const QImage image = picture(month).grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == DotColour)
                        QFAIL(qPrintable(
                            QString("a dot at %1,%2 of month %3").arg(x).arg(y).arg(month)));
        }
    }

    void uncheckedTextsGiveFiniteCorrections_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("east");
        QTest::newRow("overflowing longitude")
            << QStringList{"1e400", "1e400", "1e400", "GMT +13:00"} << true;
        QTest::newRow("overflowing West")
            << QStringList{"1e308", "1e308", "1e308", "GMT -12:00"} << false;
        QTest::newRow("huge zone too") << QStringList{"-1e999", "0", "0", "GMT +1e305"} << true;
    }
    void uncheckedTextsGiveFiniteCorrections() {
        QFETCH(QStringList, texts);
        QFETCH(bool, east);
        WindowState state;
        setUpDiagram(model::standardYear(),
                     {texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString(), east,
                      texts[3].toStdString()},
                     837, 5020, state);
        QVERIFY(std::isfinite(state.TopMinute));
        for (int day = 1; day <= 365; ++day)
            QVERIFY(
                std::isfinite(model::CorrectionSeconds(day, state.Longitude, state.ZoneMeridian)));
    }

    void correctionCaptions_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("hours");
        QTest::addColumn<QString>("caption");
        // What a spreadsheet gets beside the caption: the value it shows, in whole seconds.
        QTest::addColumn<QString>("whole");
        // The clock time of noon: 12:00 plus the value the caption shows.
        QTest::addColumn<QString>("noon");
        QTest::newRow("zero") << 0.0 << false << "+00 min  +00 sec"
                              << "0"
                              << "12:00:00";
        QTest::newRow("minus zero") << -0.0 << false << "+00 min  +00 sec"
                                    << "0"
                                    << "12:00:00";
        QTest::newRow("minus zero with hours") << -0.0 << true << "+00 h  +00 min  +00 sec"
                                               << "0"
                                               << "12:00:00";
        QTest::newRow("a quarter second behind") << -0.25 << false << "-00 min  -00 sec"
                                                 << "0"
                                                 << "12:00:00";
        QTest::newRow("-30.2") << -30.2 << false << "-00 min  -30 sec"
                               << "-30"
                               << "11:59:30";
        QTest::newRow("cut, not rounded") << 599.99 << false << "+09 min  +59 sec"
                                          << "599"
                                          << "12:09:59";
        QTest::newRow("1755.13") << 1755.13 << false << "+29 min  +15 sec"
                                 << "1755"
                                 << "12:29:15";
        QTest::newRow("-981.82") << -981.82 << false << "-16 min  -21 sec"
                                 << "-981"
                                 << "11:43:39";
        QTest::newRow("-3599.5 with hours") << -3599.5 << true << "-00 h  -59 min  -59 sec"
                                            << "-3599"
                                            << "11:00:01";
        QTest::newRow("8000.78 with hours") << 8000.78 << true << "+02 h  +13 min  +20 sec"
                                            << "8000"
                                            << "14:13:20";
        QTest::newRow("-6399.22 with hours") << -6399.22 << true << "-01 h  -46 min  -39 sec"
                                             << "-6399"
                                             << "10:13:21";
        QTest::newRow("no leading zero from 10") << 89018.18 << true << "+24 h  +43 min  +38 sec"
                                                 << "89018"
                                                 << "12:43:38 (+1 ημ.)";
        QTest::newRow("noon the day before") << -50000.0 << true << "-13 h  -53 min  -20 sec"
                                             << "-50000"
                                             << "22:06:40 (−1 ημ.)";
        QTest::newRow("noon two days on") << 150000.0 << true << "+41 h  +40 min  +00 sec"
                                          << "150000"
                                          << "05:40:00 (+2 ημ.)";
        QTest::newRow("hours left out") << 3725.0 << false << "+02 min  +05 sec"
                                        << "125"
                                        << "12:02:05";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << true
                                  << "+inf h  +00 min  +00 sec"
                                  << "0"
                                  << "12:00:00";
        QTest::newRow("not a number")
            << std::numeric_limits<double>::quiet_NaN() << false << "+00 min  +00 sec"
            << "0"
            << "12:00:00";
    }
    void correctionCaptions() {
        QFETCH(double, seconds);
        QFETCH(bool, hours);
        QFETCH(QString, caption);
        QFETCH(QString, whole);
        const CorrectionCaption text(seconds, hours);
        QCOMPARE(QString::fromLatin1(text.text().data(), qsizetype(text.text().size())), caption);
        const CorrectionParts parts(seconds, hours);
        QCOMPARE(QString::fromStdString(model::wholeNumberText(parts.shownSeconds())), whole);
        QFETCH(QString, noon);
        QCOMPARE(noonText(parts), noon);
    }

    // The copies' HTML: one table, a header row, then a row a day whose seconds read the caption
    // beside them (sign and hours included); the caption cells are marked as text.
    void htmlTablesCarryCaptionsAndSeconds() {
        // January at the opening place; February at 0° in GMT -02:00, where hours show.
        WindowState january{.Longitude = 23.0 + 31.0 / 60 + 43.0 / 3600, .ZoneMeridian = 30};
        WindowState february{
            .ZoneMeridian = -30, .ShowHours = true, .MonthFirstDay = 32, .MonthLength = 28};
        // Then the clock time of noon, 12:00 plus the value the caption shows, as text.
        const QRegularExpression row("<tr>((?:<td>[^<]*</td>)+)<td "
                                     "sdnum=\"1032;0;@\"[^>]*>([^<]*)</td><td>(-?\\d+)</td><td "
                                     "sdnum=\"1032;0;@\"[^>]*>([^<]*)</td></tr>");
        for (const auto& [state, first, noon] :
             {std::tuple{january, "1755", "12:29:15"}, std::tuple{february, "-6399", "10:13:21"}}) {
            const QString table = tableHtml(Reading{}, state);
            QCOMPARE(table.count("<table>"), 1);
            QVERIFY(table.contains("<tr><th>Ημέρα</th><th>Διόρθωση</th><th>Δευτερόλεπτα</th>"
                                   "<th>Μεσημέρι</th></tr>"));
            QCOMPARE(table.count("<tr>"), state.MonthLength + 1);
            const QRegularExpressionMatch day1 = row.match(table);
            QCOMPARE(day1.captured(1), QString("<td>1</td>"));
            QCOMPARE(day1.captured(3), QString(first));
            QCOMPARE(day1.captured(4), QString(noon));
        }

        // The year at the opening place (23° 31' 43" East, GMT +02:00), and where hours show.
        for (const double longitude : {23.0 + 31.0 / 60 + 43.0 / 3600, -150.0}) {
            WindowState state;
            state.Longitude = longitude;
            state.ZoneMeridian = 30;
            const QString year = yearHtml(Reading{}, state);
            QVERIFY(year.contains("<tr><th>Μήνας</th><th>Ημέρα</th><th>Διόρθωση</th>"
                                  "<th>Δευτερόλεπτα</th><th>Μεσημέρι</th></tr>"));
            int days = 0;
            const QRegularExpression part("([+-])(\\d+) (h|min|sec)");
            for (auto match = row.globalMatch(year); match.hasNext(); ++days) {
                const QRegularExpressionMatch found = match.next();
                long long total = 0;
                int sign = 1;
                const QString caption = found.captured(2).replace("&#32;", " ");
                QVERIFY2(caption.contains(" min  "), qPrintable(caption));
                for (auto p = part.globalMatch(caption); p.hasNext();) {
                    const QRegularExpressionMatch m = p.next();
                    sign = m.captured(1) == "-" ? -1 : 1;
                    total += m.captured(2).toLongLong() * (m.captured(3) == "h"     ? 3600
                                                           : m.captured(3) == "min" ? 60
                                                                                    : 1);
                }
                QCOMPARE(found.captured(3).toLongLong(), sign * total);
                QCOMPARE(caption.contains(" h  "), longitude < 0);
            }
            QCOMPARE(days, 365);
        }
        QVERIFY(
            yearHtml(Reading{},
                     WindowState{.Longitude = 23.0 + 31.0 / 60 + 43.0 / 3600, .ZoneMeridian = 30})
                .contains("<td>Ιανουάριος</td><td>1</td><td sdnum=\"1032;0;@\" "
                          "style=\"mso-number-format:'\\@';white-space:pre\">+29&#32;min&#32;&#32;+"
                          "15&#32;"
                          "sec</td><td>1755</td>"));
        QVERIFY(yearHtml(Reading{}, WindowState{.Longitude = 23.0 + 31.0 / 60 + 43.0 / 3600,
                                                .ZoneMeridian = 30})
                    .contains("<td>1755</td><td sdnum=\"1032;0;@\" "
                              "style=\"mso-number-format:'\\@';white-space:pre\">12:29:15</td>"));
    }

    void hugeCaptionsAreWholeNumbers() {
        const CorrectionCaption text(-1e300, true);
        const QString caption =
            QString::fromLatin1(text.text().data(), qsizetype(text.text().size()));
        QVERIFY(caption.startsWith("-"));
        QVERIFY(caption.endsWith(" h  -00 min  -00 sec"));
        const QString hours = caption.section(' ', 0, 0);
        QVERIFY(hours.size() > 290);
        for (QChar c : hours.mid(1)) QVERIFY(c.isDigit());
    }

    // A place chosen by name names what leaves the window while refreshes read the location it
    // gave; the first refresh that reads another longitude or zone drops the name for good.
    void aChosenPlaceLapsesWithItsLocation_data() {
        QTest::addColumn<QStringList>("next"); // degrees, minutes, seconds, East or West, zone
        QTest::addColumn<bool>("named");
        QTest::newRow("the same location")
            << QStringList{"22", "06", "46", "East", "GMT +02:00"} << true;
        QTest::newRow("other degrees")
            << QStringList{"23", "06", "46", "East", "GMT +02:00"} << false;
        QTest::newRow("other minutes")
            << QStringList{"22", "07", "46", "East", "GMT +02:00"} << false;
        QTest::newRow("other seconds")
            << QStringList{"22", "06", "45", "East", "GMT +02:00"} << false;
        QTest::newRow("the other side")
            << QStringList{"22", "06", "46", "West", "GMT +02:00"} << false;
        QTest::newRow("another zone")
            << QStringList{"22", "06", "46", "East", "GMT +03:00"} << false;
    }
    void aChosenPlaceLapsesWithItsLocation() {
        QFETCH(QStringList, next);
        QFETCH(bool, named);
        const LocationTexts kalamata{"22", "06", "46", true, "GMT +02:00"};
        Choices choices;
        Reading reading = readChoices(choices, kalamata);
        QVERIFY(reading.place.empty());
        takePlace(choices, reading, "Καλαμάτα");
        QCOMPARE(reading.place, std::string("Καλαμάτα"));
        const LocationTexts texts{next[0].toStdString(), next[1].toStdString(),
                                  next[2].toStdString(), next[3] == "East", next[4].toStdString()};
        QCOMPARE(readChoices(choices, texts).place.empty(), !named);
        // Back at the place's own location, a lapsed name stays gone.
        QCOMPARE(readChoices(choices, kalamata).place.empty(), !named);
        QVERIFY(placeLine(readChoices(choices, kalamata)).startsWith("Καλαμάτα — ") == named);
    }

    void monthsAreFoundByTheirWholeName() {
        // The designed items of the month list, accents and final sigma included.
        const char* const names[] = {"Ιανουάριος",  "Φεβρουάριος", "Μάρτιος",   "Απρίλιος",
                                     "Μάιος",       "Ιούνιος",     "Ιούλιος",   "Αύγουστος",
                                     "Σεπτέμβριος", "Οκτώβριος",   "Νοέμβριος", "Δεκέμβριος"};
        for (int m = 1; m <= 12; ++m) QCOMPARE(monthOf(names[m - 1]), m);
        QCOMPARE(monthOf("ιανουάριος"), 0);
        QCOMPARE(monthOf("Ιανουάριος "), 0);
        QCOMPARE(monthOf("Ιανουαριος"), 0);
        QCOMPARE(monthOf(""), 0);
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
