#pragma once

#include <QTest>
#include <memory>

#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/ReplyFrames.h"

namespace editorstest {

// One group editor shown and active on a recording link; its first load
// is kept in `load` and taken off the record.
template <typename Dialog>
class GroupEditorTest : public EditorLinkTest {
 public:
  void SetUp() override {
    EditorLinkTest::SetUp();
    open();
  }
  void TearDown() override {
    dialog.reset();
    EditorLinkTest::TearDown();
  }
  void open() {
    dialog.reset();
    sent().clear();
    dialog = std::make_unique<Dialog>();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    load = sent().front();
    sent().clear();
  }
  // A reply as the panel builds it; the editor gets it from the type byte on.
  void reply(const Bytes& built) { dialog->receiveFrame(built.data() + 1, built.size() - 1); }
  // Waits for n writes, then a little longer to see that no more follow.
  ::testing::AssertionResult settlesAt(std::size_t n) {
    if (!WaitFor([&] { return sent().size() >= n && !dialog->isPaused(); })) {
      return ::testing::AssertionFailure() << sent().size() << " writes of " << n;
    }
    QTest::qWait(30);
    if (sent().size() != n) return ::testing::AssertionFailure() << sent().size() << " writes, expected " << n;
    return ::testing::AssertionSuccess();
  }
  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }

  std::unique_ptr<Dialog> dialog;
  Bytes load;  // what opening sent
};

}  // namespace editorstest
