#include <QApplication>

#include <gtest/gtest.h>

// The Qt suites run offscreen in an application object, whose event loop delivers what the
// links and the desktop services hand over; nothing reaches the machine's own buses.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/orbelle-test-bus");
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/orbelle-test-bus");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
