#include "app/platform.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QWidget>
#include <emscripten.h>

namespace app::platform {

void prepareFonts() {
    for (const char* face :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}

void showWindow(QWidget& window) {
    window.setWindowFlag(Qt::WindowCloseButtonHint, false);
    window.showNormal();
}

bool printsToPdf() {
    return true;
}

void deliverPdf(const QByteArray& pdf, const QString& fileName) {
    const QByteArray name = fileName.toUtf8();
    // A link to a Blob of the bytes, clicked: the browser's download, with no dialog of ours.
    // clang-format off: the formatter would break the script's arrows and object literals.
    EM_ASM(
        {
            const bytes = HEAPU8.slice($0, $0 + $1);
            const url = URL.createObjectURL(new Blob([bytes], {
                type:
                    'application/pdf'
            }));
            const link = document.createElement('a');
            link.href = url;
            link.download = UTF8ToString($2);
            document.body.appendChild(link);
            link.click();
            link.remove();
            setTimeout(
                function() { URL.revokeObjectURL(url); }, 60000);
        },
        pdf.constData(), pdf.size(), name.constData());
    // clang-format on
}

bool clipboardTakesPictures() {
    return false;
}

} // namespace app::platform
