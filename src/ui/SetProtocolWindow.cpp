#include "ui/SetProtocolWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

#include "ui/DefaultButton.h"
#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/StoreTrouble.h"

namespace orbelle::ui {

namespace {

constexpr std::array<std::int32_t, 5> kBaudrates{9600, 19200, 38400, 57600, 115200};
constexpr int kPortCount = 4;

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
  setWindowTitle(QStringLiteral("Set Protocol"));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(272, 73));

  // Frames first, so that the controls drawn over them stay on top.
  auto* protocolBox = new QGroupBox(QStringLiteral("Protocol"), this);
  identify(*protocolBox, 1077, protocolBox->title());
  protocolBox->setGeometry(units.rect(15, 12, 48, 47));
  auto* rs232Box = new QGroupBox(QStringLiteral("RS232 settings"), this);
  identify(*rs232Box, 1080, rs232Box->title());
  rs232Box->setGeometry(units.rect(70, 12, 132, 47));

  // The buttons live in the "Protocol" frame, so that screen readers name them with it.
  const auto inProtocolBox = [&](QRect where) { return where.translated(-protocolBox->pos()); };
  usb_ = new QRadioButton(QStringLiteral("USB"), protocolBox);
  identify(*usb_, 1042, usb_->text());
  usb_->setGeometry(inProtocolBox(units.rect(18, 24, 31, 10)));
  rs232_ = new QRadioButton(QStringLiteral("RS232"), protocolBox);
  identify(*rs232_, 1043, rs232_->text());
  rs232_->setGeometry(inProtocolBox(units.rect(18, 42, 38, 10)));
  protocols_ = new QButtonGroup(this);
  protocols_->addButton(usb_, static_cast<int>(LinkProtocol::Usb));
  protocols_->addButton(rs232_, static_cast<int>(LinkProtocol::Rs232));

  auto* comLabel = new QLabel(QStringLiteral("COM:"), this);
  identify(*comLabel, 1078, comLabel->text());
  comLabel->setGeometry(units.rect(76, 22, 47, 8));
  comList_ = new QComboBox(this);
  identify(*comList_, 1008, comLabel->text());
  comLabel->setBuddy(comList_);
  for (int port = 1; port <= kPortCount; ++port) {
    comList_->addItem(QStringLiteral("COM%1").arg(port));
  }
  // A drop-down list's height in the dialog includes its open list; the closed box is what
  // is placed.
  comList_->setGeometry(units.x(75), units.y(33), units.x(48), comList_->sizeHint().height());

  auto* baudLabel = new QLabel(QStringLiteral("Baudrate:"), this);
  identify(*baudLabel, 1079, baudLabel->text());
  baudLabel->setGeometry(units.rect(133, 22, 63, 8));
  baudList_ = new QComboBox(this);
  identify(*baudList_, 1009, baudLabel->text());
  baudLabel->setBuddy(baudList_);
  for (const std::int32_t rate : kBaudrates) {
    baudList_->addItem(QString::number(rate));
  }
  baudList_->setGeometry(units.x(148), units.y(33), units.x(48), baudList_->sizeHint().height());

  QAbstractButton* ok = look.commandButton(*this, QStringLiteral("OK"), ButtonFamily::Small);
  identify(*ok, 1, ok->text());
  ok->setGeometry(units.rect(215, 23, 42, 16));
  makeDefault(*ok);
  QAbstractButton* cancel =
      look.commandButton(*this, QStringLiteral("\nCancel"), ButtonFamily::Small);
  identify(*cancel, 2, cancel->text());
  cancel->setGeometry(units.rect(215, 46, 42, 16));

  rs232Group_ = {comList_, baudList_, rs232Box, baudLabel, comLabel};

  // A change of state, whoever made it: the mouse, the arrow keys or a screen reader's
  // Toggle action.
  connect(protocols_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) {
      onProtocolChosen(static_cast<LinkProtocol>(id));
    }
  });
  connect(comList_, &QComboBox::activated, this, &SetProtocolWindow::onComChosen);
  connect(baudList_, &QComboBox::activated, this, &SetProtocolWindow::onBaudChosen);
  connect(ok, &QAbstractButton::clicked, this, &SetProtocolWindow::onOk);
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  look.decorate(*this, WindowPicture::None);
}

void SetProtocolWindow::initialise() {
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

  comList_->setCurrentIndex(isOfferedPort(prefs_.port) ? prefs_.port - 1 : -1);
  const auto* rate = std::find(kBaudrates.begin(), kBaudrates.end(), prefs_.baudrate);
  baudList_->setCurrentIndex(
      rate == kBaudrates.end() ? 0 : static_cast<int>(std::distance(kBaudrates.begin(), rate)));
  // Each opening starts where a fresh window would, not where the last one was left.
  focusFirstControl(*this);
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
  if (entry >= 0 && entry < kPortCount) {
    storeTrouble_.afterChoice(this, choosePort(store_, prefs_, entry + 1));
  }
}

void SetProtocolWindow::onBaudChosen(int entry) {
  if (entry >= 0 && entry < static_cast<int>(kBaudrates.size())) {
    storeTrouble_.afterChoice(
        this, chooseBaudrate(store_, prefs_, kBaudrates.at(static_cast<std::size_t>(entry))));
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
