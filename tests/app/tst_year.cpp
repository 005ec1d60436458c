// «Έτος…» from the keyboard on a real X server, where the line edits have the X11 key scheme
// (Ctrl+E is their end of line): Ctrl+Shift+E with the focus in a longitude field opens the
// dialog, and what is typed then decides what Return and Escape do.

#include "app/formstart.h"
#include "places/places.h"
#include "support/form_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolTip>
#include <QtTest>

using namespace app;

class TestYear : public QObject, FormFixture {
    Q_OBJECT

    // Opens the dialog from a longitude field and waits until it has the keys.
    QDialog* openYearDialog() {
        form->activateWindow(); // no window manager hands it back as a dialog closes
        if (!QTest::qWaitFor([&] { return form->isActiveWindow(); })) return nullptr;
        focus("TextMLo");
        key(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QDialog* dialog = nullptr;
        if (!QTest::qWaitFor([&] {
                for (QDialog* open : form->findChildren<QDialog*>("yearDialog"))
                    if (open->isVisible() && open->isActiveWindow()) dialog = open;
                return dialog != nullptr;
            }))
            return nullptr;
        return dialog;
    }
    void typeInDialog(const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, QApplication::focusWidget(),
                                Qt::Key_unknown, c, Qt::NoModifier);
    }

private slots:
    void initTestCase() { startUp(); }
    void init() { openForm(true); }
    void cleanup() { form.reset(); }

