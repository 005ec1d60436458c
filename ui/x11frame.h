#pragma once
// The frame a window manager put around a top-level window, in the window manager's own word.

#include <QMargins>
#include <optional>

class QWidget;

namespace ui {

// Under X: the window's _NET_FRAME_EXTENTS, empty margins where the window manager has set none
// (or there is none). Elsewhere nothing: the platform's own frame geometry is all there is.
std::optional<QMargins> x11FrameExtents(const QWidget& window);

} // namespace ui
