// The real program in a real X server: start Xvfb, run the program, take a screenshot of the
// screen and check the colours and places a person sees.

#include <QImage>
#include <QProcess>
#include <QtTest>

namespace {

// The window has no frame without a window manager; centred on 1024 x 768 it starts here.
constexpr int ScreenWidth = 1024, ScreenHeight = 768;
constexpr QPoint WindowAt((ScreenWidth - 750) / 2, (ScreenHeight - 568) / 2);

QColor at(const QImage& shot, int x, int y) {
    return shot.pixelColor(WindowAt + QPoint(x, y));
}

bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 &&
           qAbs(a.blue() - b.blue()) <= 8;
}

// True when a dark pixel lies within `reach` pixels of the window point.
bool darkNear(const QImage& shot, QPointF point, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QColor c = at(shot, qRound(point.x()) + dx, qRound(point.y()) + dy);
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60) return true;
        }
    return false;
}

} // namespace

class TestScreenshot : public QObject {
    Q_OBJECT
    QProcess xvfb;
    QProcess program;
    QString display;
    QImage shot;

    QImage screenshot() {
        QProcess grab;
        grab.start("import", {"-display", display, "-window", "root", "png:-"});
        if (!grab.waitForFinished(20000)) return {};
        return QImage::fromData(grab.readAllStandardOutput(), "PNG");
    }

private slots:
    void initTestCase() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0",
                            QString("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight), "-wr",
                            "-nolisten", "tcp"});
        QVERIFY2(xvfb.waitForStarted(10000), "Xvfb does not start");
        QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), 20000);
        display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.start(EXISOSI_PROGRAM, {});
        QVERIFY2(program.waitForStarted(10000), "the program does not start");

        // Wait until the light-yellow location frame shows where the centred window stands.
        const QColor lightYellow(255, 255, 192);
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = screenshot(), !shot.isNull() && near(at(shot, 30, 100), lightYellow)), 30000);
        QTest::qWait(500); // let the last paint land
        shot = screenshot();
        shot.save(SCREENSHOT_PATH);
    }

    void cleanupTestCase() {
        program.kill();
        program.waitForFinished();
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    void colours_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        const QColor black(0, 0, 0), lightYellow(255, 255, 192), lavender(192, 192, 255),
            lightGreen(192, 255, 192), white(255, 255, 255);
        QTest::newRow("left margin") << QPoint(4, 300) << black;
        QTest::newRow("top margin") << QPoint(300, 4) << black;
        QTest::newRow("right margin") << QPoint(745, 300) << black;
        QTest::newRow("band under the frame") << QPoint(300, 145) << black;
        QTest::newRow("bottom margin") << QPoint(300, 562) << black;
        QTest::newRow("outside the window") << QPoint(-20, -20) << white;
        QTest::newRow("location frame") << QPoint(30, 100) << lightYellow;
        QTest::newRow("diagram panel") << QPoint(30, 530) << lightYellow;
        QTest::newRow("January") << QPoint(120, 175) << lavender;
        QTest::newRow("February") << QPoint(150, 175) << lightGreen;
        QTest::newRow("March") << QPoint(215, 175) << lavender;
        QTest::newRow("December") << QPoint(700, 175) << lightGreen;
    }
    void colours() {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        const QColor seen = at(shot, point.x(), point.y());
        QVERIFY2(near(seen, colour),
                 qPrintable(QString("%1 at %2,%3").arg(seen.name()).arg(point.x()).arg(point.y())));
    }

    void dotsOfKnownDays() {
        // January's inside runs from x 68 to 124 and y 170 to 505 in the window; its scale is
        // 840 by 5025 units. 1 January sits at (13.5, 1828), 31 January at (823.5, 420).
        auto toWindow = [](double x, double y) {
            return QPointF(68 + x * 55 / 840.0, 170 + y * 334 / 5025.0);
        };
        QVERIFY(darkNear(shot, toWindow(13.5, 1828), 1));
        QVERIFY(darkNear(shot, toWindow(823.5, 420), 1));
        // and no dot where the curve is not
        QVERIFY(!darkNear(shot, toWindow(13.5, 420), 1));
    }

    void theProgramIsStillRunning() { QCOMPARE(program.state(), QProcess::Running); }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
