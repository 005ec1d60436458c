#pragma once
// The window as the window tests start it: set up once, then a new window for each test
// function, shown (and active where keys must reach it), and gone after it.

#include "app/formstart.h"
#include "support/child.h"
#include "ui/startup.h"

#include <QtTest>
#include <memory>

class FormFixture {
protected:
    std::unique_ptr<app::FormStart> form;

    QWidget* control(const QString& name) { return child<QWidget>(*form, name); }
    ui::TextBox* box(const QString& name) { return child<ui::TextBox>(*form, name); }
    ui::ComboBox* combo(const QString& name) { return child<ui::ComboBox>(*form, name); }

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
