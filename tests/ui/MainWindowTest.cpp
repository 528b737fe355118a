#include <unistd.h>

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "WindowFixture.h"
#include "link/DeviceLock.h"
#include "skin/WindowPicture.h"
#include "support/EnvironmentReads.h"
#include "ui/LinkProblemMessage.h"
#include "ui/MessagePresenter.h"
#include "ui/SetBaseUnitWindow.h"

namespace orbelle::testing {
namespace {

constexpr const char* kCannotCommunicate = "Cannot communicate with the base unit!";
constexpr const char* kNoUsbUnit =
    "Cannot communicate with the base unit!\n"
    "No USB base unit (0471:0003) could be opened. Is it plugged in?";
constexpr const char* kNoProtocol = "Please set the communicate attribute before communication!";

class MainWindowTest : public WindowFixture {
 protected:
  // Presses each linked command in turn and gives back the boxes each one showed.
  std::vector<Texts> pressLinkedCommands() {
    std::vector<Texts> shown;
    for (const int id : {1000, 1001, 1002}) {
      click(main(), id);
      EXPECT_EQ(static_cast<int>(main().activeFeature()), id - 1000);
      shown.push_back(messages_.takeTexts());
    }
    return shown;
  }
  bool anyFeatureWindowShown() {
    return main().featureWindow(FeatureWindow::SetBaseUnit).isVisible() ||
           main().featureWindow(FeatureWindow::UpgradeBaseUnit).isVisible() ||
           main().featureWindow(FeatureWindow::UpgradeHandheldUnit).isVisible();
  }
};

// No unit over USB: every linked command says so and opens nothing. Only the exact argument
// "handheld" upgrades before the window shows; the look's option is not part of the argument
// text, and any other text starts nothing.
TEST_F(MainWindowTest, NoUsbUnitIsToldForEveryLinkedCommandAndOpensNoWindow) {
  start({QStringLiteral("orbelle"), QStringLiteral("--plain"), QStringLiteral("handheld")});
  EXPECT_EQ(seen_, (SeenLog{std::string("box: ") + kNoUsbUnit, "window: Orbelle"}));
  EXPECT_EQ(main().activeFeature(), FeatureWindow::UpgradeHandheldUnit);
  EXPECT_TRUE(main().findChildren<skin::PictureWidget*>().empty()) << "the plain look";
  EXPECT_TRUE(qobject_cast<QPushButton*>(control<QAbstractButton>(main(), 1000)));
  messages_.take();
  EXPECT_EQ(pressLinkedCommands(), (std::vector<Texts>(3, Texts{kNoUsbUnit})));
  EXPECT_FALSE(anyFeatureWindowShown());
  for (const QStringList& other :
       {QStringList{"orbelle", "Handheld"}, QStringList{"orbelle", "handheld "},
        QStringList{"orbelle", "handheld", "now"}}) {
    start(other);
    EXPECT_EQ(main().activeFeature(), FeatureWindow::None) << other.join(' ').toStdString();
  }
}

// A unit that another program drives: the second line says which, and what to do. A hidraw
// node the user may not open: what to check, and where to read more.
TEST_F(MainWindowTest, AUnitHeldElsewhereOrRefusedSaysWhyOnTheSecondLine) {
  serve(SimLink::Usb);
  const DeviceLock::Attempt elsewhere = DeviceLock::tryTake(sim_->device());
  EXPECT_EQ(elsewhere.outcome, DeviceLock::Outcome::Taken);
  start();
  click(main(), 1000);
  EXPECT_EQ(messages_.takeTexts(),
            Texts{std::string(kCannotCommunicate) + "\nCannot open " + sim_->device() +
                  ": it is in use by another program (PID " + std::to_string(::getpid()) +
                  "). Wait until that program has finished, or close it."});
  EXPECT_FALSE(anyFeatureWindowShown());

  const auto denied = ui::linkedFeatureMessage(
      {LinkedFeatureOutcome::NotUsable, "cannot open /dev/hidraw3: Permission denied",
       LinkRefusal{LinkFailure::PermissionDenied, "/dev/hidraw3", "Permission denied"}},
      LinkProtocol::Usb);
  ASSERT_TRUE(denied);
  EXPECT_EQ(denied->text.rfind(std::string(kCannotCommunicate) +
                                   "\nCannot open /dev/hidraw3: Permission denied. Check that "
                                   "the udev rule 70-orbelle-base-unit.rules is installed",
                               0),
            0U)
      << denied->text;
  for (const char* said : {"\"uaccess\"", "seat, in its active session", "(man orbelle"}) {
    EXPECT_NE(denied->text.find(said), std::string::npos) << said;
  }
}

// A port that cannot be opened is told in the port's own words only.
TEST_F(MainWindowTest, ARefusedPortIsToldInItsOwnWords) {
  storeChoice(LinkProtocol::Rs232, 2);
  qputenv("VKR_COM2", "/nonexistent/orbelle-port");
  start();
  for (const Texts& shown : pressLinkedCommands()) {
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].find("/nonexistent/orbelle-port"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0], kCannotCommunicate) << "only the port's own words";
  }
  EXPECT_FALSE(anyFeatureWindowShown());
  qunsetenv("VKR_COM2");
}

