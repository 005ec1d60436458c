#include "app/formstart.h"
#include "app/platform.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Desktops find the menu entry, and with it the icon, by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.exisosi.exisosi"));
    app::platform::prepareFonts();
    ui::startUp();
    app::FormStart form;
    app::platform::showWindow(form);
    return QApplication::exec();
}
