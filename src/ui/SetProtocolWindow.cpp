#include "ui/SetProtocolWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/DefaultButton.h"
#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/StoreTrouble.h"

namespace orbelle::ui {

namespace {

// A drop-down list's height in the dialog includes its open list; the closed box is what is
// placed, so a list's row gives no height.
constexpr ControlRow kProtocolFrame{
    1077, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "Protocol"), {15, 12, 48, 47}};
constexpr ControlRow kRs232Frame{
    1080, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "RS232 settings"), {70, 12, 132, 47}};
constexpr ControlRow kUsb{1042, "USB", {18, 24, 31, 10}};
constexpr ControlRow kRs232{1043, "RS232", {18, 42, 38, 10}};
constexpr ControlRow kComLabel{
    1078, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "COM:"), {76, 22, 47, 8}};
constexpr ControlRow kComList{1008, "", {75, 33, 48, 0}};
constexpr ControlRow kBaudLabel{
    1079, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "Baudrate:"), {133, 22, 63, 8}};
constexpr ControlRow kBaudList{1009, "", {148, 33, 48, 0}};
constexpr ControlRow kOk{
    1, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "OK"), {215, 23, 42, 16}};
constexpr ControlRow kCancel{
    2, QT_TRANSLATE_NOOP("orbelle::ui::SetProtocolWindow", "\nCancel"), {215, 46, 42, 16}};

QStringList comNames() {
  QStringList names;
  for (int port = 1; port <= kComPortCount; ++port) {
    names << QStringLiteral("COM%1").arg(port);
  }
  return names;
}

QStringList rateNames() {
  QStringList names;
  for (const OfferedRate& rate : kOfferedRates) {
    names << QString::number(rate.baudrate);
  }
  return names;
}

}  // namespace

SetProtocolWindow::SetProtocolWindow(PreferenceStore& store, LinkPreferences& prefs,
                                     MessagePresenter& messages, StoreTrouble& storeTrouble,
                                     const Look& look, LinkCheck checkLink)
    : store_(store),
      prefs_(prefs),
      messages_(messages),
      storeTrouble_(storeTrouble),
      checkLink_(std::move(checkLink)) {
  setObjectName(QStringLiteral("dialog139"));
  setWindowTitle(tr("Set Protocol"));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(272, 73));

  // Frames first, so that the controls drawn over them stay on top.
  auto* protocolBox = addFrame(units, kProtocolFrame);
  auto* rs232Box = addFrame(units, kRs232Frame);
  // The buttons live in the "Protocol" frame, so that screen readers name them with it.
  protocols_ = new QButtonGroup(this);
  usb_ = addProtocolButton(units, *protocolBox, kUsb, LinkProtocol::Usb);
  rs232_ = addProtocolButton(units, *protocolBox, kRs232, LinkProtocol::Rs232);
  QLabel* comLabel = addLabel(units, kComLabel);
  comList_ = addList(units, *comLabel, kComList, comNames());
  QLabel* baudLabel = addLabel(units, kBaudLabel);
  baudList_ = addList(units, *baudLabel, kBaudList, rateNames());
  QAbstractButton* ok = addButton(units, look, kOk);
  makeDefault(*ok);
  QAbstractButton* cancel = addButton(units, look, kCancel);
  rs232Group_ = {comList_, baudList_, rs232Box, baudLabel, comLabel};

  // A change of state, whoever made it: the mouse, the arrow keys or a screen reader's
  // Toggle action.
  // Behind a modal window, what reaches it anyway is refused and the choice shown again.
  connect(protocols_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (behindModalWindow(*this)) {
      showProtocol();
    } else if (checked) {
      onProtocolChosen(static_cast<LinkProtocol>(id));
    }
  });
  connect(comList_, &QComboBox::activated, this, &SetProtocolWindow::onComChosen);
  connect(baudList_, &QComboBox::activated, this, &SetProtocolWindow::onBaudChosen);
  connect(ok, &QAbstractButton::clicked, this, [this] {
    if (!behindModalWindow(*this)) {
      onOk();
    }
  });
  connect(cancel, &QAbstractButton::clicked, this, [this] {
    if (!behindModalWindow(*this)) {
      reject();
    }
  });
  look.decorate(*this, WindowPicture::None);
}

QGroupBox* SetProtocolWindow::addFrame(const DialogUnits& units, const ControlRow& row) {
  auto* frame = new QGroupBox(tr(row.caption), this);
  identify(*frame, row.id, frame->title());
  frame->setGeometry(units.rect(row.where));
  return frame;
}

