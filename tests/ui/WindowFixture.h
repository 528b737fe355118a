#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Application.h"
#include "harness/Simulator.h"
#include "harness/TempDir.h"
#include "prefs/LinkPreferences.h"
#include "prefs/RegistryStore.h"
#include "ui/FileChooser.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

namespace orbelle::testing {

// Everything the operator saw, in order: "box: <text>" and "window: <title>".
using SeenLog = std::vector<std::string>;
using Texts = std::vector<std::string>;  // the texts of boxes

// Answers every box at once and keeps it for the test to take; a box nobody took fails
// the test at its end.
class MessageRecorder : public ui::MessagePresenter {
 public:
  explicit MessageRecorder(SeenLog& seen) : seen_(seen) {}
  void show(QWidget* /*owner*/, const OperatorMessage& message) override {
    seen_.push_back("box: " + message.text);
    shown_.push_back(message);
    if (whileOpen) {
      whileOpen(message);  // the box stays open for as long as this runs
    }
  }
  void notice(QWidget* /*owner*/, const OperatorMessage& message) override {
    seen_.push_back("notice: " + message.text);
    notices.push_back(message);
  }
  std::vector<OperatorMessage> notices;
  std::vector<OperatorMessage> take() { return std::exchange(shown_, {}); }
  std::vector<std::string> takeTexts() {
    std::vector<std::string> texts;
    for (const OperatorMessage& message : take()) {
      texts.push_back(message.text);
    }
    return texts;
  }
  const std::vector<OperatorMessage>& pending() const { return shown_; }
  std::function<void(const OperatorMessage&)> whileOpen;

 private:
  SeenLog& seen_;
  std::vector<OperatorMessage> shown_;
};

// Shows the window and returns at once: the test then drives it like the operator would.
// `modal` makes it modal, as exec() does, for the tests that need a window behind it.
class ShowingRunner : public ui::ModalRunner {
 public:
  explicit ShowingRunner(SeenLog& seen) : seen_(seen) {}
  void run(QDialog& window) override {
    seen_.push_back("window: " + window.windowTitle().toStdString());
    window.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window.show();
  }
  bool modal = false;

