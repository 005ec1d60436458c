// The window without a mouse: the tab order, buttons pressed with Space or Enter, lists stepped
// with the arrow keys, typing into the fields; and what assistive technology is told: the name
// of every control and the reminder frame that announces itself as an alert.

#include "app/formstart.h"
#include "support/form_fixture.h"
#include "support/platform.h"
#include "views/lists.h"

#include <QAbstractItemView>
#include <QAccessible>
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

const QColor Red(255, 0, 0);

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (!found) qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

// The Latin words of every text a window shows: its title, and each widget's caption, items,
// tooltip and name, and each action's text and tooltip. What a field holds is the user's.
QStringList LatinWords(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* widget : widgets) {
        texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName();
        if (auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(widget)) texts << group->title();
        if (auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        if (auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        for (const QAction* action : widget->actions())
            texts << action->text() << action->toolTip() << action->iconText();
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->iconText();
    // The units and names the program uses, and the names of paper sizes, which are the
    // standards' own (A4, Letter, JIS B5).
    static const QStringList allowed{
        "GMT",   "min",    "sec",   "PDF",  "mm",      "pt",      "in",       "DPI",
        "CC",    "DD",     "ANSI",  "JIS",  "DL",      "PRC",     "Letter",   "Legal",
        "Extra", "Plus",   "Small", "Big",  "Tabloid", "Ledger",  "Folio",    "Executive",
        "Note",  "Quarto", "Super", "Chou", "Kaku",    "Monarch", "Personal", "Statement"};
    static const QRegularExpression word("[A-Za-z]{2,}");
    QStringList found;
    for (const QString& text : texts)
        // After a tab stands the key, as the keyboard is labelled.
        for (auto match = word.globalMatch(text.section(u'\t', 0, 0).remove(u'&'));
             match.hasNext();)
            if (const QString latin = match.next().captured(); !allowed.contains(latin))
                found << QStringLiteral("%1 (in «%2»)").arg(latin, text);
    found.removeDuplicates();
    return found;
}

// The modal window on top other than `under`, once it is there.
QWidget* ModalOver(const QWidget* under) {
    QWidget* modal = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        modal = QApplication::activeModalWidget();
        return modal && modal != under;
    });
    return shown ? modal : nullptr;
}

} // namespace

class TestKeyboard : public QObject, FormFixture {
    Q_OBJECT

