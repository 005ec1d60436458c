#include "ui/startup.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace ui {

void StartUp() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallFontSubstitution();
}

} // namespace ui
