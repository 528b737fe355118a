#include "screenshots/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>

#include "skin/SkinButton.h"

namespace orbelle::tools {

namespace {

// What a text needs and what it has, in pixels.
struct Need {
  QSize needed;
  QSize room;
};

QSize linesSize(const QFontMetrics& metrics, const QStringList& lines) {
  int widest = 0;
  for (const QString& line : lines) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return {widest, static_cast<int>(lines.size()) * metrics.height()};
}

QStringList linesOf(const QString& text) {
  QString shown = text;
  shown.remove(QLatin1Char('&'));  // mnemonics are not drawn
  return shown.split(QLatin1Char('\n'));
}

std::optional<Need> labelNeed(const QLabel& label) {
  if (label.text().isEmpty() || label.wordWrap()) {
    return std::nullopt;
  }
  const int margins = 2 * (label.margin() + std::max(label.indent(), 0));
  return Need{linesSize(label.fontMetrics(), linesOf(label.text())),
              label.contentsRect().size() - QSize(margins, margins)};
}

std::optional<Need> groupNeed(const QGroupBox& group) {
  if (group.title().isEmpty()) {
    return std::nullopt;
  }
  QStyleOptionGroupBox option;
  option.initFrom(&group);
  option.text = group.title();
  option.textAlignment = group.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  option.lineWidth = 1;
  const QRect title =
      group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
  // The title starts where the style puts it and may run to the frame's other side.
  return Need{linesSize(group.fontMetrics(), {group.title()}),
              QSize(group.width() - 2 * title.left(), title.height())};
}

std::optional<Need> checkableNeed(const QAbstractButton& button, QStyle::SubElement contents) {
  if (button.text().isEmpty()) {
    return std::nullopt;
  }
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect room = button.style()->subElementRect(contents, &option, &button);
  return Need{linesSize(button.fontMetrics(), linesOf(button.text())), room.size()};
}

std::optional<Need> pushNeed(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect room =
      button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  return Need{linesSize(button.fontMetrics(), linesOf(button.text())), room.size()};
}

// A skinned button draws a caption a little too wide for its face a little smaller, as it
// does "Handheld Unit" on the main window in English (92 % of its size); any more would be
// hard to read.
constexpr double kLeastCaptionScale = 0.9;

std::optional<Need> skinNeed(const SkinButton& button) {
  const QSize room = button.captionArea().size();
  return Need{linesSize(button.fontMetrics(), button.captionLines()),
              QSize(static_cast<int>(room.width() / kLeastCaptionScale), room.height())};
}

std::optional<Need> listNeed(const QComboBox& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) {
    entries << list.itemText(i);
  }
  QStyleOptionComboBox option;
  option.initFrom(&list);
  const QRect room = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, &list);
  const QSize needed = linesSize(list.fontMetrics(), entries);
  return Need{QSize(needed.width(), list.fontMetrics().height()), room.size()};
}

std::optional<Need> needOf(const QWidget& control) {
  if (const auto* skin = qobject_cast<const SkinButton*>(&control)) {
    return skinNeed(*skin);
  }
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    return labelNeed(*label);
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
    return groupNeed(*group);
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
    return checkableNeed(*box, QStyle::SE_CheckBoxContents);
  }
  if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
    return checkableNeed(*radio, QStyle::SE_RadioButtonContents);
  }
  if (const auto* push = qobject_cast<const QPushButton*>(&control)) {
    return pushNeed(*push);
  }
  if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
    return listNeed(*list);
  }
  return std::nullopt;
}

QString textOf(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    return label->text();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
    return group->title();
  }
  if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
    return list->currentText();
  }
  return static_cast<const QAbstractButton&>(control).text();
}

}  // namespace

QStringList textsThatDoNotFit(const QWidget& window) {
  QStringList found;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&window)) {
      continue;
    }
    const std::optional<Need> need = needOf(*control);
    if (!need || (need->needed.width() <= need->room.width() &&
                  need->needed.height() <= need->room.height())) {
      continue;
    }
    const QString name =
        control->objectName().isEmpty() ? control->accessibleName() : control->objectName();
    found << QStringLiteral("%1 \"%2\": %3 x %4 px, room for %5 x %6")
                 .arg(name, QString(textOf(*control)).replace(QLatin1Char('\n'), QLatin1Char('|')))
                 .arg(need->needed.width())
                 .arg(need->needed.height())
                 .arg(need->room.width())
                 .arg(need->room.height());
  }
  return found;
}

}  // namespace orbelle::tools
