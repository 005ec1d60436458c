#include "app/formstart.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::InstallFontSubstitution();
    app::FormStart form;
    form.show();
    return QApplication::exec();
}
