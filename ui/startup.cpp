#include "ui/startup.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTranslator>

namespace ui {

void startUp() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitution();
    // The whole program speaks Greek, whatever the locale: so do the windows the toolkit draws
    // for it. The translator lives as long as the application.
    auto* toolkit = new QTranslator(qApp);
    if (toolkit->load(QStringLiteral(":/translations/qtbase_el.qm")))
        QCoreApplication::installTranslator(toolkit);
    else
        qWarning("the Greek texts of the toolkit are missing");
}

} // namespace ui
