#include "ui/picturebox.h"

#include <QCoreApplication>
#include <QPaintEngine>
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
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
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
    recordingChanged();
}

namespace {
// Posted to a picture when its recording has changed, to compare it with the one it shows.
const QEvent::Type CheckRecording = static_cast<QEvent::Type>(QEvent::registerEventType());
} // namespace

void PictureBox::recordingChanged() {
    // A handler clears and draws the whole picture in one go: compare once it is done, not at
    // every operation. The same drawing again, as a repeated refresh makes, repaints nothing.
    if (checkPosted_) return;
    checkPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(CheckRecording));
}

bool PictureBox::event(QEvent* event) {
    if (event->type() != CheckRecording) return QFrame::event(event);
    checkPosted_ = false;
    if (operations_ != shown_) {
        shown_ = operations_;
        // A request made while the picture is hidden is dropped by the toolkit, which paints
        // the picture whole when it shows again.
        update();
    }
    return true;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, QRgb colour) {
    operations_.push_back(DrawOp::line(x1, y1, x2, y2, colour, drawWidth_));
    recordingChanged();
}

void PictureBox::Circle(double x, double y, double radius, QRgb colour) {
    operations_.push_back(DrawOp::circle(x, y, radius, colour, drawWidth_));
    recordingChanged();
}

QPointF PictureBox::toScale(QPointF pixel) const {
    const QRect inside = contentsRect();
    const double sx = (inside.width() - 1) / static_cast<double>(scaleWidth_);
    const double sy = (inside.height() - 1) / static_cast<double>(scaleHeight_);
    return {sx > 0 ? (pixel.x() - inside.left()) / sx : 0.0,
            sy > 0 ? (pixel.y() - inside.top()) / sy : 0.0};
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit Resize();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    draw(painter);
}

void PictureBox::draw(QPainter& painter) const {
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

    painter.save();
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    // The pen changes only where the colour or the width does, a few times per picture.
    bool penSet = false;
    QRgb penColour = 0;
    int penWidth = 0;
    // The density of what is painted on: the screen's, or a picture's drawn for the clipboard.
    const QPaintDevice* target =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const double density = target ? target->devicePixelRatioF() : ratio;
    for (std::size_t i = 0; i < operations_.size(); ++i) {
        const DrawOp& op = operations_[i];
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
            if (!clipSegment(x1, y1, x2, y2, left, top, right, bottom)) continue;
            painter.drawLine(QLineF(snap(x1), snap(y1), snap(x2), snap(y2)));
            continue;
        }
        const double cx = ox + op.x1 * sx, cy = oy + op.y1 * sy;
        double r = std::fabs(op.radius * sx);
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) continue;
        // Above one device pixel to the logical one, each outline is a thick one, which the
        // toolkit strokes on a slow path. Circles around one centre whose outlines overlap into a
        // solid disc (a dot) are painted as that disc, filled once: the same pixels' shape.
        const std::size_t last = density > 1.0 ? solidDiscEnd(i, sx, width) : i;
        const bool disc = last > i;
        if (disc) r = std::fabs(operations_[last].radius * sx) + width / 2.0;
        // Skip circles whose outline cannot cross the inside.
        if (cx + r < left || cx - r > right || cy + r < top || cy - r > bottom) {
            i = last;
            continue;
        }
        const double far = std::hypot(std::max(std::fabs(cx - left), std::fabs(cx - right)),
                                      std::max(std::fabs(cy - top), std::fabs(cy - bottom)));
        if (!disc && r > far + margin) continue; // the inside lies wholly within the circle
        if (disc) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor::fromRgb(op.colour));
            painter.drawEllipse(QPointF(cx, cy), r, r);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(pen);
            i = last;
            continue;
        }
        painter.drawEllipse(QPointF(cx, cy), r, r);
    }
    painter.restore();
}

std::size_t PictureBox::solidDiscEnd(std::size_t first, double sx, int width) const {
    const DrawOp& start = operations_[first];
    // The smallest outline must cover the centre, and each next one must touch the one before.
    double previous = std::fabs(start.radius * sx);
    if (!(previous <= width / 2.0)) return first;
    std::size_t last = first;
    for (std::size_t j = first + 1; j < operations_.size(); ++j) {
        const DrawOp& next = operations_[j];
        if (next.kind != DrawOp::Kind::Circle || next.x1 != start.x1 || next.y1 != start.y1 ||
            next.colour != start.colour || next.width != start.width)
            break;
        const double radius = std::fabs(next.radius * sx);
        if (!(radius >= previous && radius - previous <= width)) break;
        previous = radius;
        last = j;
    }
    return last;
}

} // namespace ui
