#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <nlohmann/json.hpp>

#include "WindowFixture.h"
#include "protocol/CommandCode.h"
#include "settings/SettingsCodec.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/SetProtocolWindow.h"

namespace orbelle::testing {
namespace {

constexpr int kDeadlineMs = 10000;
constexpr const char* kLoaded = "The current settings of base unit have been loaded.";
constexpr const char* kUploaded = "The new settings of base unit have been uploaded.";
constexpr const char* kNoReply = "Cannot communicate with the base unit.";

class SetBaseUnitWindowTest : public WindowFixture {
 protected:
  ui::SetBaseUnitWindow& open() {
    click(main(), 1000);
    return main().setBaseUnitWindow();
  }
  Texts awaitBoxes() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }, kDeadlineMs));
    return messages_.takeTexts();
  }
  bool checked(QWidget& window, int id) {
    return control<QAbstractButton>(window, id)->isChecked();
  }
  std::string shown(QWidget& window, int id) {
    return control<QComboBox>(window, id)->currentText().toStdString();
  }
  // What a reader finds inside a group, as the accessible tree holds it: each control's role
  // and name (a list's accessible name is its entry on Linux, so the widget's is taken).
  static std::string heldBy(QWidget& window, const QString& group) {
    QStringList held;
    for (QWidget* frame : window.findChildren<QGroupBox*>()) {
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(frame);
      for (int i = 0; frame->accessibleName() == group && i < face->childCount(); ++i) {
        held << QStringLiteral("%1 %2")
                    .arg(face->child(i)->role())
                    .arg(qobject_cast<QWidget*>(face->child(i)->object())->accessibleName());
      }
    }
    return held.join(QLatin1Char('|')).toStdString();
  }
  // Picks an entry through the open drop-down, as a mouse would.
  void pick(QComboBox* list, int position) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex entry = view->model()->index(position, 0);
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }, kDeadlineMs));
    QCoreApplication::processEvents();  // the closing is reported once the choice is made
  }
};

class SetBaseUnitOverEachLink : public SetBaseUnitWindowTest,
                                public ::testing::WithParamInterface<SimLink> {};