 private:
  SeenLog& seen_;
};

// Answers the file dialog at once: with `answer`, or as Cancel when it holds nothing.
class FileAnswerer : public ui::FileChooser {
 public:
  std::optional<QString> chooseFile(QWidget* /*owner*/, const ui::FileRequest& request) override {
    asked = request;
    return answer;
  }
  std::optional<QString> answer;
  ui::FileRequest asked;
};

// The upgrade pauses, shortened so that a test waits a fraction of a second for each.
inline constexpr PauseDurations kTestPauses{std::chrono::milliseconds(20),
                                            std::chrono::milliseconds(100)};

// One start of orbelle with a private preference store and COM map.
class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_.path().string()));
    // The upgrades' records too: $XDG_STATE_HOME/orbelle/upgrades.jsonl.
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(config_.path().string()));
    qunsetenv("VKR_HIDSIM_SOCKET");
    qunsetenv("ORBELLE_LOOK");  // the program's own look unless a test asks for the plain one
    for (int com = 1; com <= 4; ++com) {
      qunsetenv(QStringLiteral("VKR_COM%1").arg(com).toLatin1().constData());
    }
  }
  ~WindowFixture() override {
    app_.reset();
    EXPECT_TRUE(messages_.pending().empty()) << "unexpected box: " << messages_.pending()[0].text;
  }

  // The choice as the store holds it, written before the program starts.
  void storeChoice(LinkProtocol protocol, int port = 1, int baudrate = 9600) {
    auto store = makeUserPreferenceStore();
    LinkPreferences prefs = loadLinkPreferences(*store);
    chooseProtocol(*store, prefs, protocol);
    choosePort(*store, prefs, port);
    chooseBaudrate(*store, prefs, baudrate);
  }
  void storeProtocolText(const std::string& text) {
    auto store = makeUserPreferenceStore();
    loadLinkPreferences(*store);
    store->writeString("protocol", text);
  }
  // A simulated unit, and the link to it stored as the operator's choice.
  void serve(SimLink link, const std::vector<std::string>& args = {}) {
    sim_ = std::make_unique<Simulator>(link, args);
    const bool serial = link == SimLink::Serial;
    storeChoice(serial ? LinkProtocol::Rs232 : LinkProtocol::Usb);
    qputenv(serial ? "VKR_COM1" : "VKR_HIDSIM_SOCKET", QByteArray::fromStdString(sim_->device()));
  }

  // What a later start of the program would load.
  LinkPreferences storedChoice() {
    auto store = makeUserPreferenceStore();
    return loadLinkPreferences(*store);
  }

  Application& start(const QStringList& arguments = {QStringLiteral("orbelle")}) {
    app_ = std::make_unique<Application>(
        arguments, messages_, runner_,
        ApplicationOptions{&files_, pauses_, silenceHint_, settingsReplyTimeout_});
    app_->run();
    return *app_;
  }
  ui::MainWindow& main() { return app_->mainWindow(); }
  bool linkHeld(SimLink link) {
    return link == SimLink::Serial ? app_->session().serial().portOpen()
                                   : app_->session().hid().deviceHeld();
  }

  template <typename Widget>
  Widget* control(QWidget& window, int id) {
    auto* found = window.findChild<Widget*>(QStringLiteral("id%1").arg(id));
    EXPECT_NE(found, nullptr) << "no control " << id << " in "
                              << window.windowTitle().toStdString();
    return found;
  }
  // Keys go to the active window, as they do on a desktop. A window over another counts as
  // active with it (QWindow::isActive), so the application's own choice is waited for.
  static bool activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == window.window(); });
  }
  void click(QWidget& window, int id) {
    if (auto* button = control<QAbstractButton>(window, id)) {
      QTest::mouseClick(button, Qt::LeftButton);
    }
  }
  // A screen reader's action on a control (its first one, Toggle or Press, when none is named).
  static void actOn(QWidget* control, const QString& action = {}) {
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(control)->actionInterface();
    actions->doAction(action.isEmpty() ? actions->actionNames().value(0) : action);
  }

  // Every control a person or a screen reader can reach carries a name, and Tab visits each
  // enabled one.
  static void expectNamedAndReachedByTab(QDialog& window) {
    SCOPED_TRACE(window.windowTitle().toStdString());
    EXPECT_TRUE(window.objectName().startsWith(QStringLiteral("dialog")))
        << "windows are named too";
    ASSERT_TRUE(activate(window));
    std::set<QWidget*> reachable;
    for (QWidget* control : window.findChildren<QWidget*>()) {
      if (control->isVisibleTo(&window) && control->accessibleName().isEmpty()) {
        ADD_FAILURE() << "no accessible name: " << control->objectName().toStdString();
      }
      if (control->isVisibleTo(&window) && control->isEnabled() &&
          (control->focusPolicy() & Qt::TabFocus) != 0) {
        reachable.insert(control);
      }
    }
    ASSERT_FALSE(reachable.empty());
    (*reachable.begin())->setFocus(Qt::TabFocusReason);
    std::set<QWidget*> visited;
    for (std::size_t step = 0; step < 2 * reachable.size(); ++step) {
      visited.insert(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, reachable);
  }

  TempDir config_;
  SeenLog seen_;
  MessageRecorder messages_{seen_};
  ShowingRunner runner_{seen_};
  FileAnswerer files_;
  PauseDurations pauses_ = kTestPauses;
  std::chrono::milliseconds silenceHint_{10000};
  std::chrono::milliseconds settingsReplyTimeout_ = kSettingsReplyTimeout;
  std::unique_ptr<Simulator> sim_;  // declared before app_: the program ends first
  std::unique_ptr<Application> app_;
};

}  // namespace orbelle::testing
