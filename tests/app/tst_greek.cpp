// The windows the toolkit draws for the program (the print preview and its dialogs, the fields'
// menus) speak Greek, as the program's own window does.

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

class TestGreek : public QObject, FormFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startUp(); }
    void init() { openForm(true); }
    void cleanup() { form.reset(); }

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
};

QTEST_MAIN(TestGreek)
#include "tst_greek.moc"
