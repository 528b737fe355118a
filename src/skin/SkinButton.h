#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "skin/SkinButtonModel.h"

namespace orbelle {

// A skinned button's images; a null pixmap means none. Images with a device pixel ratio
// above 1 are painted at their logical size (sharp on a high-density screen).
struct SkinImages {
  QPixmap normal;
  QPixmap pressed;
  QPixmap hover;
  QPixmap disabled;  // none: the normal image
  QPixmap focus;
  QPixmap shape;  // its non-white pixels are the button's outline and click area
};

// The same images as Qt resource or file paths; an empty path (or one that does not load)
// means none.
struct SkinImagePaths {
  QString normal;
  QString pressed;
  QString hover;
  QString disabled;
  QString focus;
  QString shape;
};

// A button whose face is an image chosen by its state: normal, pressed, hovered, focused or
// disabled, with the caption drawn over it. Focus, the space bar, shortcuts, the clicked()
// signal and the accessible role stay QAbstractButton's; only painting and the mouse's
// hover and press tracking are its own. A double click is a second press (QWidget's way).
//
//   auto* ok = new SkinButton(tr("OK"), dialog);
//   ok->setSkin(SkinImagePaths{":/skin/149.png", ":/skin/150.png", ":/skin/148.png"}, 0);
//   ok->setTextColour(QColor(40, 23, 23));
//
// Kinds: Push (never checked), Check (a click toggles), Radio (a click checks it, and
// checking it unchecks the other Radio-kind SkinButtons with the same parent widget).
// The check state is QAbstractButton's: isChecked(), setChecked(), toggled().
class SkinButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SkinButton(QWidget* parent = nullptr, SkinKind kind = SkinKind::Push);
  SkinButton(const QString& caption, QWidget* parent, SkinKind kind = SkinKind::Push);

  SkinKind kind() const { return model_.kind(); }
  void setKind(SkinKind kind);

  // drawMode: 0 natural size from the top-left corner (with a shape image the button takes
  // the shape's logical size), 1 stretched to the button, 2 tiled; a negative value counts
  // as 0 and one above 1 as 2. drawEdge: a raised edge, sunken while pressed. focusInset:
  // with the focus, a dotted rectangle that far inside the edge; 0 (or negative) for none.
  void setSkin(const SkinImages& images, std::int16_t drawMode = 1, bool drawEdge = false,
               std::int16_t focusInset = 0);
  void setSkin(const SkinImagePaths& paths, std::int16_t drawMode = 1, bool drawEdge = false,
               std::int16_t focusInset = 0);

  // With the keyboard focus and enabled, a solid ring of `colour` just inside the visible
  // face, over whichever face the state shows (hovered too), so that the focus stands out and
  // is never taken for hover. The caption keeps its room. An invalid colour: no ring.
  void setFocusRing(const QColor& colour);

  // The caption's colour (the palette's button text until set); returns the previous one.
  QColor setTextColour(const QColor& colour);

  // Sets the caption and, unless the owner set an accessible name of its own, the
  // accessible name: the caption with its line breaks read as spaces. (Hides the
  // non-virtual QAbstractButton::setText: set captions through a SkinButton.)
  void setText(const QString& caption);

  // The outline in logical pixels, none without a shape image (empty: the shape had no
  // opaque pixel, and the button shows nothing and takes no clicks).
  const std::optional<QRegion>& shapeRegion() const { return shape_; }

  QSize sizeHint() const override;

  // The caption as it is drawn, line by line (a short one on one line), and the room its
  // lines have at the font's full size: a wider line is drawn smaller.
  QStringList captionLines() const;
  QRect captionArea() const;

 protected:
  bool hitButton(const QPoint& pos) const override;
  void nextCheckState() override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void onToggled(bool on);
  const QPixmap& image(SkinImage which) const;
  void paintImage(QPainter& painter, const QPixmap& pixmap) const;
  void paintCaption(QPainter& painter, CaptionStyle style) const;

  SkinButtonModel model_;
  SkinImages images_;
  std::optional<QRegion> shape_;
  QColor textColour_;
  QColor focusRing_;
  QString autoName_;  // the accessible name this button set, to tell the owner's apart
};

}  // namespace orbelle
