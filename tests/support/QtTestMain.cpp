#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "tests/support/TestSeams.h"

namespace {

class ResetSeamsListener : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { testseams::ResetSeams(); }
  void OnTestEnd(const testing::TestInfo&) override {
    // Let deferred deletions of sockets and windows run inside the test's lifetime.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Nothing a test does reaches the developer's own files or keyring:
  // settings and data go to folders of the run's own (a test may choose
  // others), and the session bus is one that is not there (a test program
  // that needs a keyring starts its own).
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
  qputenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + home.path() + QStringLiteral("/no-bus")).toLocal8Bit());
  QApplication app(argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ResetSeamsListener);
  return RUN_ALL_TESTS();
}
