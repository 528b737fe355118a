#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "ShellFixture.h"
#include "ui/MessagePresenter.h"

namespace orbelle::testing {
namespace {

constexpr const char* kCannotCommunicate = "Cannot communicate with the base unit!";
constexpr const char* kNoProtocol = "Please set the communicate attribute before communication!";

class MainWindowTest : public ShellFixture {
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
    return main().featureWindow(Feature::SetBaseUnit).isVisible() ||
           main().featureWindow(Feature::UpgradeBaseUnit).isVisible() ||
           main().featureWindow(Feature::UpgradeHandheldUnit).isVisible();
  }
};

// No unit over USB, a port that cannot be opened, and no protocol chosen at all. Only the
// exact argument "handheld" upgrades before the window shows; the look's option is not part
// of the argument text.
TEST_F(MainWindowTest, EachUnusableLinkIsToldForEveryLinkedCommandAndOpensNoWindow) {
  start({QStringLiteral("orbelle"), QStringLiteral("--plain"), QStringLiteral("handheld")});
  EXPECT_EQ(seen_, (SeenLog{std::string("box: ") + kCannotCommunicate, "window: Orbelle"}));
  EXPECT_EQ(main().activeFeature(), Feature::UpgradeHandheldUnit);
  messages_.take();
  EXPECT_EQ(pressLinkedCommands(), (std::vector<Texts>(3, Texts{kCannotCommunicate})));
  EXPECT_FALSE(anyFeatureWindowShown());

  storeChoice(LinkProtocol::Rs232, 2);
  qputenv("VKR_COM2", "/nonexistent/orbelle-port");
  start({QStringLiteral("orbelle"), QStringLiteral("Handheld")});
  EXPECT_EQ(main().activeFeature(), Feature::None);
  for (const Texts& shown : pressLinkedCommands()) {
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].find("/nonexistent/orbelle-port"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0], kCannotCommunicate) << "only the port's own words";
  }
  EXPECT_FALSE(anyFeatureWindowShown());

  storeProtocolText("usb");  // letter case counts: not recognised
  start({QStringLiteral("orbelle"), QStringLiteral("handheld ")});
  EXPECT_EQ(main().activeFeature(), Feature::None);
  EXPECT_EQ(pressLinkedCommands(), (std::vector<Texts>(3, Texts{kNoProtocol})));
  click(main(), 1003);
  EXPECT_EQ(main().activeFeature(), Feature::SetProtocol);
  EXPECT_TRUE(main().setProtocolWindow().isVisible()) << "Set Protocol still opens";
  start({QStringLiteral("orbelle"), QStringLiteral("handheld"), QStringLiteral("now")});
  EXPECT_EQ(main().activeFeature(), Feature::None);
}

TEST_F(MainWindowTest, UsableLinkOpensTheFeatureWindowWhichReleasesItOnLeaving) {
  Simulator sim(SimLink::Serial, {});
  storeChoice(LinkProtocol::Rs232, 1, 19200);
  qputenv("VKR_COM1", QByteArray::fromStdString(sim.device()));
  start();
  LinkSession& session = app_->session();
  for (const int id : {1000, 1001, 1002}) {
    const auto feature = static_cast<Feature>(id - 1000);
    click(main(), id);
    QDialog& window = main().featureWindow(feature);
    ASSERT_TRUE(window.isVisible()) << id;
    EXPECT_TRUE(session.serial().portOpen());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(session.serial().portOpen()) << "leaving the window releases the link";
    EXPECT_EQ(main().activeFeature(), feature) << "kept after the window closes";
  }
  EXPECT_EQ(seen_, (SeenLog{"window: Orbelle", "window: Set Base Unit", "window: Upgrade Base Unit",
                            "window: Upgrade Handheld Unit"}));
}

TEST_F(MainWindowTest, AboutBoxFromF1AndTheContextMenuNamedControlsAndEscEndsTheProgram) {
  storeChoice(LinkProtocol::Rs232);  // every control of Set Protocol shows
  start();
  QDialog& about = main().aboutBox();
  ASSERT_TRUE(activate(main()));
  QTest::keyClick(&main(), Qt::Key_F1);
  ASSERT_TRUE(about.isVisible());
  EXPECT_EQ(about.windowTitle(), "About Orbelle (VKR)");
  EXPECT_EQ(about.findChild<QLabel*>("name")->text(), "Orbelle (VKR)");
  // The same version as the program prints, which starts no window for it nor for its help.
  const ProcessResult version = runProcess(ORBELLE_PATH, {"handheld", "--version"});
  ASSERT_EQ(version.out.rfind("orbelle ", 0), 0U) << version.out;
  EXPECT_EQ(about.findChild<QLabel*>("version")->text().toStdString(),
            "Version " + version.out.substr(8, version.out.size() - 9) +
                ", for cordless barcode base units and handheld units");
  const ProcessResult help = runProcess(ORBELLE_PATH, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: orbelle [--plain] [handheld]"), std::string::npos);
  expectNamedAndReachedByTab(about);
  click(about, 1);
  EXPECT_FALSE(about.isVisible());

  std::unique_ptr<QMenu> menu = main().contextMenu();
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "&About Orbelle (VKR)");
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

}  // namespace
}  // namespace orbelle::testing
