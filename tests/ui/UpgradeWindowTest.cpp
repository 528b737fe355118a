#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include "WindowFixture.h"
#include "desktop/DesktopFixture.h"
#include "ui/UpgradeWindow.h"
#include "upgrade/UpgradeHistory.h"
#include "upgrade/UpgradeRecord.h"

namespace orbelle::testing {
namespace {

constexpr int kDeadlineMs = 20000;

constexpr const char* kSettingsTitle = "VKR - Software Problem/Settings Message";

class UpgradeWindowTest : public WindowFixture {
 protected:
  // A simulator that keeps the images it receives, and the link chosen to reach it.
  void serveKeeping(SimLink link, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--save-images", received_.path().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    serve(link, args);
  }

  // An image of `size` bytes, chosen with Browse.
  std::filesystem::path choose(ui::UpgradeWindow& window, const std::string& name,
                               std::size_t size) {
    writeFile(files_dir_ / name, imageBytes(size));
    files_.answer = QString::fromStdString((files_dir_ / name).string());
    click(window, 1035);
    return files_dir_ / name;
  }
  // Starts the program and opens `feature`'s window with an image of `size` bytes chosen.
  ui::UpgradeWindow& startWithImage(FeatureWindow feature, std::size_t size) {
    start();
    ui::UpgradeWindow& window = open(feature);
    sent_ = choose(window, feature == FeatureWindow::UpgradeBaseUnit ? "base.dat" : "handheld.dat",
                   size);
    return window;
  }

  ui::UpgradeWindow& open(FeatureWindow feature) {
    click(main(), feature == FeatureWindow::UpgradeBaseUnit ? 1001 : 1002);
    return watch(main().upgradeWindow(feature));
  }
  // Keeps the highest progress shown: the bar goes back to 0 once the completion is told.
  ui::UpgradeWindow& watch(ui::UpgradeWindow& window) {
    highest_ = 0;
    QObject::connect(control<QProgressBar>(window, 1037), &QProgressBar::valueChanged, &window,
                     [this](int value) { highest_ = std::max(highest_, value); });
    return window;
  }

  // Waits for the completion box, then for the simulator's copy, and compares it.
  void expectCompleted(ui::UpgradeWindow& window, const std::filesystem::path& sent,
                       const char* completion) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }, kDeadlineMs));
    EXPECT_EQ(
        messages_.take(),
        (std::vector<OperatorMessage>{{kSettingsTitle, completion, MessageIcon::Information}}));
    EXPECT_EQ(highest_, 100);
    EXPECT_TRUE(control<QAbstractButton>(window, 1036)->isEnabled());
    const std::string line = sim_->nextLine();
    const std::size_t at = line.find("saved to ");
    ASSERT_NE(at, std::string::npos) << line;
    EXPECT_EQ(readFile(line.substr(at + 9)), readFile(sent));
  }

  // The upgrades recorded so far, oldest first: (unit, outcome, SHA-256 or "").
  using Recorded = std::vector<std::tuple<std::string, std::string, std::string>>;
  static Recorded recorded() {
    Recorded found;
    for (const auto& entry : readUpgradeHistory(upgradeHistoryPath()).entries) {
      EXPECT_EQ(entry.record.program, "orbelle");
      EXPECT_FALSE(entry.record.versionsChecked) << "the windows read no versions";
      found.emplace_back(entry.record.unit, entry.record.outcome,
                         entry.record.imageSha256.value_or(""));
    }
    return found;
  }
  static std::string sha256Of(const std::filesystem::path& file) {
    return QCryptographicHash::hash(QByteArray::fromStdString(readFile(file)),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
  }

  TempDir received_;
  TempDir files_dir_;
  std::filesystem::path sent_;
  int highest_ = 0;
};

class UpgradeOverEachLink : public UpgradeWindowTest,
                            public ::testing::WithParamInterface<SimLink> {};