// A stored protocol that is not recognised (letter case counts) asks for one; Set Protocol
// still opens, with neither link chosen, and its OK tests no link.
TEST_F(MainWindowTest, NoProtocolChosenAsksForOneAndSetProtocolStillOpens) {
  storeProtocolText("usb");
  start();
  EXPECT_EQ(pressLinkedCommands(), (std::vector<Texts>(3, Texts{kNoProtocol})));
  click(main(), 1003);
  EXPECT_EQ(main().activeFeature(), FeatureWindow::SetProtocol);
  ui::SetProtocolWindow& unset = main().setProtocolWindow();
  EXPECT_TRUE(unset.isVisible());
  EXPECT_FALSE(control<QAbstractButton>(unset, 1042)->isChecked() ||
               control<QAbstractButton>(unset, 1043)->isChecked());
  EXPECT_TRUE(control<QWidget>(unset, 1078)->isVisible()) << "the RS232 group shows";
  click(unset, 1);
  EXPECT_FALSE(unset.isVisible());
}

TEST_F(MainWindowTest, AboutBoxFromF1AndTheContextMenuNamedControlsAndEscEndsTheProgram) {
  storeChoice(LinkProtocol::Rs232);  // every control of Set Protocol shows
  start();
  QDialog& about = main().aboutBox();
  ASSERT_TRUE(activate(main()));
  QTest::keyClick(&main(), Qt::Key_F1);
  ASSERT_TRUE(about.isVisible());
  // The same version as the program prints, which starts no window for it nor for its help.
  const ProcessResult version = runProcess(ORBELLE_PATH, {"handheld", "--version"});
  ASSERT_EQ(version.out.rfind("orbelle ", 0), 0U) << version.out;
  EXPECT_EQ(about.findChild<QLabel*>("version")->text().toStdString(),
            "Version " + version.out.substr(8, version.out.size() - 9) +
                ", for cordless barcode base units and handheld units");
  const ProcessResult help = runProcess(ORBELLE_PATH, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: orbelle [--plain] [handheld]"), std::string::npos);
  // Every variable the program reads by name is in its help.
  const std::set<std::string> read = environmentReads({ORBELLE_SOURCE_DIR "/src"}, {});
  EXPECT_TRUE(read.count("ORBELLE_NOTIFY_AFTER") && read.count("DISPLAY"));
  for (const std::string& name : read) {
    EXPECT_NE(help.out.find(name), std::string::npos) << name;
  }
  expectNamedAndReachedByTab(about);
  click(about, 1);
  EXPECT_FALSE(about.isVisible());

  std::unique_ptr<QMenu> menu = main().contextMenu();
  ASSERT_EQ(menu->actions().size(), 1);
  menu->actions()[0]->trigger();
  EXPECT_TRUE(about.isVisible());
  QTest::keyClick(&about, Qt::Key_Escape);

  click(main(), 1003);
  expectNamedAndReachedByTab(main().setProtocolWindow());
  expectNamedAndReachedByTab(main());

  // A box's icon tells an error from a result, to a reader too.
  ui::MessageBoxPresenter boxes;
  for (const MessageIcon icon : {MessageIcon::Error, MessageIcon::Information}) {
    QString iconName;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      iconName = box->findChild<QLabel*>("qt_msgboxex_icon_label")->accessibleName();
      box->accept();
    });
    boxes.show(&main(), {"VKR - Test", "text", icon});
    EXPECT_EQ(iconName, icon == MessageIcon::Error ? "Error" : "Information");
  }
  QTest::keyClick(&main(), Qt::Key_Escape);
  EXPECT_FALSE(main().isVisible());
  EXPECT_EQ(main().result(), QDialog::Rejected);
}

