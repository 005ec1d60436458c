// Everything the window shows, copies and prints for eight places, written to files: the window
// as drawn, the clipboard's flavours after a copy, and the two printouts as PDF. Two runs on two
// versions of the code that write the same bytes show that the change between them changed none
// of it. scripts/dump-outputs.sh runs it once for each pixel density and turns the PDFs into
// text, lists and pictures.
//
// Usage: dump_outputs OUT_DIR   (on the offscreen platform; QT_SCALE_FACTOR sets the density)
// Writes OUT_DIR/cases.txt and, for each case, OUT_DIR/<case>/dpr-<density>/.
//
// Only what a user has is used: the window, its controls by their names, clicks, keys and list
// picks, and the window's copy and print commands, after the program's own start-up.

#include "app/formstart.h"
#include "ui/startup.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

enum class View { Diagram, Table };

// A place and a view, as the user sets them: the longitude's three fields, East or West, the
// time zone, the view's button and, for the table, the month. No fields: the window as it opens.
struct Case {
    const char* name;
    const char* degrees;
    const char* minutes;
    const char* seconds;
    bool east;
    const char* zone;
    View view;
    const char* month;
    const char* about;
};

// clang-format off
const Case Cases[] = {
    // name                 deg      min      sec      east   zone          view           month          what it shows
    {"1-start-up",          nullptr, nullptr, nullptr, true,  nullptr,      View::Diagram, nullptr,       "the window as it opens: 23 31 43 East, GMT +02:00, diagram"},
    {"2-east-half-hour",    "72",    "52",    "36",    true,  "GMT +05:30", View::Diagram, nullptr,       "East, a half-hour zone, diagram"},
    {"3-west-diagram",      "74",    "00",    "23",    false, "GMT -05:00", View::Diagram, nullptr,       "West, diagram"},
    {"4-east-hours",        "87",    "36",    "00",    true,  "GMT +08:00", View::Diagram, nullptr,       "East, far from its zone's meridian (over an hour), diagram"},
    {"5-table-hours",       "75",    "59",    "00",    true,  "GMT +08:00", View::Table,   "Φεβρουάριος", "East, over an hour, table of February"},
    {"6-west-half-hour",    "52",    "42",    "45",    false, "GMT -03:30", View::Table,   "Νοέμβριος",   "West, a half-hour zone, table of November"},
    {"7-reminder-minutes",  "23",    "75",    "43",    true,  "GMT +02:00", View::Diagram, nullptr,       "minutes 75: the reminder, from the diagram's button"},
    {"8-reminder-degrees",  "200",   "31",    "43",    false, "GMT -03:30", View::Table,   nullptr,       "degrees 200 West: the reminder, from the table's button"},
};
// clang-format on

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "dump_outputs: %s\n", qPrintable(what));
    std::exit(1);
}

template <class T> T* Control(const QWidget& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found) Fail(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
    return found;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1").arg(path));
}

void Save(const QImage& image, const QString& path) {
    if (image.isNull() || !image.save(path, "PNG"))
        Fail(QStringLiteral("cannot save %1").arg(path));
}

// The user clicks into a field, selects all of it and types the text.
void Type(QWidget& form, const char* name, const char* text) {
    auto* field = Control<QLineEdit>(form, name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromUtf8(text));
    if (field->text() != QString::fromUtf8(text))
        Fail(QStringLiteral("%1 reads «%2» after typing «%3»")
                 .arg(QString::fromLatin1(name), field->text(), QString::fromUtf8(text)));
}

