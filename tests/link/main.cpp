#include <QCoreApplication>

#include <gtest/gtest.h>

// The links deliver through the Qt event loop, so the tests need an application object.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
