#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orbelle::tools {

// The texts of a window's shown controls that do not fit them at their font's full size: a
// label's, a group box's title, a check box's or radio button's caption beside its indicator,
// a push button's caption within its face, and a skinned button's within the room its face
// leaves (drawn at least nine tenths of its size). One line each: "id1035 "Durchsuchen": 71 px
// wide, 58 px of room".
QStringList textsThatDoNotFit(const QWidget& window);

}  // namespace orbelle::tools
