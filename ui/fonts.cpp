#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <cmath>

namespace ui {

namespace {

// The family the captions are drawn in. Where the design family is missing and its substitute
// is installed, fonts ask for the substitute by its own name: the same faces are drawn, and the
// font database is spared a search through every installed font for fallbacks at each size,
// weight and script the window uses.
QString& drawnFamily() {
    static QString family = DesignFamily;
    return family;
}

} // namespace

void installFontSubstitution() {
    if (!QFont::substitutes(DesignFamily).contains(SubstituteFamily))
        QFont::insertSubstitution(DesignFamily, SubstituteFamily);
    const QStringList installed = QFontDatabase::families();
    const bool substituted = !installed.contains(DesignFamily, Qt::CaseInsensitive) &&
                             installed.contains(SubstituteFamily, Qt::CaseInsensitive);
    drawnFamily() = substituted ? SubstituteFamily : DesignFamily;
    // The default font takes the drawn family at its own size. Left as the platform's family
    // alias, it costs two searches for fallbacks, for nothing: the only captions that use it
    // (East/West's) are hidden behind their narrow buttons.
    QFont standard = QGuiApplication::font();
    if (standard.family() != drawnFamily()) {
        standard.setFamily(drawnFamily());
        QGuiApplication::setFont(standard);
    }
}

QFont designFont(double points, bool bold) {
    QFont font(drawnFamily());
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace ui