TEST_P(UpgradeOverEachLink, EachUnitFromBrowseToCompletion) {
  serveKeeping(GetParam());
  pauses_.longPause = pauses_.shortPause;  // three restarts of six long pauses each
  start();

  ui::UpgradeWindow& base = open(FeatureWindow::UpgradeBaseUnit);
  auto* path = control<QLineEdit>(base, 1034);
  EXPECT_EQ(base.focusWidget(), path) << "the first control";
  expectNamedAndReachedByTab(base);
  auto* upgrade = control<QAbstractButton>(base, 1036);
  EXPECT_TRUE(path->text().isEmpty());
  click(base, 1036);
  EXPECT_EQ(messages_.takeTexts(), Texts{"Can not open the file!"});
  EXPECT_FALSE(upgrade->isEnabled());
  click(base, 1035);  // the operator cancels the file dialog
  EXPECT_EQ(files_.asked.initialName, "*.dat");
  EXPECT_TRUE(upgrade->isEnabled());
  EXPECT_TRUE(storedChoice().baseImagePath.empty());

  const auto baseImage = choose(base, "base.dat", 1000);
  EXPECT_EQ(path->text(), *files_.answer);
  EXPECT_EQ(storedChoice().baseImagePath, baseImage.string());
  click(base, 1036);
  EXPECT_FALSE(upgrade->isEnabled());
  expectCompleted(base, baseImage, "The base unit has been upgraded.");
  EXPECT_TRUE(linkHeld(GetParam()));
  QTest::keyClick(&base, Qt::Key_Escape);
  EXPECT_FALSE(base.isVisible());
  EXPECT_FALSE(linkHeld(GetParam()));

  ui::UpgradeWindow& handheld = open(FeatureWindow::UpgradeHandheldUnit);
  EXPECT_EQ(handheld.focusWidget(), control<QLineEdit>(handheld, 1034));
  expectNamedAndReachedByTab(handheld);
  EXPECT_TRUE(control<QLineEdit>(handheld, 1034)->text().isEmpty()) << "its own path";
  const auto handheldImage = choose(handheld, "handheld.dat", 777);
  click(handheld, 1036);
  expectCompleted(handheld, handheldImage, "The handheld unit has been upgraded");
  EXPECT_EQ(storedChoice().handheldImagePath, handheldImage.string());
  EXPECT_EQ(storedChoice().baseImagePath, baseImage.string());
  handheld.close();  // the title bar's close box
  EXPECT_FALSE(linkHeld(GetParam()));
  EXPECT_EQ(main().activeFeature(), FeatureWindow::UpgradeHandheldUnit)
      << "kept after the window closes";

  // The argument "handheld" upgrades with the stored path alone, at start-up only.
  seen_.clear();
  start({QStringLiteral("orbelle"), QStringLiteral("handheld")});
  EXPECT_EQ(seen_, (SeenLog{"window: Upgrade Handheld Unit", "window: Orbelle"}));
  ui::UpgradeWindow& atStart = watch(main().upgradeWindow(FeatureWindow::UpgradeHandheldUnit));
  EXPECT_TRUE(atStart.transferRunning());
  expectCompleted(atStart, handheldImage, "The handheld unit has been upgraded");
  click(atStart, 1075);
  open(FeatureWindow::UpgradeHandheldUnit);
  EXPECT_FALSE(atStart.transferRunning()) << "only the opening at start-up starts by itself";
  // Every Upgrade is on record, the one without a file too.
  EXPECT_EQ(recorded(), (Recorded{{"base", "image-refused", ""},
                                  {"base", "completed", sha256Of(baseImage)},
                                  {"handheld", "completed", sha256Of(handheldImage)},
                                  {"handheld", "completed", sha256Of(handheldImage)}}));
}

INSTANTIATE_TEST_SUITE_P(Links, UpgradeOverEachLink,
                         ::testing::Values(SimLink::Serial, SimLink::Usb),
                         [](const auto& info) { return std::string(linkName(info.param)); });

