#pragma once
// Every control keeps its designed place and size in twips and reads them back unchanged; the
// widget's pixel rectangle is derived from them, 15 twips to a logical pixel.

#include <vector>

class QWidget;

namespace ui {

inline constexpr double TwipsPerPixel = 15.0;

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class Placement {
public:
    explicit Placement(QWidget* self) : self_(self) {}
    virtual ~Placement() = default;
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    float Left() const { return rect_.left; }
    float Top() const { return rect_.top; }
    virtual float Width() const { return rect_.width; }
    virtual float Height() const { return rect_.height; }

    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void setTwipRect(const TwipRect& rect);

    // Puts this control inside `container`, placed from the container's inside corner.
    void setContainer(Placement* container);

    QWidget* widget() const { return self_; }

    // Where the inside of this control starts, in twips from the window's client corner.
    virtual double insideLeft() const;
    virtual double insideTop() const;

protected:
    // The twips between the outer edge and the inside (a picture box's border).
    void setInset(float twips) { inset_ = twips; }
    // Sets the widget's pixel rectangle from the twip rectangle and places the children again.
    virtual void place();

    double outerLeft() const;
    double outerTop() const;

    TwipRect rect_;

private:
    QWidget* self_;
    Placement* container_ = nullptr;
    std::vector<Placement*> children_;
    float inset_ = 0;
};

// Rounds once, from the exact twips, so neighbours do not drift apart.
int pixelOf(double twips);

} // namespace ui