void Click(QWidget& form, const char* name) {
    auto* button = Control<QAbstractButton>(form, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The user picks an item of a list: the list reports it as activated, as a pick with the mouse
// or the keys does.
void Pick(QWidget& form, const char* name, const char* text) {
    auto* combo = Control<QComboBox>(form, name);
    const int index = combo->findText(QString::fromUtf8(text), Qt::MatchExactly);
    if (index < 0)
        Fail(QStringLiteral("%1 has no item «%2»")
                 .arg(QString::fromLatin1(name), QString::fromUtf8(text)));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Act(QWidget& form, const Case& c) {
    if (!c.degrees) return;
    Type(form, "TextMLo", c.degrees);
    Type(form, "TextPLo", c.minutes);
    Type(form, "TextDLo", c.seconds);
    const char* side = c.east ? "OptionEast" : "OptionWest";
    Click(form, side);
    if (!Control<QRadioButton>(form, side)->isChecked())
        Fail(QStringLiteral("a click on %1 did not check it").arg(QString::fromLatin1(side)));
    Pick(form, "ComboZW", c.zone);
    Click(form, c.view == View::Diagram ? "CommandDiagram" : "CommandMatrix");
    if (c.month) Pick(form, "ComboMonth", c.month);
}

// The clipboard's flavours, each in a file of its own; the list of formats says which there are.
void DumpClipboard(const QString& dir) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) Fail(QStringLiteral("the copy left nothing on the clipboard"));
    Write(dir + "/clipboard-formats.txt", data->formats().join(u'\n').toUtf8() + '\n');
    if (data->hasText()) Write(dir + "/clipboard.txt", data->text().toUtf8());
    if (data->hasHtml()) Write(dir + "/clipboard.html", data->html().toUtf8());
    if (data->hasImage()) Save(qvariant_cast<QImage>(data->imageData()), dir + "/clipboard.png");
}

// A PDF printer on A4 paper in the orientation the paper is printed in.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path, QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation);
    return printer;
}

QByteArray Result(const char* what, bool printed) {
    return QByteArray(what) + (printed ? ": printed\n" : ": nothing printed\n");
}

void DumpCase(const Case& c, const QString& root, const QString& density) {
    const QString dir = QStringLiteral("%1/%2/dpr-%3").arg(root, c.name, density);
    if (!QDir().mkpath(dir)) Fail(QStringLiteral("cannot make %1").arg(dir));

    auto form = std::make_unique<app::FormStart>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) Fail(QStringLiteral("the window is not active"));
    Settle();
    Act(*form, c);
    Settle();

    Save(form->grab().toImage(), dir + "/window.png");

    QGuiApplication::clipboard()->clear();
    form->viewArea().copyShownView();
    Settle();
    DumpClipboard(dir);

    const auto viewPaper = c.view == View::Diagram ? QPageLayout::Landscape : QPageLayout::Portrait;
    auto printer = PdfPrinter(dir + "/view.pdf", viewPaper);
    const bool view = form->viewArea().printShownView(*printer);
    printer = PdfPrinter(dir + "/year-card.pdf", QPageLayout::Landscape);
    const bool card = form->viewArea().printYearCard(*printer);
    printer.reset();
    Write(dir + "/printed.txt", Result("view", view) + Result("year card", card));

    form.reset();
    Settle();
}

QByteArray CaseTable() {
    QByteArray table = "case\tdegrees minutes seconds\tside\tzone\tview\tmonth\twhat it shows\n";
    for (const Case& c : Cases) {
        const bool set = c.degrees != nullptr;
        table +=
            QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                .arg(QString::fromUtf8(c.name),
                     set ? QStringLiteral("%1 %2 %3").arg(c.degrees, c.minutes, c.seconds)
                         : QStringLiteral("(as opened)"),
                     set ? (c.east ? QStringLiteral("East") : QStringLiteral("West"))
                         : QStringLiteral("-"),
                     set ? QString::fromUtf8(c.zone) : QStringLiteral("-"),
                     c.view == View::Diagram ? QStringLiteral("diagram") : QStringLiteral("table"),
                     c.month ? QString::fromUtf8(c.month) : QStringLiteral("-"),
                     QString::fromUtf8(c.about))
                .toUtf8();
    }
    return table;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) Fail(QStringLiteral("usage: dump_outputs OUT_DIR"));
    ui::startUp();
    const QString root = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(root)) Fail(QStringLiteral("cannot make %1").arg(root));

    // The density the screen was asked for must be the one the window gets.
    const qreal density = QGuiApplication::primaryScreen()->devicePixelRatio();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") &&
        !qFuzzyCompare(density, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()))
        Fail(QStringLiteral("the screen's density is %1, not QT_SCALE_FACTOR").arg(density));

    Write(root + "/cases.txt", CaseTable());
    for (const Case& c : Cases) DumpCase(c, root, QString::number(density));
    return 0;
}
