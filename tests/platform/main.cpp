// Platform tests run GoogleTest inside a Qt application object on the offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "platform/single_instance.h"

namespace {

// Helper mode for the single-instance tests: take the lock named on the command line, say so,
// and hold it until killed (or for a minute at most).
int holdInstanceLock(const char* path) {
  vrk::platform::SingleInstanceLock lock(QString::fromLocal8Bit(path));
  if (lock.acquire() != vrk::platform::SingleInstanceLock::Result::Acquired) return 1;
  std::printf("locked\n");
  std::fflush(stdout);
  QThread::sleep(60);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && std::strcmp(argv[1], "--hold-instance-lock") == 0) return holdInstanceLock(argv[2]);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
