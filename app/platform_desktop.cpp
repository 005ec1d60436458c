#include "app/platform.h"

#include <QWidget>

namespace app::platform {

void prepareFonts() {}

void showWindow(QWidget& window) {
    window.show();
}

bool printsToPdf() {
    return false;
}

void deliverPdf(const QByteArray& /*pdf*/, const QString& /*fileName*/) {}

bool clipboardTakesPictures() {
    return true;
}

} // namespace app::platform
