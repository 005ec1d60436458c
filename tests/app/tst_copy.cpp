// What the copy command puts on the clipboard from the keyboard: the table's rows, the year's
// rows and the diagram's picture, the reminder's text; and the commands of the view area's menu.

#include "app/formstart.h"
#include "support/form_fixture.h"
#include "support/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QTabBar>
#include <QToolBar>
#include <QtTest>

using namespace app;

namespace {

// The clock time of noon a caption gives, worked from its text: 12:00 plus its signed parts.
QString noonOf(const QString& caption) {
    long long total = 12 * 3600;
    static const QRegularExpression part("([+-])(\\d+) (h|min|sec)");
    for (auto match = part.globalMatch(caption); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const long long unit = m.captured(3) == "h" ? 3600 : m.captured(3) == "min" ? 60 : 1;
        total += (m.captured(1) == "-" ? -1 : 1) * m.captured(2).toLongLong() * unit;
    }
    const long long days = total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
    const long long rest = total - days * 86400;
    QString text =
        QString::asprintf("%02lld:%02lld:%02lld", rest / 3600, rest / 60 % 60, rest % 60);
    if (days) text += QString(" (%1%2 ημ.)").arg(days > 0 ? "+" : "−").arg(std::llabs(days));
    return text;
}

} // namespace

