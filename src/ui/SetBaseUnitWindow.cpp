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
#include <QScrollBar>
#include <QTimer>
#include <optional>

#include "l10n/MessageTexts.h"
#include "protocol/LinkError.h"
#include "session/Session.h"
#include "settings/SettingsTables.h"
#include "ui/DialogUnits.h"
#include "ui/LinkProblemMessage.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/RadioChoice.h"
#include "ui/ScreenFit.h"

namespace orbelle::ui {

namespace {

// A drop-down list that reports each closing of its list, changed or not. A choice made on
// the closed box with the keyboard (arrows, type-ahead) or the wheel counts as a closing too:
// the model would otherwise not know of it, and its next refresh would undo the choice.
class DropDownList : public QComboBox {
 public:
  DropDownList(std::function<void(int)> closed, QWidget* parent)
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
  const char* caption;  // none: the rate the button stands for
  QRect where;          // dialog units
};

struct GroupPlace {
  RadioGroup group;
  std::vector<RadioPlace> buttons;  // code 1 first
};

// Where the groups' buttons go, in tab order.
const std::array<GroupPlace, kRadioGroupCount>& radioLayout() {
  static const std::array<GroupPlace, kRadioGroupCount> layout{{
      {RadioGroup::Baud,
       {{1042, nullptr, {19, 57, 44, 10}},
        {1043, nullptr, {66, 57, 44, 10}},
        {1044, nullptr, {113, 57, 46, 10}},
        {1081, nullptr, {19, 70, 44, 10}},
        {1082, nullptr, {66, 70, 44, 10}},
        {1083, nullptr, {113, 70, 46, 10}}}},
      {RadioGroup::DataBits,
       {{1091, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "7 bits"), {174, 57, 32, 10}},
        {1095, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "8 bits"), {207, 57, 32, 10}}}},
      {RadioGroup::StopBits,
       {{1099, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "1 bit"), {174, 84, 32, 10}},
        {1100, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "2 bits"), {207, 84, 32, 10}}}},
      {RadioGroup::Flow,
       {{1101, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "None"), {19, 98, 40, 10}},
        {1102,
         QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "RTS/CTS (Host idle: Low RTS)"),
         {19, 111, 140, 10}},
        {1103,
         QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "RTS/CTS (Host idle: High RTS)"),
         {19, 124, 140, 10}}}},
      {RadioGroup::Parity,
       {{1096, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "None"), {174, 111, 40, 10}},
        {1097, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Odd"), {174, 122, 40, 10}},
        {1098, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Even"), {174, 133, 40, 10}}}},
      {RadioGroup::NumericKey,
       {{1107,
         QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Alphabetic key"),
         {19, 170, 70, 10}},
        {1108,
         QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Alt+ Keypad"),
         {168, 170, 60, 10}}}},
  }};
  return layout;
}

// ID n's check box identifier; the identifiers do not follow the IDs' order.
constexpr std::array<int, 16> kIdBoxIds{1013, 1014, 1015, 1016, 1017, 1018, 1025, 1026,
                                        1019, 1020, 1021, 1022, 1023, 1024, 1027, 1028};

struct FramePlace {
  int id;  // 0: none
  const char* title;
  QRect where;  // dialog units
  bool emphasised = false;
};

// The frames, each before those it encloses. Each control lives in the innermost frame around
// it, a frame in the one around it: a reader finds every control under its group, and a
// frame's buttons exclude each other.
const std::array<FramePlace, 13>& frameLayout() {
  static const std::array<FramePlace, 13> layout{{
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Nation"), {7, 3, 118, 30}},
      {0,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Frequency hopping"),
       {130, 3, 117, 30}},
      {1106,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "RS232 protocol settings"),
       {7, 36, 240, 114},
       true},
      {1084, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Baud rate"), {13, 46, 150, 38}},
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Flow control"), {13, 87, 150, 55}},
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Data bit"), {168, 46, 73, 24}},
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Stop bit"), {168, 73, 73, 24}},
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Parity"), {168, 100, 73, 45}},
      {1109,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "USB (PS2) protocol settings"),
       {7, 153, 240, 32},
       true},
      {0, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Numeric key"), {13, 161, 228, 21}},
      {0,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Software versions"),
       {7, 188, 240, 52}},
      {1005,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Radio frequency settings"),
       {253, 3, 143, 44}},
      {1006,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Associated handheld unit  IDs"),
       {253, 51, 143, 130}},
  }};
  return layout;
}

