// The window without a mouse: the tab order, buttons pressed with Space or Enter, lists stepped
// with the arrow keys, typing into the fields, the menu key; and what assistive technology is
// told: the name of every control and the reminder frame that announces itself as an alert.

#include "app/formstart.h"
#include "support/form_fixture.h"
#include "support/platform.h"
#include "views/lists.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace app;

namespace {

const QColor Red(255, 0, 0);

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (!found) qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

} // namespace

class TestKeyboard : public QObject, FormFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startUp(); }
    void init() { openForm(true); }
    void cleanup() { form.reset(); }

    void theFocusStartsInTheFirstField() { QCOMPARE(focused(), QString("TextDLo")); }

    void tabVisitsTheControlsInOrder_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("west");
        QTest::addColumn<QStringList>("order"); // from the seconds field onwards
        const QStringList fields{"TextDLo", "TextPLo", "TextMLo"};
        QTest::newRow("diagram") << "diagram" << false
                                 << fields + QStringList{"OptionEast", "CommandDiagram", "ComboZW",
                                                         "CommandMatrix"};
        // The month list takes part only while the table shows.
        QTest::newRow("table") << "table" << false
                               << fields + QStringList{"OptionEast", "CommandDiagram", "ComboZW",
                                                       "ComboMonth", "CommandMatrix"};
        QTest::newRow("reminder") << "reminder" << false
                                  << fields + QStringList{"OptionEast", "CommandDiagram", "ComboZW",
                                                          "CommandMatrix"};
        // East and West are one stop, the one picked last; the arrow keys move between them.
        QTest::newRow("west selected")
            << "diagram" << true
            << fields + QStringList{"OptionWest", "CommandDiagram", "ComboZW", "CommandMatrix"};
    }
    void tabVisitsTheControlsInOrder() {
        QFETCH(QString, view);
        QFETCH(bool, west);
        QFETCH(QStringList, order);
        showView(view);
        if (west) QTest::mouseClick(control("OptionWest"), Qt::LeftButton);

        focus(order.first());
        QStringList forward{focused()};
        for (int i = 0; i < order.size(); ++i) {
            key(Qt::Key_Tab);
            forward << focused();
        }
        QCOMPARE(forward, order + QStringList{order.first()}); // and round again

        QStringList backward{focused()};
        for (int i = 0; i < order.size(); ++i) {
            key(Qt::Key_Backtab, Qt::ShiftModifier);
            backward << focused();
        }
        QStringList reversed(order.rbegin(), order.rend());
        QCOMPARE(backward, QStringList{order.first()} + reversed);
    }

    void buttonsAnswerSpaceAndEnter_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("table by Space")
            << "CommandMatrix" << int(Qt::Key_Space) << int(Qt::NoModifier) << "PictureMatrix";
        QTest::newRow("table by Return")
            << "CommandMatrix" << int(Qt::Key_Return) << int(Qt::NoModifier) << "PictureMatrix";
        QTest::newRow("table by keypad Enter")
            << "CommandMatrix" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "PictureMatrix";
        QTest::newRow("diagram by Space")
            << "CommandDiagram" << int(Qt::Key_Space) << int(Qt::NoModifier) << "PictureDiagram";
        QTest::newRow("diagram by Return")
            << "CommandDiagram" << int(Qt::Key_Return) << int(Qt::NoModifier) << "PictureDiagram";
    }
    void buttonsAnswerSpaceAndEnter() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        // Start from the other view, with a text only a refresh tidies.
        showView(button == "CommandDiagram" ? "table" : "diagram");
        box("TextPLo")->setText("7");
        focus(button);

        this->key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(box("TextPLo")->text(), QString("07"));
        QVERIFY(control(shown)->isVisible());
        QCOMPARE(form->state().ViewMode,
                 button == "CommandMatrix" ? views::ViewMode::Table : views::ViewMode::Diagram);
        QCOMPARE(focused(), button);
    }

    void arrowKeysInAClosedListPick_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("picked"); // empty: nothing is picked and nothing refreshes
        QTest::addColumn<QString>("focus");  // where the focus ends
        QTest::newRow("zone down") << "diagram"
                                   << "ComboZW"
                                   << "GMT +02:00" << int(Qt::Key_Down) << "GMT +03:00"
                                   << "CommandDiagram";
        QTest::newRow("zone up") << "diagram"
                                 << "ComboZW"
                                 << "GMT +02:00" << int(Qt::Key_Up) << "GMT +01:00"
                                 << "CommandDiagram";
        QTest::newRow("zone down, table") << "table"
                                          << "ComboZW"
                                          << "GMT -03:30" << int(Qt::Key_Down) << "GMT -03:00"
                                          << "CommandMatrix";
        QTest::newRow("zone past the last") << "diagram"
                                            << "ComboZW"
                                            << "GMT +13:00" << int(Qt::Key_Down) << ""
                                            << "ComboZW";
        QTest::newRow("zone before the first") << "diagram"
                                               << "ComboZW"
                                               << "GMT -12:00" << int(Qt::Key_Up) << ""
                                               << "ComboZW";
        QTest::newRow("month down") << "table"
                                    << "ComboMonth"
                                    << "Ιανουάριος" << int(Qt::Key_Down) << "Φεβρουάριος"
                                    << "CommandMatrix";
        QTest::newRow("month up") << "table"
                                  << "ComboMonth"
                                  << "Δεκέμβριος" << int(Qt::Key_Up) << "Νοέμβριος"
                                  << "CommandMatrix";
        QTest::newRow("month past the last") << "table"
                                             << "ComboMonth"
                                             << "Δεκέμβριος" << int(Qt::Key_Down) << ""
                                             << "ComboMonth";
    }
    void arrowKeysInAClosedListPick() {
        QFETCH(QString, view);
        QFETCH(QString, list);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, picked);
        QFETCH(QString, focus);
        showView(view);
        ui::ComboBox* target = combo(list);
        target->setCurrentIndex(target->findText(from, Qt::MatchExactly));
        box("TextPLo")->setText("7");
        this->focus(list);

        this->key(Qt::Key(key));

        QCOMPARE(target->currentText(), picked.isEmpty() ? from : picked);
        QCOMPARE(focused(), focus);
        // A pick refreshes (the minutes are tidied); no pick leaves everything as it was.
        QCOMPARE(box("TextPLo")->text(), QString(picked.isEmpty() ? "7" : "07"));
        if (picked.isEmpty()) return;
        QVERIFY(control(view == "table" ? "PictureMatrix" : "PictureDiagram")->isVisible());
        if (list == "ComboZW") {
            const double meridian = picked == "GMT +03:00" ? 45 : picked == "GMT +01:00" ? 15 : -45;
            QCOMPARE(form->state().ZoneMeridian, meridian);
        } else {
            QCOMPARE(form->state().MonthFirstDay, picked == "Φεβρουάριος" ? 32 : 305);
        }
    }

    void anOpenListPicksWithEnter() {
        focus("ComboZW");
        key(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(combo("ComboZW")->view()->isVisible());
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QTRY_VERIFY(!combo("ComboZW")->view()->isVisible());
        QCOMPARE(combo("ComboZW")->currentText(), QString("GMT +03:30"));
        QCOMPARE(form->state().ZoneMeridian, 52.5);
        // (The minimal platform gives the focus back to no window when the list closes.)
        if (!UnderWine) QCOMPARE(focused(), QString("CommandDiagram"));
    }

    void leavingAListPicksNothing() {
        // Tabbing through the zone list is no pick: the focus goes on to the next control.
        box("TextPLo")->setText("7");
        focus("ComboZW");
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QString("CommandMatrix"));
        QCOMPARE(box("TextPLo")->text(), QString("7"));
    }

    void keysSwitchEastAndWest_data() {
        QTest::addColumn<bool>("fromEast");
        QTest::addColumn<bool>("focusEast"); // the option that has the focus
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("east");
        QTest::newRow("right to west") << true << true << int(Qt::Key_Right) << false;
        QTest::newRow("left to east") << false << false << int(Qt::Key_Left) << true;
        QTest::newRow("right past west") << false << false << int(Qt::Key_Right) << false;
        QTest::newRow("space on east") << false << true << int(Qt::Key_Space) << true;
        QTest::newRow("space on west") << true << false << int(Qt::Key_Space) << false;
    }
    void keysSwitchEastAndWest() {
        QFETCH(bool, fromEast);
        QFETCH(bool, focusEast);
        QFETCH(int, key);
        QFETCH(bool, east);
        child<QRadioButton>(*form, fromEast ? "OptionEast" : "OptionWest")->setChecked(true);
        focus(focusEast ? "OptionEast" : "OptionWest");
        const double before = form->state().Longitude;

        this->key(Qt::Key(key));

        QCOMPARE(child<QRadioButton>(*form, "OptionEast")->isChecked(), east);
        QCOMPARE(child<QRadioButton>(*form, "OptionWest")->isChecked(), !east);
        if (key != Qt::Key_Space) QCOMPARE(focused(), QString(east ? "OptionEast" : "OptionWest"));
        // The choice waits for the next refresh.
        QCOMPARE(form->state().Longitude, before);
    }

    void aWholeSessionWithoutTheMouse() {
        // Seconds out of range, West, then the diagram button.
        QCOMPARE(focused(), QString("TextDLo"));
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "61");
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QString("OptionEast"));
        key(Qt::Key_Right);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QString("CommandDiagram"));
        key(Qt::Key_Return);
        QVERIFY(control("FrameErrorD")->isVisible());
        QCOMPARE(box("TextDLo")->foreColor(), Red);

        // Round to the seconds field, correct it, and on to the table button.
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QString("TextDLo"));
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), "5");
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), QString("CommandMatrix"));
        key(Qt::Key_Space);
        QVERIFY(control("PictureMatrix")->isVisible());
        QCOMPARE(box("TextDLo")->text(), QString("05"));
        QCOMPARE(form->state().Longitude, -(23 + 31 / 60.0 + 5 / 3600.0));

        // A month by the arrow keys, back to the diagram by the zone list.
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), QString("ComboMonth"));
        key(Qt::Key_Down);
        QCOMPARE(form->state().MonthLength, std::int16_t(28));
        QCOMPARE(focused(), QString("CommandMatrix"));
    }

    void everyControlHasAName() {
        LINUX_ONLY("names as AT-SPI reads them: on Windows a list is named by its label");
        for (const ui::ControlSpec& design : ui::windowContents(views::windowLists())) {
            const QString name = ui::controlName(design.name, design.index);
            const QString said = accessible(control(name))->text(QAccessible::Name);
            QVERIFY2(!said.isEmpty(), qPrintable(name));
            QVERIFY2(!said.contains("Option1"), qPrintable(name));
        }
        QCOMPARE(accessible(form.get())->text(QAccessible::Name), QString("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ"));
    }

    // What a screen reader says for each control: the design's spoken name where the control
    // shows no caption of its own (the fields, whose text is a number; the pictures; East and
    // West, whose captions are a placeholder), else its designed caption. The roles are the
    // toolkit's for each kind of widget, but for the reminder frames, which the window makes
    // alerts.
    void namesSayWhatAControlIs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("degrees") << "TextMLo"
                                 << "Μοίρες γεωγραφικού μήκους";
        QTest::newRow("minutes") << "TextPLo"
                                 << "Πρώτα λεπτά γεωγραφικού μήκους";
        QTest::newRow("seconds") << "TextDLo"
                                 << "Δεύτερα λεπτά γεωγραφικού μήκους";
        QTest::newRow("east") << "OptionEast"
                              << "Ανατολικά";
        QTest::newRow("west") << "OptionWest"
                              << "Δυτικά";
        QTest::newRow("diagram button") << "CommandDiagram"
                                        << "Γράφημα";
        QTest::newRow("table button") << "CommandMatrix"
                                      << "Πίνακας τιμών";
        QTest::newRow("zone list") << "ComboZW"
                                   << "GMT +02:00";
        QTest::newRow("month list") << "ComboMonth"
                                    << "Ιανουάριος";
        QTest::newRow("longitude label") << "LabelLo"
                                         << "Γεωγραφικό Μήκος:";
        QTest::newRow("zone label") << "LabelZW"
                                    << "Ζώνη ώρας:";
        QTest::newRow("location frame") << "FrameLocGeoCo"
                                        << "Επιλέξτε";
        QTest::newRow("diagram") << "PictureDiagram"
                                 << "Γράφημα";
        QTest::newRow("table") << "PictureMatrix"
                               << "Πίνακας τιμών";
        QTest::newRow("reminder panel") << "PictureError"
                                        << "Παρακαλώ διορθώστε";
        QTest::newRow("January") << "PictureM1"
                                 << "Ιανουάριος";
        QTest::newRow("February") << "PictureM2"
                                  << "Φεβρουάριος";
        QTest::newRow("December") << "PictureM12"
                                  << "Δεκέμβριος";
        QTest::newRow("reminder frame") << "FrameErrorM"
                                        << "Θυμηθείτε";
    }
    void namesSayWhatAControlIs() {
        LINUX_ONLY("names as AT-SPI reads them: on Windows a list is named by its label");
        QFETCH(QString, name);
        QFETCH(QString, said);
        QAccessibleInterface* face = accessible(control(name));
        QCOMPARE(face->text(QAccessible::Name), said);
        QCOMPARE(face->role() == QAccessible::AlertMessage, name.startsWith("FrameError"));
    }

    void namesFollowCaptionsAndPicks() {
        LINUX_ONLY("names as AT-SPI reads them: on Windows a list is named by its label");
        focus("ComboZW");
        key(Qt::Key_Down);
        QCOMPARE(accessible(combo("ComboZW"))->text(QAccessible::Name), QString("GMT +03:00"));
        child<QPushButton>(*form, "CommandMatrix")->click();
        QLabel* value = child<QLabel>(*form, "LabelValT(0)");
        QCOMPARE(accessible(value)->text(QAccessible::Name), value->text());
        QVERIFY(value->text().endsWith(" sec"));
    }

    void theReminderFrameIsAnAlertWithItsRule_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("s");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("rule"); // the label in the frame
        QTest::addColumn<QString>("text");
        const QString upTo60 = "Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του 0 και "
                               "μικρότερος ή ίσος του 60";
        QTest::newRow("degrees") << "200"
                                 << "31"
                                 << "43"
                                 << "FrameErrorM"
                                 << "Label3"
                                 << "Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του 0 "
                                    "και μικρότερος ή ίσος του 180";
        QTest::newRow("minutes") << "23"
                                 << "75"
                                 << "43"
                                 << "FrameErrorP"
                                 << "Label5" << upTo60;
        QTest::newRow("seconds") << "23"
                                 << "31"
                                 << "61"
                                 << "FrameErrorD"
                                 << "Label10" << upTo60;
        QTest::newRow("beyond 180") << "180"
                                    << "0"
                                    << "1"
                                    << "FrameErrorLo"
                                    << "Label11"
                                    << "Δεν υπάρχει τόπος με Γεωγραφικό Μήκος μεγαλύτερο των 180 "
                                       "μοιρών Ανατολικά ή Δυτικά";
    }
    void theReminderFrameIsAnAlertWithItsRule() {
        QFETCH(QString, d);
        QFETCH(QString, m);
        QFETCH(QString, s);
        QFETCH(QString, frame);
        QFETCH(QString, rule);
        QFETCH(QString, text);
        box("TextMLo")->setText(d);
        box("TextPLo")->setText(m);
        box("TextDLo")->setText(s);
        focus("CommandDiagram");
        key(Qt::Key_Space);

        for (const char* each : {"FrameErrorM", "FrameErrorP", "FrameErrorD", "FrameErrorLo"}) {
            QAccessibleInterface* face = accessible(control(each));
            QCOMPARE(int(face->role()), int(QAccessible::AlertMessage));
            QCOMPARE(face->text(QAccessible::Name), QString("Θυμηθείτε"));
            // Only the frame that shows is there for a screen reader.
            QCOMPARE(face->state().invisible, each != frame);
        }
        QAccessibleInterface* shown = accessible(control(frame));
        QCOMPARE(shown->text(QAccessible::Description), text);
        QCOMPARE(shown->text(QAccessible::Description), child<QLabel>(*form, rule)->text());
        QCOMPARE(accessible(control("PictureError"))->state().invisible, false);
    }

    // Return in a longitude field applies what was typed, through the button of the view chosen
    // last; the menu key in a field opens the field's own menu, not the view area's.
    void returnAppliesAFieldAndTheMenuKeyStaysInIt() {
        focus("TextMLo");
        box("TextMLo")->selectAll();
        for (Qt::Key digit : {Qt::Key_2, Qt::Key_0, Qt::Key_0}) key(digit);
        QCOMPARE(box("TextMLo")->text(), QString("200"));
        QVERIFY(!control("PictureError")->isVisible());
        key(Qt::Key_Return);
        QVERIFY(control("PictureError")->isVisible());
        QCOMPARE(focused(), QString("CommandDiagram"));

        focus("TextPLo");
        key(Qt::Key_Menu);
        QTRY_VERIFY(box("TextPLo")->findChild<QMenu*>() &&
                    box("TextPLo")->findChild<QMenu*>()->isVisible());
        QVERIFY(!form->viewArea().menu().isVisible());
        box("TextPLo")->findChild<QMenu*>()->close();
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
