// The program exactly as app/main.cpp starts it, except that it ends at its first painted frame
// and says when. The start-up benchmark runs this against the floor.

#include "app/formstart.h"
#include "bench/firstframe.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::startUp();
    app::FormStart form;
    bench::QuitOnFirstFrame(form);
    form.show();
    return QApplication::exec();
}
