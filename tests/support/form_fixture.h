#pragma once
// The window as the window tests start it: set up once, then a new window for each test
// function, shown (and active where keys must reach it), and gone after it; and the keys and
// clicks the tests drive it with.

#include "app/formstart.h"
#include "support/child.h"
#include "ui/startup.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <memory>

class FormFixture {
protected:
    std::unique_ptr<app::FormStart> form;

    QWidget* control(const QString& name) { return child<QWidget>(*form, name); }
    ui::TextBox* box(const QString& name) { return child<ui::TextBox>(*form, name); }
    ui::ComboBox* combo(const QString& name) { return child<ui::ComboBox>(*form, name); }

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

    static void startUp() { ui::startUp(); }
    // Fails the test function, through QVERIFY, when the window does not show in time.
    void openForm(bool active) {
        form = std::make_unique<app::FormStart>();
        form->show();
        if (active) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        }
    }
};
