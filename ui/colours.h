#pragma once
// Every colour the program names, each defined once.

#include <QColor>

namespace ui {

struct Rgb {
    int r = -1, g = -1, b = -1; // -1: the platform's colour for the kind
    QColor colour() const { return r < 0 ? QColor() : QColor(r, g, b); }
    constexpr QRgb rgb() const { return qRgb(r, g, b); }
};

// The window's controls.
inline constexpr Rgb LightYellow{255, 255, 192};
inline constexpr Rgb Lavender{192, 192, 255};
inline constexpr Rgb LightGreen{192, 255, 192};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb DarkBlue{0, 0, 192};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Purple{128, 0, 128};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
// A frame's etched line: grey, with a white one beside it.
inline constexpr Rgb EtchGrey{128, 128, 128};
// The month pictures' borders and day lines, a shade deeper than their backgrounds.
inline constexpr Rgb Periwinkle{160, 160, 255};
inline constexpr Rgb PaleGreen{153, 223, 142};

} // namespace ui
