#pragma once
// Where controls stand in the window, in logical pixels: their designed twips over 15, rounded
// once, a picture box's children inside its 2 px border. The window and high-density tests both
// hold the window to these.

#include <QRect>
#include <QtTest>

// The rows, as QtTest data: the control's name and its rectangle in the window.
inline void addDesignedPixelRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("location frame") << "FrameLocGeoCo" << QRect(10, 10, 730, 129);
    QTest::newRow("degrees") << "TextMLo" << QRect(262, 40, 34, 29);
    QTest::newRow("table button") << "CommandMatrix" << QRect(570, 89, 113, 25);
    QTest::newRow("diagram") << "PictureDiagram" << QRect(10, 152, 730, 400);
    QTest::newRow("January") << "PictureM1" << QRect(68, 170, 56, 335);
    QTest::newRow("February touches January") << "PictureM2" << QRect(124, 170, 50, 335);
    QTest::newRow("March after the overlap") << "PictureM3" << QRect(174, 170, 56, 335);
    QTest::newRow("December") << "PictureM12" << QRect(669, 170, 56, 335);
    QTest::newRow("a day number") << "LabelMonth(30)" << QRect(508, 477, 20, 24);
}