// A caption and the read-only field it names.
struct FieldPlace {
  const char* caption;
  QRect captionWhere;
  int id;
  QRect where;
  QLineEdit* SetBaseUnitWindow::*field;
};

// A caption and the drop-down list it names; the list's height is its own.
struct ListPlace {
  int captionId;
  const char* caption;
  QRect captionWhere;
  int id;
  QRect where;
  QComboBox* SetBaseUnitWindow::*list;
  void (SetBaseUnitModel::*closed)(int);
};

struct CommandPlace {
  int id;
  const char* caption;
  int x;                                      // dialog units; all share one row
  void (SetBaseUnitModel::*clicked)();        // none: Cancel
  QAbstractButton* SetBaseUnitWindow::*kept;  // none: not needed after building
};

QRect at(const DialogUnits& units, QRect where) {
  return units.rect(where.x(), where.y(), where.width(), where.height());
}

// Controls with no identifier of their own are still named for a reader.
void identifyOrName(QWidget& control, int id, const QString& name) {
  if (id != 0) {
    identify(control, id, name);
  } else {
    control.setAccessibleName(name);
  }
}

}  // namespace

SetBaseUnitWindow::SetBaseUnitWindow(const WindowServices& context)
    : context_(context),
      settingsLink_(
          context.session, context.settingsReplyTimeout,
          [this](const std::exception_ptr& failure) { handleFailure(failure); }, this),
      model_(settingsLink_, *this) {
  setObjectName(QStringLiteral("dialog132"));
  setWindowTitle(tr("Set Base Unit"));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(403, 282));
  addPage();
  addFrames(units);
  QList<QWidget*> tabOrder;
  addNationAndHopping(units, tabOrder);
  addRadioGroups(units, tabOrder);
  addVersionFields(units, tabOrder);
  addLists(units, tabOrder);
  addIdBoxes(units, tabOrder);
  addSummary(units);
  addCommandButtons(units, tabOrder);
  for (qsizetype i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
  }
  emphasiseFrames();
  addCopySummary();
  addPictures();
  changed();
}

void SetBaseUnitWindow::addPage() {
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
}

QWidget* SetBaseUnitWindow::holderAt(QPoint onPage) const {
  QWidget* holder = page_;
  int holderArea = page_->width() * page_->height();
  for (QGroupBox* frame : frames_) {
    const QRect frameOnPage(frame->mapTo(page_, QPoint()), frame->size());
    const int area = frame->width() * frame->height();
    if (frameOnPage.contains(onPage) && area < holderArea) {
      holder = frame;
      holderArea = area;
    }
  }
  return holder;
}

template <typename Control, typename... Arguments>
Control* SetBaseUnitWindow::addAt(QRect onPage, Arguments&&... arguments) {
  QWidget* holder = holderAt(onPage.topLeft());
  auto* control = new Control(std::forward<Arguments>(arguments)..., holder);
  control->setGeometry(onPage.translated(-holder->mapTo(page_, QPoint())));
  return control;
}

void SetBaseUnitWindow::addFrames(const DialogUnits& units) {
  for (const FramePlace& place : frameLayout()) {
    const QString title = tr(place.title);
    auto* frame = addAt<QGroupBox>(at(units, place.where), title);
    identifyOrName(*frame, place.id, title);
    frames_.push_back(frame);
  }
}

void SetBaseUnitWindow::emphasiseFrames() {
  // Once they hold their controls, which keep the dialog's colours.
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    if (frameLayout().at(i).emphasised) {
      context_.look.emphasise(*frames_.at(i));
    }
  }
}

QLabel* SetBaseUnitWindow::addLabel(const DialogUnits& units, int id, const QString& text,
                                    QRect where) {
  auto* label = addAt<BoxCaption>(at(units, where), text);
  identifyOrName(*label, id, text);
  return label;
}

