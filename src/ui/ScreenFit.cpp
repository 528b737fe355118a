#include "ui/ScreenFit.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace orbelle::ui {

namespace {

QMargins shownFrame(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

QMargins windowFrame(const QWidget& window) {
  // Once shown, the frame it had is kept while it is hidden.
  const QMargins own = shownFrame(window);
  const QWidget* active = QApplication::activeWindow();
  if (!own.isNull() || window.isVisible() || active == nullptr || active == &window) {
    return own;
  }
  return shownFrame(*active);
}

QSize scrolledFit(QSize page, QSize room, QSize bars) {
  bool across = false;
  bool down = false;
  // A bar one way may call for the other: twice round settles it.
  for (int round = 0; round < 2; ++round) {
    down = page.height() + (across ? bars.height() : 0) > room.height();
    across = page.width() + (down ? bars.width() : 0) > room.width();
  }
  const QSize needed(page.width() + (down ? bars.width() : 0),
                     page.height() + (across ? bars.height() : 0));
  return needed.boundedTo(room);
}

QPoint keptWithin(const QRect& outer, const QRect& room) {
  return {
      std::clamp(outer.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())),
      std::clamp(outer.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()))};
}

}  // namespace orbelle::ui