TEST_P(SetBaseUnitOverEachLink, ReadEditUploadAndReopen) {
  serve(GetParam());
  start();
  ui::SetBaseUnitWindow& window = open();
  ASSERT_TRUE(window.isVisible());
  // Before the reply: the opening selections, the full channel list, nothing to upload.
  for (const int id : {1043, 1095, 1099, 1096, 1101, 1107}) {
    EXPECT_TRUE(checked(window, id)) << id;
  }
  auto* channels = control<QComboBox>(window, 1009);
  EXPECT_EQ(channels->count(), 48);
  EXPECT_EQ(shown(window, 1009), "1");
  EXPECT_EQ(shown(window, 1008), "10");
  EXPECT_FALSE(control<QWidget>(window, 1029)->isEnabled());
  EXPECT_FALSE(control<QWidget>(window, 1088)->isEnabled());
  EXPECT_FALSE(control<QWidget>(window, 1110)->isEnabled());
  EXPECT_FALSE(control<QLabel>(window, 1041)->isVisibleTo(&window));
  EXPECT_EQ(window.focusWidget(), control<QWidget>(window, 1090)) << "the first control";
  if (GetParam() == SimLink::Serial) {
    expectNamedAndReachedByTab(window);
    // Roles as readers announce them; an empty static is not announced at all.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control<QWidget>(window, 1110))->role(),
              QAccessible::RadioButton);
    EXPECT_FALSE(control<QLabel>(window, 1052)->isVisibleTo(&window));
    // Each control inside its group (labels 41, lists 46, check boxes 44, fields 42).
    EXPECT_EQ(heldBy(window, "Nation"), "41 Nation:|46 Nation:");
    EXPECT_EQ(heldBy(window, "Frequency hopping"), "44 Enable frequency hopping");
    EXPECT_EQ(heldBy(window, "RS232 protocol settings"),
              "20 Baud rate|20 Flow control|20 Data bit|20 Stop bit|20 Parity");
    EXPECT_EQ(heldBy(window, "USB (PS2) protocol settings"), "20 Numeric key");
    EXPECT_EQ(heldBy(window, "Software versions"),
              "41 Bootloader version:|42 Bootloader version:|41 Application version:|42 "
              "Application version:");
    EXPECT_EQ(heldBy(window, "Radio frequency settings"),
              "41 Power level (dBm):|46 Power level (dBm):|41 Channel Number:|46 Channel Number:");
    QStringList ids;
    for (int n = 1; n <= 16; ++n) {
      ids << QStringLiteral("44 ID %1|41 ID %1").arg(n);
    }
    EXPECT_EQ(heldBy(window, "Associated handheld unit  IDs"), ids.join('|').toStdString());
  }

  EXPECT_EQ(awaitBoxes(), Texts{kLoaded});
  EXPECT_EQ(channels->count(), 16);
  EXPECT_EQ(shown(window, 1009), "6");
  EXPECT_EQ(shown(window, 1088), "Europe");
  EXPECT_TRUE(checked(window, 1013) && !checked(window, 1014));
  EXPECT_EQ(control<QLineEdit>(window, 1032)->text(), "1.0.3");
  EXPECT_EQ(control<QLineEdit>(window, 1034)->text(), "2.1.0");
  const QString summary = control<QWidget>(window, 1040)->toolTip();
  EXPECT_TRUE(summary.contains("They are Reader 1!")) << summary.toStdString();
  EXPECT_EQ(control<QLabel>(window, 1041)->text(), summary);
  QGuiApplication::clipboard()->clear();
  ASSERT_TRUE(activate(window));
  QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), summary);

  // The lists: through the drop-down, and with the keyboard on the closed box.
  pick(control<QComboBox>(window, 1008), 6);
  EXPECT_EQ(shown(window, 1008), "-15");
  EXPECT_TRUE(control<QWidget>(window, 1029)->isEnabled());
  channels->setFocus();
  QTest::keyClicks(channels, "9");
  EXPECT_EQ(shown(window, 1009), "9");
  // Hopping on: Europe keeps 1 to 8, so channel 9 becomes 6. A reader's Toggle returns before
  // the box comes, as a click does.
  actOn(control<QWidget>(window, 1090));
  EXPECT_TRUE(messages_.pending().empty()) << "shown while the action had not returned";
  EXPECT_EQ(awaitBoxes(),
            Texts{"The setting of channel number is out of valid range.\nThe old setting will be "
                  "replaced with the default setting."});
  EXPECT_EQ(channels->count(), 8);
  EXPECT_EQ(shown(window, 1009), "6");
  channels->setFocus();
  QTest::keyClick(channels, Qt::Key_Down);
  for (const int id : {1015, 1028, 1013, 1044, 1091, 1100, 1098, 1103, 1108}) {
    click(window, id);
  }
  QTest::mouseClick(control<QLabel>(window, 1064), Qt::LeftButton);  // "ID 12" works its box
  EXPECT_TRUE(checked(window, 1022));
  EXPECT_EQ(shown(window, 1009), "7") << "a keyboard choice survives the next refresh";
  EXPECT_TRUE(checked(window, 1015) && checked(window, 1028) && !checked(window, 1013));
  EXPECT_TRUE(checked(window, 1044) && !checked(window, 1043));

  click(window, 1029);
  EXPECT_FALSE(control<QWidget>(window, 1029)->isEnabled());
  EXPECT_EQ(awaitBoxes(), Texts{kUploaded});
  control<QWidget>(window, 1044)->setFocus();
  QTest::keyClick(control<QWidget>(window, 1044), Qt::Key_Space);  // the selected button
  EXPECT_TRUE(control<QWidget>(window, 1029)->isEnabled());
  click(window, 1030);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(linkHeld(GetParam()));

  const ProcessResult read = runAgainst(*sim_, VKR_PATH, {"--json", "settings", "read"});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  const auto stored = nlohmann::json::parse(read.out);
  auto expected = stored;
  expected.merge_patch(nlohmann::json::parse(R"({"power_dbm": -15, "channel": 7, "hopping": true,
      "ids": [3, 12, 16], "numeric_key": "alt-keypad", "rs232": {"baud": 19200, "data_bits": 7,
      "stop_bits": 2, "parity": "even", "flow": "rts-high"}})"));
  EXPECT_EQ(stored, expected);

  // The window keeps its values between openings; exactly one reply is applied. The focus
  // starts on the first control again, not on Cancel where it was left.
  open();
  EXPECT_EQ(window.focusWidget(), control<QWidget>(window, 1090));
  EXPECT_EQ(shown(window, 1008), "-15");
  EXPECT_TRUE(checked(window, 1028) && checked(window, 1090));
  EXPECT_FALSE(control<QWidget>(window, 1029)->isEnabled());
  EXPECT_EQ(awaitBoxes(), Texts{kLoaded});
  EXPECT_EQ(shown(window, 1009), "7");
  EXPECT_EQ(channels->count(), 8);
  window.close();  // the close box
  EXPECT_FALSE(linkHeld(GetParam()));
}

