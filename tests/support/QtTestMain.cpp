// main() of the tests that need Qt: one QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
#ifdef PELMORA_TEST_QPA_PLATFORM
  // A test that needs screens of its own brings a platform of its own.
  qputenv("QT_QPA_PLATFORM", PELMORA_TEST_QPA_PLATFORM);
#else
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#endif
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
