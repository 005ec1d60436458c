#include "bench/straight.h"

#include "model/correction.h"
#include "views/diagram.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace bench {

namespace {

// The January picture every month is measured from, in twips.
constexpr double JanuaryWidth = 837;
constexpr double JanuaryHeight = 5020;

} // namespace

std::vector<ui::DrawOp> MonthOperations(int month, double longitude, double zoneMeridian) {
    const float dayWidth = static_cast<float>(JanuaryWidth) / views::DaysAcross;
    const float minuteHeight = static_cast<float>(JanuaryHeight) / views::MinutesDown;
    const double top =
        views::topMinuteFor(model::CorrectionMinutes(model::PeakDay, longitude, zoneMeridian));
    const views::MonthStyle& style = views::styleOf(month);

    std::vector<ui::DrawOp> ops;
    ops.push_back(ui::DrawOp::line(0, 0, 0, JanuaryHeight, style.line, 2));
    for (float days : style.dayLines)
        ops.push_back(
            ui::DrawOp::line(days * dayWidth, 0, days * dayWidth, JanuaryHeight, style.line, 1));
    for (int r = 1; r <= views::GridRows; ++r) {
        const double y = views::RowPitch * (r - 1);
        const bool fifth = std::fmod(top - r + 1, 5.0) == 0.0;
        ops.push_back(ui::DrawOp::line(0, y, JanuaryWidth, y, views::GridColour, fifth ? 2 : 1));
    }
    const int first = model::ofMonth(model::MonthStartDays, month);
    const int days = model::ofMonth(model::MonthLengths, month);
    for (int d = 0; d < days; ++d) {
        const double c = model::CorrectionMinutes(first + d, longitude, zoneMeridian);
        const double x = static_cast<float>(d) * dayWidth + dayWidth / 2.0f;
        const double y = views::roundHalfEven((top - c) * minuteHeight);
        for (int radius = 1; radius <= views::DotCircles; ++radius)
            ops.push_back(ui::DrawOp::circle(x, y, radius, views::DotColour, 1));
    }
    return ops;
}

void DrawStraight(QPainter& painter, const std::vector<ui::DrawOp>& operations, const QRect& inside,
                  float scaleWidth, float scaleHeight) {
    const double sx = (inside.width() - 1) / static_cast<double>(scaleWidth);
    const double sy = (inside.height() - 1) / static_cast<double>(scaleHeight);
    const double ox = inside.left(), oy = inside.top();
    painter.save();
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const ui::DrawOp& op : operations) {
        if (pen.color().rgba() != op.colour || pen.width() != op.width) {
            pen.setColor(QColor::fromRgba(op.colour));
            pen.setWidth(op.width);
            painter.setPen(pen);
        }
        if (op.kind == ui::DrawOp::Kind::Line)
            painter.drawLine(
                QLineF(ox + op.x1 * sx, oy + op.y1 * sy, ox + op.x2 * sx, oy + op.y2 * sy));
        else
            painter.drawEllipse(QPointF(ox + op.x1 * sx, oy + op.y1 * sy), op.radius * sx,
                                op.radius * sx);
    }
    painter.restore();
}

} // namespace bench