// A screen reader's action (Toggle: no click), or the mouse.
enum class Way { Accessible, Click };

// What the operator would see and what would be stored or uploaded: every check, the shown
// groups, the boxes, Upload's state and the values an upload would send.
QString windowState(QDialog& window, MessageRecorder& messages) {
  QStringList state;
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->isCheckable()) {
      state << button->objectName() + (button->isChecked() ? "+" : "-");
    } else if (button->objectName() == QLatin1String("id1029")) {
      state << (button->isEnabled() ? "upload" : "no-upload");
    }
  }
  for (QComboBox* list : window.findChildren<QComboBox*>()) {
    state << (list->isVisible()
                  ? QStringLiteral("list %1 %2").arg(list->count()).arg(list->currentText())
                  : QStringLiteral("hidden"));
  }
  for (const std::string& text : messages.takeTexts()) {
    state << QString::fromStdString(text);
  }
  if (const auto* settings = qobject_cast<ui::SetBaseUnitWindow*>(&window)) {
    ReportFrame upload{};
    encodeUploadSettings(upload, settings->model().uploadValues(), false);
    state << QByteArray(reinterpret_cast<const char*>(upload.data()), 14).toHex();
  }
  return state.join(QLatin1Char(' '));
}

// Each checkable control of Set Protocol and Set Base Unit, changed one after the other by a
// screen reader's action in one run and by the mouse in another, leaves the same state.
TEST_F(SetBaseUnitWindowTest, EveryCheckableControlDoesTheSameByAccessibleActionAndByClick) {
  const auto walk = [&](Way way) {
    app_.reset();
    serve(SimLink::Usb);
    start();
    QStringList states;
    const auto press = [&](QDialog& window, QAbstractButton* button) {
      if (way == Way::Click) {
        QTest::mouseClick(button, Qt::LeftButton);
      } else {
        actOn(button);
      }
      states.push_back(QStringLiteral("%1: %2 stored %3")
                           .arg(button->objectName())
                           .arg(windowState(window, messages_))
                           .arg(static_cast<int>(storedChoice().protocol)));
    };
    // Every enabled checkable control, then the first one again.
    const auto operate = [&](QDialog& window) {
      QList<QAbstractButton*> buttons;
      for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isCheckable() && button->isEnabled()) {
          buttons << button;
        }
      }
      buttons << buttons.front();
      for (QAbstractButton* button : buttons) {
        press(window, button);
      }
    };
    click(main(), 1003);
    operate(main().setProtocolWindow());
    click(main().setProtocolWindow(), 1);  // USB again: the unit is found, and the window closes
    EXPECT_FALSE(main().setProtocolWindow().isVisible());
    EXPECT_TRUE(app_->session().hid().deviceHeld());
    ui::SetBaseUnitWindow& window = open();
    EXPECT_EQ(awaitBoxes(), Texts{kLoaded});
    operate(window);
    // Once uploaded, a press of the button already selected offers Upload again.
    click(window, 1029);
    EXPECT_EQ(awaitBoxes(), Texts{kUploaded});
    EXPECT_TRUE(checked(window, 1108));
    press(window, control<QAbstractButton>(window, 1108));
    EXPECT_TRUE(control<QWidget>(window, 1029)->isEnabled()) << "the selected button pressed";
    click(window, 1030);
    return states;
  };
  const QStringList byAction = walk(Way::Accessible);
  const QStringList byClick = walk(Way::Click);
  ASSERT_EQ(byAction.size(), 3 + 36 + 1) << "USB, RS232, USB; hopping, 16 IDs, 18 radios, 1108";
  EXPECT_EQ(byAction.join('\n').toStdString(), byClick.join('\n').toStdString());
}

