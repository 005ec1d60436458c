// The window as a user drives it: start-up, the refresh after every action, the reminder panel
// with its frame and field colours, the view switch, focus, and the table and diagram it fills.

#include "app/formstart.h"
#include "support/form_fixture.h"
#include "support/platform.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>

using namespace app;

namespace {

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// The user picks a list item.
void pick(ui::ComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The user replaces a field's text by typing, Greek letters included.
void type(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::KeyAction::Click, field, Qt::Key_unknown, c, Qt::NoModifier);
}

// A tool's standard output, or nothing where it fails.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF printer writing to `file`, on the page a user may set up.
void setUpPdf(QPrinter& printer, const QString& file, QPageSize::PageSizeId size,
              QPageLayout::Orientation orientation) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
}

// The month names as the printed diagram shows them, in part where a name is cut to its box.
const char* const PrintedMonths[] = {"Ιανουάρ", "Φεβρ",    "Μάρτιος", "Απρίλ",
                                     "Μάιος",   "Ιούνιος", "Ιούλιος", "Αύγουστ",
                                     "Σεπτεμβ", "Οκτωβρ",  "Νοεμβρ",  "Δεκέμβρ"};

const QString OpeningPlace =
    QStringLiteral("Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00");

} // namespace

class TestFormStart : public QObject, FormFixture {
    Q_OBJECT

    ui::TextBox* degrees() { return child<ui::TextBox>(*form, "TextMLo"); }
    ui::TextBox* minutes() { return child<ui::TextBox>(*form, "TextPLo"); }
    ui::TextBox* seconds() { return child<ui::TextBox>(*form, "TextDLo"); }
    ui::ComboBox* zone() { return child<ui::ComboBox>(*form, "ComboZW"); }
    ui::ComboBox* month() { return child<ui::ComboBox>(*form, "ComboMonth"); }
    bool shown(const QString& name) { return !control(name)->isHidden(); }
    QString caption(const QString& name) { return child<QLabel>(*form, name)->text(); }
    void setLocation(const QString& d, const QString& m, const QString& s, bool east) {
        degrees()->setText(d);
        minutes()->setText(m);
        seconds()->setText(s);
        child<QRadioButton>(*form, east ? "OptionEast" : "OptionWest")->setChecked(true);
    }
    QStringList visibleFrames() {
        QStringList frames;
        for (const char* name : {"FrameErrorM", "FrameErrorP", "FrameErrorD", "FrameErrorLo"})
            if (shown(name)) frames << name;
        return frames;
    }

private slots:
    void initTestCase() { startUp(); }
    void init() { openForm(false); }
    void cleanup() { form.reset(); }

    void startsWithTheDiagramCentred() {
        LINUX_ONLY("the minimal platform places no window on a screen");
        QCOMPARE(form->windowTitle(), QString("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ"));
        QCOMPARE(form->size(), QSize(750, 568));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QRect screen = form->screen()->geometry();
        QVERIFY(qAbs(form->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form->frameGeometry().center().y() - screen.center().y()) <= 1);
        QVERIFY(shown("PictureDiagram"));
        QVERIFY(!shown("PictureMatrix"));
        QVERIFY(!shown("PictureError"));
        QVERIFY(visibleFrames().isEmpty());
        QCOMPARE(degrees()->text(), QString("23"));
        QCOMPARE(minutes()->text(), QString("31"));
        QCOMPARE(seconds()->text(), QString("43"));
        for (ui::TextBox* box : {degrees(), minutes(), seconds()})
            QCOMPARE(box->foreColor(), Green);
        QVERIFY(child<QRadioButton>(*form, "OptionEast")->isChecked());
        QVERIFY(!child<QRadioButton>(*form, "OptionWest")->isChecked());
        QCOMPARE(zone()->currentText(), QString("GMT +02:00"));
        QCOMPARE(zone()->count(), 33);
        QCOMPARE(zone()->itemText(13), QString("GMT"));
        QCOMPARE(zone()->itemText(9), QString("GMT -03:30"));
        QCOMPARE(month()->count(), 12);
        QCOMPARE(month()->currentText(), QString("Ιανουάριος"));
        QCOMPARE(form->state().ZoneMeridian, 30.0);
        QCOMPARE(form->state().Longitude, 23.528611111111111);
    }