void SetBaseUnitWindow::addNationAndHopping(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  QLabel* nationLabel = addLabel(units, 0, tr("Nation:"), {13, 16, 28, 8});
  // A drop-down list's height in the dialog includes its open list; the closed box is what
  // is placed, as high as it needs.
  nationList_ = addAt<QComboBox>(units.rect(44, 14, 76, 0));
  identify(*nationList_, 1088, nationLabel->text());
  nationLabel->setBuddy(nationList_);
  for (const std::string_view entry : SetBaseUnitModel::nationEntries()) {
    // Turkey's entry is blank, and stays so in every language.
    nationList_->addItem(l10n::operatorText(entry));
  }
  nationList_->setEnabled(SetBaseUnitModel::nationListEnabled());
  nationList_->resize(nationList_->width(), nationList_->sizeHint().height());
  tabOrder << nationList_;

  hopping_ = addAt<QCheckBox>(at(units, {137, 16, 106, 10}), tr("Enable frequency hopping"));
  identify(*hopping_, 1090, hopping_->text());
  // Checkable controls act on their change of state, whoever made it (the mouse, the keyboard,
  // a screen reader's Toggle); the window's own refreshes change them with signals blocked.
  connect(hopping_, &QCheckBox::toggled, this,
          [this](bool checked) { operate([this, checked] { model_.toggleHopping(checked); }); });
  tabOrder << hopping_;
}

void SetBaseUnitWindow::addRadioGroups(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  for (const GroupPlace& place : radioLayout()) {
    std::vector<QRadioButton*>& buttons = radios_.at(static_cast<std::size_t>(place.group));
    auto* group = new QButtonGroup(this);
    radioGroups_.at(static_cast<std::size_t>(place.group)) = group;
    for (const RadioPlace& button : place.buttons) {
      const QString caption = button.caption != nullptr
                                  ? tr(button.caption)
                                  : QString::number(kBaseBaudRates.at(buttons.size()));
      auto* radio = addAt<RadioChoice>(at(units, button.where), caption);
      identify(*radio, button.id, radio->text());
      // Another language's words may be longer ("Ungerade"): the button takes the room its
      // group has beside it.
      growToCaption(*radio, radio->parentWidget()->contentsRect().right() - units.x(3));
      group->addButton(radio, static_cast<int>(buttons.size() + 1));  // the code
      buttons.push_back(radio);
      tabOrder << radio;
      if (button.id == 1107) {
        // Never offered, and with no code of its own: between the two keys, always disabled.
        // Outside the group, so that it never takes part; still a radio button to a reader.
        auto* keypad = addAt<QRadioButton>(at(units, {92, 170, 72, 10}), tr("Numeric keypad"));
        identify(*keypad, 1110, keypad->text());
        keypad->setEnabled(false);
        tabOrder << keypad;
      }
    }
    // A change of selection, however made; and a click that changes nothing, on the button
    // already selected (by the mouse, Space or a reader's Toggle), which counts all the same.
    const auto clickRadio = [this, g = place.group](int code) {
      operate([this, g, code] { model_.clickRadio(g, static_cast<std::uint8_t>(code)); });
    };
    connect(group, &QButtonGroup::idToggled, this, [clickRadio](int code, bool on) {
      if (on) {
        clickRadio(code);
      }
    });
    connect(group, &QButtonGroup::idClicked, this, clickRadio);
  }
}

void SetBaseUnitWindow::addVersionFields(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  static const std::array<FieldPlace, 2> fields{{
      {QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Bootloader version:"),
       {13, 203, 78, 8},
       1032,
       {95, 200, 70, 12},
       &SetBaseUnitWindow::bootloader_},
      {QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Application version:"),
       {13, 222, 78, 8},
       1034,
       {95, 219, 70, 12},
       &SetBaseUnitWindow::application_},
  }};
  for (const FieldPlace& place : fields) {
    QLabel* caption = addLabel(units, 0, tr(place.caption), place.captionWhere);
    auto* field = addAt<QLineEdit>(at(units, place.where));
    identify(*field, place.id, caption->text());
    caption->setBuddy(field);
    // It shows what the unit reported; nothing reads it back.
    field->setReadOnly(true);
    tabOrder << field;
    this->*place.field = field;
  }
}