// A pause takes no input, however it comes, and says that the window waits; the replies that
// came meanwhile are handled after it. Cancel in the middle abandons the transfer, and the next
// opening starts clean. Neither Enter nor the hidden OK leaves the link open.
TEST_F(UpgradeWindowTest, PausesCancelAndEveryWayOut) {
  serveKeeping(SimLink::Serial, {"--baud-emulation", "115200"});  // about 7 ms a block
  // Long enough a start pause to press everything in it; a short restart at the end.
  pauses_ = {std::chrono::milliseconds(300), std::chrono::milliseconds(20)};
  ui::UpgradeWindow& window = startWithImage(FeatureWindow::UpgradeBaseUnit, 1024);
  SerialLink& port = app_->session().serial();
  click(window, 1036);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.paused(); }, kDeadlineMs));
  auto* progress = control<QProgressBar>(window, 1037);
  EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
  EXPECT_TRUE(progress->accessibleDescription().startsWith("Waiting while the base unit"));
  auto* cancel = control<QAbstractButton>(window, 2);
  const QRect before = cancel->geometry();
  click(window, 2);
  QTest::keyClick(&window, Qt::Key_Escape);
  window.close();
  // A screen reader's Press is dropped as the click is.
  QAccessibleActionInterface* actions =
      QAccessible::queryAccessibleInterface(cancel)->actionInterface();
  actions->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !cancel->isDown(); }, kDeadlineMs));
  EXPECT_TRUE(window.paused()) << "the press was handled within the pause";
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(port.portOpen());
  EXPECT_EQ(cancel->geometry(), before);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.paused(); }, kDeadlineMs));
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(progress->accessibleDescription().isEmpty());

  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() >= 20; }, kDeadlineMs));
  EXPECT_TRUE(window.transferRunning());
  click(window, 2);
  EXPECT_EQ(std::tuple(window.isVisible(), window.transferRunning(), port.portOpen()),
            std::tuple(false, false, false));
  EXPECT_EQ(recorded(), (Recorded{{"base", "abandoned", sha256Of(sent_)}}));

  open(FeatureWindow::UpgradeBaseUnit);
  EXPECT_EQ(control<QLineEdit>(window, 1034)->text(), *files_.answer);
  EXPECT_EQ(progress->value(), 0);
  ASSERT_TRUE(control<QAbstractButton>(window, 1036)->isEnabled());
  ASSERT_EQ(window.focusWidget(), control<QLineEdit>(window, 1034)) << "not Cancel, as left";
  QTest::keyClick(control<QLineEdit>(window, 1034), Qt::Key_Return);
  EXPECT_TRUE(window.isVisible()) << "Enter has no hidden button to press";
  auto* upgrade = control<QAbstractButton>(window, 1036);
  upgrade->setFocus();
  QTest::keyClick(upgrade, Qt::Key_Return);  // the focused button takes Enter
  ASSERT_TRUE(QTest::qWaitFor([&] { return !upgrade->isEnabled(); }, kDeadlineMs));
  EXPECT_EQ(window.focusWidget(), progress) << "not Cancel, which a second Space would press";
  expectCompleted(window, sent_, "The base unit has been upgraded.");
  control<QAbstractButton>(window, 1)->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(port.portOpen());
}

// Trouble the link meets mid-transfer reaches the operator in a box: short reports over USB
// (one box; the reports that come while it is open are counted), a unit that goes away (the
// link is let go of at once, and Upgrade may try again).
TEST_F(UpgradeWindowTest, LinkTroubleIsToldInABox) {
  serveKeeping(SimLink::Usb, {"--fault", "split-replies"});
  ui::UpgradeWindow& usb = startWithImage(FeatureWindow::UpgradeBaseUnit, 100);
  messages_.whileOpen = [&](const OperatorMessage& /*box*/) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return app_->shortReadsCounted() >= 37; }, kDeadlineMs));
  };
  click(usb, 1036);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }, kDeadlineMs));
  EXPECT_EQ(messages_.take(),
            (std::vector<OperatorMessage>{{"Orbelle", "Only read 1 bytes", MessageIcon::Error}}));
  EXPECT_EQ(app_->shortReadsCounted(), 37) << "the other reports of the one reply";
  click(usb, 2);

  for (const SimLink link : {SimLink::Usb, SimLink::Serial}) {
    app_.reset();
    serveKeeping(link, {"--fault", "vanish-after=1"});
    start();
    ui::UpgradeWindow& window = open(FeatureWindow::UpgradeBaseUnit);
    auto* upgrade = control<QAbstractButton>(window, 1036);
    bool heldWhileTold = true;
    messages_.whileOpen = [&](const OperatorMessage& /*box*/) {
      heldWhileTold = app_->session().hid().deviceHeld() || app_->session().serial().portOpen() ||
                      !upgrade->isEnabled();
    };
    click(window, 1036);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.pending().empty(); }, kDeadlineMs));
    const OperatorMessage lost = messages_.take().front();
    EXPECT_EQ(lost.title, "VKR - Hardware Problem/Communication Message");
    EXPECT_EQ(lost.text.rfind("Cannot communicate with the base unit!", 0), 0U) << lost.text;
    EXPECT_FALSE(heldWhileTold) << "released, and Upgrade enabled, before the box";
    messages_.whileOpen = nullptr;
    // The unit is gone once the simulator says so (a busy machine may take a while).
    EXPECT_EQ(sim_->nextLine(), "vanished");
    click(window, 1036);  // tries the link again: the unit is gone, which is told
    EXPECT_EQ(messages_.take().size(), 1U);
    EXPECT_TRUE(upgrade->isEnabled());
    click(window, 2);
  }
}