    void theDialogFromTheKeyboard_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("stays");    // the dialog stays open
        QTest::addColumn<QString>("title"); // the window's title afterwards
        QTest::addColumn<int>("february");  // the rows of February's table afterwards
        const QString title = QStringLiteral("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ");
        QTest::newRow("a leap year")
            << "2028" << int(Qt::Key_Return) << false << title + QStringLiteral(" — 2028") << 29;
        QTest::newRow("a common year")
            << "2027" << int(Qt::Key_Return) << false << title + QStringLiteral(" — 2027") << 28;
        QTest::newRow("Escape changes nothing")
            << "2028" << int(Qt::Key_Escape) << false << title << 28;
        QTest::newRow("too many digits") << "99999" << int(Qt::Key_Return) << true << title << 28;
        QTest::newRow("letters") << "abc" << int(Qt::Key_Return) << true << title << 28;
        QTest::newRow("before 1900") << "1899" << int(Qt::Key_Return) << true << title << 28;
        QTest::newRow("after 2100") << "2101" << int(Qt::Key_Return) << true << title << 28;
    }
    void theDialogFromTheKeyboard() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(bool, stays);
        QFETCH(QString, title);
        QFETCH(int, february);
        QDialog* dialog = openYearDialog();
        QVERIFY2(dialog, "Ctrl+Shift+E in a longitude field opens «Έτος»");
        QCOMPARE(dialog->windowTitle(), QString("Έτος"));
        auto* field = dialog->findChild<QLineEdit*>("yearField");
        // The field has the focus, and its year (the computer's, in the standard year) is
        // selected, so that typing replaces it.
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), QString("2026"));
        QVERIFY(dialog->findChild<QLabel*>("yearNote")->text().contains("1900"));
        typeInDialog(typed);
        QCOMPARE(field->text(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (stays) {
            // Return would have closed it at once.
            QVERIFY(dialog->isVisible());
            QTest::keyClick(field, Qt::Key_Escape);
        }
        QTRY_VERIFY(!form->findChild<QDialog*>("yearDialog") ||
                    !form->findChild<QDialog*>("yearDialog")->isVisible());
        QCOMPARE(form->windowTitle(), title);
        combo("ComboMonth")->setCurrentIndex(1);
        emit combo("ComboMonth")->activated(1);
        QCOMPARE(control(QString("LabelValT(%1)").arg(february - 1))->isVisible(), true);
        QCOMPARE(control(QString("LabelValT(%1)").arg(february))->isVisible(), false);
    }

    // «Θερινή ώρα του τόπου» can be ticked in a calendar year with a place chosen by name; the
    // line under it says why not otherwise. Ticked, the year reads the place's legal time, and
    // the choice lapses with the place.
    void thePlacesLegalTime() {
        QDialog* dialog = openYearDialog();
        QVERIFY(dialog);
        auto* legal = dialog->findChild<QCheckBox*>("legalTime");
        auto* note = dialog->findChild<QLabel*>("legalNote");
        QVERIFY(!legal->isChecked());
        QVERIFY(!legal->isEnabled());
        QCOMPARE(note->text(), QString("μόνο σε ημερολογιακό έτος"));
        // Typing a year chooses a calendar year.
        typeInDialog("2026");
        QCOMPARE(note->text(), QString("διαλέξτε τόπο (Ctrl+L)"));
        QVERIFY(!legal->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!dialog->isVisible());

        places::Place athens;
        athens.name = "Αθήνα";
        athens.longitude = 23.72784;
        athens.standardOffset = 7200;
        athens.zone = "Europe/Athens";
        form->viewArea().choosePlace(athens);
        form->viewArea().chooseYear(2026);
        dialog = openYearDialog();
        QVERIFY(dialog);
        legal = dialog->findChild<QCheckBox*>("legalTime");
        QVERIFY(legal->isEnabled());
        QVERIFY(!dialog->findChild<QLabel*>("legalNote")->isVisible());
        legal->setChecked(true);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(form->viewArea().reading().legalTime);
        // Summer days are rings: 21 June (summer) has no circle of radius 1, 21 January has.
        auto smallest = [&](int month, int day) {
            double least = 99, x = -1;
            int dot = 0;
            for (const ui::DrawOp& op :
                 child<ui::PictureBox>(*form, QString("PictureM%1").arg(month))->operations())
                if (op.kind == ui::DrawOp::Kind::Circle && op.colour == qRgb(0, 0, 0)) {
                    if (op.x1 != x) ++dot; // a dot's circles share their centre
                    x = op.x1;
                    if (dot == day) least = std::min(least, op.radius);
                }
            return least;
        };
        QCOMPARE(smallest(1, 21), 1.0);
        QCOMPARE(smallest(6, 21), 10.0);
        // The grid steps by 3 minutes to hold the summer's hour: its labels are multiples of 15.
        QCOMPARE(form->state().MinuteStep, 3.0);
        for (int i = 0; i < 7; ++i) {
            // «+1h +15min», «+45min», «0min»: the minutes the label stands for.
            const QString label = child<QLabel>(*form, QString("Labeltime(%1)").arg(i))->text();
            const QRegularExpressionMatch parts =
                QRegularExpression("^([+-]?\\d+)h ?([+-]\\d+min)?$|^([+-]?\\d+)min$").match(label);
            QVERIFY2(parts.hasMatch(), qPrintable(label));
            const int minutes =
                parts.captured(3).isEmpty()
                    ? parts.captured(1).toInt() * 60 + parts.captured(2).chopped(3).toInt()
                    : parts.captured(3).toInt();
            QVERIFY2(minutes % 15 == 0, qPrintable(label));
        }
        form->viewArea().copyShownView();
        QVERIFY2(QGuiApplication::clipboard()->text().startsWith(
                     "Αθήνα — Γεωγραφικό Μήκος: 23° 43΄ 40΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00, "
                     "θερινή +03:00, έτος 2026\n"),
                 qPrintable(QGuiApplication::clipboard()->text().section('\n', 0, 0)));
        // 21 June on the clock of the wall: 13:26:53.5, as in «GMT +03:00».
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            "\n21\t+01 h  +26 min  +53 sec\t13:26:53\n"));

        // Another longitude: the place lapses, and its legal time with it.
        box("TextMLo")->setText("22");
        child<QPushButton>(*form, "CommandDiagram")->click();
        QVERIFY(!form->viewArea().reading().legalTime);
        QCOMPARE(form->state().MinuteStep, 1.0);
        dialog = openYearDialog();
        QVERIFY(dialog);
        QVERIFY(!dialog->findChild<QCheckBox*>("legalTime")->isChecked());
        QVERIFY(!dialog->findChild<QCheckBox*>("legalTime")->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }

    // Today (2026-06-21, as the test gives it) has a blue ring in a calendar year that holds it,
    // its tooltip begins with «Σήμερα», and no other year marks anything.
    void todayIsMarked_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("marked");
        QTest::newRow("2026") << 2026 << true;
        QTest::newRow("2027") << 2027 << false;
    }
    void todayIsMarked() {
        QFETCH(int, year);
        QFETCH(bool, marked);
        auto blueRings = [&] {
            int rings = 0;
            for (int month = 1; month <= 12; ++month)
                for (const ui::DrawOp& op :
                     child<ui::PictureBox>(*form, QString("PictureM%1").arg(month))->operations())
                    if (op.kind == ui::DrawOp::Kind::Circle && op.colour == qRgb(0, 0, 255))
                        ++rings;
            return rings;
        };
        QCOMPARE(blueRings(), 0); // the standard year marks nothing
        form->viewArea().chooseYear(year);
        QCOMPARE(blueRings(), marked ? 1 : 0);
        ui::PictureBox* june = child<ui::PictureBox>(*form, "PictureM6");
        // The dot of the 21st stands at 20.5 day widths of 27 units, in June's own scale.
        const QRect inside = june->contentsRect();
        const QPoint at(inside.left() + int(20.5 * 27 / june->ScaleWidth() * (inside.width() - 1)),
                        june->height() / 2);
        QHelpEvent help(QEvent::ToolTip, at, june->mapToGlobal(at));
        QApplication::sendEvent(june, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString date = QString("21 Ιουνίου %1: ").arg(year);
        QVERIFY2(QToolTip::text().startsWith(marked ? "Σήμερα, " + date : date),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
        // The table frames today's row in blue.
        combo("ComboMonth")->setCurrentIndex(5);
        emit combo("ComboMonth")->activated(5);
        int blueLines = 0;
        for (const ui::DrawOp& op : child<ui::PictureBox>(*form, "PictureMatrix")->operations())
            if (op.kind == ui::DrawOp::Kind::Line && op.colour == qRgb(0, 0, 255)) ++blueLines;
        QCOMPARE(blueLines, marked ? 4 : 0);
    }
};

QTEST_MAIN(TestYear)
#include "tst_year.moc"
