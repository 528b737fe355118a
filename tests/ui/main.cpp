#include <QApplication>

#include <gtest/gtest.h>

#include "app/Application.h"
#include "desktop/DesktopFixture.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // The windows' transfers reach only the private buses a test starts, never the machine's.
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", orbelle::testing::kNowhere);
  qputenv("DBUS_SESSION_BUS_ADDRESS", orbelle::testing::kNowhere);
  QApplication app(argc, argv);
  orbelle::registerDialogFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
