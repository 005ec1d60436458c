#include "ui/fonts.h"

#include <QStringList>
#include <cmath>

namespace ui {

void InstallFontSubstitution() {
    if (!QFont::substitutes(DesignFamily).contains(SubstituteFamily))
        QFont::insertSubstitution(DesignFamily, SubstituteFamily);
}

QFont DesignFont(double points, bool bold) {
    QFont font(DesignFamily);
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace ui