    void failuresShowOneFrameAndColourTheFields_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("normalised"); // the three texts after the refresh
        QTest::addColumn<QString>("colours");    // g, r, b or k (kept: yellow marker) per field
        // Before each row the fields are marked "kept" with a colour no rule sets.
        QTest::newRow("degrees 200") << "200"
                                     << "31"
                                     << "43"
                                     << "FrameErrorM"
                                     << "200 31 43"
                                     << "rkb";
        QTest::newRow("degrees 5,5") << "5,5"
                                     << "31"
                                     << "43"
                                     << "FrameErrorM"
                                     << "5.5 31 43"
                                     << "rbb";
        QTest::newRow("degrees -3") << "-3"
                                    << "31"
                                    << "43"
                                    << "FrameErrorM"
                                    << "-3 31 43"
                                    << "rkb";
        QTest::newRow("degrees 1e400") << "1e400"
                                       << "31"
                                       << "43"
                                       << "FrameErrorM"
                                       << "1e400 31 43"
                                       << "rkb";
        QTest::newRow("degrees -1e999") << "-1e999"
                                        << "31"
                                        << "43"
                                        << "FrameErrorM"
                                        << "-1e999 31 43"
                                        << "rkb";
        QTest::newRow("minutes 75") << "23"
                                    << "75"
                                    << "43"
                                    << "FrameErrorP"
                                    << "23 75 43"
                                    << "krk";
        QTest::newRow("minutes 7.5") << "23"
                                     << "7.5"
                                     << "43"
                                     << "FrameErrorP"
                                     << "23 7.5 43"
                                     << "krk";
        QTest::newRow("seconds 61") << "23"
                                    << "31"
                                    << "61"
                                    << "FrameErrorD"
                                    << "23 31 61"
                                    << "kkr";
        QTest::newRow("seconds 1,5") << "23"
                                     << "31"
                                     << "1,5"
                                     << "FrameErrorD"
                                     << "23 31 1.5"
                                     << "kkr";
        QTest::newRow("beyond 180") << "180"
                                    << "00"
                                    << "01"
                                    << "FrameErrorLo"
                                    << "180 00 01"
                                    << "rrr";
        QTest::newRow("180 exactly") << "180"
                                     << "0"
                                     << ""
                                     << ""
                                     << "180 00 00"
                                     << "ggg";
        QTest::newRow("179 60 00") << "179"
                                   << "60"
                                   << "00"
                                   << ""
                                   << "179 60 00"
                                   << "ggg";
        QTest::newRow("padding") << "7"
                                 << "abc"
                                 << "5"
                                 << ""
                                 << "07 00 05"
                                 << "ggg";
        QTest::newRow("written green") << "3,0"
                                       << "31"
                                       << "43"
                                       << ""
                                       << "3.0 31 43"
                                       << "ggg";
    }
    void failuresShowOneFrameAndColourTheFields() {
        QFETCH(QString, d);
        QFETCH(QString, m);
        QFETCH(QString, s);
        QFETCH(QString, frame);
        QFETCH(QString, normalised);
        QFETCH(QString, colours);
        setLocation(d, m, s, true);
        const QColor kept(200, 200, 0);
        for (ui::TextBox* box : {degrees(), minutes(), seconds()}) box->setForeColor(kept);

        child<QPushButton>(*form, "CommandMatrix")->click();

        QCOMPARE(QStringList({degrees()->text(), minutes()->text(), seconds()->text()}).join(' '),
                 normalised);
        QCOMPARE(visibleFrames(), frame.isEmpty() ? QStringList() : QStringList{frame});
        QCOMPARE(shown("PictureError"), !frame.isEmpty());
        QCOMPARE(shown("PictureMatrix"), frame.isEmpty());
        QVERIFY(!shown("PictureDiagram"));
        const std::map<QChar, QColor> meaning{{'g', Green}, {'r', Red}, {'b', Blue}, {'k', kept}};
        const std::array<ui::TextBox*, 3> boxes{degrees(), minutes(), seconds()};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(
                boxes[i]->foreColor() == meaning.at(colours[i]),
                qPrintable(QString("field %1 is %2").arg(i).arg(boxes[i]->foreColor().name())));
    }

    void theReminderCoversTheViewArea() {
        setLocation("200", "31", "43", true);
        child<QPushButton>(*form, "CommandDiagram")->click();
        auto* panel = child<ui::PictureBox>(*form, "PictureError");
        auto* diagram = child<ui::PictureBox>(*form, "PictureDiagram");
        QCOMPARE(panel->geometry(), diagram->geometry());
        QCOMPARE(panel->Width(), 10950.0f);
        QCOMPARE(panel->ScaleWidth(), diagram->ScaleWidth());
        // Centred across the panel: (10950 - 2895) / 2 for the caption, and so on.
        const std::pair<const char*, float> centred[] = {{"LabelCor", 4027.5f},
                                                         {"FrameErrorM", 2887.5f},
                                                         {"FrameErrorP", 3007.5f},
                                                         {"FrameErrorD", 3007.5f},
                                                         {"FrameErrorLo", 3187.5f}};
        for (const auto& [name, left] : centred)
            QCOMPARE(dynamic_cast<ui::Placement*>(control(name))->Left(), left);
        // Corrected, the next refresh goes back to the view last chosen.
        degrees()->setText("20");
        pick(zone(), "GMT +03:00");
        QVERIFY(!shown("PictureError"));
        QVERIFY(shown("PictureDiagram"));
        QCOMPARE(form->state().ZoneMeridian, 45.0);
    }

    void aFailureStillSetsUpTheDiagram() {
        setLocation("10", "00", "00", false);
        pick(zone(), "GMT -03:30");
        QCOMPARE(form->state().ZoneMeridian, -52.5);
        QCOMPARE(form->state().Longitude, -10.0);
        setLocation("181", "00", "00", true);
        pick(zone(), "GMT");
        // The refresh stored nothing, but the diagram setup read the controls again behind the
        // reminder: 14.273 - 181 x 4 = -709.727 minutes on 13 February, rounded to -710, and
        // raised by 2 to -708.
        QVERIFY(shown("PictureError"));
        QCOMPARE(form->state().ZoneMeridian, 0.0);
        QCOMPARE(form->state().Longitude, 181.0);
        QCOMPARE(form->state().TopMinute, -708.0);
    }

    void typingMarksOnlyThatField() {
        setLocation("200", "31", "43", true);
        child<QPushButton>(*form, "CommandMatrix")->click();
        QCOMPARE(degrees()->foreColor(), Red);
        QCOMPARE(seconds()->foreColor(), Blue);
        type(seconds(), "4");
        QCOMPARE(seconds()->foreColor(), Green);
        QCOMPARE(degrees()->foreColor(), Red);
        // Nothing else changes until the next refresh.
        QVERIFY(shown("PictureError"));
        QCOMPARE(visibleFrames(), QStringList{"FrameErrorM"});
        type(degrees(), "α20");
        QCOMPARE(degrees()->text(), QString("α20"));
        QCOMPARE(degrees()->foreColor(), Green);
        // "α20" reads 0, so it becomes "00" and passes.
        pick(zone(), "GMT");
        QCOMPARE(degrees()->text(), QString("00"));
        QCOMPARE(seconds()->text(), QString("04"));
        QVERIFY(shown("PictureMatrix"));
    }

    void eastAndWestWaitForTheNextRefresh() {
        const auto before = child<ui::PictureBox>(*form, "PictureM1")->operations();
        child<QRadioButton>(*form, "OptionWest")->click();
        QCOMPARE(child<ui::PictureBox>(*form, "PictureM1")->operations(), before);
        QCOMPARE(form->state().Longitude, 23.528611111111111);
        child<QPushButton>(*form, "CommandDiagram")->click();
        QCOMPARE(form->state().Longitude, -23.528611111111111);
        QVERIFY(child<ui::PictureBox>(*form, "PictureM1")->operations() != before);
    }

    void everyResizeNotificationRefreshes() {
        degrees()->setText("7");
        QResizeEvent resize(form->size(), form->size());
        QApplication::sendEvent(form.get(), &resize);
        QCOMPARE(degrees()->text(), QString("07"));
        minutes()->setText("8");
        form->showMinimized();
        QTRY_COMPARE(minutes()->text(), QString("08"));
        seconds()->setText("9");
        form->showNormal();
        QTRY_COMPARE(seconds()->text(), QString("09"));
    }

    void listsAndButtonsMoveTheFocus() {
        pick(month(), "Μάρτιος");
        QVERIFY(shown("PictureMatrix"));
        QCOMPARE(form->focusWidget(), control("CommandMatrix"));
        QCOMPARE(form->state().ViewMode, views::ViewMode::Table);
        pick(zone(), "GMT +01:00");
        QVERIFY(shown("PictureMatrix"));
        QCOMPARE(form->focusWidget(), control("CommandMatrix"));
        child<QPushButton>(*form, "CommandDiagram")->click();
        QCOMPARE(form->focusWidget(), control("CommandDiagram"));
        pick(zone(), "GMT +02:00");
        QVERIFY(shown("PictureDiagram"));
        QCOMPARE(form->focusWidget(), control("CommandDiagram"));
    }

    void typedListTextsAreReadAsTheyStand() {
        // A zone typed by hand is read by the same rules and not checked.
        type(zone(), "GMT -05:45");
        child<QPushButton>(*form, "CommandDiagram")->click();
        QCOMPARE(form->state().ZoneMeridian, -86.25);
        QCOMPARE(zone()->count(), 33);
        // A month text that is no month keeps the month of the previous run.
        pick(month(), "Φεβρουάριος");
        type(month(), "Φεβρουάριοσ");
        child<QPushButton>(*form, "CommandMatrix")->click();
        QCOMPARE(form->state().MonthFirstDay, 32);
        QCOMPARE(form->state().MonthLength, 28);
        QCOMPARE(month()->count(), 12);
        QVERIFY(shown("LabelValT(27)"));
        QVERIFY(!shown("LabelValT(28)"));
    }

    void tableCaptionsOfWorkedExamples_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<bool>("east");
        QTest::addColumn<QString>("zoneText");
        QTest::addColumn<QString>("monthText");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("rows");
        QTest::newRow("1 January") << "23" << true << "GMT +02:00"
                                   << "Ιανουάριος" << 0 << "+29 min  +15 sec" << 31;
        QTest::newRow("13 February") << "23" << true << "GMT +02:00"
                                     << "Φεβρουάριος" << 12 << "+40 min  +09 sec" << 28;
        QTest::newRow("1 November at 0") << "0" << true << "GMT"
                                         << "Νοέμβριος" << 0 << "-16 min  -21 sec" << 30;
        QTest::newRow("15 April at 0") << "0" << true << "GMT"
                                       << "Απρίλιος" << 14 << "-00 min  -00 sec" << 30;
        QTest::newRow("hours ahead") << "0" << true << "GMT +02:00"
                                     << "Φεβρουάριος" << 0 << "+02 h  +13 min  +20 sec" << 28;
        QTest::newRow("hours behind") << "0" << true << "GMT -02:00"
                                      << "Φεβρουάριος" << 0 << "-01 h  -46 min  -39 sec" << 28;
        QTest::newRow("a day ahead") << "180" << false << "GMT +13:00"
                                     << "Νοέμβριος" << 0 << "+24 h  +43 min  +38 sec" << 30;
    }
    void tableCaptionsOfWorkedExamples() {
        QFETCH(QString, d);
        QFETCH(bool, east);
        QFETCH(QString, zoneText);
        QFETCH(QString, monthText);
        QFETCH(int, row);
        QFETCH(QString, expected);
        QFETCH(int, rows);
        const bool startup = d == "23";
        setLocation(d, startup ? "31" : "0", startup ? "43" : "0", east);
        zone()->setEditText(zoneText);
        pick(month(), monthText);
        QVERIFY(shown("PictureMatrix"));
        QCOMPARE(caption(QString("LabelValT(%1)").arg(row)), expected);
        for (int i = 0; i < 31; ++i) {
            QCOMPARE(shown(QString("LabelMonth(%1)").arg(i)), i < rows);
            QCOMPARE(shown(QString("LabelValT(%1)").arg(i)), i < rows);
            QCOMPARE(caption(QString("LabelMonth(%1)").arg(i)), QString::number(i + 1));
        }
        // Every row or none carries an hours part.
        const bool hours = expected.contains(" h ");
        for (int i = 0; i < rows; ++i)
            QCOMPARE(caption(QString("LabelValT(%1)").arg(i)).contains(" h "), hours);
        // Each value stands beside its day number, not at its designed place: day 26's number is
        // at (7440, 3045), its value designed at (7860, 3120).
        auto* value = dynamic_cast<ui::Placement*>(control("LabelValT(25)"));
        QCOMPARE(value->Left(), 7940.0f);
        QCOMPARE(value->Top(), 3065.0f);
    }

    void diagramLabelsFollowTheLocation_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<bool>("east");
        QTest::addColumn<QString>("zoneText");
        QTest::addColumn<double>("top");
        QTest::addColumn<QStringList>("labels");
        // Each label's Top: 240 + its row's y, less a quarter of its 570 (one part) or a third
        // (two parts): at start-up 240 + 286 - 142.5 for the first.
        QTest::addColumn<QList<double>>("tops");
        QTest::newRow("start-up") << "23" << true << "GMT +02:00" << 42.0
                                  << QStringList{"+40min", "+35min", "+30min", "+25min",
                                                 "+20min", "+15min", "+10min"}
                                  << QList<double>{383.5,  1098.5, 1813.5, 2528.5,
                                                   3243.5, 3958.5, 4673.5};
        QTest::newRow("15 West") << "15" << false << "GMT +02:00" << 196.0
                                 << QStringList{"+3h +15min", "+3h +10min", "+3h +5min", "+3h ",
                                                "+2h +55min", "+2h +50min", "+2h +45min"}
                                 << QList<double>{193, 908, 1623, 2385.5, 3053, 3768, 4483};
        QTest::newRow("60 East") << "60" << true << "GMT" << -224.0
                                 << QStringList{"-3h -45min", "-3h -50min", "-3h -55min", "-4h ",
                                                "-4h -5min",  "-4h -10min", "-4h -15min"}
                                 << QList<double>{193, 908, 1623, 2385.5, 3053, 3768, 4483};
        QTest::newRow("0") << "0" << true << "GMT" << 16.0
                           << QStringList{"+15min", "+10min", "+5min", "0min",
                                          "-5min",  "-10min", "-15min"}
                           << QList<double>{240.5, 955.5, 1670.5, 2385.5, 3100.5, 3815.5, 4530.5};
    }
    void diagramLabelsFollowTheLocation() {
        QFETCH(QString, d);
        QFETCH(bool, east);
        QFETCH(QString, zoneText);
        QFETCH(double, top);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, tops);
        const bool startup = d == "23";
        setLocation(d, startup ? "31" : "0", startup ? "43" : "0", east);
        pick(zone(), zoneText);
        QCOMPARE(form->state().TopMinute, top);
        QCOMPARE(form->state().DayWidth, 27.0f);
        QCOMPARE(form->state().MinuteHeight, 143.42857f); // 5020 / 35
        QStringList shownLabels;
        QList<double> shownTops;
        for (int i = 0; i < 7; ++i) {
            shownLabels << caption(QString("Labeltime(%1)").arg(i));
            shownTops << dynamic_cast<ui::Label*>(control(QString("Labeltime(%1)").arg(i)))->Top();
        }
        QCOMPARE(shownLabels, labels);
        QCOMPARE(shownTops, tops);
    }

    void hugeInputsNeverStopTheWindow_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("zoneText");
        QTest::addColumn<bool>("reminder");
        QTest::addColumn<QString>("firstLabel"); // empty where what the diagram holds is free
        QTest::newRow("1e300 degrees") << "1e300"
                                       << "GMT +02:00" << true << "";
        QTest::newRow("1e400 degrees") << "1e400"
                                       << "GMT +02:00" << true << "";
        QTest::newRow("typed huge zone") << "23"
                                         << "GMT +1e300" << false << "";
        QTest::newRow("typed overflowing zone") << "23"
                                                << "GMT +1e400" << false << "";
        // 14.273 + 375 x 4 = 1514.273 minutes on 13 February: the top is 1516, the first
        // labelled row 1515.
        QTest::newRow("largest valid") << "180"
                                       << "GMT +13:00" << false << "+25h +15min";
    }
    void hugeInputsNeverStopTheWindow() {
        QFETCH(QString, d);
        QFETCH(QString, zoneText);
        QFETCH(bool, reminder);
        QFETCH(QString, firstLabel);
        setLocation(d, "0", "0", false);
        zone()->setEditText(zoneText);
        for (const char* button : {"CommandMatrix", "CommandDiagram"}) {
            child<QPushButton>(*form, button)->click();
            QCOMPARE(shown("PictureError"), reminder);
            form->grab(); // renders every picture and label
        }
        QVERIFY(std::isfinite(form->state().ZoneMeridian));
        if (!firstLabel.isEmpty()) QCOMPARE(caption("Labeltime(0)"), firstLabel);
    }

    // Pointing at the dot of 13 February at the opening place names it with its table caption.
    // PictureM2 is 50 pixels across for 750 units (15.3 units a pixel); the dots stand 27 units
    // apart, day 13's at 337.5 units, 22 pixels in.
    void pointingAtADotNamesItsDay() {
        QWidget* february = control("PictureM2");
        QHelpEvent help(QEvent::ToolTip, QPoint(22, 100), february->mapToGlobal(QPoint(22, 100)));
        QApplication::sendEvent(february, &help);
        QTRY_COMPARE(QToolTip::text(),
                     QString("13 Φεβρουαρίου: +40 min  +09 sec, μεσημέρι 12:40:09"));
        // 21 pixels in is 321.4 units: day 12's dot (310.5) is nearer than day 13's.
        QHelpEvent between(QEvent::ToolTip, QPoint(21, 100),
                           february->mapToGlobal(QPoint(21, 100)));
        QApplication::sendEvent(february, &between);
        QTRY_VERIFY2(QToolTip::text().startsWith("12 Φεβρουαρίου: +"),
                     qPrintable(QToolTip::text()));
    }

    // The view on paper, drawn from what the last refresh left: text and vectors, no picture.
    void printsTheDiagramAndTheTable() {
        LINUX_ONLY("the pages are read with poppler's tools, Linux programs");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        // On A4, in the orientation each paper is proposed in.
        auto printer = [&](const QString& name, bool (app::ViewArea::*what)(QPrinter&),
                           QPageLayout::Orientation orientation = QPageLayout::Landscape) {
            QPrinter target(QPrinter::HighResolution);
            setUpPdf(target, folder.filePath(name + ".pdf"), QPageSize::A4, orientation);
            if (!(form->viewArea().*what)(target)) return QString();
            return target.outputFileName();
        };
        auto print = [&](const QString& name,
                         QPageLayout::Orientation orientation = QPageLayout::Landscape) {
            return printer(name, &app::ViewArea::printShownView, orientation);
        };
        // Width over height of the one page.
        auto shape = [&](const QString& pdf) {
            const QString info = run("pdfinfo", {pdf});
            const QRegularExpressionMatch size =
                QRegularExpression("Pages:\\s+1\\n[\\s\\S]*Page size:\\s+([\\d.]+) x ([\\d.]+)")
                    .match(info);
            return size.hasMatch() ? size.captured(1).toDouble() / size.captured(2).toDouble()
                                   : 0.0;
        };

        const QString diagram = print("diagram");
        QVERIFY(!diagram.isEmpty());
        QVERIFY(shape(diagram) > 1.0); // landscape
        const QString text = run("pdftotext", {"-layout", diagram, "-"});
        QVERIFY2(text.contains(OpeningPlace), qPrintable(text));
        for (const char* name : PrintedMonths) QVERIFY2(text.contains(QString(name)), name);
        // The opening place's seven minute labels, from +40min down by fives.
        for (int minutes = 40; minutes >= 10; minutes -= 5)
            QVERIFY2(text.contains(QStringLiteral("+%1min").arg(minutes)), qPrintable(text));
        const QStringList images = run("pdfimages", {"-list", diagram}).trimmed().split('\n');
        QCOMPARE(images.size(), 2); // the header of the list alone

        child<QPushButton>(*form, "CommandMatrix")->click();
        const QString table = print("table", QPageLayout::Portrait);
        QVERIFY(!table.isEmpty());
        QVERIFY(shape(table) > 0.0 && shape(table) < 1.0); // portrait
        const QString rows = run("pdftotext", {"-layout", table, "-"});
        QVERIFY2(rows.contains("Ιανουάριος"), qPrintable(rows));
        // Every caption, in the order of the days, the first as the worked example reads.
        QVERIFY2(QRegularExpression("1\\s+\\+29 min\\s+\\+15 sec").match(rows).hasMatch(),
                 qPrintable(rows));
        qsizetype at = 0;
        for (int row = 0; row < 31; ++row) {
            const QString shown = caption(QStringLiteral("LabelValT(%1)").arg(row)).simplified();
            const qsizetype found = rows.simplified().indexOf(shown, at);
            QVERIFY2(found >= at, qPrintable(shown));
            at = found + 1;
        }

        // The year card: one A4 page, no picture, the month names, and a line a day number with
        // that day's value of every month that has it, in month order, worked from the table's
        // captions: "+29 min  +15 sec" is +29:15, "-01 h  -46 min  -39 sec" is -1:46:39.
        const QRegularExpression part("([+-])(\\d+) (h|min|sec)");
        auto compact = [&](const QString& caption) {
            QStringList numbers;
            QString sign;
            for (auto match = part.globalMatch(caption); match.hasNext();) {
                const QRegularExpressionMatch found = match.next();
                sign = found.captured(1);
                numbers << (found.captured(3) == "h" ? QString::number(found.captured(2).toInt())
                                                     : found.captured(2));
            }
            return sign + numbers.join(':');
        };
        // The worked values: 1 January at the opening place, 1 February at 0° in GMT -02:00.
        for (const auto& [d, zoneText, m1, first] :
             {std::tuple{"23", "GMT +02:00", 0, "+29:15"},
              std::tuple{"0", "GMT -02:00", 1, "-1:46:39"}}) {
            setLocation(d, d == QString("0") ? "0" : "31", d == QString("0") ? "0" : "43", true);
            pick(zone(), zoneText);
            std::array<QStringList, 31> days;
            for (int m = 0; m < 12; ++m) {
                pick(month(), month()->itemText(m));
                for (int row = 0; row < 31; ++row)
                    if (shown(QStringLiteral("LabelValT(%1)").arg(row)))
                        days[row] << compact(caption(QStringLiteral("LabelValT(%1)").arg(row)));
            }
            QCOMPARE(days[0][m1], QString(first));
            QCOMPARE(days[28].size(), 11); // no 29 February
            const QString card = printer("card", &app::ViewArea::printYearCard);
            QVERIFY(!card.isEmpty());
            QVERIFY(shape(card) > 1.0);
            QCOMPARE(run("pdfinfo", {card}).contains(QRegularExpression("A4")), true);
            QCOMPARE(run("pdfimages", {"-list", card}).trimmed().split('\n').size(), 2);
            const QStringList lines = run("pdftotext", {"-layout", card, "-"}).split('\n');
            QString names;
            for (int m = 0; m < 12; ++m) names += month()->itemText(m) + ' ';
            QVERIFY2(lines.contains(' ' + names.trimmed()) ||
                         std::any_of(
                             lines.begin(), lines.end(),
                             [&](const QString& l) { return l.simplified() == names.trimmed(); }),
                     qPrintable(lines.join('\n')));
            for (int day = 1; day <= 31; ++day) {
                const QString expected = QString::number(day) + ' ' + days[day - 1].join(' ');
                QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                     [&](const QString& l) { return l.simplified() == expected; }),
                         qPrintable(expected + "\n" + lines.join('\n')));
            }
        }

        box("TextMLo")->setText("200");
        child<QPushButton>(*form, "CommandDiagram")->click();
        QVERIFY(print("reminder").isEmpty()); // nothing to print
        QVERIFY(printer("reminder card", &app::ViewArea::printYearCard).isEmpty());
    }

    // Each paper is laid out whole on whatever page it is given: one page of the size and
    // orientation asked for, nothing drawn outside the printable area, and every text the A4
    // page holds.
    void everyPaperFitsEveryPage_data() {
        LINUX_ONLY("the pages are read with poppler's tools, Linux programs");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("margin"); // millimetres; 0 for the printer's own
        const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {
            {"A6", QPageSize::A6}, {"A5", QPageSize::A5},         {"A4", QPageSize::A4},
            {"A3", QPageSize::A3}, {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};
        for (const char* paper : {"diagram", "table", "card"})
            for (const auto& [name, size] : sizes)
                for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape})
                    for (const double margin : {0.0, 25.0})
                        QTest::addRow("%s %s %s%s", paper, name,
                                      orientation == QPageLayout::Portrait ? "portrait"
                                                                           : "landscape",
                                      margin > 0 ? " wide" : "")
                            << paper << int(size) << int(orientation) << margin;
    }
    void everyPaperFitsEveryPage() {
        LINUX_ONLY("the pages are read with poppler's tools, Linux programs");
        QFETCH(QString, paper);
        QFETCH(int, size);
        QFETCH(int, orientation);
        QFETCH(double, margin);
        if (paper == "table") child<QPushButton>(*form, "CommandMatrix")->click();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QPrinter printer(QPrinter::HighResolution);
        setUpPdf(printer, folder.filePath("page.pdf"), QPageSize::PageSizeId(size),
                 QPageLayout::Orientation(orientation));
        if (margin > 0)
            QVERIFY(printer.setPageMargins(QMarginsF(margin, margin, margin, margin),
                                           QPageLayout::Millimeter));
        QVERIFY(paper == "card" ? form->viewArea().printYearCard(printer)
                                : form->viewArea().printShownView(printer));
        const QString pdf = printer.outputFileName();

        // One page, of the size and orientation asked for, in points.
        const QPageLayout layout = printer.pageLayout();
        const QRectF whole = layout.fullRectPoints();
        const QRectF inside = layout.paintRectPoints();
        QCOMPARE(whole.width() > whole.height(), orientation == QPageLayout::Landscape);
        const QRegularExpressionMatch info =
            QRegularExpression("Pages:\\s+(\\d+)\\n[\\s\\S]*Page size:\\s+([\\d.]+) x ([\\d.]+)")
                .match(run("pdfinfo", {pdf}));
        QVERIFY(info.hasMatch());
        QCOMPARE(info.captured(1), QString("1"));
        QVERIFY(qAbs(info.captured(2).toDouble() - whole.width()) < 1);
        QVERIFY(qAbs(info.captured(3).toDouble() - whole.height()) < 1);

        // Every word inside the printable area, in points.
        const QString boxes = run("pdftotext", {"-bbox", pdf, "-"});
        const QRegularExpression word(
            "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
        int words = 0;
        for (auto match = word.globalMatch(boxes); match.hasNext(); ++words) {
            const QRegularExpressionMatch w = match.next();
            const QRectF box(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                             QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
            QVERIFY2(inside.adjusted(-1, -1, 1, 1).contains(box),
                     qPrintable(QStringLiteral("«%1» at %2,%3 %4x%5 outside %6,%7 %8x%9")
                                    .arg(w.captured(5))
                                    .arg(box.x())
                                    .arg(box.y())
                                    .arg(box.width())
                                    .arg(box.height())
                                    .arg(inside.x())
                                    .arg(inside.y())
                                    .arg(inside.width())
                                    .arg(inside.height())));
        }
        QVERIFY(words > 0);
        // Every line and dot too: the margins of the page at 36 dots an inch stay white.
        run("pdftoppm", {"-r", "36", "-gray", "-png", "-singlefile", pdf, folder.filePath("page")});
        const QImage raster(folder.filePath("page.png"));
        QVERIFY(!raster.isNull());
        const double dots = raster.width() / whole.width();
        const QRect paintable = QRectF(inside.x() * dots, inside.y() * dots, inside.width() * dots,
                                       inside.height() * dots)
                                    .toAlignedRect()
                                    .adjusted(-1, -1, 1, 1);
        for (int y = 0; y < raster.height(); ++y)
            for (int x = 0; x < raster.width(); ++x)
                if (!paintable.contains(x, y))
                    QVERIFY2(qGray(raster.pixel(x, y)) > 250,
                             qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));

        // What the A4 page holds.
        const QString text = run("pdftotext", {"-layout", pdf, "-"}).simplified();
        QVERIFY2(text.contains(OpeningPlace), qPrintable(text));
        if (paper == "diagram")
            for (const char* name : PrintedMonths) QVERIFY2(text.contains(QString(name)), name);
        if (paper == "table")
            for (int row = 0; row < 31; ++row) {
                const QString shown = caption(QStringLiteral("LabelValT(%1)").arg(row));
                QVERIFY2(
                    text.contains(QStringLiteral("%1 %2").arg(row + 1).arg(shown.simplified())),
                    qPrintable(shown));
            }
        if (paper == "card") {
            QString names;
            for (int m = 0; m < 12; ++m) names += month()->itemText(m) + ' ';
            QVERIFY2(text.contains(names.trimmed()), qPrintable(text));
            QVERIFY2(text.contains("Ώρα ρολογιού = ώρα ηλιακού ρολογιού + διόρθωση"),
                     qPrintable(text));
        }
    }

    // Choosing a place: the fields, the side and the zone, worked from the place's coordinates in
    // the table, then the table's 1 January as the design's series gives it for them.
    void choosingAPlaceFillsTheLocation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("fields"); // degrees, minutes, seconds as tidied
        QTest::addColumn<bool>("east");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("january");
        // 23.72784° is 85 420.224″: 23° 43′ 40″.
        QTest::newRow("east") << "Αθήνα" << 23.72784 << 7200 << QStringList{"23", "43", "40"}
                              << true << "GMT +02:00"
                              << "+28 min  +27 sec";
        // 9.13333° is 32 879.988″, to the nearest second 9° 8′ 0″.
        QTest::newRow("west") << "Λισαβώνα" << -9.13333 << 0 << QStringList{"09", "08", "00"}
                              << false << "GMT"
                              << "+39 min  +53 sec";
        // 51.42151° is 185 117.436″: 51° 25′ 17″.
        QTest::newRow("half-hour zone") << "Τεχεράνη" << 51.42151 << 12600
                                        << QStringList{"51", "25", "17"} << true << "GMT +03:30"
                                        << "+07 min  +40 sec";
        // 59.6″ carries into the next minute; UTC+14:00 has no item, so the zone stays.
        QTest::newRow("no zone item") << "Κιριτιμάτι" << 23.0 + 42 / 60.0 + 59.6 / 3600 << 50400
                                      << QStringList{"23", "43", "00"} << true << "GMT +02:00"
                                      << "+28 min  +29 sec";
    }
    void choosingAPlaceFillsTheLocation() {
        QFETCH(QString, name);
        QFETCH(double, longitude);
        QFETCH(int, offset);
        QFETCH(QStringList, fields);
        QFETCH(bool, east);
        QFETCH(QString, zone);
        QFETCH(QString, january);
        child<QPushButton>(*form, "CommandMatrix")->click();
        places::Place place;
        place.name = name;
        place.longitude = longitude;
        place.standardOffset = offset;
        form->viewArea().choosePlace(place);
        QCOMPARE((QStringList{degrees()->text(), minutes()->text(), seconds()->text()}), fields);
        QCOMPARE(child<QRadioButton>(*form, "OptionEast")->isChecked(), east);
        QCOMPARE(this->zone()->currentText(), zone);
        QCOMPARE(caption("LabelValT(0)"), january);
    }

    // The dialog from the keyboard alone: Ctrl+L, a name typed without accents, Return.
    void aPlaceIsChosenFromTheKeyboard() {
        openForm(true);
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        QDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = form->findChild<QDialog*>("placeDialog")) &&
                    dialog->isActiveWindow());
        auto* search = dialog->findChild<QLineEdit*>("placeSearch");
        // The search field has the focus as the dialog opens.
        QCOMPARE(QApplication::focusWidget(), search);
        type(search, "καλαματα");
        QTest::keyClick(search, Qt::Key_Return);
        // Kalamata, 22.11265° E: 79 605.54″, to the nearest second 22° 6′ 46″.
        QTRY_COMPARE((QStringList{degrees()->text(), minutes()->text(), seconds()->text()}),
                     (QStringList{"22", "06", "46"}));
        QCOMPARE(zone()->currentText(), QString("GMT +02:00"));
        QVERIFY(!dialog->isVisible());
    }

    // What leaves the window names the place while the last refresh's location is the place's.
    void theChosenPlaceIsNamedOnPaper() {
        LINUX_ONLY("the pages are read with poppler's tools, Linux programs");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto printed = [&] {
            QPrinter printer(QPrinter::HighResolution);
            setUpPdf(printer, folder.filePath("page.pdf"), QPageSize::A4, QPageLayout::Landscape);
            return form->viewArea().printShownView(printer)
                       ? run("pdftotext", {"-layout", printer.outputFileName(), "-"}).simplified()
                       : QString();
        };
        places::Place place;
        place.name = "Καλαμάτα";
        place.longitude = 22.11265;
        place.standardOffset = 7200;
        form->viewArea().choosePlace(place);
        const QString line = "Καλαμάτα — Γεωγραφικό Μήκος: 22° 06΄ 46΄΄ Ανατολικά, Ζώνη ώρας: GMT "
                             "+02:00";
        QVERIFY2(printed().contains(line), qPrintable(printed()));
        child<QPushButton>(*form, "CommandDiagram")->click(); // the same place: still named
        QVERIFY2(printed().contains(line), qPrintable(printed()));
        type(seconds(), "47");
        QVERIFY2(printed().contains(line), qPrintable(printed())); // no refresh yet
        child<QPushButton>(*form, "CommandDiagram")->click();
        const QString after = printed();
        QVERIFY2(after.contains("Γεωγραφικό Μήκος: 22° 06΄ 47΄΄") && !after.contains("Καλαμάτα"),
                 qPrintable(after));
    }

    // The preview proposes the page once; what the user then chooses holds through every redraw
    // and the print itself: here portrait and Letter for the diagram, proposed landscape on A4.
    void aChoiceOfPageSurvivesTheRedraw() {
        LINUX_ONLY("the pages are read with poppler's tools, Linux programs");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString pdf = folder.filePath("chosen.pdf");
        bool printed = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* dialog = form->findChild<QPrintPreviewDialog*>();
            auto* preview = dialog ? dialog->findChild<QPrintPreviewWidget*>() : nullptr;
            if (!preview) return;
            QCOMPARE(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
            preview->setPortraitOrientation(); // as the preview's button does
            dialog->printer()->setPageSize(QPageSize(QPageSize::Letter)); // as the page setup
            preview->updatePreview();
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            preview->print();
            printed = true;
            dialog->accept();
        });
        form->findChild<QAction*>("printAction")->trigger();
        QVERIFY(printed);
        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts \\(letter\\)")),
                 qPrintable(info));
    }
};

QTEST_MAIN(TestFormStart)
#include "tst_formstart.moc"
