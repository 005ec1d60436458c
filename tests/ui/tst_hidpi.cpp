// The window on a screen of any pixel density (run with QT_SCALE_FACTOR 1, 1.5 and 2): it keeps
// its size and places in logical pixels, every caption fits its box, and the month pictures are
// drawn at the device's own resolution, with no smoothing and no enlarged low-resolution bitmap.

#include "app/formstart.h"
#include "support/child.h"
#include "support/designed_pixels.h"
#include "ui/startup.h"
#include "views/diagram.h"
#include "views/lists.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <map>
#include <set>

using namespace app;

namespace {

// The widest line a text needs in a font, in logical pixels.
int advance(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// Runs of one colour down column x of an image: start row and length of each.
std::vector<std::pair<int, int>> runsDown(const QImage& image, int x, QRgb colour) {
    std::vector<std::pair<int, int>> runs;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) != colour) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == y)
            ++runs.back().second;
        else
            runs.emplace_back(y, 1);
    }
    return runs;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

    std::unique_ptr<FormStart> form;
    double scale = 1; // what the screen was asked for
    QWidget* control(const QString& name) { return child<QWidget>(*form, name); }
    QRect inWindow(const QString& name) {
        QWidget* w = control(name);
        return QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size());
    }

private slots:
    void initTestCase() {
        ui::startUp();
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        form = std::make_unique<FormStart>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->devicePixelRatioF(), scale);
    }
    void cleanupTestCase() {
#ifdef HIDPI_SHOT_DIR
        form->grab().save(QString("%1/hidpi-%2.png").arg(HIDPI_SHOT_DIR).arg(scale));
#endif
        form.reset();
    }

    void theWindowKeepsItsLogicalGeometry_data() {
        addDesignedPixelRows();
    }
    void theWindowKeepsItsLogicalGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(form->size(), QSize(750, 568));
        QCOMPARE(inWindow(name), pixels);
    }

    // Every caption a user can see: at the opening place; where the minute labels have two lines
    // of signed parts ("-1h" over "-20min"); at the far end of the zones, the widest values of the
    // table; and each frame of the reminder.
    void everyCaptionFitsItsBox_data() {
        QTest::addColumn<QStringList>("location"); // degrees, minutes, seconds
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("button");
        const QStringList opening{"23", "31", "43"}, farEast{"180", "0", "0"};
        QTest::newRow("opening place, table") << opening << "GMT +02:00"
                                              << "CommandMatrix";
        QTest::newRow("two-line labels") << opening << "GMT"
                                         << "CommandDiagram";
        QTest::newRow("180 East at -12:00, table") << farEast << "GMT -12:00"
                                                   << "CommandMatrix";
        QTest::newRow("180 East at -12:00, diagram") << farEast << "GMT -12:00"
                                                     << "CommandDiagram";
        QTest::newRow("degrees reminder") << QStringList{"200", "0", "0"} << "GMT"
                                          << "CommandDiagram";
        QTest::newRow("minutes reminder") << QStringList{"10", "61", "0"} << "GMT"
                                          << "CommandDiagram";
        QTest::newRow("seconds reminder") << QStringList{"10", "0", "61"} << "GMT"
                                          << "CommandDiagram";
        QTest::newRow("longitude reminder") << QStringList{"180", "0", "1"} << "GMT"
                                            << "CommandDiagram";
    }
    void everyCaptionFitsItsBox() {
        QFETCH(QStringList, location);
        QFETCH(QString, zone);
        QFETCH(QString, button);
        child<QLineEdit>(*form, "TextMLo")->setText(location[0]);
        child<QLineEdit>(*form, "TextPLo")->setText(location[1]);
        child<QLineEdit>(*form, "TextDLo")->setText(location[2]);
        auto* zones = child<QComboBox>(*form, "ComboZW");
        zones->setCurrentIndex(zones->findText(zone));
        QCOMPARE(zones->currentText(), zone);
        child<QPushButton>(*form, button)->click();
        if (zone == "GMT" && location[0] == "23") {
            QStringList labels;
            for (int i = 0; i < 7; ++i)
                labels << child<QLabel>(*form, QStringLiteral("Labeltime(%1)").arg(i))->text();
            QVERIFY2(labels.contains("-1h -20min"), qPrintable(labels.join(", ")));
        }
        int seen = 0;
        for (const ui::ControlSpec& design : ui::windowContents(views::windowLists())) {
            const QString name = ui::controlName(design.name, design.index);
            QWidget* widget = control(name);
            if (!widget->isVisibleTo(form.get())) continue;
            ++seen;
            const QFont font = widget->font();
            const QString what =
                QString("%1 at scale %2 in %3").arg(name).arg(scale).arg(QFontInfo(font).family());
            if (auto* label = qobject_cast<ui::Label*>(widget)) {
                if (label->caption().isEmpty()) continue;
                if (label->autoSize()) {
                    // Refitted to the caption, and the caption whole within its container.
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(what));
                    QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(what));
                    const QRect inside = label->parentWidget()->contentsRect();
                    QVERIFY2(inside.contains(label->geometry()), qPrintable(what));
                } else {
                    // Wrapped at word boundaries, every line within the width, all lines within
                    // the height.
                    for (const QString& word : label->caption().split(' '))
                        QVERIFY2(advance(font, word) <= label->width(), qPrintable(what));
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(what));
                }
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                // Inside the button's raised edge.
                QVERIFY2(advance(font, button->text()) <= button->width() - 4, qPrintable(what));
                QVERIFY2(QFontMetrics(font).height() <= button->height() - 4, qPrintable(what));
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < combo->count(); ++i)
                    QVERIFY2(advance(font, combo->itemText(i)) <= combo->lineEdit()->width() - 4,
                             qPrintable(what + ": " + combo->itemText(i)));
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                QVERIFY2(advance(font, frame->title()) <= frame->width() - 16, qPrintable(what));
            }
        }
        QVERIFY2(seen > 15, qPrintable(QString::number(seen))); // the location frame's alone
    }

    void theLongestNumbersFitTheFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("degrees") << "TextMLo"
                                 << "180";
        QTest::newRow("minutes") << "TextPLo"
                                 << "60";
        QTest::newRow("seconds") << "TextDLo"
                                 << "60";
    }
    void theLongestNumbersFitTheFields() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto* field = child<QLineEdit>(*form, name);
        // The text area of a line edit is its inside less two pixels each side.
        const int room =
            field->width() -
            2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) - 4;
        QVERIFY2(advance(field->font(), text) <= room,
                 qPrintable(QString("%1 needs %2 of %3")
                                .arg(text)
                                .arg(advance(field->font(), text))
                                .arg(room)));
    }

    void monthPicturesAreDrawnAtDeviceResolution() {
        child<QPushButton>(*form, "CommandDiagram")->click();
        auto* january = child<ui::PictureBox>(*form, "PictureM1");
        const QImage image = january->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.devicePixelRatio(), scale);
        QCOMPARE(image.size(), january->size() * scale);

        // Only the colours drawn: no smoothed edge anywhere.
        const QRgb back = january->backColor().rgb();
        const QRgb line = views::styleOf(1).line;
        const std::set<QRgb> drawn{back | 0xFF000000u, line, views::GridColour, views::DotColour};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(drawn.count(image.pixel(x, y)),
                         qPrintable(QString("%1 at %2,%3")
                                        .arg(QColor(image.pixel(x, y)).name())
                                        .arg(x)
                                        .arg(y)));

        // A column clear of the day lines crosses all 36 grid rows, the 7 labelled ones twice as
        // thick as the others. The picture puts each end on a device pixel before it draws, so
        // at every scale, 1.5 included, the rows of one width are equally thick wherever they lie
        // (a row drawn where it falls would be one device pixel at some places and two at
        // others); at whole scales they are 1 and 2 logical pixels of whole device pixels.
        const int column = qRound(25 * scale);
        const auto rows = runsDown(image, column, views::GridColour);
        QVERIFY2(rows.size() >= 34, qPrintable(QString::number(rows.size())));
        std::map<int, int> lengths; // device pixels: rows of that thickness
        bool oddStart = false;
        for (const auto& [start, length] : rows) {
            const int end = start + length;
            // Half the pen of a row on the top or bottom edge lies outside the picture, and a dot
            // drawn over a row shortens it.
            if (start == 0 || end == image.height()) continue;
            if (image.pixel(column, start - 1) == views::DotColour ||
                (end < image.height() && image.pixel(column, end) == views::DotColour))
                continue;
            ++lengths[length];
            oddStart |= start % 2 == 1;
        }
        QString seen;
        for (const auto& [length, count] : lengths)
            seen += QString(" %1 x %2").arg(count).arg(length);
        QVERIFY2(lengths.size() == 2 && lengths.begin()->second >= 27 &&
                     lengths.rbegin()->second >= 6,
                 qPrintable("rows of device pixels:" + seen));
        if (scale == std::floor(scale)) {
            QCOMPARE(lengths.begin()->first, int(scale));
            QCOMPARE(lengths.rbegin()->first, int(2 * scale));
        }
        // Drawn at twice the resolution, rows start on odd device rows too: a doubled one-to-one
        // picture would start every row on an even one.
        if (scale == 2) QVERIFY(oddStart);

        // The dot of 1 January: black, and at scale 2 finer than a doubled pixel.
        const ui::DrawOp* dot = nullptr;
        for (const ui::DrawOp& op : january->operations())
            if (op.kind == ui::DrawOp::Kind::Circle) {
                dot = &op;
                break;
            }
        QVERIFY(dot);
        const double sx = (january->width() - 1) / double(january->ScaleWidth());
        const double sy = (january->height() - 1) / double(january->ScaleHeight());
        const QPoint centre(qRound(dot->x1 * sx * scale), qRound(dot->y1 * sy * scale));
        int black = 0;
        bool finerThanDoubled = false;
        const int reach = qRound(2 * scale);
        for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
            for (int x = centre.x() - reach; x <= centre.x() + reach; ++x) {
                if (!image.rect().contains(x, y) || image.pixel(x, y) != views::DotColour) continue;
                ++black;
                const int bx = x & ~1, by = y & ~1;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if (image.rect().contains(bx + dx, by + dy) &&
                            image.pixel(bx + dx, by + dy) != views::DotColour)
                            finerThanDoubled = true;
            }
        QVERIFY2(black >= qRound(scale * scale), qPrintable(QString::number(black)));
        if (scale == 2) QVERIFY(finerThanDoubled);
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
