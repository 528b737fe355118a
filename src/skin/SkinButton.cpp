#include "skin/SkinButton.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "skin/ImageRegion.h"

namespace orbelle {

namespace {

// Room kept clear on each side of a caption, so that no letter touches the face's border, and
// between the lines of a caption, so that they do not touch each other.
constexpr int kCaptionMargin = 3;
constexpr int kLineGap = 2;

QPixmap load(const QString& path) { return path.isEmpty() ? QPixmap() : QPixmap(path); }

// "&Upgrade" reads "Upgrade"; "&&" is a literal ampersand.
QString withoutMnemonics(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace

SkinButton::SkinButton(QWidget* parent, SkinKind kind) : QAbstractButton(parent) {
  textColour_ = palette().color(QPalette::ButtonText);
  setMouseTracking(true);  // hover needs moves without a button held
  setKind(kind);
  connect(this, &QAbstractButton::toggled, this, &SkinButton::onToggled);
}

SkinButton::SkinButton(const QString& caption, QWidget* parent, SkinKind kind)
    : SkinButton(parent, kind) {
  setText(caption);
}

void SkinButton::setKind(SkinKind kind) {
  model_.setKind(kind);
  setCheckable(kind != SkinKind::Push);  // also clears Qt's check state
  // Qt reads an exclusive checkable button as a radio button, for screen readers too.
  setAutoExclusive(kind == SkinKind::Radio);
  model_.setCheck(false);
  update();
}

void SkinButton::setSkin(const SkinImages& images, std::int16_t drawMode, bool drawEdge,
                         std::int16_t focusInset) {
  images_ = images;
  if (images_.disabled.isNull()) {
    images_.disabled = images_.normal;
  }
  const SkinOptions options = skinOptions(drawMode, drawEdge, focusInset);
  model_.setSkin({!images_.normal.isNull(), !images_.pressed.isNull(), !images_.hover.isNull(),
                  !images_.disabled.isNull(), !images_.focus.isNull()},
                 options);

  shape_ = imageRegion(images_.shape);
  if (!shape_) {
    clearMask();
  } else if (shape_->isEmpty()) {
    // An empty mask would mean no mask at all: one outside the button hides all of it.
    setMask(QRegion(-1, -1, 1, 1));
  } else {
    setMask(*shape_);
  }
  if (shape_ && options.drawMode == SkinDrawMode::Natural) {
    resize(images_.shape.deviceIndependentSize().toSize());
  }
  // Stretched and tiled faces cover the whole button: nothing beneath needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent, !shape_ && options.drawMode != SkinDrawMode::Natural);
  updateGeometry();
  update();
}

void SkinButton::setSkin(const SkinImagePaths& paths, std::int16_t drawMode, bool drawEdge,
                         std::int16_t focusInset) {
  setSkin(SkinImages{load(paths.normal), load(paths.pressed), load(paths.hover),
                     load(paths.disabled), load(paths.focus), load(paths.shape)},
          drawMode, drawEdge, focusInset);
}

void SkinButton::setFocusRing(const QColor& colour) {
  focusRing_ = colour;
  update();
}

QColor SkinButton::setTextColour(const QColor& colour) {
  const QColor previous = textColour_;
  textColour_ = colour;
  update();
  return previous;
}

void SkinButton::setText(const QString& caption) {
  QAbstractButton::setText(caption);
  const QString spoken =
      QString::fromStdString(spokenCaption(withoutMnemonics(caption).toStdString()));
  if (accessibleName().isEmpty() || accessibleName() == autoName_) {
    setAccessibleName(spoken);
    autoName_ = spoken;
  }
}

QSize SkinButton::sizeHint() const {
  if (!images_.normal.isNull()) {
    return images_.normal.deviceIndependentSize().toSize();
  }
  return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(16, 10);
}

bool SkinButton::hitButton(const QPoint& pos) const {
  return shape_ ? shape_->contains(pos) : rect().contains(pos);
}

void SkinButton::nextCheckState() {
  if (isCheckable()) {
    setChecked(model_.checkAfterClick());
  }
}

void SkinButton::onToggled(bool on) {
  if (model_.setCheck(on) && parentWidget() != nullptr) {
    for (auto* other : parentWidget()->findChildren<SkinButton*>(Qt::FindDirectChildrenOnly)) {
      if (other != this && other->kind() == SkinKind::Radio) {
        other->setChecked(false);
      }
    }
  }
  update();
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && hitButton(event->position().toPoint())) {
    model_.press();
  }
  QAbstractButton::mousePressEvent(event);  // takes the press: pushed, pressed()
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
  const bool over = hitButton(event->position().toPoint());
  if (model_.tracking()) {
    model_.move(over);
    QAbstractButton::mouseMoveEvent(event);  // pushed follows the pointer
    return;
  }
  // A press whose tracking ended with the focus must not push the button again.
  if (model_.move(over)) {
    update();
  }
  event->ignore();
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_.release(hitButton(event->position().toPoint()));
  }
  QAbstractButton::mouseReleaseEvent(event);  // clicks when released over the button
  update();
}

namespace {

bool isEnter(const QKeyEvent& event) {
  return event.modifiers() == Qt::NoModifier &&
         (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

}  // namespace

bool SkinButton::event(QEvent* event) {
  // Enter belongs to the focused push button before any window shortcut (the default
  // button's) sees it.
  if (event->type() == QEvent::ShortcutOverride && kind() == SkinKind::Push &&
      isEnter(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QAbstractButton::event(event);
}

void SkinButton::keyPressEvent(QKeyEvent* event) {
  // A focused push button answers Enter as a QPushButton in a dialog does.
  if (kind() == SkinKind::Push && isEnter(*event)) {
    animateClick();
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
  if (model_.leave()) {
    update();
  }
  QAbstractButton::leaveEvent(event);
}

void SkinButton::focusOutEvent(QFocusEvent* event) {
  if (model_.focusLost()) {
    setDown(false);
  }
  QAbstractButton::focusOutEvent(event);
}

const QPixmap& SkinButton::image(SkinImage which) const {
  switch (which) {
    case SkinImage::Pressed:
      return images_.pressed;
    case SkinImage::Hover:
      return images_.hover;
    case SkinImage::Disabled:
      return images_.disabled;
    case SkinImage::Focus:
      return images_.focus;
    case SkinImage::Normal:
      break;
  }
  return images_.normal;
}

void SkinButton::paintImage(QPainter& painter, const QPixmap& pixmap) const {
  // QPainter places a pixmap at its logical size, so a ratio-2 image maps 1:1 onto a ratio-2
  // screen.
  switch (model_.options().drawMode) {
    case SkinDrawMode::Natural:
      painter.drawPixmap(QPointF(0, 0), pixmap);
      break;
    case SkinDrawMode::Stretched:
      painter.drawPixmap(QRectF(rect()), pixmap, QRectF(pixmap.rect()));
      break;
    case SkinDrawMode::Tiled:
      painter.drawTiledPixmap(rect(), pixmap);
      break;
  }
}

QStringList SkinButton::captionLines() const {
  const CaptionLayout layout = layoutCaption(text().toStdString());
  const QString caption = QString::fromStdString(layout.text);
  return layout.oneLine ? QStringList{caption} : caption.split(u'\n');
}

QRect SkinButton::captionArea() const {
  const int side = model_.options().focusInset + 2 + kCaptionMargin;
  return rect().adjusted(side, 0, -side, 0);
}

void SkinButton::paintCaption(QPainter& painter, CaptionStyle style) const {
  const int side = model_.options().focusInset + 2;
  QRect box = rect().adjusted(side, 0, -side, 0);
  const CaptionLayout layout = layoutCaption(text().toStdString());
  const QString caption = QString::fromStdString(layout.text);
  const QStringList lines = captionLines();
  // A caption a little too wide for its face is drawn a little smaller, rather than touch
  // the border.
  QFont font = painter.font();
  int widest = 0;
  for (const QString& line : lines) {
    widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
  }
  const int room = captionArea().width();
  if (widest > room && room > 0) {
    const double shrink = static_cast<double>(room) / widest;
    if (font.pixelSize() > 0) {
      font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
    } else {
      font.setPointSizeF(font.pointSizeF() * shrink);
    }
    painter.setFont(font);
  }
  const QFontMetrics metrics(font);
  const int lineCount = static_cast<int>(lines.size());
  const int spare =
      lineCount > 1 ? (box.height() - lineCount * metrics.lineSpacing()) / (lineCount - 1) : 0;
  const int step = metrics.lineSpacing() + std::clamp(spare, 0, kLineGap);
  const auto draw = [&](const QRect& where) {
    if (layout.oneLine) {
      painter.drawText(where, Qt::TextShowMnemonic | Qt::AlignCenter | Qt::TextSingleLine, caption);
      return;
    }
    for (int i = 0; i < lineCount; ++i) {
      painter.drawText(QRect(where.left(), where.top() + i * step, where.width(), step),
                       Qt::TextShowMnemonic | Qt::AlignHCenter | Qt::AlignTop, lines.at(i));
    }
  };
  switch (style) {
    case CaptionStyle::Embossed:
      painter.setPen(palette().color(QPalette::Light));
      draw(box);
      box.translate(-1, -1);
      painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
      break;
    case CaptionStyle::Pushed:
      box.translate(1, 1);
      painter.setPen(textColour_);
      break;
    case CaptionStyle::Plain:
      painter.setPen(textColour_);
      break;
  }
  draw(box);
}

void SkinButton::paintEvent(QPaintEvent* /*event*/) {
  if (shape_ && shape_->isEmpty()) {
    return;
  }
  QPainter painter(this);
  if (shape_) {
    painter.setClipRegion(*shape_);
  }
  const SkinFace face = model_.face(isEnabled(), isDown(), hasFocus());
  if (face.image) {
    paintImage(painter, image(*face.image));
  } else {
    painter.fillRect(rect(), palette().color(QPalette::Button));
  }
  if (face.edge != SkinEdge::None) {
    qDrawWinPanel(&painter, rect(), palette(), face.edge == SkinEdge::Sunken);
  }
  if (focusRing_.isValid() && hasFocus() && isEnabled()) {
    // On the part of the face that shows: a face drawn at its natural size may be cut.
    QRect shown = rect();
    if (model_.options().drawMode == SkinDrawMode::Natural && !images_.normal.isNull()) {
      shown &= QRect(QPoint(0, 0), images_.normal.deviceIndependentSize().toSize());
    }
    painter.setPen(QPen(focusRing_, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(shown).adjusted(2, 2, -2, -2));
  }
  if (face.focusRect) {
    const int inset = model_.options().focusInset;
    painter.setPen(QPen(textColour_, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
  }
  paintCaption(painter, face.caption);
}

}  // namespace orbelle
