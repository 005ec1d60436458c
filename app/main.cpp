#include "app/formstart.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::startUp();
    app::FormStart form;
    form.show();
    return QApplication::exec();
}