void SetBaseUnitWindow::addLists(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  static const std::array<ListPlace, 2> lists{{
      {1050,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Power level (dBm):"),
       {260, 16, 70, 8},
       1008,
       {332, 14, 56, 0},
       &SetBaseUnitWindow::powerList_,
       &SetBaseUnitModel::closePowerList},
      {1051,
       QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "Channel Number:"),
       {260, 31, 70, 8},
       1009,
       {332, 29, 56, 0},
       &SetBaseUnitWindow::channelList_,
       &SetBaseUnitModel::closeChannelList},
  }};
  for (const ListPlace& place : lists) {
    QLabel* caption = addLabel(units, place.captionId, tr(place.caption), place.captionWhere);
    QComboBox* list =
        addAt<DropDownList>(at(units, place.where), [this, closed = place.closed](int position) {
          operate([this, closed, position] { (model_.*closed)(position); });
        });
    identify(*list, place.id, caption->text());
    caption->setBuddy(list);
    if (place.id == 1008) {
      for (const std::string& entry : SetBaseUnitModel::powerEntries()) {
        list->addItem(QString::fromStdString(entry));
      }
    }
    list->resize(list->width(), list->sizeHint().height());
    this->*place.list = list;
    tabOrder << list;
  }
}

void SetBaseUnitWindow::addIdBoxes(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  // Two columns of eight, each box followed by its label.
  for (int n = 1; n <= static_cast<int>(idBoxes_.size()); ++n) {
    const int column = (n - 1) / 8;
    const int row = (n - 1) % 8;
    const int x = 265 + column * 65;
    const int y = 63 + row * 14;
    auto* box = addAt<QCheckBox>(at(units, {x, y, 10, 10}));
    identify(*box, kIdBoxIds.at(static_cast<std::size_t>(n - 1)), QString());
    const QString name = tr("ID %1").arg(n);
    QLabel* label = addLabel(units, 1052 + n, name, {x + 12, y + 1, 32, 8});
    label->setBuddy(box);
    box->setAccessibleName(name);
    connect(box, &QCheckBox::toggled, this, [this, n](bool checked) {
      operate([this, n, checked] { model_.clickIdBox(n, checked); });
    });
    idBoxes_.at(static_cast<std::size_t>(n - 1)) = box;
    tabOrder << box;
  }
}

void SetBaseUnitWindow::addSummary(const DialogUnits& units) {
  summary_ = addLabel(units, 1041, QString(), {253, 184, 100, 8});
  summary_->setAccessibleName(tr("Settings summary"));
  summary_->hide();
  // No role and no text: it shows nothing, and hidden it is not announced either.
  addLabel(units, 1052, QString(), {253, 184, 10, 8})->hide();
}

void SetBaseUnitWindow::addCommandButtons(const DialogUnits& units, QList<QWidget*>& tabOrder) {
  // The buttons along the bottom edge, left to right; the base unit's picture goes above
  // Cancel.
  static const std::array<CommandPlace, 4> commands{{
      {1105, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "\nReturn\nDefault Settings"), 36,
       &SetBaseUnitModel::clickReturnDefaultSettings, nullptr},
      {1040, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "\nDisplay\nCurrent Settings"),
       128, &SetBaseUnitModel::clickDisplayCurrentSettings, &SetBaseUnitWindow::display_},
      {1029, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "\nUpload\nNew Settings"), 220,
       &SetBaseUnitModel::clickUpload, &SetBaseUnitWindow::upload_},
      {1030, QT_TRANSLATE_NOOP("orbelle::ui::SetBaseUnitWindow", "\nCancel\n"), 312, nullptr,
       nullptr},
  }};
  for (const CommandPlace& place : commands) {
    const QString caption = tr(place.caption);
    QAbstractButton* button = context_.look.commandButton(*page_, caption, ButtonFamily::Large);
    identify(*button, place.id, caption);
    button->setGeometry(units.rect(place.x, 246, 56, 30));
    // A size smaller than the window's, so that "Current Settings" fits the face.
    button->setFont(dialogFont(QStringLiteral("Tahoma"), 9));
    if (auto* push = qobject_cast<QPushButton*>(button)) {
      push->setAutoDefault(false);  // Enter presses a button only when it has the focus
    }
    if (place.clicked != nullptr) {
      connect(button, &QAbstractButton::clicked, this, [this, clicked = place.clicked] {
        operate([this, clicked] { (model_.*clicked)(); });
      });
    } else {
      connect(button, &QAbstractButton::clicked, this, [this] {
        if (!behindModalWindow(*this)) {
          reject();
        }
      });
    }
    tabOrder << button;
    if (place.kept != nullptr) {
      this->*place.kept = button;
    }
  }
}