QRadioButton* SetProtocolWindow::addProtocolButton(const DialogUnits& units, QGroupBox& frame,
                                                   const ControlRow& row, LinkProtocol protocol) {
  auto* button = new QRadioButton(tr(row.caption), &frame);
  identify(*button, row.id, button->text());
  button->setGeometry(units.rect(row.where).translated(-frame.pos()));
  protocols_->addButton(button, static_cast<int>(protocol));
  return button;
}

QLabel* SetProtocolWindow::addLabel(const DialogUnits& units, const ControlRow& row) {
  auto* label = new QLabel(tr(row.caption), this);
  identify(*label, row.id, label->text());
  label->setGeometry(units.rect(row.where));
  return label;
}

QComboBox* SetProtocolWindow::addList(const DialogUnits& units, QLabel& label,
                                      const ControlRow& row, const QStringList& entries) {
  auto* list = new QComboBox(this);
  identify(*list, row.id, label.text());
  label.setBuddy(list);
  list->addItems(entries);
  list->setGeometry(units.x(row.where.x()), units.y(row.where.y()), units.x(row.where.width()),
                    list->sizeHint().height());
  return list;
}

QAbstractButton* SetProtocolWindow::addButton(const DialogUnits& units, const Look& look,
                                              const ControlRow& row) {
  QAbstractButton* button = look.commandButton(*this, tr(row.caption), ButtonFamily::Small);
  identify(*button, row.id, button->text());
  button->setGeometry(units.rect(row.where));
  return button;
}

void SetProtocolWindow::initialise() {
  showProtocol();

  comList_->setCurrentIndex(isOfferedPort(prefs_.port) ? prefs_.port - 1 : -1);
  baudList_->setCurrentIndex(static_cast<int>(offeredRateIndex(prefs_.baudrate).value_or(0)));
  // Each opening starts where a fresh window would, not where the last one was left.
  focusFirstControl(*this);
}

void SetProtocolWindow::showProtocol() {
  {
    // The window's own settings are not the operator's choices.
    const QSignalBlocker quiet(protocols_);
    // An exclusive group cannot be cleared button by button; with no link chosen neither is
    // checked.
    protocols_->setExclusive(false);
    usb_->setChecked(prefs_.protocol == LinkProtocol::Usb);
    rs232_->setChecked(prefs_.protocol == LinkProtocol::Rs232);
    protocols_->setExclusive(true);
  }
  showRs232Group(prefs_.protocol != LinkProtocol::Usb);
  updateProtocolTabStop();
}

void SetProtocolWindow::updateProtocolTabStop() {
  // The group is one Tab stop, its checked button (USB while none is); the arrow keys move
  // within it.
  const bool rs232Stop = rs232_->isChecked();
  usb_->setFocusPolicy(rs232Stop ? Qt::ClickFocus : Qt::StrongFocus);
  rs232_->setFocusPolicy(rs232Stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void SetProtocolWindow::showRs232Group(bool shown) {
  for (QWidget* control : rs232Group_) {
    control->setVisible(shown);
  }
}

void SetProtocolWindow::onProtocolChosen(LinkProtocol protocol) {
  showRs232Group(protocol == LinkProtocol::Rs232);
  updateProtocolTabStop();
  storeTrouble_.afterChoice(this, chooseProtocol(store_, prefs_, protocol));
}

void SetProtocolWindow::onComChosen(int entry) {
  if (entry >= 0 && entry < kComPortCount) {
    storeTrouble_.afterChoice(this, choosePort(store_, prefs_, entry + 1));
  }
}

void SetProtocolWindow::onBaudChosen(int entry) {
  if (entry >= 0 && entry < static_cast<int>(kOfferedRates.size())) {
    storeTrouble_.afterChoice(
        this,
        chooseBaudrate(store_, prefs_, kOfferedRates.at(static_cast<std::size_t>(entry)).baudrate));
  }
}

void SetProtocolWindow::onOk() {
  const LinkCheckResult result = checkLink_();
  for (const OperatorMessage& message : result.messages()) {
    messages_.show(this, message);
  }
  switch (result.outcome) {
    case LinkCheckOutcome::Usable:
    case LinkCheckOutcome::NoProtocol:
      accept();
      break;
    case LinkCheckOutcome::ComNotOpen:
      // Another port or rate may be chosen at once.
      showRs232Group(true);
      break;
    case LinkCheckOutcome::UsbNotFound:
      break;
  }
}

}  // namespace orbelle::ui
