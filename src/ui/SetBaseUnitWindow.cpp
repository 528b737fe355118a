#include "ui/SetBaseUnitWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "link/LinkSession.h"
#include "protocol/LinkError.h"
#include "ui/DialogUnits.h"
#include "ui/LinkProblemMessage.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"

namespace orbelle::ui {

namespace {

// A drop-down list that reports each closing of its list, changed or not. A choice made on
// the closed box with the keyboard (arrows, type-ahead) or the wheel counts as a closing too:
// the model would otherwise not know of it, and its next refresh would undo the choice.
class DropDownList : public QComboBox {
 public:
  DropDownList(QWidget* parent, std::function<void(int)> closed)
      : QComboBox(parent), closed_(std::move(closed)) {
    connect(this, &QComboBox::activated, this, [this] {
      if (!closing_ && !view()->isVisible()) {
        closed_(currentIndex());
      }
    });
  }

  void hidePopup() override {
    const bool shown = view()->isVisible();
    QComboBox::hidePopup();
    if (shown && !closing_) {
      // The list may close before the chosen entry becomes current: read it once the
      // choice has been made.
      closing_ = true;
      QTimer::singleShot(0, this, [this] {
        closing_ = false;
        closed_(currentIndex());
      });
    }
  }

 private:
  std::function<void(int)> closed_;
  bool closing_ = false;
};

// The caption beside a check box: clicking it works the box, as a check box's own text does.
class BoxCaption : public QLabel {
 public:
  BoxCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    auto* box = qobject_cast<QAbstractButton*>(buddy());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        box != nullptr && box->isEnabled()) {
      box->setFocus(Qt::MouseFocusReason);
      box->click();
      return;
    }
    QLabel::mouseReleaseEvent(event);
  }
};

struct RadioPlace {
  int id;
  const char* caption;
  QRect where;  // dialog units
};

struct GroupPlace {
  RadioGroup group;
  std::vector<RadioPlace> buttons;  // code 1 first
};

// Where the groups' buttons go, in tab order.
const std::array<GroupPlace, kRadioGroupCount>& radioLayout() {
  static const std::array<GroupPlace, kRadioGroupCount> layout{{
      {RadioGroup::Baud,
       {{1042, "4800", {19, 57, 44, 10}},
        {1043, "9600", {66, 57, 44, 10}},
        {1044, "19200", {113, 57, 46, 10}},
        {1081, "38400", {19, 70, 44, 10}},
        {1082, "57600", {66, 70, 44, 10}},
        {1083, "115200", {113, 70, 46, 10}}}},
      {RadioGroup::DataBits,
       {{1091, "7 bits", {174, 57, 32, 10}}, {1095, "8 bits", {207, 57, 32, 10}}}},
      {RadioGroup::StopBits,
       {{1099, "1 bit", {174, 84, 32, 10}}, {1100, "2 bits", {207, 84, 32, 10}}}},
      {RadioGroup::Flow,
       {{1101, "None", {19, 98, 40, 10}},
        {1102, "RTS/CTS (Host idle: Low RTS)", {19, 111, 140, 10}},
        {1103, "RTS/CTS (Host idle: High RTS)", {19, 124, 140, 10}}}},
      {RadioGroup::Parity,
       {{1096, "None", {174, 111, 40, 10}},
        {1097, "Odd", {174, 122, 40, 10}},
        {1098, "Even", {174, 133, 40, 10}}}},
      {RadioGroup::NumericKey,
       {{1107, "Alphabetic key", {19, 170, 70, 10}}, {1108, "Alt+ Keypad", {168, 170, 60, 10}}}},
  }};
  return layout;
}

// ID n's check box identifier; the identifiers do not follow the IDs' order.
constexpr std::array<int, 16> kIdBoxIds{1013, 1014, 1015, 1016, 1017, 1018, 1025, 1026,
                                        1019, 1020, 1021, 1022, 1023, 1024, 1027, 1028};

}  // namespace