// On a screen too small for it (a magnified one) the window scrolls, its whole frame on the
// screen, and the bottom row is reached with the keyboard; a way the page fits does not
// scroll, and on a large screen nothing scrolls. Each screen of tests/ui/screens.json is
// tried; ctest runs it again at scale 1.5 and 2.
TEST_F(SetBaseUnitWindowTest, FitsTheScreenItIsShownOn) {
  serve(SimLink::Usb);
  start();
  for (const char* name : {"small", "large", "laptop"}) {
    QScreen* screen = nullptr;
    for (QScreen* candidate : QGuiApplication::screens()) {
      screen = candidate->name() == name ? candidate : screen;
    }
    ASSERT_NE(screen, nullptr) << "the screens of tests/ui/screens.json";
    main().setBaseUnitWindow().setScreen(screen);
    ui::SetBaseUnitWindow& window = open();
    EXPECT_EQ(awaitBoxes(), Texts{kLoaded});
    auto* page = window.findChild<QWidget*>(QStringLiteral("page"));
    auto* scroller = window.findChild<QScrollArea*>(QStringLiteral("scroller"));
    const QRect room = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.size();
    ASSERT_FALSE(frame.isEmpty()) << "a frame to fit: the platform draws one";
    EXPECT_TRUE(room.contains(window.frameGeometry())) << name;
    const bool down = page->height() + frame.height() > room.height();
    const bool across =
        page->width() + frame.width() + (down ? scroller->verticalScrollBar()->width() : 0) >
        room.width();
    EXPECT_EQ(scroller->verticalScrollBar()->isVisible(), down) << name;
    EXPECT_EQ(scroller->horizontalScrollBar()->isVisible(), across) << name;
    if (!down && !across) {
      EXPECT_EQ(window.size(), page->size()) << "unchanged on a screen large enough";
    }
    if (std::string(name) == "small") {
      EXPECT_TRUE(down) << "a screen of 640 x 480 scrolls at any scale";
    }
    auto* cancel = control<QAbstractButton>(window, 1030);
    ASSERT_TRUE(activate(window));
    control<QAbstractButton>(window, 1040)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // Upload is disabled: to Cancel
    ASSERT_EQ(QApplication::focusWidget(), cancel);
    const QRect shown(cancel->mapTo(&window, QPoint(0, 0)), cancel->size());
    EXPECT_TRUE(window.rect().contains(shown)) << "scrolled into view";
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(Links, SetBaseUnitOverEachLink,
                         ::testing::Values(SimLink::Serial, SimLink::Usb),
                         [](const auto& info) { return std::string(linkName(info.param)); });

// Over RS232 a missing reply is told once the reply time-out has passed, once per request;
// once the window is left, neither its timer nor a late reply shows anything or changes it.
TEST_F(SetBaseUnitWindowTest, NoReplyOverSerialAndNothingAfterLeaving) {
  settingsReplyTimeout_ = std::chrono::milliseconds(300);
  serve(SimLink::Serial, {"--fault", "drop-reply=1"});
  start();
  QElapsedTimer clock;
  clock.start();
  ui::SetBaseUnitWindow& window = open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }, kDeadlineMs));
  // Not before the time-out, less the 5 % a coarse Qt timer may fire early.
  EXPECT_GE(clock.elapsed(), settingsReplyTimeout_.count() * 95 / 100);
  EXPECT_EQ(messages_.take(),
            (std::vector<OperatorMessage>{
                {"VKR - Hardware Problem/Communication Message", kNoReply, MessageIcon::Error}}));
  click(window, 1040);
  EXPECT_EQ(awaitBoxes(), Texts{kNoReply});

  click(window, 1040);
  auto* replyTimer = window.findChild<QTimer*>(QStringLiteral("settingsReplyTimer"));
  ASSERT_TRUE(replyTimer->isActive());
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(app_->session().serial().portOpen());
  EXPECT_FALSE(replyTimer->isActive()) << "the reply timer stopped with the window";

  BaseSettings late;
  late.channel = 3;
  ReportFrame reply{};
  reply[1] = codeByte(CommandCode::CurrentSettings);
  encodeCurrentSettings(reply, late);
  app_->session().channel().deliverHidReport(reply);
  EXPECT_TRUE(messages_.pending().empty());
  EXPECT_NE(window.model().record().channel, 3);
}

}  // namespace
}  // namespace orbelle::testing
