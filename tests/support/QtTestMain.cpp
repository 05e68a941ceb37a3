#include <gtest/gtest.h>

#include <QApplication>

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
  QApplication app(argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ResetSeamsListener);
  return RUN_ALL_TESTS();
}