SetBaseUnitWindow::SetBaseUnitWindow(const ShellContext& context)
    : context_(context),
      model_(*this),
      replyTimer_(std::chrono::milliseconds(SettingsExchange::kReplyTimeoutMs),
                  [this] { act([this] { model_.replyTimerFired(); }); }) {
  setObjectName(QStringLiteral("dialog132"));
  setWindowTitle(QStringLiteral("Set Base Unit"));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(403, 282));
  // The controls stand on a page that scrolls when the screen is too small for the window
  // (a magnified screen); on a screen large enough nothing scrolls and nothing moves.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("scroller"));
  scroller->setAccessibleName(windowTitle());
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setGeometry(rect());
  scroller->viewport()->setAccessibleName(windowTitle());
  page_ = new QWidget;
  page_->setObjectName(QStringLiteral("page"));
  page_->setAccessibleName(windowTitle());
  page_->setFixedSize(size());
  scroller->setWidget(page_);
  QWidget* const page = page_;
  const auto at = [&](QRect r) { return units.rect(r.x(), r.y(), r.width(), r.height()); };

  // Frames first, so that the controls over them stay on top and take the clicks.
  const auto addGroup = [&](int id, const QString& title, QRect where) {
    auto* group = new QGroupBox(title, page);
    if (id != 0) {
      identify(*group, id, title);
    } else {
      group->setAccessibleName(title);
    }
    group->setGeometry(at(where));
    return group;
  };
  addGroup(0, QStringLiteral("Nation"), {7, 3, 118, 30});
  addGroup(0, QStringLiteral("Frequency hopping"), {130, 3, 117, 30});
  QGroupBox* rs232 = addGroup(1106, QStringLiteral("RS232 protocol settings"), {7, 36, 240, 114});
  // The radio buttons live in their groups' frames: a frame's buttons exclude each other.
  std::array<QGroupBox*, kRadioGroupCount> radioFrames{};
  const auto frameOf = [&](RadioGroup group) -> QGroupBox*& {
    return radioFrames.at(static_cast<std::size_t>(group));
  };
  frameOf(RadioGroup::Baud) = addGroup(1084, QStringLiteral("Baud rate"), {13, 46, 150, 38});
  frameOf(RadioGroup::Flow) = addGroup(0, QStringLiteral("Flow control"), {13, 87, 150, 55});
  frameOf(RadioGroup::DataBits) = addGroup(0, QStringLiteral("Data bit"), {168, 46, 73, 24});
  frameOf(RadioGroup::StopBits) = addGroup(0, QStringLiteral("Stop bit"), {168, 73, 73, 24});
  frameOf(RadioGroup::Parity) = addGroup(0, QStringLiteral("Parity"), {168, 100, 73, 45});
  QGroupBox* usb = addGroup(1109, QStringLiteral("USB (PS2) protocol settings"), {7, 153, 240, 32});
  frameOf(RadioGroup::NumericKey) = addGroup(0, QStringLiteral("Numeric key"), {13, 161, 228, 21});
  addGroup(0, QStringLiteral("Software versions"), {7, 188, 240, 52});
  addGroup(1005, QStringLiteral("Radio frequency settings"), {253, 3, 143, 44});
  addGroup(1006, QStringLiteral("Associated handheld unit  IDs"), {253, 51, 143, 130});
  context_.look.emphasise(*rs232);
  context_.look.emphasise(*usb);

  const auto addLabel = [&](int id, const QString& text, QRect where) {
    auto* label = new BoxCaption(text, page);
    if (id != 0) {
      identify(*label, id, text);
    } else {
      label->setAccessibleName(text);
    }
    label->setGeometry(at(where));
    return label;
  };
  // A drop-down list's height in the dialog includes its open list; the closed box is what
  // is placed.
  const auto placeList = [&](QComboBox* list, QRect where) {
    list->setGeometry(units.x(where.x()), units.y(where.y()), units.x(where.width()),
                      list->sizeHint().height());
  };
  QList<QWidget*> tabOrder;

  QLabel* nationLabel = addLabel(0, QStringLiteral("Nation:"), {13, 16, 28, 8});
  nationList_ = new QComboBox(page);
  identify(*nationList_, 1088, nationLabel->text());
  nationLabel->setBuddy(nationList_);
  for (const std::string_view entry : SetBaseUnitModel::nationEntries()) {
    nationList_->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
  }
  nationList_->setEnabled(SetBaseUnitModel::nationListEnabled());
  placeList(nationList_, {44, 14, 76, 0});
  tabOrder << nationList_;

  hopping_ = new QCheckBox(QStringLiteral("Enable frequency hopping"), page);
  identify(*hopping_, 1090, hopping_->text());
  hopping_->setGeometry(at({137, 16, 106, 10}));
  // Checkable controls act on their change of state, whoever made it (the mouse, the keyboard,
  // a screen reader's Toggle); the window's own refreshes change them with signals blocked.
  connect(hopping_, &QCheckBox::toggled, this,
          [this](bool checked) { act([this, checked] { model_.toggleHopping(checked); }); });
  tabOrder << hopping_;

  for (const GroupPlace& place : radioLayout()) {
    QGroupBox* frame = frameOf(place.group);
    const auto inFrame = [&](QRect where) { return at(where).translated(-frame->pos()); };
    std::vector<QRadioButton*>& buttons = radios_.at(static_cast<std::size_t>(place.group));
    auto* group = new QButtonGroup(this);
    radioGroups_.at(static_cast<std::size_t>(place.group)) = group;
    for (const RadioPlace& button : place.buttons) {
      auto* radio = new QRadioButton(QLatin1String(button.caption), frame);
      identify(*radio, button.id, radio->text());
      radio->setGeometry(inFrame(button.where));
      group->addButton(radio, static_cast<int>(buttons.size() + 1));  // the code
      buttons.push_back(radio);
      tabOrder << radio;
      if (button.id == 1107) {
        // Never offered, and with no code of its own: between the two keys, always disabled.
        // Outside the group, so that it never takes part; still a radio button to a reader.
        auto* keypad = new QRadioButton(QStringLiteral("Numeric keypad"), frame);
        identify(*keypad, 1110, keypad->text());
        keypad->setEnabled(false);
        keypad->setGeometry(inFrame({92, 170, 72, 10}));
        tabOrder << keypad;
      }
    }
    connect(group, &QButtonGroup::idToggled, this, [this, g = place.group](int code, bool on) {
      if (on) {
        act([this, g, code] { model_.clickRadio(g, static_cast<std::uint8_t>(code)); });
      }
    });
  }

  QLabel* bootLabel = addLabel(0, QStringLiteral("Bootloader version:"), {13, 203, 78, 8});
  bootloader_ = new QLineEdit(page);
  identify(*bootloader_, 1032, bootLabel->text());
  bootloader_->setGeometry(at({95, 200, 70, 12}));
  bootLabel->setBuddy(bootloader_);
  QLabel* appLabel = addLabel(0, QStringLiteral("Application version:"), {13, 222, 78, 8});
  application_ = new QLineEdit(page);
  identify(*application_, 1034, appLabel->text());
  application_->setGeometry(at({95, 219, 70, 12}));
  appLabel->setBuddy(application_);
  // They show what the unit reported; nothing reads them back.
  bootloader_->setReadOnly(true);
  application_->setReadOnly(true);
  tabOrder << bootloader_ << application_;

  QLabel* powerLabel = addLabel(1050, QStringLiteral("Power level (dBm):"), {260, 16, 70, 8});
  powerList_ = new DropDownList(
      page, [this](int position) { act([this, position] { model_.closePowerList(position); }); });
  identify(*powerList_, 1008, powerLabel->text());
  powerLabel->setBuddy(powerList_);
  for (const std::string& entry : SetBaseUnitModel::powerEntries()) {
    powerList_->addItem(QString::fromStdString(entry));
  }
  placeList(powerList_, {332, 14, 56, 0});
  QLabel* channelLabel = addLabel(1051, QStringLiteral("Channel Number:"), {260, 31, 70, 8});
  channelList_ = new DropDownList(
      page, [this](int position) { act([this, position] { model_.closeChannelList(position); }); });
  identify(*channelList_, 1009, channelLabel->text());
  channelLabel->setBuddy(channelList_);
  placeList(channelList_, {332, 29, 56, 0});
  tabOrder << powerList_ << channelList_;

  // Two columns of eight, each box followed by its label.
  for (int n = 1; n <= static_cast<int>(idBoxes_.size()); ++n) {
    const int column = (n - 1) / 8;
    const int row = (n - 1) % 8;
    const int x = 265 + column * 65;
    const int y = 63 + row * 14;
    auto* box = new QCheckBox(page);
    identify(*box, kIdBoxIds.at(static_cast<std::size_t>(n - 1)), QString());
    box->setGeometry(at({x, y, 10, 10}));
    const QString name = QStringLiteral("ID %1").arg(n);
    QLabel* label = addLabel(1052 + n, name, {x + 12, y + 1, 32, 8});
    label->setBuddy(box);
    box->setAccessibleName(name);
    connect(box, &QCheckBox::toggled, this, [this, n](bool checked) {
      act([this, n, checked] { model_.clickIdBox(n, checked); });
    });
    idBoxes_.at(static_cast<std::size_t>(n - 1)) = box;
    tabOrder << box;
  }

  summary_ = addLabel(1041, QString(), {253, 184, 100, 8});
  summary_->setAccessibleName(QStringLiteral("Settings summary"));
  summary_->hide();
  // No role and no text: it shows nothing, and hidden it is not announced either.
  addLabel(1052, QString(), {253, 184, 10, 8})->hide();

  // The buttons along the bottom edge, left to right; the base unit's picture goes above
  // Cancel.
  QAbstractButton* defaults = addCommandButton(1105, QStringLiteral("\nReturn\nDefault Settings"),
                                               units.rect(36, 246, 56, 30));
  display_ = addCommandButton(1040, QStringLiteral("\nDisplay\nCurrent Settings"),
                              units.rect(128, 246, 56, 30));
  upload_ = addCommandButton(1029, QStringLiteral("\nUpload\nNew Settings"),
                             units.rect(220, 246, 56, 30));
  QAbstractButton* cancel =
      addCommandButton(1030, QStringLiteral("\nCancel\n"), units.rect(312, 246, 56, 30));
  tabOrder << defaults << display_ << upload_ << cancel;
  for (qsizetype i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
  }
  connect(defaults, &QAbstractButton::clicked, this,
          [this] { act([this] { model_.clickReturnDefaultSettings(); }); });
  connect(display_, &QAbstractButton::clicked, this,
          [this] { act([this] { model_.clickDisplayCurrentSettings(); }); });
  connect(upload_, &QAbstractButton::clicked, this,
          [this] { act([this] { model_.clickUpload(); }); });
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);

  // The summary stays hidden where it always was; it is offered without changing the layout.
  copySummary_ = new QAction(QStringLiteral("Copy settings summary"), this);
  copySummary_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copySummary_->setShortcutContext(Qt::WindowShortcut);
  addAction(copySummary_);
  connect(copySummary_, &QAction::triggered, this, &SetBaseUnitWindow::copySummary);

  context_.look.decorate(*this, WindowPicture::SetBaseUnit);
  // The look puts its pictures on the window; they belong on the page, to scroll with it.
  for (QWidget* picture :
       findChildren<QWidget*>(QStringLiteral("picture"), Qt::FindDirectChildrenOnly)) {
    picture->setParent(page);
    picture->lower();
    picture->show();
  }
  changed();
}

