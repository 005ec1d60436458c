#pragma once
// A picture box keeps what is drawn on it as a list of operations in its own user scale and
// replays the list whenever the platform repaints it, mapped to the widget at its device
// resolution. What shows is therefore what the last drawing made, however often it is covered.

#include "ui/placement.h"

#include <QColor>
#include <QFrame>
#include <vector>

class QPainter;

namespace ui {

struct DrawOp {
    enum class Kind { Line, Circle };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0; // line start, or circle centre
    double x2 = 0, y2 = 0; // line end
    double radius = 0;     // circle radius in horizontal scale units
    QRgb colour = 0;
    int width = 1; // logical pixels
    bool operator==(const DrawOp&) const = default;

    static DrawOp line(double x1, double y1, double x2, double y2, QRgb colour, int width) {
        return {Kind::Line, x1, y1, x2, y2, 0, colour, width};
    }
    static DrawOp circle(double x, double y, double radius, QRgb colour, int width) {
        return {Kind::Circle, x, y, 0, 0, radius, colour, width};
    }
};

class PictureBox : public QFrame, public Placement {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, bool border);

    // The user scale: the inside spans ScaleWidth by ScaleHeight units from (0, 0).
    float ScaleWidth() const { return scaleWidth_; }
    float ScaleHeight() const { return scaleHeight_; }
    void setScaleWidth(float width);
    void setScaleHeight(float height);

    void Cls();
    void DrawWidth(int width) { drawWidth_ = width; }
    void Line(double x1, double y1, double x2, double y2, QRgb colour);
    void Circle(double x, double y, double radius, QRgb colour);

    const std::vector<DrawOp>& operations() const { return operations_; }
    // Replays the recording on `painter`, whose origin is the picture's top-left corner: the
    // screen, or paper and pictures drawn for the clipboard.
    void draw(QPainter& painter) const;
    // A point of the widget in the picture's own scale, as its drawing is mapped.
    QPointF toScale(QPointF pixel) const;
    QColor backColor() const;

signals:
    // Every resize notification of the picture.
    void Resize();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Once the drawing in hand is done (when the event loop next runs), asks the platform for a
    // repaint if the recording is not the one the picture shows.
    void recordingChanged();
    // The last of the circles from `first` on that share its centre, colour and width and whose
    // outlines, `width` pixels wide, fill a disc without a gap; `first` where there are none.
    std::size_t solidDiscEnd(std::size_t first, double sx, int width) const;
    bool checkPosted_ = false;

    std::vector<DrawOp> operations_;
    // The recording the last repaint request was for: what the picture shows.
    std::vector<DrawOp> shown_;
    float scaleWidth_ = 1;
    float scaleHeight_ = 1;
    int drawWidth_ = 1;
};

} // namespace ui
