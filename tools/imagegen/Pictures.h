// The drawings of the product's images, in logical pixels: the caller scales the painter
// for the @2x variants, so every size is drawn, never enlarged.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRgb>

class QPainter;

namespace orbelle::imagegen {

// The pictures' colours: white (the ground, made transparent when drawn) and colours far
// enough from it that no edge pixel can pass for white.
const QList<QRgb>& picturePalette();

enum class Face { Normal, Pressed, Hover };

void drawButtonFace(QPainter& painter, QSizeF size, Face face);
void drawBaseUnit(QPainter& painter);         // 200 x 225
void drawHandheld(QPainter& painter);         // 200 x 333
void drawHandheldAndBase(QPainter& painter);  // 241 x 120, seen from column 90
void drawLogo(QPainter& painter, const QFont& wordmark, const QFont& tagline);  // 191 x 56
// The 48 x 48 mark of resources/orbelle.svg, drawn at `pixelsPerUnit` device pixels a unit.
void drawIcon(QPainter& painter, qreal pixelsPerUnit);

}  // namespace orbelle::imagegen
