#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace orbelle::ui {

// The title bar and borders round a window, as the platform reports them. A window manager
// that frames windows itself (X11) has reported nothing before the first showing: the active
// window's frame, which the same manager drew, stands in for it.
QMargins windowFrame(const QWidget& window);

// The size of a window that shows `page` through a scroll area within `room`: the page
// whole if it fits, else as much as fits together with the scroll bars (`bars`: the vertical
// bar's width, the horizontal one's height) that the page then needs; a bar takes no room
// from the page across it, so that a page that fits one way does not scroll that way.
QSize scrolledFit(QSize page, QSize room, QSize bars);

// Where a window whose frame is `outer` goes to stand wholly within `room`, as near as it can.
QPoint keptWithin(const QRect& outer, const QRect& room);

}  // namespace orbelle::ui