class TestCopy : public QObject, FormFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startUp(); }
    void init() { openForm(true); }
    void cleanup() { form.reset(); }

    // Ctrl+C right after a view is chosen copies the view as the refresh left it. Expected lines
    // are worked values; every copied row must also be the caption the table shows.
    void copyTakesTheViewOnShow_data() {
        QTest::addColumn<QStringList>("place"); // degrees, minutes, seconds, East or West, zone
        QTest::addColumn<QString>("month");     // empty: the diagram
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        const QStringList defaults{"23", "31", "43", "East", "GMT +02:00"};
        const QStringList zero{"0", "0", "0", "East", "GMT"};
        QTest::newRow("January, 31 days")
            << defaults << "Ιανουάριος" << 33 << 2 << "1\t+29 min  +15 sec\t12:29:15";
        QTest::newRow("February, 28 days, hours")
            << QStringList{"0", "0", "0", "East", "GMT +02:00"} << "Φεβρουάριος" << 30 << 2
            << "1\t+02 h  +13 min  +20 sec\t14:13:20";
        QTest::newRow("April, 30 days")
            << zero << "Απρίλιος" << 32 << 16 << "15\t-00 min  -00 sec\t12:00:00";
        QTest::newRow("November, West")
            << QStringList{"180", "0", "0", "West", "GMT +13:00"} << "Νοέμβριος" << 32 << 2
            << "1\t+24 h  +43 min  +38 sec\t12:43:38 (+1 ημ.)";
        QTest::newRow("place line")
            << QStringList{"5", "7", "9", "West", "GMT -03:30"} << "Μάιος" << 33 << 0
            << "Γεωγραφικό Μήκος: 05° 07΄ 09΄΄ Δυτικά, Ζώνη ώρας: GMT -03:30";
        // The year: the place, then 12 names and 365 days; 13 February is day 44.
        QTest::newRow("year") << defaults << "" << 378 << 46 << "13\t+40 min  +09 sec\t12:40:09";
        QTest::newRow("year, December")
            << defaults << "" << 378 << 377 << "31\t+28 min  +48 sec\t12:28:48";
    }
    void copyTakesTheViewOnShow() {
        QFETCH(QStringList, place);
        QFETCH(QString, month);
        QFETCH(int, lines);
        QFETCH(int, line);
        QFETCH(QString, text);
        box("TextMLo")->setText(place[0]);
        box("TextPLo")->setText(place[1]);
        box("TextDLo")->setText(place[2]);
        QTest::mouseClick(control(place[3] == "East" ? "OptionEast" : "OptionWest"),
                          Qt::LeftButton);
        combo("ComboZW")->setEditText(place[4]);
        if (!month.isEmpty()) combo("ComboMonth")->setEditText(month);
        focus(month.isEmpty() ? "CommandDiagram" : "CommandMatrix");
        key(Qt::Key_Space);
        // Edits after the refresh are not what is shown, so they are not copied.
        box("TextMLo")->setText("99");
        QTest::mouseClick(control("OptionEast"), Qt::LeftButton);
        combo("ComboZW")->setEditText("GMT +05:00");

        const QString before = focused();
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(focused(), before);

        const QStringList copied =
            QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), lines);
        QCOMPARE(copied[line], text);
        QCOMPARE(copied[0].section(',', 0, 0).endsWith(place[3] == "East" ? "Ανατολικά" : "Δυτικά"),
                 true);
        QVERIFY(copied[0].endsWith("Ζώνη ώρας: " + place[4]));
        if (!month.isEmpty()) {
            QCOMPARE(copied[1], month);
            for (int row = 0; row < lines - 2; ++row) {
                const QString caption =
                    child<QLabel>(*form, QString("LabelValT(%1)").arg(row))->text();
                QCOMPARE(copied[row + 2],
                         QString("%1\t%2\t%3").arg(row + 1).arg(caption, noonOf(caption)));
            }
            return;
        }
        // The year's text agrees with the table of every month for the same place.
        box("TextMLo")->setText(place[0]);
        const QStringList months{"Ιανουάριος",  "Φεβρουάριος", "Μάρτιος",   "Απρίλιος",
                                 "Μάιος",       "Ιούνιος",     "Ιούλιος",   "Αύγουστος",
                                 "Σεπτέμβριος", "Οκτώβριος",   "Νοέμβριος", "Δεκέμβριος"};
        combo("ComboZW")->setEditText(place[4]);
        qsizetype at = 1;
        for (const QString& name : months) {
            combo("ComboMonth")->setEditText(name);
            focus("CommandMatrix");
            key(Qt::Key_Space);
            key(Qt::Key_C, Qt::ControlModifier);
            const QStringList table =
                QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
            QCOMPARE(copied.mid(at, table.size() - 1), table.mid(1));
            at += table.size() - 1;
        }
        QCOMPARE(at, copied.size());
    }

    // A calendar year names itself on the place line and in the title, has its leap day, and
    // gives each date's value from the Sun: at Athens (23° 43′ 40″ East) with «GMT +03:00» the
    // Sun crosses the meridian at 13:26:53.5 on 21 June 2026, cut to whole seconds.
    void aCalendarYearIsCopiedWithItsDates_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("21 June 2026")
            << 2026 << "Ιούνιος" << 32 << 22 << "21\t+01 h  +26 min  +53 sec";
        QTest::newRow("29 February 2028") << 2028 << "Φεβρουάριος" << 31 << 30 << "29\t";
        QTest::newRow("no 29 February in 2100") << 2100 << "Φεβρουάριος" << 30 << 29 << "28\t";
    }
    void aCalendarYearIsCopiedWithItsDates() {
        QFETCH(int, year);
        QFETCH(QString, month);
        QFETCH(int, lines);
        QFETCH(int, line);
        QFETCH(QString, text);
        box("TextMLo")->setText("23");
        box("TextPLo")->setText("43");
        box("TextDLo")->setText("40");
        combo("ComboZW")->setEditText("GMT +03:00");
        combo("ComboMonth")->setEditText(month);
        form->viewArea().chooseYear(year);
        focus("CommandMatrix");
        key(Qt::Key_Space);
        key(Qt::Key_C, Qt::ControlModifier);
        const QStringList copied =
            QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), lines);
        QVERIFY2(copied[line].startsWith(text), qPrintable(copied[line]));
        QCOMPARE(copied[0], QString("Γεωγραφικό Μήκος: 23° 43΄ 40΄΄ Ανατολικά, Ζώνη ώρας: GMT "
                                    "+03:00, έτος %1")
                                .arg(year));
        QCOMPARE(form->windowTitle(), QString("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ — %1").arg(year));
        // Back to the standard year: the design's window and copies again.
        form->viewArea().chooseYear(std::nullopt);
        key(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(
            "Γεωγραφικό Μήκος: 23° 43΄ 40΄΄ Ανατολικά, Ζώνη ώρας: GMT +03:00\n"));
        QCOMPARE(form->windowTitle(), QString("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ"));
    }

    // The diagram is copied as a picture too, drawn at twice the screen's density from what the
    // pictures recorded: January's column lavender, February's light green.
    void copyTakesTheDiagramAsAPicture() {
        focus("CommandDiagram");
        key(Qt::Key_C, Qt::ControlModifier);
        const QImage picture =
            qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
        QWidget* diagram = control("PictureDiagram");
        const qreal density = 2 * diagram->devicePixelRatioF();
        QCOMPARE(picture.size(), diagram->size() * density);
        auto colours = [&](const QString& month) {
            const QRect column = control(month)->geometry();
            QSet<QRgb> seen;
            for (int y = column.top() + 2; y < column.bottom() - 2; ++y)
                seen.insert(picture.pixel(int(column.center().x() * density), int(y * density)) &
                            0xFFFFFF);
            return seen;
        };
        const QRgb lavender = 0xC0C0FF, lightGreen = 0xC0FFC0;
        QVERIFY(colours("PictureM1").contains(lavender));
        QVERIFY(!colours("PictureM1").contains(lightGreen));
        QVERIFY(colours("PictureM2").contains(lightGreen));
        QVERIFY(!colours("PictureM2").contains(lavender));
    }

    // The reminder copies its request, its frame's caption and its rule; a field keeps Ctrl+C for
    // its own selection; the menu offers the commands with their keys.
    void copyTakesTheReminderAndLeavesFieldsAlone() {
        showView("reminder");
        focus("CommandDiagram");
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Παρακαλώ διορθώστε\nΘυμηθείτε\nΟ αριθμός πρέπει να είναι ακέραιος "
                         "μεγαλύτερος ή ίσος "
                         "του 0 και μικρότερος ή ίσος του 180\n"));
        focus("TextPLo");
        box("TextPLo")->selectAll();
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("31"));
        QCOMPARE(focused(), QString("TextPLo"));

        // Each command is one action, on the window and in the menu, which shows its keys.
        auto* copy = child<QAction>(*form, "copyAction");
        auto* print = child<QAction>(*form, "printAction");
        auto* printYear = child<QAction>(*form, "printYearAction");
        auto* place = child<QAction>(*form, "placeAction");
        auto* year = child<QAction>(*form, "yearAction");
        QCOMPARE(form->viewArea().menu().actions(),
                 (QList<QAction*>{copy, print, printYear, place, year}));
        QCOMPARE(form->actions(), form->viewArea().menu().actions());
        QCOMPARE(copy->text(), QString("Αντιγραφή"));
        QCOMPARE(print->text(), QString("Εκτύπωση…"));
        QCOMPARE(printYear->text(), QString("Εκτύπωση έτους…"));
        QCOMPARE(place->text(), QString("Τόπος…"));
        QCOMPARE(place->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QCOMPARE(year->text(), QString("Έτος…"));
        QCOMPARE(year->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
        QCOMPARE(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        focus("CommandDiagram");
        key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(form->viewArea().menu().isVisible());
        QVERIFY(!print->isEnabled() && !printYear->isEnabled()); // the reminder prints nothing
        copy->trigger();
        form->viewArea().menu().close();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Παρακαλώ διορθώστε\n"));
        QVERIFY(control("PictureError")->isVisible());
    }
};

QTEST_MAIN(TestCopy)
#include "tst_copy.moc"