SetBaseUnitWindow::~SetBaseUnitWindow() {
  if (attached_) {
    context_.session.dispatcher().detach(Feature::SetBaseUnit);
  }
}

QAbstractButton* SetBaseUnitWindow::addCommandButton(int id, const QString& caption, QRect where) {
  QAbstractButton* button = context_.look.commandButton(*page_, caption, ButtonFamily::Large);
  identify(*button, id, caption);
  button->setGeometry(where);
  // A size smaller than the window's, so that "Current Settings" fits the face.
  button->setFont(dialogFont(QStringLiteral("Tahoma"), 9));
  if (auto* push = qobject_cast<QPushButton*>(button)) {
    push->setAutoDefault(false);  // Enter presses a button only when it has the focus
  }
  return button;
}

void SetBaseUnitWindow::prepare() {
  context_.session.dispatcher().attach(Feature::SetBaseUnit, this);
  attached_ = true;
  fitToScreen();
  act([this] { model_.open(); });
  focusFirstControl(*this);
}

void SetBaseUnitWindow::fitToScreen() {
  const QScreen* shownOn = screen();
  if (shownOn == nullptr) {
    return;
  }
  // The title bar and borders are known once the window has been shown; until then none.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
  const QSize room = shownOn->availableGeometry().size() - frame;
  const QSize fitted = page_->size().boundedTo(room);
  setFixedSize(fitted);
  findChild<QScrollArea*>(QStringLiteral("scroller"))->setGeometry(rect());
  if (fitted != page_->size()) {
    move(shownOn->availableGeometry().topLeft());
  }
}

void SetBaseUnitWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The lists, boxes and fields are re-read from the model's indexes each time the window
  // comes up, as a repaint would; not on every paint, since changing widgets while painting
  // makes them paint again.
  act([this] { model_.repaint(); });
}

void SetBaseUnitWindow::done(int result) {
  // Cancel, Esc and the close box alike: no timer left to fire, the link released, and a
  // late reply reaches no one.
  replyTimer_.stop();
  context_.session.closeLink();
  context_.session.dispatcher().detach(Feature::SetBaseUnit);
  attached_ = false;
  QDialog::done(result);
}

void SetBaseUnitWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(copySummary_);
  menu.exec(event->globalPos());
}

QString SetBaseUnitWindow::summary() const { return QString::fromStdString(model_.summaryText()); }

void SetBaseUnitWindow::copySummary() { QGuiApplication::clipboard()->setText(summary()); }

void SetBaseUnitWindow::act(const std::function<void()>& action) {
  try {
    action();
  } catch (const LinkError& error) {
    // The serial port refused its line settings or went away mid-write.
    context_.messages.show(this, serialProblemMessage(SerialLink::Problem::PortLost, error.what()));
  } catch (...) {
    reportUnhandledFailure(std::current_exception());
  }
}

ReportFrame& SetBaseUnitWindow::txFrame() { return context_.session.state().txFrame; }

