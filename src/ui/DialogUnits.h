#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace orbelle::ui {

// A dialog font as its point size would come out on a 96 dpi screen, so that dialog units
// give the same pixels on every screen.
QFont dialogFont(const QString& face, int points);

// A font asked for by the height of its character cell in pixels (ascent and descent
// together), the way the windows' own fonts are given.
QFont cellHeightFont(const QString& face, int cellPixels, QFont::Weight weight);

// Dialog units to pixels, as the dialog manager computes them from the dialog font: the
// average width of the 52 letters A-Z a-z is four horizontal units, the font's height eight
// vertical ones.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int x(int units) const;
  int y(int units) const;
  QRect rect(int x, int y, int width, int height) const;
  QRect rect(const QRect& inUnits) const;
  QSize size(int width, int height) const;

 private:
  int baseWidth_ = 0;
  int baseHeight_ = 0;
};

// One row of a window's table: a control's identifier, caption and place in dialog units.
struct ControlRow {
  int id;
  const char* caption;
  QRect where;
};

// Gives a control its identifier ("id" and the number) as objectName, and its accessible
// name: the caption as one line.
void identify(QWidget& control, int id, const QString& accessibleName);

// Gives the keyboard focus to the window's first control that Tab reaches; run before each
// showing, since the windows live for the whole run and would keep last time's focus.
void focusFirstControl(QWidget& window);

// Widens a label, check box or radio button whose caption is wider than the room it was given,
// by what it lacks and up to `rightEdge` in its parent's coordinates; one whose caption fits
// keeps its size (every English one does).
void growToCaption(QWidget& control, int rightEdge);

// A caption's lines as one accessible name ("\nSet\nBase Unit" is "Set Base Unit").
QString captionAsName(const QString& caption);

}  // namespace orbelle::ui