void SetBaseUnitWindow::addCopySummary() {
  // The summary stays hidden where it always was; it is offered without changing the layout.
  copySummary_ = new QAction(tr("Copy settings summary"), this);
  copySummary_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copySummary_->setShortcutContext(Qt::WindowShortcut);
  addAction(copySummary_);
  connect(copySummary_, &QAction::triggered, this, &SetBaseUnitWindow::copySummary);
}

void SetBaseUnitWindow::addPictures() {
  context_.look.decorate(*this, WindowPicture::SetBaseUnit);
  // The look puts its pictures on the window; they belong on the page, to scroll with it.
  for (QWidget* picture :
       findChildren<QWidget*>(QStringLiteral("picture"), Qt::FindDirectChildrenOnly)) {
    picture->setParent(page_);
    picture->lower();
    picture->show();
  }
}

void SetBaseUnitWindow::prepare() {
  settingsLink_.attach(model_);
  fitToScreen();
  act([this] { model_.open(); });
  focusFirstControl(*this);
}

void SetBaseUnitWindow::fitToScreen() {
  const QScreen* shownOn = screen();
  if (shownOn == nullptr) {
    return;
  }
  // The whole frame, title bar and borders, stays on the screen.
  fittedFrame_ = windowFrame(*this);
  const QRect room = shownOn->availableGeometry();
  auto* scroller = findChild<QScrollArea*>(QStringLiteral("scroller"));
  const QSize bars(scroller->verticalScrollBar()->sizeHint().width(),
                   scroller->horizontalScrollBar()->sizeHint().height());
  const QSize fitted = scrolledFit(page_->size(), room.marginsRemoved(fittedFrame_).size(), bars);
  setFixedSize(fitted);
  scroller->setGeometry(rect());
  // A window's position is its frame's.
  const QRect outer(pos(), fitted.grownBy(fittedFrame_));
  if (!room.contains(outer)) {
    move(keptWithin(outer, room));
  }
}

void SetBaseUnitWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fitToScreen();  // with the frame the platform gives it now
  // The lists, boxes and fields are re-read from the model's indexes each time the window
  // comes up, as a repaint would; not on every paint, since changing widgets while painting
  // makes them paint again.
  act([this] { model_.repaint(); });
}

void SetBaseUnitWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  // An X11 window manager frames the window after it has been shown, and moves it to do so.
  if (isVisible() && windowFrame(*this) != fittedFrame_) {
    fitToScreen();
  }
}

void SetBaseUnitWindow::done(int result) {
  // Cancel, Esc and the close box alike: the link released, no timer left to fire, and a
  // late reply reaches no one.
  context_.session.closeLink();
  settingsLink_.detach();
  QDialog::done(result);
}

void SetBaseUnitWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(copySummary_);
  menu.exec(event->globalPos());
}

QString SetBaseUnitWindow::summary() const { return l10n::operatorText(model_.summaryText()); }

void SetBaseUnitWindow::copySummary() { QGuiApplication::clipboard()->setText(summary()); }

void SetBaseUnitWindow::act(const std::function<void()>& action) {
  runGuarded([this](const std::exception_ptr& failure) { handleFailure(failure); }, action);
}

void SetBaseUnitWindow::operate(const std::function<void()>& action) {
  if (behindModalWindow(*this)) {
    changed();
    return;
  }
  const bool outer = !operating_;
  operating_ = true;
  act(action);
  operating_ = !outer;
}

void SetBaseUnitWindow::present(const OperatorMessage& message) {
  if (operating_) {
    showAfterReturn(context_.messages, this, message);
  } else {
    context_.messages.show(this, message);
  }
}

void SetBaseUnitWindow::handleFailure(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const LinkError& error) {
    // The serial port refused its line settings or went away mid-write.
    present(serialProblemMessage(SerialLink::Problem::PortLost, error.what()));
  } catch (...) {
    reportUnhandledFailure(std::current_exception());
  }
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

void SetBaseUnitWindow::showMessage(SettingsMessage message) {
  present(OperatorMessage{.title = settingsMessageTitle(message),
                          .text = settingsMessageText(message),
                          .icon = settingsMessageIcon(message)});
}

}  // namespace orbelle::ui
