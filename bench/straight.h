#pragma once
// The year diagram drawn straight with QPainter: what any program showing this design must
// spend on it. The design floor paints its month pictures this way, and the refresh benchmark
// measures the window's recorded pictures against it.

#include "ui/picturebox.h"

#include <QRect>
#include <vector>

class QPainter;

namespace bench {

// The month picture's operations in its user scale, as the design draws them for a location:
// a border, two day lines, 36 rows and 15 circles per day.
std::vector<ui::DrawOp> MonthOperations(int month, double longitude, double zoneMeridian);

// Draws `operations` into `inside` (device-independent pixels of the painter), the user scale
// spanning it from the first to the last pixel; nothing is checked, cut or snapped.
void DrawStraight(QPainter& painter, const std::vector<ui::DrawOp>& operations, const QRect& inside,
                  float scaleWidth, float scaleHeight);

} // namespace bench
