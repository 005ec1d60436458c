#include "ui/placement.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

int pixelOf(double twips) {
    const double pixels = std::nearbyint(twips / TwipsPerPixel);
    // Designed values are small; only a corrupt value could leave this range.
    return static_cast<int>(std::clamp(pixels, -1.0e6, 1.0e6));
}

void Placement::setLeft(float left) {
    rect_.left = left;
    place();
}
void Placement::setTop(float top) {
    rect_.top = top;
    place();
}
void Placement::setWidth(float width) {
    rect_.width = width;
    place();
}
void Placement::setHeight(float height) {
    rect_.height = height;
    place();
}
void Placement::setTwipRect(const TwipRect& rect) {
    rect_ = rect;
    place();
}

void Placement::setContainer(Placement* container) {
    container_ = container;
    if (container) container->children_.push_back(this);
    place();
}

double Placement::outerLeft() const {
    return container_ ? container_->insideLeft() + rect_.left : 0.0;
}
double Placement::outerTop() const {
    return container_ ? container_->insideTop() + rect_.top : 0.0;
}
double Placement::insideLeft() const {
    return outerLeft() + inset_;
}
double Placement::insideTop() const {
    return outerTop() + inset_;
}

void Placement::place() {
    if (!container_) return; // the window places itself
    const double left = outerLeft();
    const double top = outerTop();
    const int x = pixelOf(left);
    const int y = pixelOf(top);
    const int width = std::max(0, pixelOf(left + rect_.width) - x);
    const int height = std::max(0, pixelOf(top + rect_.height) - y);
    const int parentX = pixelOf(container_->outerLeft());
    const int parentY = pixelOf(container_->outerTop());
    self_->setGeometry(x - parentX, y - parentY, width, height);
    for (Placement* child : children_) child->place();
}

} // namespace ui
