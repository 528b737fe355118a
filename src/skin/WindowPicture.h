#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/Look.h"

class QDialog;

namespace orbelle::skin {

// One picture of a window: a part of an image resource, drawn at a place of the window in
// pixels (not dialog units: the pictures do not follow the dialog font).
struct PicturePlacement {
  QString resource;
  QRect source;
  QRect target;
  QString name;  // what a screen reader says of it
  // Drawn whole even when only a part of it is to be repainted.
  bool drawnWhole = false;
};

std::vector<PicturePlacement> placementsOf(ui::WindowPicture picture);

// The image of `resource` for a screen of `ratio`: the "@2x" file beside it where the ratio
// is above 1 and one exists (`scale` 2), else the file itself (`scale` 1). A built-in
// resource (":/...") is decoded once and kept, premultiplied where it has an alpha channel.
QImage loadForRatio(const QString& resource, qreal ratio, int& scale);

// The `source` part of `resource` at `size` logical pixels for a screen of `ratio`: the "@2x"
// file beside the resource where the ratio is above 1 and one exists, exactly-white pixels
// made transparent before the smooth scaling so that no white fringe is left. A missing
// resource gives a null pixmap.
QPixmap preparePicture(const QString& resource, QRect source, QSize size, qreal ratio);

// A picture behind the controls: no focus, no mouse, a graphic to screen readers.
class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  PictureWidget(QWidget& window, PicturePlacement placement);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PicturePlacement placement_;
  QPixmap pixmap_;
  qreal madeFor_ = 0;  // the ratio of the screen that pixmap_ was made for
};

// Adds the window's pictures below its controls.
void addPictures(QDialog& window, ui::WindowPicture picture);

}  // namespace orbelle::skin
