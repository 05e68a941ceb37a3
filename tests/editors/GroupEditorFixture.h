#pragma once

#include <QTest>
#include <functional>
#include <memory>
#include <span>

#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/ReplyFrames.h"

namespace editorstest {

// One way of leaving a group: what the user does (on the test), then what
// reaches the wire and the pauses asked for.
template <typename Test>
struct WriteCase {
  const char* name;
  std::function<void(Test&)> edit;
  std::vector<Bytes> wire;
  std::vector<int> pauses;
};

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
  // Each case on a freshly opened editor that has shown `replies`.
  template <typename Test>
  void expectWrites(std::span<const WriteCase<Test>> cases, std::initializer_list<Bytes> replies) {
    for (const WriteCase<Test>& c : cases) {
      SCOPED_TRACE(c.name);
      open();
      for (const Bytes& r : replies) reply(r);
      testseams::Times().pauses.clear();
      c.edit(static_cast<Test&>(*this));
      ASSERT_TRUE(settlesAt(c.wire.size()));
      EXPECT_EQ(sent(), c.wire);
      EXPECT_EQ(testseams::Times().pauses, c.pauses);
    }
  }
  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }

  std::unique_ptr<Dialog> dialog;
  Bytes load;  // what opening sent
};

}  // namespace editorstest
