#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>

#include "WindowFixture.h"

namespace orbelle::testing {
namespace {

constexpr const char* kCannotOpenCom = "Cannot open COM port!";
const std::vector<int> kRs232Group{1078, 1079, 1080, 1008, 1009};

class SetProtocolWindowTest : public WindowFixture {
 protected:
  ui::SetProtocolWindow& openWindow() {
    click(main(), 1003);
    return main().setProtocolWindow();
  }
  bool rs232GroupShown(QWidget& window) {
    int shown = 0;
    for (const int id : kRs232Group) {
      shown += control<QWidget>(window, id)->isVisible() ? 1 : 0;
    }
    EXPECT_TRUE(shown == 0 || shown == 5) << "the group shows and hides as one";
    return shown == 5;
  }
  // Chooses an entry with the keyboard, as the operator would.
  void chooseEntry(QWidget& window, int listId, int entry) {
    auto* list = control<QComboBox>(window, listId);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < entry; ++i) {
      QTest::keyClick(list, Qt::Key_Down);
    }
  }
};

TEST_F(SetProtocolWindowTest, EachChoiceIsStoredAtOnceAndCancelKeepsIt) {
  start();
  ui::SetProtocolWindow& window = openWindow();
  EXPECT_TRUE(control<QRadioButton>(window, 1042)->isChecked());
  EXPECT_FALSE(rs232GroupShown(window));

  click(window, 1043);
  EXPECT_TRUE(rs232GroupShown(window));
  chooseEntry(window, 1008, 2);
  chooseEntry(window, 1009, 3);
  click(window, 2);  // stored already: Cancel undoes nothing
  EXPECT_FALSE(window.isVisible());

  const LinkPreferences stored = storedChoice();
  EXPECT_EQ(std::tuple(stored.protocol, stored.port, stored.baudrate),
            std::tuple(LinkProtocol::Rs232, 3, 57600));
  EXPECT_EQ(app_->preferences().baudrate, 57600) << "in effect for this run as well";

  // Each opening starts on the first control: the group's one Tab stop, its checked button.
  openWindow();
  auto* rs232 = control<QRadioButton>(window, 1043);
  EXPECT_EQ(window.focusWidget(), rs232);
  ASSERT_TRUE(activate(window));
  QTest::keyClick(rs232, Qt::Key_Space);
  QTest::keyClick(rs232, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), control<QComboBox>(window, 1008)) << "USB is no stop";
  EXPECT_TRUE(rs232->isChecked());
  EXPECT_EQ(control<QComboBox>(window, 1008)->currentText(), "COM3");
  EXPECT_EQ(control<QComboBox>(window, 1009)->currentText(), "57600");
  click(window, 1042);
  EXPECT_FALSE(rs232GroupShown(window));
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(storedChoice().protocol, LinkProtocol::Usb);
  EXPECT_TRUE(seen_.size() == 3U && messages_.pending().empty()) << "no link was tested";
}

TEST_F(SetProtocolWindowTest, OkTestsTheChosenLinkAndStaysOpenUntilItWorks) {
  Simulator sim(SimLink::Serial, {});
  qputenv("VKR_COM1", QByteArray::fromStdString(sim.device()));
  qputenv("VKR_COM2", "/nonexistent/orbelle-port");
  start();
  ui::SetProtocolWindow& window = openWindow();

  click(window, 1);  // no unit over USB: told in one box (its words are the core's)
  EXPECT_EQ(messages_.take().size(), 1U);
  EXPECT_TRUE(window.isVisible());

  click(window, 1043);
  chooseEntry(window, 1008, 1);
  click(window, 1);
  const std::vector<std::string> refused = messages_.takeTexts();
  ASSERT_EQ(refused.size(), 2U);
  EXPECT_NE(refused[0].find("/nonexistent/orbelle-port"), std::string::npos) << refused[0];
  EXPECT_EQ(refused[1], kCannotOpenCom);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(rs232GroupShown(window));

  chooseEntry(window, 1008, 0);
  // Enter in an open list only chooses the entry; in a closed one it presses OK.
  ASSERT_TRUE(activate(window));
  auto* rates = control<QComboBox>(window, 1009);
  rates->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(rates->view()->window()));
  QTest::keyClick(rates->view(), Qt::Key_Down);
  QTest::keyClick(rates->view(), Qt::Key_Return);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(storedChoice().baudrate, 19200);
  control<QComboBox>(window, 1008)->setFocus();
  QTest::keyClick(control<QComboBox>(window, 1008), Qt::Key_Return);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(app_->session().serial().portOpen()) << "the port stays open after the test";
}

// A store that cannot be used is told once at start-up, and a choice it cannot keep once in
// the run: the program goes on without it.
TEST_F(SetProtocolWindowTest, AStoreThatCannotBeUsedIsToldOnce) {
  std::filesystem::create_directories(config_.path() / "VKR" / "VKR.reg");
  start();
  const std::vector<OperatorMessage> loading = messages_.take();
  ASSERT_EQ(loading.size(), 1U);
  EXPECT_NE(loading[0].text.find("VKR.reg"), std::string::npos) << loading[0].text;
  EXPECT_NE(loading[0].text.find("runs on the default settings"), std::string::npos);
  ui::SetProtocolWindow& window = openWindow();
  // A reader's Toggle returns before the box comes, as a click does.
  actOn(control<QWidget>(window, 1043));
  EXPECT_TRUE(messages_.pending().empty()) << "shown while the action had not returned";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }));
  const std::vector<std::string> lost = messages_.takeTexts();
  ASSERT_EQ(lost.size(), 1U);
  EXPECT_NE(lost[0].find("lasts only for this run"), std::string::npos) << lost[0];
  EXPECT_EQ(app_->preferences().protocol, LinkProtocol::Rs232) << "in effect for the run";
  click(window, 1042);
  chooseEntry(window, 1009, 2);
  QCoreApplication::processEvents();
  EXPECT_TRUE(messages_.pending().empty()) << "told once";
}

}  // namespace
}  // namespace orbelle::testing
