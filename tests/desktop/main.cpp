#include <QCoreApplication>

#include <gtest/gtest.h>

#include "desktop/DesktopFixture.h"

// The D-Bus calls deliver their answers through the Qt event loop. Before anything runs,
// the bus variables are pointed away from the machine's own buses.
int main(int argc, char** argv) {
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", orbelle::testing::kNowhere);
  qputenv("DBUS_SESSION_BUS_ADDRESS", orbelle::testing::kNowhere);
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
