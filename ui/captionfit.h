#pragma once
// A caption never loses a character: where the installed face at the designed size is wider than
// the control's box, the caption is drawn at the largest pixel size that fits. The designed font
// is the one the control had when it first fitted; where it fits, it is kept as it is.

#include <QFont>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>

namespace ui {

class CaptionFit {
public:
    // Captions are never drawn smaller than this, however narrow the face leaves their box.
    static constexpr int SmallestPixels = 6;

    // Whether the caption or the room for it changed since this was last asked, so that a
    // control fits again only then; they are remembered for the next time.
    bool changed(QSize room, const QString& caption) {
        if (room == room_ && caption == caption_) return false;
        room_ = room;
        caption_ = caption;
        return true;
    }

    // The font the control was designed with (`current`, the first time it is asked).
    QFont designFont(const QFont& current) {
        if (!design_) design_ = current;
        return *design_;
    }

    // The font to draw with, given whether a caption fits with a font's metrics.
    template <class Fits> QFont font(const QFont& current, const Fits& fits) {
        QFont font = designFont(current);
        if (font.pixelSize() <= 0 || fits(QFontMetrics(font))) return font;
        for (int pixels = font.pixelSize() - 1; pixels >= SmallestPixels; --pixels) {
            font.setPixelSize(pixels);
            if (fits(QFontMetrics(font))) break;
        }
        return font;
    }

    // Sets the widget's font to the one that fits, if that is another.
    template <class Fits> void apply(QWidget& widget, const Fits& fits) {
        const QFont fitted = font(widget.font(), fits);
        if (fitted != widget.font()) widget.setFont(fitted);
    }

private:
    std::optional<QFont> design_;
    QSize room_;
    QString caption_;
};

// A control that fits its caption once it can be seen: as it shows, and on every new size. The
// control says how in fitFont(), which also runs when its caption changes.
template <class Widget> class FitsCaption : public Widget {
public:
    using Widget::Widget;

protected:
    virtual void fitFont() = 0;
    void resizeEvent(QResizeEvent* event) override {
        Widget::resizeEvent(event);
        fitFont();
    }
    void showEvent(QShowEvent* event) override {
        Widget::showEvent(event);
        fitFont();
    }
    CaptionFit captionFit_;
};

} // namespace ui
