#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <vector>

namespace orbelle::imagegen {

namespace {

// Every channel of a picture colour but white stays at most 223 in one channel at least,
// so that blends between two of them never come near white.
const QColor kWhite(255, 255, 255);
const QColor kInk(0x26, 0x32, 0x38);
const QColor kSlateDark(0x37, 0x47, 0x4f);
const QColor kSlate(0x45, 0x5a, 0x64);
const QColor kSlateMid(0x60, 0x7d, 0x8b);
const QColor kSlateLight(0x90, 0xa4, 0xae);
const QColor kGreyLight(0xb0, 0xbe, 0xc5);
const QColor kTealDark(0x00, 0x4d, 0x54);
const QColor kTeal(0x00, 0x83, 0x8f);
const QColor kTealLight(0x4d, 0xb6, 0xac);
const QColor kTealPale(0xb2, 0xdf, 0xdb);
const QColor kRedDark(0xb7, 0x1c, 0x1c);
const QColor kRed(0xe5, 0x39, 0x35);
const QColor kPink(0xff, 0xcd, 0xd2);
const QColor kGreen(0x66, 0xbb, 0x6a);
const QColor kAmber(0xff, 0xa0, 0x00);

QPointF unit(QPointF vector) {
  const qreal length = std::hypot(vector.x(), vector.y());
  return length > 0 ? vector / length : QPointF();
}

// A closed polygon whose corners are rounded by up to `radius`.
QPainterPath roundedPolygon(const std::vector<QPointF>& points, qreal radius) {
  QPainterPath path;
  const std::size_t count = points.size();
  for (std::size_t i = 0; i < count; ++i) {
    const QPointF previous = points[(i + count - 1) % count];
    const QPointF corner = points[i];
    const QPointF next = points[(i + 1) % count];
    const qreal in = std::min(radius, QLineF(previous, corner).length() / 2);
    const qreal out = std::min(radius, QLineF(corner, next).length() / 2);
    const QPointF from = corner + unit(previous - corner) * in;
    const QPointF to = corner + unit(next - corner) * out;
    if (i == 0) {
      path.moveTo(from);
    } else {
      path.lineTo(from);
    }
    path.quadTo(corner, to);
  }
  path.closeSubpath();
  return path;
}

QPen outline(const QColor& colour, qreal width) {
  return {colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

void fill(QPainter& painter, const QPainterPath& path, const QColor& colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPath(path);
}

void fillAndOutline(QPainter& painter, const QPainterPath& path, const QColor& colour,
                    qreal width = 4) {
  painter.setPen(outline(kInk, width));
  painter.setBrush(colour);
  painter.drawPath(path);
}

}  // namespace

const QList<QRgb>& picturePalette() {
  static const QList<QRgb> palette = [] {
    QList<QRgb> colours;
    for (const QColor& colour :
         {kWhite, kInk, kSlateDark, kSlate, kSlateMid, kSlateLight, kGreyLight, kTealDark, kTeal,
          kTealLight, kTealPale, kRedDark, kRed, kPink, kGreen, kAmber}) {
      colours.append(colour.rgb());
    }
    return colours;
  }();
  return palette;
}

void drawButtonFace(QPainter& painter, QSizeF size, Face face) {
  // The buttons paint their face at natural size from its top-left corner, and most of
  // them are smaller than the face: so the face is square-cornered, shaded from top to
  // bottom, with its edge on the top and left only, and looks whole wherever it is cut.
  // Its ground is darker than the dialog's, so that the cut sides still show; red stays
  // at most 220 everywhere: nothing near white.
  const QRectF body(QPointF(), size);
  QLinearGradient ground(body.topLeft(), body.bottomLeft());
  QColor edge;
  QColor highlight;
  switch (face) {
    case Face::Normal:
      ground.setColorAt(0, QColor(206, 224, 228));
      ground.setColorAt(1, QColor(164, 190, 197));
      edge = kSlateMid;
      highlight = QColor(220, 236, 238);
      break;
    case Face::Hover:
      ground.setColorAt(0, QColor(196, 230, 228));
      ground.setColorAt(1, QColor(140, 198, 196));
      edge = kTeal;
      highlight = QColor(214, 240, 238);
      break;
    case Face::Pressed:
      ground.setColorAt(0, QColor(148, 176, 183));
      ground.setColorAt(1, QColor(186, 208, 213));
      edge = kTealDark;
      highlight = QColor(120, 146, 155);
      break;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(body, ground);
  const qreal right = size.width();
  const qreal bottom = size.height();
  painter.fillRect(QRectF(0, 0, right, 1), edge);
  painter.fillRect(QRectF(0, 0, 1, bottom), edge);
  // A second line inside the edge: light when raised, a shadow when pressed.
  painter.fillRect(QRectF(1, 1, right - 1, 1), highlight);
  painter.fillRect(QRectF(1, 1, 1, bottom - 1), highlight);
}

void drawBaseUnit(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGreyLight);
  painter.drawEllipse(QRectF(8, 194, 184, 22));
  // Feet, then the antenna behind the cradle.
  for (const qreal x : {24.0, 144.0}) {
    fillAndOutline(painter, roundedPolygon({{x, 180}, {x + 32, 180}, {x + 32, 202}, {x, 202}}, 5),
                   kInk, 3);
  }
  fillAndOutline(painter, roundedPolygon({{149, 30}, {167, 30}, {167, 126}, {149, 126}}, 9),
                 kSlateDark);
  fillAndOutline(painter, roundedPolygon({{145, 8}, {171, 8}, {171, 34}, {145, 34}}, 13), kInk);
  painter.setPen(outline(kSlateMid, 4));
  painter.drawLine(QPointF(155, 44), QPointF(155, 110));
  fillAndOutline(painter, roundedPolygon({{138, 96}, {178, 96}, {178, 124}, {138, 124}}, 6),
                 kSlate);

  const QPainterPath body =
      roundedPolygon({{36, 108}, {164, 108}, {192, 148}, {192, 192}, {8, 192}, {8, 148}}, 12);
  fill(painter, body, kSlate);
  painter.save();
  painter.setClipPath(body);
  painter.fillPath(roundedPolygon({{36, 108}, {164, 108}, {192, 150}, {8, 150}}, 10), kSlateLight);
  painter.fillRect(QRectF(0, 158, 200, 10), kTeal);
  painter.fillRect(QRectF(0, 150, 200, 3), kSlateDark);
  painter.restore();
  painter.setPen(outline(kInk, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(body);

  // The well the handheld rests in, with its charging contacts.
  fillAndOutline(painter, roundedPolygon({{60, 116}, {140, 116}, {152, 138}, {48, 138}}, 7), kInk,
                 3);
  painter.fillRect(QRectF(84, 130, 10, 5), kAmber);
  painter.fillRect(QRectF(106, 130, 10, 5), kAmber);
  // Status lights and a grille.
  painter.setPen(outline(kInk, 2));
  painter.setBrush(kGreen);
  painter.drawEllipse(QPointF(30, 179), 6, 6);
  painter.setBrush(kAmber);
  painter.drawEllipse(QPointF(50, 179), 6, 6);
  painter.setPen(outline(kSlateDark, 4));
  for (const qreal y : {176.0, 184.0}) {
    painter.drawLine(QPointF(128, y), QPointF(176, y));
  }
}

void drawHandheld(QPainter& painter) {
  const QPainterPath grip =
      roundedPolygon({{96, 100}, {164, 100}, {184, 290}, {180, 318}, {126, 318}, {114, 294}}, 14);
  fill(painter, grip, kSlate);
  painter.save();
  painter.setClipPath(grip);
  painter.fillPath(roundedPolygon({{140, 136}, {162, 136}, {178, 286}, {152, 290}}, 9), kSlateDark);
  painter.fillRect(QRectF(100, 298, 100, 30), kInk);
  painter.restore();
  painter.setPen(outline(kInk, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(grip);

  fillAndOutline(painter,
                 roundedPolygon({{66, 112}, {100, 112}, {104, 176}, {90, 180}, {74, 150}}, 7),
                 kSlateMid);

  const QPainterPath head =
      roundedPolygon({{14, 38}, {164, 14}, {190, 34}, {190, 102}, {170, 126}, {14, 126}}, 16);
  fill(painter, head, kTeal);
  painter.save();
  painter.setClipPath(head);
  painter.setPen(outline(kTealLight, 10));
  painter.drawLine(QPointF(24, 44), QPointF(170, 21));
  painter.fillRect(QRectF(0, 110, 200, 20), kTealDark);
  painter.restore();
  painter.setPen(outline(kInk, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(head);

  // Keys and the good-read light on top.
  painter.setPen(outline(kInk, 2));
  painter.setBrush(kGreen);
  painter.drawEllipse(QPointF(158, 50), 7, 7);
  painter.setBrush(kTealDark);
  painter.drawPath(roundedPolygon({{96, 62}, {136, 56}, {136, 72}, {96, 78}}, 4));

  // The scan window at the nose.
  fillAndOutline(painter, roundedPolygon({{6, 42}, {34, 38}, {34, 122}, {6, 122}}, 7), kRedDark);
  painter.setPen(outline(kRed, 5));
  painter.drawLine(QPointF(15, 52), QPointF(15, 110));
  painter.setPen(outline(kPink, 3));
  painter.drawLine(QPointF(24, 52), QPointF(24, 70));
}

void drawHandheldAndBase(QPainter& painter) {
  // Where the main window's labels end, in its client area (measured on the window,
  // offscreen): "Handheld Unit" ends at x 141 and "Base Unit" at x 113, their ink centred
  // on y 38 and y 112. The window draws this picture from column 90 at (124, 20), so the
  // dots sit just right of the text, the second at the first column drawn.
  constexpr QPointF kOrigin(124 - 90, 20);
  const QPointF handheldDot = QPointF(147.5, 38) - kOrigin;
  const QPointF baseDot = QPointF(127, 112) - kOrigin;

  painter.save();
  painter.translate(182, 2);
  painter.rotate(8);
  painter.scale(0.2, 0.2);
  drawHandheld(painter);
  painter.restore();

  painter.save();
  painter.translate(126, 50);
  painter.scale(0.33, 0.3);
  drawBaseUnit(painter);
  painter.restore();

  // The radio link from the antenna's tip towards the handheld.
  painter.setPen(outline(kTeal, 1.5));
  painter.setBrush(Qt::NoBrush);
  const QPointF tip(178, 56);
  for (const qreal radius : {6.0, 10.5}) {
    painter.drawArc(QRectF(tip - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), 20 * 16,
                    60 * 16);
  }

  painter.setPen(outline(kSlate, 1));
  painter.drawLine(handheldDot, QPointF(176, handheldDot.y()));
  painter.drawLine(baseDot, QPointF(131, baseDot.y()));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawEllipse(handheldDot, 2.5, 2.5);
  painter.drawEllipse(baseDot, 2.5, 2.5);
}

void drawLogo(QPainter& painter, const QFont& wordmark, const QFont& tagline) {
  // The mark: an orb with a barcode read by a red line.
  const QPointF centre(27, 27);
  QPainterPath orb;
  orb.addEllipse(centre, 24, 24);
  fill(painter, orb, kTeal);
  painter.save();
  painter.setClipPath(orb);
  painter.setPen(outline(kTealLight, 6));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre + QPointF(-3, -3), 23, 23);
  painter.restore();
  painter.setPen(outline(kInk, 1.5));
  painter.setBrush(kTealPale);
  painter.drawRoundedRect(QRectF(12, 15, 30, 24), 3, 3);
  const std::vector<std::pair<qreal, qreal>> bars{{16, 2.5},   {20, 1.2},   {22.5, 3}, {27, 1.2},
                                                  {29.5, 2.5}, {33.5, 1.2}, {36, 2.2}};
  for (const auto& [x, width] : bars) {
    painter.fillRect(QRectF(x, 18, width, 18), kInk);
  }
  painter.setPen(outline(kRed, 2.5));
  painter.drawLine(QPointF(8, 27), QPointF(46, 27));

  painter.setFont(wordmark);
  painter.setPen(kInk);
  painter.drawText(QPointF(58, 36), QStringLiteral("Orbelle"));
  painter.setFont(tagline);
  painter.setPen(kSlateMid);
  painter.drawText(QPointF(60, 50), QStringLiteral("CORDLESS SCANNING"));
}

void drawIcon(QPainter& painter, qreal pixelsPerUnit) {
  // resources/orbelle.svg, path for path, but for the barcode: below a pixel per unit its
  // thin bars would fall between pixels, so they become one-pixel bars a pixel apart.
  if (pixelsPerUnit < 1) {
    const qreal pixel = 1 / pixelsPerUnit;
    for (qreal x = std::round(3 * pixelsPerUnit); x < 18 * pixelsPerUnit; x += 2) {
      painter.fillRect(QRectF(x * pixel, 4, pixel, 12), kInk);
    }
  } else {
    const std::vector<std::pair<qreal, qreal>> bars{{3, 1.5},  {5.5, 0.8},  {7.3, 2}, {10.2, 0.8},
                                                    {12, 1.5}, {14.5, 0.8}, {16.2, 2}};
    for (const auto& [x, width] : bars) {
      painter.fillRect(QRectF(x, 4, width, 12), kInk);
    }
  }
  painter.setPen(QPen(kRed, std::max(1.2, 1 / pixelsPerUnit), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(2, 10), QPointF(19.5, 10));
  QColor faint = kRed;
  faint.setAlphaF(0.6);
  painter.setPen(QPen(faint, 0.8));
  painter.drawLine(QPointF(19.5, 10), QPointF(27, 14));

  QPainterPath reader(QPointF(26, 11));
  reader.lineTo(42, 8);
  reader.quadTo(45, 7.5, 45, 11);
  reader.lineTo(45, 17);
  reader.quadTo(45, 20, 42, 20);
  reader.lineTo(37, 20);
  reader.lineTo(35, 33);
  reader.lineTo(29, 33);
  reader.lineTo(31, 21);
  reader.lineTo(28, 21);
  reader.quadTo(25, 21, 25, 18);
  reader.lineTo(25, 13.5);
  reader.quadTo(25, 11.3, 26, 11);
  reader.closeSubpath();
  painter.setPen(QPen(kTealDark, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  painter.setBrush(kTeal);
  painter.drawPath(reader);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPink);
  painter.drawRoundedRect(QRectF(26, 13, 2, 5), 0.8, 0.8);

  painter.setPen(QPen(kInk, 1.2));
  painter.setBrush(kSlate);
  painter.drawRoundedRect(QRectF(12, 34, 34, 10), 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(27, 31.5, 10, 3.5), 1, 1);
  painter.setBrush(kGreen);
  painter.drawEllipse(QPointF(17, 39), 1.4, 1.4);
}

}  // namespace orbelle::imagegen
