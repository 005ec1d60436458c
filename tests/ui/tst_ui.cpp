// The controls keep their designed twips, derive their pixels by one rounding, refit or wrap
// their captions, and the picture box replays what was drawn on it, clipped to its inside.

#include "support/designed_pixels.h"
#include "support/platform.h"
#include "ui/fonts.h"
#include "ui/picturebox.h"
#include "ui/registry.h"
#include "ui/startup.h"
#include "views/lists.h"

#include <QApplication>
#include <QFontInfo>
#include <QtTest>
#include <algorithm>
#include <limits>

using namespace ui;

class TestUi : public QObject {
    Q_OBJECT

    std::unique_ptr<Form> form;
    std::unique_ptr<Controls> controls;
    QMap<int, QString> designedTabs; // the tab indexes of the place table below, in order
    template <class T> T& get(const QString& name, int index = -1) {
        return controls->get<T>(name, index);
    }
    // Where a control's widget stands in the window, in pixels.
    QRect inWindow(const QString& name) {
        QWidget* w = get<Label>(name).widget();
        return QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size());
    }

private slots:
    void initTestCase() { ui::startUp(); }
    void init() {
        form = std::make_unique<Form>();
        controls = std::make_unique<Controls>(*form, views::windowLists());
    }
    void cleanup() {
        controls.reset();
        form.reset();
    }

    void controlsKeepTheirDesignedPlaceAndTabIndex_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("twips"); // no size: an auto-size label
        QTest::addColumn<int>("tab");      // -1: none
        QTest::addColumn<QSizeF>("scale"); // picture boxes only; a twips scale spans the inside
        const QSizeF none;
        auto row = [this](const char* tag, const QString& name, QRectF twips, int tab,
                          QSizeF scale) {
            QTest::newRow(tag) << name << twips << tab << scale;
            if (tab >= 0) designedTabs.insert(tab, name);
        };
        // Every control of the designed tab order, in that order.
        row("PictureDiagram", "PictureDiagram", QRectF(150, 2280, 10950, 6000), 0,
            QSizeF(10890, 5940));
        row("TextDLo", "TextDLo", QRectF(5418, 450, 400, 435), 2, none);
        row("TextPLo", "TextPLo", QRectF(4650, 450, 400, 435), 3, none);
        row("TextMLo", "TextMLo", QRectF(3787, 450, 500, 435), 4, none);
        row("PictureM1", "PictureM1", QRectF(840, 240, 837, 5020), 30, QSizeF(840, 5025));
        row("PictureM3", "PictureM3", QRectF(2430, 240, 837, 5020), 31, QSizeF(840, 5025));
        row("PictureM5", "PictureM5", QRectF(4080, 240, 837, 5020), 32, QSizeF(840, 5025));
        row("PictureM7", "PictureM7", QRectF(5730, 240, 837, 5020), 33, QSizeF(840, 5025));
        row("PictureM8", "PictureM8", QRectF(6570, 240, 837, 5020), 34, QSizeF(840, 5025));
        row("PictureM10", "PictureM10", QRectF(8205, 240, 837, 5020), 35, QSizeF(840, 5025));
        row("PictureM12", "PictureM12", QRectF(9855, 240, 837, 5020), 36, QSizeF(840, 5025));
        row("PictureM2", "PictureM2", QRectF(1680, 240, 756, 5020), 37, QSizeF(750, 5025));
        row("PictureM4", "PictureM4", QRectF(3270, 240, 810, 5020), 38, QSizeF(810, 5025));
        row("PictureM6", "PictureM6", QRectF(4920, 240, 810, 5020), 39, QSizeF(810, 5025));
        row("PictureM9", "PictureM9", QRectF(7395, 240, 810, 5020), 40, QSizeF(810, 5025));
        row("PictureM11", "PictureM11", QRectF(9045, 240, 810, 5020), 41, QSizeF(810, 5025));
        row("OptionEast", "OptionEast", QRectF(6958, 500, 222, 345), 42, none);
        row("OptionWest", "OptionWest", QRectF(8713, 500, 222, 345), 43, none);
        row("CommandDiagram", "CommandDiagram", QRectF(6840, 1190, 1215, 375), 46, none);
        row("PictureError", "PictureError", QRectF(8880, 2280, 2160, 3615), 47, QSizeF(2100, 3555));
        row("ComboZW", "ComboZW", QRectF(3787, 1150, 1965, 435), 57, none);
        row("PictureMatrix", "PictureMatrix", QRectF(150, 2280, 10950, 6000), 58,
            QSizeF(10890, 5940));
        row("ComboMonth", "ComboMonth", QRectF(4515, 315, 2160, 435), 59, none);
        row("CommandMatrix", "CommandMatrix", QRectF(8400, 1190, 1695, 375), 91, none);
        // Controls outside the tab order, of every other kind and place.
        row("a frame", "FrameErrorM", QRectF(240, 1440, 5175, 1575), -1, none);
        row("a label in a frame", "Label11", QRectF(720, 360, 3255, 1335), -1, none);
        row("the degree sign", "Label9", QRectF(4300, 430, 0, 0), -1, none);
        row("a value", "LabelValT(0)", QRectF(1385, 1295, 0, 0), -1, none);
        row("a day number", "LabelMonth(30)", QRectF(7440, 4845, 300, 360), -1, none);
        row("a minute label", "Labeltime(6)", QRectF(135, 4800, 675, 570), -1, none);
        row("a month name", "Labelm(1)", QRectF(1680, 5355, 750, 300), -1, none);
    }
    void controlsKeepTheirDesignedPlaceAndTabIndex() {
        QFETCH(QString, name);
        QFETCH(QRectF, twips);
        QFETCH(int, tab);
        QFETCH(QSizeF, scale);
        // Read back exactly as designed, not rounded through pixels (3787 twips, for one, is no
        // whole number of them).
        Placement* placed = controls->find(name);
        QVERIFY2(placed, qPrintable(name));
        QCOMPARE(placed->Left(), float(twips.left()));
        QCOMPARE(placed->Top(), float(twips.top()));
        if (!twips.size().isNull()) {
            QCOMPARE(placed->Width(), float(twips.width()));
            QCOMPARE(placed->Height(), float(twips.height()));
        }
        if (scale.isValid()) {
            auto& picture = dynamic_cast<PictureBox&>(*placed);
            QCOMPARE(picture.ScaleWidth(), float(scale.width()));
            QCOMPARE(picture.ScaleHeight(), float(scale.height()));
        }
        // The tab key goes from a control that takes the focus to the one with the next tab
        // index of the table above that takes it too, and from the last round to the first.
        QWidget* widget = placed->widget();
        auto takesTab = [](QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
        if (tab < 0 || !takesTab(widget)) return;
        QStringList order;
        for (const QString& each : designedTabs)
            if (takesTab(controls->find(each)->widget())) order << each;
        const QString next = order[(order.indexOf(name) + 1) % order.size()];
        QWidget* after = widget->nextInFocusChain();
        while (after != widget && !(controls->find(after->objectName()) && takesTab(after)))
            after = after->nextInFocusChain();
        QCOMPARE(after->objectName(), next);
    }

    void pixelsComeFromOneRounding_data() { addDesignedPixelRows(); }
    void pixelsComeFromOneRounding() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        Placement* placed = controls->find(name);
        QWidget* w = placed->widget();
        QCOMPARE(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()), pixels);
    }

    // A text box says Change once for every new text, typed or written, and never for a write
    // of the text it holds or for a new colour; it keeps a text of any length whole.
    void theSameTextRaisesNoChange() {
        auto& box = get<TextBox>("TextMLo");
        QSignalSpy changes(&box, &TextBox::Change);
        box.setTextValue("23");
        QCOMPARE(changes.count(), 0);
        box.setTextValue("24");
        QCOMPARE(changes.count(), 1);
        box.setTextValue("24");
        box.setText("24");
        QCOMPARE(changes.count(), 1);
        box.setForeColor(QColor(255, 0, 0));
        QCOMPARE(changes.count(), 1);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_5);
        QCOMPARE(changes.count(), 2);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(changes.count(), 3);
        box.setText(QString(100000, '9'));
        QCOMPARE(changes.count(), 4);
        QCOMPARE(box.text().size(), 100000);
    }

    void autoSizeLabelsRefitAndOthersKeepTheirSize() {
        auto& value = get<Label>("LabelValT", 4);
        const float left = value.Left(), top = value.Top();
        value.setCaption("+02 h  +13 min  +20 sec");
        const float wide = value.Width();
        value.setCaption("+9 sec");
        QVERIFY(value.Width() < wide);
        QCOMPARE(value.Left(), left);
        QCOMPARE(value.Top(), top);
        const int advance = QFontMetrics(value.font()).horizontalAdvance("+9 sec");
        QVERIFY(value.widget()->width() >= advance && value.widget()->width() <= advance + 2);
        auto& time = get<Label>("Labeltime", 2);
        time.setCaption("+3h +15min");
        QCOMPARE(time.Width(), 675.0f);
        QCOMPARE(time.Height(), 570.0f);
    }

    void captionsFitTheirBoxes() {
        QCOMPARE(QFontInfo(get<Label>("LabelCor").font()).family(), SubstituteFamily);
        for (const ControlSpec& design : windowContents(views::windowLists())) {
            if (design.kind != Kind::Label && design.kind != Kind::CommandButton) continue;
            QWidget* w = controls->find(controlName(design.name, design.index))->widget();
            const QFontMetrics metrics(w->font());
            for (QChar c : design.caption)
                QVERIFY2(metrics.inFont(c), qPrintable(design.name + " lacks " + QString(c)));
            if (design.kind == Kind::CommandButton) {
                QVERIFY2(metrics.horizontalAdvance(design.caption) + 8 <= w->width(),
                         qPrintable(design.name));
                continue;
            }
            auto* label = static_cast<Label*>(w);
            if (label->autoSize()) {
                QCOMPARE(w->height(), label->sizeHint().height());
                QVERIFY(metrics.horizontalAdvance(design.caption) <= w->width());
                continue;
            }
            // No word is wider than the label, and the wrapped lines fit its height.
            for (const QString& word : design.caption.split(' '))
                QVERIFY2(metrics.horizontalAdvance(word) <= w->width(),
                         qPrintable(design.name + ": " + word));
            QVERIFY2(label->heightForWidth(w->width()) <= w->height(), qPrintable(design.name));
        }
        // The two-part minute labels wrap into their box too.
        auto& time = get<Label>("Labeltime", 0);
        for (const char* caption : {"+3h +15min", "-4h -15min", "+2h +55min", "-15min"}) {
            time.setCaption(caption);
            QVERIFY2(time.heightForWidth(time.widget()->width()) <= time.widget()->height(),
                     caption);
            // (Wine's fonts are wider: there the caption is drawn smaller, as with DejaVu's.)
            if (!UnderWine)
                for (const QString& word : QString(caption).split(' '))
                    QVERIFY2(QFontMetrics(time.font()).horizontalAdvance(word) <=
                                 time.widget()->width(),
                             caption);
        }
    }

    // A combo's Click is the user's pick alone: typing the name of another item and finishing
    // the edit (Return, or the focus leaving) picks nothing and adds nothing.
    void combosOfferFixedLists() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto& zone = get<ComboBox>("ComboZW");
        QSignalSpy picks(&zone, &ComboBox::Click);
        QCOMPARE(zone.count(), 33);
        QCOMPARE(zone.currentText(), QString("GMT +02:00"));
        const int start = zone.currentIndex();
        zone.setFocus();
        zone.lineEdit()->selectAll();
        QTest::keyClicks(zone.lineEdit(), "GMT +03:00");
        QTest::keyClick(zone.lineEdit(), Qt::Key_Return);
        QCOMPARE(picks.count(), 0);
        QCOMPARE(zone.currentIndex(), start);
        zone.lineEdit()->selectAll();
        QTest::keyClicks(zone.lineEdit(), "GMT -05:00");
        get<TextBox>("TextMLo").setFocus();
        QCOMPARE(picks.count(), 0);
        QCOMPARE(zone.currentIndex(), start);
        zone.setFocus();
        zone.lineEdit()->selectAll();
        QTest::keyClicks(zone.lineEdit(), "GMT -05:00x");
        QTest::keyClick(zone.lineEdit(), Qt::Key_Return);
        QCOMPARE(zone.count(), 33); // typed text never becomes an item
        emit zone.activated(3);
        QCOMPARE(picks.count(), 1);
    }

    void picturesReplayWhatWasDrawn() {
        auto& picture = get<PictureBox>("PictureM2"); // 50 x 335 pixels, scale 750 x 5025
        picture.DrawWidth(1);
        picture.Line(0, 5025, 750, 5025, qRgb(255, 0, 0)); // the bottom edge
        picture.Line(750, 0, 750, 5025, qRgb(0, 0, 255));  // the right edge
        picture.Line(-1e300, 2500, 1e300, 2500, qRgb(0, 0, 0));
        picture.Circle(1e300, 1e300, 15, qRgb(0, 0, 0));
        picture.Circle(std::numeric_limits<double>::quiet_NaN(), 0, 15, qRgb(0, 0, 0));
        QCOMPARE(picture.operations().size(), std::size_t(5));
        const QImage image = picture.grab().toImage();
        QCOMPARE(image.size(), QSize(50, 335));
        QCOMPARE(image.pixelColor(25, 334), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(49, 100), QColor(0, 0, 255));
        const int middle = qRound(2500 * 334 / 5025.0);
        for (int x = 0; x < 50; ++x) {
            QCOMPARE(image.pixelColor(x, middle), QColor(0, 0, 0));
            if (x < 49) QCOMPARE(image.pixelColor(x, middle + 1), QColor(192, 255, 192));
        }
        QCOMPARE(image.pixelColor(25, 20), QColor(192, 255, 192));
        picture.Cls();
        QVERIFY(picture.operations().empty());
        QCOMPARE(picture.grab().toImage().pixelColor(25, 334), QColor(192, 255, 192));
    }

    void everyDrawingAfterAPaintIsPaintedToo() {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint) ++paints;
                return false;
            }
        } counter;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto& picture = get<PictureBox>("PictureM1");
        picture.installEventFilter(&counter);
        // A run of drawing asks for one repaint; the next run, after that repaint, asks again.
        for (int run = 0; run < 3; ++run) {
            const int before = counter.paints;
            picture.Line(0, 100 * run, 840, 100 * run, qRgb(0, 0, 0));
            picture.Circle(420, 2500, 15, qRgb(0, 0, 0));
            QTRY_VERIFY2(counter.paints > before, qPrintable(QString("run %1").arg(run)));
        }
        const int before = counter.paints;
        picture.Cls();
        QTRY_VERIFY(counter.paints > before);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