    QString focused() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }
    // A key as the keyboard delivers it: to the window, which hands it to the focused control
    // (or to an open list).
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    void focus(const QString& name) {
        control(name)->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), name);
    }
    // Brings up a view with the mouse, as the set-up of a keyboard test.
    void showView(const QString& view) {
        if (view == "table") child<QPushButton>(*form, "CommandMatrix")->click();
        if (view == "reminder") {
            box("TextMLo")->setText("200");
            child<QPushButton>(*form, "CommandDiagram")->click();
            QVERIFY(control("PictureError")->isVisible());
        }
    }

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
            << defaults << "Ιανουάριος" << 33 << 2 << "1\t+29 min  +15 sec";
        QTest::newRow("February, 28 days, hours")
            << QStringList{"0", "0", "0", "East", "GMT +02:00"} << "Φεβρουάριος" << 30 << 2
            << "1\t+02 h  +13 min  +20 sec";
        QTest::newRow("April, 30 days") << zero << "Απρίλιος" << 32 << 16 << "15\t-00 min  -00 sec";
        QTest::newRow("November, West") << QStringList{"180", "0", "0", "West", "GMT +13:00"}
                                        << "Νοέμβριος" << 32 << 2 << "1\t+24 h  +43 min  +38 sec";
        QTest::newRow("place line")
            << QStringList{"5", "7", "9", "West", "GMT -03:30"} << "Μάιος" << 33 << 0
            << "Γεωγραφικό Μήκος: 05° 07΄ 09΄΄ Δυτικά, Ζώνη ώρας: GMT -03:30";
        // The year: the place, then 12 names and 365 days; 13 February is day 44.
        QTest::newRow("year") << defaults << "" << 378 << 46 << "13\t+40 min  +09 sec";
        QTest::newRow("year, December") << defaults << "" << 378 << 377 << "31\t+28 min  +48 sec";
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
            for (int row = 0; row < lines - 2; ++row)
                QCOMPARE(copied[row + 2],
                         QString("%1\t%2").arg(row + 1).arg(
                             child<QLabel>(*form, QString("LabelValT(%1)").arg(row))->text()));
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
        QVERIFY(!form->viewMenu().isVisible());
        box("TextPLo")->findChild<QMenu*>()->close();
    }

    // The reminder copies its request, its frame's caption and its rule; a field keeps Ctrl+C for
    // its own selection; the menu offers the one item.
    // The windows the toolkit draws for the program speak Greek, as the window does: every
    // title, caption, item, action and tooltip. The print preview opens with its whole toolbar,
    // the print button at its end, in sight.
    void toolkitWindowsSpeakGreek_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("fromPreview"); // the preview's toolbar action that opens it
        QTest::newRow("print preview") << "preview" << 0;
        QTest::newRow("print dialog") << "preview" << 1;
        QTest::newRow("page setup") << "preview" << 2;
        QTest::newRow("text field's menu") << "TextPLo" << 0;
        QTest::newRow("list field's menu") << "ComboZW" << 0;
    }
    void toolkitWindowsSpeakGreek() {
        LINUX_ONLY("the toolkit's own dialogs: Windows shows its own print dialogs");
        QFETCH(QString, window);
        QFETCH(int, fromPreview);
        QStringList latin;
        if (window != "preview") {
            focus(window);
            key(Qt::Key_Menu);
            QLineEdit* field = qobject_cast<QLineEdit*>(control(window));
            if (!field) field = combo(window)->lineEdit();
            QTRY_VERIFY(field->findChild<QMenu*>() && field->findChild<QMenu*>()->isVisible());
            latin = LatinWords(*field->findChild<QMenu*>());
            field->findChild<QMenu*>()->close();
        } else {
            bool inspected = false;
            QTimer::singleShot(0, this, [&] {
                QWidget* preview = ModalOver(nullptr);
                if (!preview) return;
                auto* toolbar = preview->findChild<QToolBar*>();
                // The print button is the toolbar's last, the page setup the one before it.
                QAction* print = toolbar->actions().last();
                QWidget* button = toolbar->widgetForAction(print);
                if (!fromPreview) {
                    latin = LatinWords(*preview);
                    inspected = button && button->isVisible() &&
                                preview->rect().contains(
                                    QRect(button->mapTo(preview, QPoint()), button->size()));
                } else {
                    QAction* opens = fromPreview == 1
                                         ? print
                                         : toolbar->actions().at(toolbar->actions().size() - 2);
                    QTimer::singleShot(0, this, [&] {
                        if (QWidget* dialog = ModalOver(preview)) {
                            latin = LatinWords(*dialog);
                            inspected = true;
                            dialog->close();
                        }
                    });
                    opens->trigger();
                }
                preview->close();
            });
            child<QAction>(*form, "printAction")->trigger();
            QVERIFY(inspected);
        }
        QVERIFY2(latin.isEmpty(), qPrintable(latin.join('\n')));
    }

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
        QCOMPARE(form->viewMenu().actions(), (QList<QAction*>{copy, print, printYear, place}));
        QCOMPARE(form->actions(), form->viewMenu().actions());
        QCOMPARE(copy->text(), QString("Αντιγραφή"));
        QCOMPARE(print->text(), QString("Εκτύπωση…"));
        QCOMPARE(printYear->text(), QString("Εκτύπωση έτους…"));
        QCOMPARE(place->text(), QString("Τόπος…"));
        QCOMPARE(place->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QCOMPARE(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        focus("CommandDiagram");
        key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(form->viewMenu().isVisible());
        QVERIFY(!print->isEnabled() && !printYear->isEnabled()); // the reminder prints nothing
        copy->trigger();
        form->viewMenu().close();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Παρακαλώ διορθώστε\n"));
        QVERIFY(control("PictureError")->isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
