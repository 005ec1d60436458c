// «Έτος…» from the keyboard on a real X server, where the line edits have the X11 key scheme
// (Ctrl+E is their end of line): Ctrl+Shift+E with the focus in a longitude field opens the
// dialog, and what is typed then decides what Return and Escape do.

#include "app/formstart.h"
#include "support/form_fixture.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace app;

class TestYear : public QObject, FormFixture {
    Q_OBJECT

    // Opens the dialog from a longitude field and waits until it has the keys.
    QDialog* openYearDialog() {
        focus("TextMLo");
        key(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QDialog* dialog = nullptr;
        if (!QTest::qWaitFor([&] {
                dialog = form->findChild<QDialog*>("yearDialog");
                return dialog && dialog->isVisible() && dialog->isActiveWindow();
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
};

QTEST_MAIN(TestYear)
#include "tst_year.moc"
