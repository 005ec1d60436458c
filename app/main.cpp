#include "app/formstart.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Desktops find the menu entry, and with it the icon, by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.exisosi.exisosi"));
    ui::startUp();
    app::FormStart form;
    form.show();
    return QApplication::exec();
}