// While a transfer runs the machine stays awake and the dock shows its progress; behind
// another window the title carries it too, and the end of a long one is announced. A silent
// unit is told on the progress bar.
TEST_F(UpgradeWindowTest, TheDesktopHearsHowTheTransferEndedAndASilentUnitIsToldOnTheBar) {
  FakeDesktopSession desktop;
  desktop.serveLoginManager([&](const QDBusMessage& call) { return desktop.grantLock(call); });
  desktop.servePortal([&](const QDBusMessage& call) { return desktop.grantPortal(call); });
  desktop.serveNotifications();
  SignalRecorder dock(desktop.sessionSide(), "com.canonical.Unity.LauncherEntry", "Update");
  qputenv("ORBELLE_NOTIFY_AFTER", "0");
  serveKeeping(SimLink::Usb, {"--fault", "drop-reply=75"});
  silenceHint_ = std::chrono::milliseconds(300);
  ui::UpgradeWindow& window = startWithImage(FeatureWindow::UpgradeBaseUnit, 1600);
  QWidget elsewhere;  // the operator turns to another window
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }, kDeadlineMs));
  QStringList titles;
  QObject::connect(control<QProgressBar>(window, 1037), &QProgressBar::valueChanged, &window,
                   [&] { titles << window.windowTitle(); });
  click(window, 1036);
  expectCompleted(window, sent_, "The base unit has been upgraded.");
  EXPECT_TRUE(titles.contains("50% - Upgrade Base Unit")) << titles.join(", ").toStdString();
  EXPECT_EQ(window.windowTitle(), "Upgrade Base Unit");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return desktop.locks.closed == 1 && desktop.notifications->callsTo("Notify") == 1 &&
               !dock.heard.empty() &&
               !qdbus_cast<QVariantMap>(dock.heard.back().arguments()[1])
                    .value("progress-visible")
                    .toBool();
      },
      kDeadlineMs));
  EXPECT_EQ(desktop.locks.granted, 1);
  const QVariantList told = desktop.notifications->calls[0].arguments();
  EXPECT_EQ(told[3].toString(), "Base unit upgraded");
  EXPECT_EQ(told[4].toString(), "The base unit has been upgraded.");
  EXPECT_LT(dock.heard.size(), 20U) << "50 blocks, a few updates";
  // A click on the notification brings the window forward.
  desktop.invokeNotificationAction(1, "default");
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }, kDeadlineMs));
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }, kDeadlineMs));

  // The unit falls silent: it is waited for, with a word on the progress bar (no box,
  // nothing moves) that goes when any reply comes. Cancel gives the lock back, and nothing
  // is announced.
  auto* progress = control<QProgressBar>(window, 1037);
  const QRect place = progress->geometry();
  click(window, 1036);
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.locks.granted == 2 && progress->value() > 0; },
                              kDeadlineMs));
  // While replies come, the bar's tip and description carry the transfer's figures.
  EXPECT_TRUE(progress->toolTip().contains(" of 1.6 KiB")) << progress->toolTip().toStdString();
  EXPECT_EQ(progress->accessibleDescription(), progress->toolTip());
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isTextVisible(); }, kDeadlineMs));
  EXPECT_TRUE(progress->toolTip().startsWith("The base unit has not answered for "));
  EXPECT_TRUE(progress->toolTip().endsWith(" seconds. Cancel ends the transfer."));
  EXPECT_EQ(progress->accessibleDescription(), progress->toolTip());
  EXPECT_TRUE(progress->text().contains("Cancel ends the transfer"));
  EXPECT_EQ(progress->geometry(), place);
  EXPECT_TRUE(messages_.pending().empty());
  EXPECT_TRUE(window.transferRunning()) << "still waited for";
  app_->session().channel().deliverHidReport(ReportFrame{});  // any reply at all
  EXPECT_TRUE(progress->toolTip().isEmpty());
  EXPECT_TRUE(progress->accessibleDescription().isEmpty());
  click(window, 2);
  // Each transfer took fresh locks of both kinds and gave each back.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return desktop.locks.closed == 2 && desktop.portal->callsTo("Close") == 2; },
      kDeadlineMs));
  EXPECT_EQ(desktop.closedHandles(), desktop.requestHandles);
  EXPECT_EQ(desktop.notifications->callsTo("Notify"), 1);

  // A unit that goes away mid-transfer is announced as well, in the words of its box.
  app_.reset();
  serveKeeping(SimLink::Usb, {"--fault", "vanish-after=20"});
  ui::UpgradeWindow& lost = startWithImage(FeatureWindow::UpgradeBaseUnit, 1600);
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.isActiveWindow(); }, kDeadlineMs));
  click(lost, 1036);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return desktop.notifications->callsTo("Notify") == 2 && !messages_.pending().empty(); },
      kDeadlineMs));
  const QVariantList broke = desktop.notifications->calls.back().arguments();
  EXPECT_EQ(broke[3].toString(), "Upgrade failed: the link to the base unit broke");
  EXPECT_EQ(broke[4].toString().toStdString(), messages_.take().front().text);
  qunsetenv("ORBELLE_NOTIFY_AFTER");
}

