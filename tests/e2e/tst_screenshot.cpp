// The real program in a real X server, the one DISPLAY names (CTest runs the test under
// scripts/with-display.sh, with or without a window manager that frames the window): run the
// program, take a screenshot of the screen and check the colours and places a person sees, the
// hints the window gives the window manager, and what Ctrl+C puts on the X clipboard.

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The screen's size, read from the X server.
int ScreenWidth = 0, ScreenHeight = 0;
constexpr int ClientWidth = 750, ClientHeight = 568;
const QString Title = QStringLiteral("Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ");
const QColor LightYellow(255, 255, 192);
const QColor LightGreen(192, 255, 192);

// Where the window's client area stands on the screen, read once it is placed.
QPoint WindowAt;

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

// The first whole number after `label` in `text`, or -1.
int numberAfter(const QString& text, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) + "\\s*(-?\\d+)");
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestScreenshot : public QObject {
    Q_OBJECT
    QProcess program;
    const QString display = qEnvironmentVariable("DISPLAY");
    QImage shot;
    // Whether a window manager runs on the display, and the screen is smaller than the window
    // (then only the window's place is checked): both read from the X server.
    bool managed = false;
    bool small = false;

    // Runs an X client on the test's display and returns what it printed; a stuck client is
    // stopped.
    QByteArray xOutput(const QString& command, const QStringList& arguments, int ms = 10000) {
        QProcess client;
        client.start(command, arguments);
        if (!client.waitForFinished(ms)) {
            qWarning("%s %s did not finish within %d ms", qPrintable(command),
                     qPrintable(arguments.join(' ')), ms);
            client.kill();
            client.waitForFinished();
            return {};
        }
        return client.readAllStandardOutput();
    }
    QString x(const QString& command, const QStringList& arguments) {
        return QString::fromUtf8(xOutput(command, arguments));
    }
    QImage screenshot() {
        return QImage::fromData(xOutput("import", {"-window", "root", "png:-"}, 20000), "PNG");
    }
    // The client area on the screen, and the frame around it (left, right, top, bottom).
    QString windowId;
    QRect client() {
        const QString info = x("xwininfo", {"-name", Title});
        windowId = info.section("Window id: ", 1).section(' ', 0, 0);
        return {numberAfter(info, "Absolute upper-left X:"),
                numberAfter(info, "Absolute upper-left Y:"), numberAfter(info, "Width:"),
                numberAfter(info, "Height:")};
    }
    QMargins frame() {
        const QString extents = x("xprop", {"-id", windowId, "_NET_FRAME_EXTENTS"});
        const QStringList numbers = extents.section('=', 1).split(',', Qt::SkipEmptyParts);
        if (numbers.size() != 4) return {};
        return {numbers[0].toInt(), numbers[2].toInt(), numbers[1].toInt(), numbers[3].toInt()};
    }
    QRect outer() { return client().marginsAdded(frame()); }
    // Centred where the frame fits the screen; where it does not, at the screen's left or top
    // edge, so that the title bar and the close button stay within reach.
    static bool centred(QRect outer) {
        auto place = [](int screen, int size) {
            return size <= screen ? (screen - size) / 2.0 : 0.0;
        };
        return qAbs(outer.left() - place(ScreenWidth, outer.width())) <= 1 &&
               qAbs(outer.top() - place(ScreenHeight, outer.height())) <= 1;
    }
    // A click at a window point, once the pointer has got there.
    void click(QPoint point) {
        const QPoint on = WindowAt + point;
        x("xdotool",
          {"mousemove", "--sync", QString::number(on.x()), QString::number(on.y()), "click", "1"});
    }
    // The month pictures show while the diagram is on show, and only then: January's lavender.
    bool diagramOnShow() {
        const QImage now = screenshot();
        return !now.isNull() && near(at(now, 120, 175), QColor(192, 192, 255));
    }

private slots:
    void initTestCase() {
        QVERIFY2(!display.isEmpty(), "no DISPLAY: run the test under scripts/with-display.sh");
        const QString root = x("xwininfo", {"-root"});
        QVERIFY2(root.contains("the root window"), qPrintable("no answer from " + display));
        ScreenWidth = numberAfter(root, "Width:");
        ScreenHeight = numberAfter(root, "Height:");
        small = ScreenWidth < ClientWidth || ScreenHeight < ClientHeight;
        // A window manager names itself on the root window once it manages the screen.
        managed = x("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        qInfo("screen %dx%d, %s window manager", ScreenWidth, ScreenHeight,
              managed ? "with a" : "no");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels); // its complaints in the log
        program.start(EXISOSI_PROGRAM, {});
        QVERIFY2(program.waitForStarted(10000), "the program does not start");
        QTRY_VERIFY2_WITH_TIMEOUT(client().size() == QSize(ClientWidth, ClientHeight),
                                  qPrintable(QString("program %1, exit code %2, window %3")
                                                 .arg(program.state())
                                                 .arg(program.exitCode())
                                                 .arg(x("xwininfo", {"-root", "-tree"}))),
                                  30000);
        // The window is placed once it stands centred: a framed window is centred again once its
        // frame is known, so wait for the frame too.
        QTRY_VERIFY2_WITH_TIMEOUT(frame().isNull() != managed && centred(outer()),
                                  qPrintable(QString("client %1,%2, frame %3 %4 %5 %6")
                                                 .arg(client().x())
                                                 .arg(client().y())
                                                 .arg(frame().left())
                                                 .arg(frame().right())
                                                 .arg(frame().top())
                                                 .arg(frame().bottom())),
                                  10000);
        WindowAt = client().topLeft();
        if (small) return;

        // Wait until the screen shows the window painted where it stands: the light-yellow
        // location frame, and the last of the month pictures in its light green.
        QTRY_VERIFY_WITH_TIMEOUT((shot = screenshot(), !shot.isNull() &&
                                                           near(at(shot, 30, 100), LightYellow) &&
                                                           near(at(shot, 700, 175), LightGreen)),
                                 30000);
        shot.save(managed ? SCREENSHOT_PATH_MANAGED : SCREENSHOT_PATH);
    }

    void init() {
        if (small && QByteArray(QTest::currentTestFunction()) != "theWindowIsCentredByItsFrame")
            QSKIP("the window is larger than this screen: only its place is checked");
    }

    // Centred by its outer frame, title bar included; with no window manager there is no frame.
    // On a screen too small for it, the frame's top-left corner is on the screen.
    void theWindowIsCentredByItsFrame() {
        const QMargins margins = frame();
        QCOMPARE(margins.isNull(), !managed);
        if (managed) QVERIFY(margins.top() > margins.bottom()); // a title bar
        QVERIFY2(centred(outer()), qPrintable(QString("outer frame at %1,%2 size %3x%4")
                                                  .arg(outer().x())
                                                  .arg(outer().y())
                                                  .arg(outer().width())
                                                  .arg(outer().height())));
        QVERIFY(outer().left() >= 0 && outer().top() >= 0);
    }

    // What a person sees: the window's black margin begins where centring puts the client area,
    // on every side, and just outside the frame (none without a window manager) lies the white
    // screen. Worked from the screen's and the window's sizes and the frame the window manager
    // reports, not from where the X server says the window is.
    void theScreenShowsTheWindowCentred() {
        const QMargins margins = frame();
        const int outerWidth = ClientWidth + margins.left() + margins.right();
        const int outerHeight = ClientHeight + margins.top() + margins.bottom();
        const QRect client(QPoint((ScreenWidth - outerWidth) / 2 + margins.left(),
                                  (ScreenHeight - outerHeight) / 2 + margins.top()),
                           QSize(ClientWidth, ClientHeight));
        const QRect outer = client.marginsAdded(margins);
        const QColor black(0, 0, 0), white(255, 255, 255);
        const struct {
            const char* where;
            QPoint point;
            QColor colour;
        } points[] = {
            {"inside the left edge", {client.left() + 2, client.center().y()}, black},
            {"inside the right edge", {client.right() - 2, client.center().y()}, black},
            {"inside the top edge", {client.center().x(), client.top() + 2}, black},
            {"inside the bottom edge", {client.center().x(), client.bottom() - 2}, black},
            {"left of the window", {outer.left() - 3, client.center().y()}, white},
            {"right of the window", {outer.right() + 3, client.center().y()}, white},
            {"above the window", {client.center().x(), outer.top() - 3}, white},
            {"below the window", {client.center().x(), outer.bottom() + 3}, white},
        };
        for (const auto& [where, point, colour] : points) {
            const QColor seen = shot.pixelColor(point);
            QVERIFY2(near(seen, colour), qPrintable(QString("%1 at %2,%3 %4: %5")
                                                        .arg(seen.name())
                                                        .arg(point.x())
                                                        .arg(point.y())
                                                        .arg(where)
                                                        .arg(colour.name())));
        }
    }

    // A fixed size, a title, a close button and no minimise or maximise.
    void theWindowManagerIsToldTheDesign() {
        const QString hints = x("xprop", {"-id", windowId, "WM_NORMAL_HINTS", "_MOTIF_WM_HINTS"});
        QVERIFY2(hints.contains("minimum size: 750 by 568"), qPrintable(hints));
        QVERIFY2(hints.contains("maximum size: 750 by 568"), qPrintable(hints));
        // Motif hints: flags, functions, decorations. Functions: resize 2, move 4, minimise 8,
        // maximise 16, close 32; decorations: minimise 32, maximise 64.
        const QStringList motif =
            hints.section("_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = ", 1).section('\n', 0, 0).split(", ");
        QCOMPARE(motif.size(), 5);
        bool ok = false;
        const int functions = motif[1].toInt(&ok, 16), decorations = motif[2].toInt(&ok, 16);
        QVERIFY(functions & 32);
        QCOMPARE(functions & (8 | 16), 0);
        QCOMPARE(decorations & (32 | 64), 0);
        QVERIFY(x("xprop", {"-id", windowId, "_NET_WM_NAME"}).contains('"' + Title + '"'));
    }

    void cleanupTestCase() {
        program.kill();
        program.waitForFinished();
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
        QTest::newRow("location frame") << QPoint(30, 100) << lightYellow;
        QTest::newRow("diagram panel") << QPoint(30, 530) << lightYellow;
        QTest::newRow("January") << QPoint(120, 175) << lavender;
        QTest::newRow("February") << QPoint(150, 175) << lightGreen;
        QTest::newRow("March") << QPoint(215, 175) << lavender;
        QTest::newRow("December") << QPoint(700, 175) << lightGreen;
        // Colours the design leaves to the platform, whatever the location frame shows.
        QTest::newRow("degrees field") << QPoint(291, 44) << white;
        QTest::newRow("zone list field") << QPoint(350, 91) << white;
        // East and West stand on light yellow, all round their circles.
        QTest::newRow("East, top left") << QPoint(475, 44) << lightYellow;
        QTest::newRow("East, bottom right") << QPoint(487, 64) << lightYellow;
        QTest::newRow("West, top left") << QPoint(592, 44) << lightYellow;
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

    // The view buttons' captions are in the platform's button text (black), not the blue of the
    // location frame's caption.
    void buttonCaptionsInThePlatformColour_data() {
        QTest::addColumn<QRect>("button");
        QTest::newRow("Γράφημα") << QRect(466, 89, 81, 25);
        QTest::newRow("Πίνακας τιμών") << QRect(570, 89, 113, 25);
    }
    void buttonCaptionsInThePlatformColour() {
        QFETCH(QRect, button);
        int dark = 0, blue = 0;
        for (int y = button.top(); y <= button.bottom(); ++y)
            for (int x = button.left(); x <= button.right(); ++x) {
                const QColor c = at(shot, x, y);
                if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++dark;
                if (c.blue() > c.red() + 60) ++blue;
            }
        QVERIFY2(dark > 20 && blue == 0,
                 qPrintable(QString("%1 dark, %2 blue").arg(dark).arg(blue)));
    }

    // Ctrl+C after a click on a view button puts that view on the X clipboard.
    void copyReachesTheClipboard() {
        const QStringList clipboard{"-selection", "clipboard", "-o"};
        click({626, 101}); // Πίνακας τιμών
        QTRY_VERIFY_WITH_TIMEOUT(!diagramOnShow(), 10000);
        x("xdotool", {"key", "ctrl+c"});
        QTRY_VERIFY_WITH_TIMEOUT(
            x("xclip", clipboard + QStringList{"-t", "TARGETS"}).contains("UTF8_STRING"), 10000);
        const QStringList table = x("xclip", clipboard + QStringList{"-t", "UTF8_STRING"})
                                      .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(table.size(), 33);
        QCOMPARE(table[0],
                 QString("Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00"));
        QCOMPARE(table[1], QString("Ιανουάριος"));
        QCOMPARE(table[2], QString("1\t+29 min  +15 sec\t12:29:15"));

        click({506, 101}); // Γράφημα
        QTRY_VERIFY_WITH_TIMEOUT(diagramOnShow(), 10000);
        x("xdotool", {"key", "ctrl+c"});
        QTRY_VERIFY_WITH_TIMEOUT(
            x("xclip", clipboard + QStringList{"-t", "TARGETS"}).contains("image/png"), 10000);
        QCOMPARE(x("xclip", clipboard + QStringList{"-t", "UTF8_STRING"}).count('\n'), 378);
        const QImage picture =
            QImage::fromData(xOutput("xclip", clipboard + QStringList{"-t", "image/png"}), "PNG");
        QCOMPARE(picture.size(), QSize(1460, 800)); // the view area at twice its pixels
    }

    // Ctrl+P opens the print dialog, a window of its own; Escape closes it and the program goes on.
    void printOpensTheDialog() {
        x("xdotool", {"windowactivate", "--sync", windowId});
        x("xdotool", {"key", "ctrl+p"});
        const QStringList dialog{"search", "--onlyvisible", "--name", "^Εκτύπωση$"};
        QTRY_VERIFY_WITH_TIMEOUT(!x("xdotool", dialog).trimmed().isEmpty(), 20000);
        x("xdotool", {"key", "Escape"});
        QTRY_VERIFY_WITH_TIMEOUT(x("xdotool", dialog).trimmed().isEmpty(), 20000);
        QCOMPARE(program.state(), QProcess::Running);
    }

    // Still running, and where it was placed: the refreshes of the clicks above, which have
    // been answered, moved nothing.
    void theProgramIsStillRunningWhereItWasPlaced() {
        QCOMPARE(program.state(), QProcess::Running);
        QCOMPARE(client().topLeft(), WindowAt);
    }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
