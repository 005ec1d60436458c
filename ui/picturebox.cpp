#include "ui/picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// A sunken picture-box border is two pixels wide.
constexpr float BorderTwips = 2 * TwipsPerPixel;

// Cuts the segment to the rectangle [left, right] x [top, bottom]. Returns false when nothing of
// it lies inside. Level and upright segments are cut exactly, however far their ends lie; others
// go through Liang-Barsky, whose result is dropped if far ends made it inexact.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom) {
    auto clamp = [](double& a, double& b, double low, double high) {
        const double lo = std::min(a, b), hi = std::max(a, b);
        if (hi < low || lo > high) return false;
        a = std::max(lo, low);
        b = std::min(hi, high);
        return true;
    };
    if (y1 == y2) return y1 >= top && y1 <= bottom && clamp(x1, x2, left, right);
    if (x1 == x2) return x1 >= left && x1 <= right && clamp(y1, y2, top, bottom);

    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    auto inside = [&](double x, double y) {
        return x >= left - 1 && x <= right + 1 && y >= top - 1 && y <= bottom + 1;
    };
    return inside(x1, y1) && inside(x2, y2);
}

} // namespace

PictureBox::PictureBox(QWidget* parent, bool border) : QFrame(parent), Placement(this) {
    if (border) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(2);
        setInset(BorderTwips);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void PictureBox::setScaleWidth(float width) {
    if (width == scaleWidth_) return;
    scaleWidth_ = width;
    update();
}

void PictureBox::setScaleHeight(float height) {
    if (height == scaleHeight_) return;
    scaleHeight_ = height;
    update();
}

QColor PictureBox::backColor() const {
    return palette().color(QPalette::Window);
}

void PictureBox::Cls() {
    if (operations_.empty()) return;
    operations_.clear(); // keeps its capacity: redrawing allocates nothing
    requestRepaint();
}

void PictureBox::requestRepaint() {
    // One request until the next paint: the toolkit would merge the rest into it anyway. A
    // request made while the picture is hidden is dropped by the toolkit, which paints the
    // picture whole when it shows again.
    if (repaintRequested_) return;
    repaintRequested_ = true;
    update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, QRgb colour) {
    operations_.push_back(DrawOp::line(x1, y1, x2, y2, colour, drawWidth_));
    requestRepaint();
}

void PictureBox::Circle(double x, double y, double radius, QRgb colour) {
    operations_.push_back(DrawOp::circle(x, y, radius, colour, drawWidth_));
    requestRepaint();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit Resize();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    repaintRequested_ = false;
    QFrame::paintEvent(event);
    if (operations_.empty() || scaleWidth_ <= 0 || scaleHeight_ <= 0) return;

    const QRect inside = contentsRect();
    if (inside.width() <= 0 || inside.height() <= 0) return;
    // The scale spans the inside from the first to the last pixel: a point at ScaleWidth lies on
    // the right edge, one at ScaleHeight on the bottom edge.
    const double sx = (inside.width() - 1) / static_cast<double>(scaleWidth_);
    const double sy = (inside.height() - 1) / static_cast<double>(scaleHeight_);
    const double ox = inside.left();
    const double oy = inside.top();
    // What lies past the inside is cut off; a margin keeps wide pens whole at the edges.
    const double margin = 4.0;
    const double left = inside.left() - margin, right = inside.right() + 1 + margin;
    const double top = inside.top() - margin, bottom = inside.bottom() + 1 + margin;

    // An aliased pen lights the device pixel a coordinate falls in; snapping to the nearest
    // device pixel first keeps a line that lies on the last pixel from dropping to the one before.
    const double ratio = devicePixelRatioF();
    auto snap = [ratio](double v) { return std::round(v * ratio) / ratio; };

    QPainter painter(this);
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    // The pen changes only where the colour or the width does, a few times per picture.
    bool penSet = false;
    QRgb penColour = 0;
    int penWidth = 0;
    for (const DrawOp& op : operations_) {
        const int width = std::clamp(op.width, 1, 64);
        if (!penSet || op.colour != penColour || width != penWidth) {
            pen.setColor(QColor::fromRgb(op.colour));
            pen.setWidth(width);
            painter.setPen(pen);
            penSet = true;
            penColour = op.colour;
            penWidth = width;
        }
        if (op.kind == DrawOp::Kind::Line) {
            double x1 = ox + op.x1 * sx, y1 = oy + op.y1 * sy;
            double x2 = ox + op.x2 * sx, y2 = oy + op.y2 * sy;
            if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) ||
                !std::isfinite(y2))
                continue;
            if (!ClipSegment(x1, y1, x2, y2, left, top, right, bottom)) continue;
            painter.drawLine(QLineF(snap(x1), snap(y1), snap(x2), snap(y2)));
        } else {
            const double cx = ox + op.x1 * sx, cy = oy + op.y1 * sy;
            const double r = std::fabs(op.radius * sx);
            if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) continue;
            // Skip circles whose outline cannot cross the inside.
            if (cx + r < left || cx - r > right || cy + r < top || cy - r > bottom) continue;
            const double far = std::hypot(std::max(std::fabs(cx - left), std::fabs(cx - right)),
                                          std::max(std::fabs(cy - top), std::fabs(cy - bottom)));
            if (r > far + margin) continue; // the inside lies wholly within the circle
            painter.drawEllipse(QPointF(cx, cy), r, r);
        }
    }
}

} // namespace ui