// A USB-serial adapter that holds each reply back is explained once, beside the window,
// while the transfer goes on to its end (what the advice says and when is vkr's test's: the
// operation gives it to both).
TEST_F(UpgradeWindowTest, ASlowAdapterIsExplainedOnceWhileTheTransferGoesOn) {
  serveKeeping(SimLink::Serial, {"--baud-emulation", "115200", "--reply-delay", "16"});
  storeChoice(LinkProtocol::Rs232, 1, 115200);
  ui::UpgradeWindow& window = startWithImage(FeatureWindow::UpgradeBaseUnit, 1024);
  click(window, 1036);
  expectCompleted(window, sent_, "The base unit has been upgraded.");
  ASSERT_EQ(messages_.notices.size(), 1U);
  EXPECT_EQ(messages_.notices[0].title, "Upgrade Base Unit");
  EXPECT_NE(messages_.notices[0].text.find("low_latency"), std::string::npos);
  click(window, 2);
}

// The file dialog that Qt draws itself fits the screen of the window that asks, frame and all
// (run at scale 1, 1.5 and 2 with Set Base Unit's fitting).
TEST_F(UpgradeWindowTest, TheFileDialogFitsTheScreenItIsShownOn) {
  start();
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->name() == "laptop") {  // 1280 x 800
      main().setScreen(screen);
    }
  }
  ASSERT_EQ(main().screen()->name(), "laptop") << "the screens of tests/ui/screens.json";
  QRect frame;
  QString shown;
  QTimer::singleShot(0, &main(), [&] {
    auto* dialog = static_cast<QDialog*>(QApplication::activeModalWidget());
    shown = dialog->objectName();
    EXPECT_GT(dialog->frameGeometry().height(), dialog->height()) << "a frame to fit";
    frame = dialog->frameGeometry();
    dialog->reject();
  });
  ui::FileDialogChooser chooser;
  EXPECT_EQ(chooser.chooseFile(&main(), {"All file(*)", "dat", "*.dat"}), std::nullopt);
  EXPECT_EQ(shown, "fileDialog");
  EXPECT_TRUE(main().screen()->availableGeometry().contains(frame));
}

}  // namespace
}  // namespace orbelle::testing