void SetBaseUnitWindow::sendFrame(CommandCode code) { context_.session.sendFrame(code); }

LinkProtocol SetBaseUnitWindow::protocol() const { return context_.session.state().protocol; }

void SetBaseUnitWindow::setSerialLineSettings(std::string_view settings) {
  context_.session.setSerialLineSettings(settings);
}

void SetBaseUnitWindow::onLinkReply(const ReportFrame& rxFrame) {
  act([this, &rxFrame] { model_.frameReceived(rxFrame); });
}

void SetBaseUnitWindow::changed() {
  nationList_->setCurrentIndex(model_.nationSelection().value_or(-1));
  powerList_->setCurrentIndex(model_.powerSelection());
  const std::vector<std::string> channels = model_.channelEntries();
  if (channelList_->count() != static_cast<int>(channels.size())) {
    channelList_->clear();
    for (const std::string& entry : channels) {
      channelList_->addItem(QString::fromStdString(entry));
    }
  }
  channelList_->setCurrentIndex(model_.channelSelection().value_or(-1));
  {
    const QSignalBlocker quiet(hopping_);
    hopping_->setChecked(model_.hoppingChecked());
  }
  for (std::size_t i = 0; i < idBoxes_.size(); ++i) {
    const QSignalBlocker quiet(idBoxes_.at(i));
    idBoxes_.at(i)->setChecked(model_.idChecked(static_cast<int>(i + 1)));
  }
  for (std::size_t g = 0; g < radios_.size(); ++g) {
    const int code = model_.radioSelection(static_cast<RadioGroup>(g));
    QButtonGroup* group = radioGroups_.at(g);
    const QSignalBlocker quiet(group);
    // An exclusive group cannot be cleared button by button; code 0 selects none.
    group->setExclusive(false);
    for (std::size_t i = 0; i < radios_.at(g).size(); ++i) {
      QRadioButton* radio = radios_.at(g).at(i);
      radio->setChecked(static_cast<int>(i) + 1 == code);
      // A group is one Tab stop, its selected button (the first when none is), and the arrow
      // keys move within it; buttons checked from here would otherwise keep stale stops.
      const bool stop = code == 0 ? i == 0 : static_cast<int>(i) + 1 == code;
      radio->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    group->setExclusive(true);
  }
  upload_->setEnabled(model_.uploadEnabled());
  bootloader_->setText(QString::fromStdString(model_.bootloaderText()));
  application_->setText(QString::fromStdString(model_.applicationText()));
  summary_->setText(summary());
  display_->setToolTip(summary());
}

void SetBaseUnitWindow::showMessage(SetBaseUnitMessage message) {
  context_.messages.show(this, OperatorMessage{.title = messageTitle(message),
                                               .text = messageText(message),
                                               .icon = messageIcon(message)});
}

}  // namespace orbelle::ui