// Each window the main window opens stands over it (a Wayland compositor places it by that
// alone). Behind it the main window refuses its commands, a reader's Press too, as it refuses
// a click; and a feature window behind a window of its own refuses a reader's Toggle.
TEST_F(MainWindowTest, OpenedWindowsStandOverTheMainWindowWhichTakesNoActionMeanwhile) {
  serve(SimLink::Usb);
  runner_.modal = true;  // as exec() shows them
  start();
  const std::vector<std::pair<int, FeatureWindow>> commands{
      {1003, FeatureWindow::SetProtocol},
      {1000, FeatureWindow::SetBaseUnit},
      {1001, FeatureWindow::UpgradeBaseUnit},
      {1002, FeatureWindow::UpgradeHandheldUnit}};
  for (const auto& [id, feature] : commands) {
    click(main(), id);
    QDialog& window = main().featureWindow(feature);
    ASSERT_TRUE(window.isVisible()) << id;
    EXPECT_EQ(window.windowHandle()->transientParent(), main().windowHandle()) << id;
    if (feature == FeatureWindow::SetBaseUnit) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.take().empty(); }));  // loaded
    }
    const std::size_t shown = seen_.size();
    auto* other = control<QAbstractButton>(main(), id == 1001 ? 1002 : 1001);
    QSignalSpy pressed(other, &QAbstractButton::clicked);
    actOn(other, QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pressed.count() == 1; })) << "Qt animates a press";
    EXPECT_EQ(seen_.size(), shown) << seen_.back();
    EXPECT_EQ(main().activeFeature(), feature);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(linkHeld(SimLink::Usb), feature != FeatureWindow::SetProtocol);
    window.reject();
  }
  ui::SetBaseUnitWindow& settings = main().setBaseUnitWindow();
  click(main(), 1000);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.take().empty(); }));
  auto* hopping = control<QAbstractButton>(settings, 1090);
  {
    QDialog inFront(&settings);
    inFront.setWindowModality(Qt::ApplicationModal);
    inFront.show();
    actOn(hopping);
    EXPECT_FALSE(hopping->isChecked() || settings.model().hoppingChecked()) << "put back";
  }
  actOn(hopping);
  EXPECT_TRUE(hopping->isChecked() && settings.model().hoppingChecked());
}

// orbelle refuses what it does not take rather than opening its window as if nothing had been
// asked, and without a display says so in one line rather than aborting.
TEST(OrbelleCommandLine, UnknownArgumentsEndWithTwoAndNoDisplayWithOneLine) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--bogus"},
                                             {"-v"},
                                             {"Handheld"},
                                             {"handheld", "now"},
                                             {"--plain", "handheld", "handheld"}}) {
    const ProcessResult refused = runProcess(ORBELLE_PATH, arguments);
    EXPECT_EQ(refused.exitCode, 2) << refused.err;
    EXPECT_EQ(refused.err.rfind("orbelle: ", 0), 0U) << refused.err;
    EXPECT_NE(refused.err.find("\nUsage: orbelle [--plain] [handheld]\n"), std::string::npos);
    EXPECT_EQ(refused.out, "");
  }
  EXPECT_EQ(runProcess(ORBELLE_PATH, {"--plain", "Handheld"})
                .err.rfind("orbelle: unknown argument \"Handheld\"\n", 0),
            0U);

  const ProcessResult noDisplay =
      runProcess(ORBELLE_PATH, {"--plain"},
                 {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
  EXPECT_EQ(noDisplay.exitCode, 1);
  EXPECT_EQ(noDisplay.err,
            "orbelle: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
            "vkr does the same work from a shell\n");
  // A platform that cannot be loaded, after arguments that are taken: Qt's reason, in one line.
  const ProcessResult noPlatform =
      runProcess(ORBELLE_PATH, {"--plain", "handheld"}, {{"QT_QPA_PLATFORM", "bogus"}});
  EXPECT_EQ(noPlatform.exitCode, 1) << noPlatform.err;
  EXPECT_EQ(noPlatform.err.rfind("orbelle: cannot open a window: ", 0), 0U) << noPlatform.err;
  EXPECT_NE(noPlatform.err.find("\"bogus\""), std::string::npos) << noPlatform.err;
  EXPECT_EQ(countOf(noPlatform.err, "\n"), 1U) << noPlatform.err;
}

}  // namespace
}  // namespace orbelle::testing
