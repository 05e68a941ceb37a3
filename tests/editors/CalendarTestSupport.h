#pragma once

// Shared by the tests of the output, clock, keyswitch, time-zone and holiday
// editors: an editor shown on its own against the recording link.
#include <QAbstractButton>
#include <QTest>

#include "console/EditorDialog.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/ReplyFrames.h"

namespace calendartest {

using editorstest::Bytes;
using testseams::Boxes;
using testseams::Times;
using testseams::WaitFor;

using editorstest::Joined;
using editorstest::Read;

template <typename Dialog>
class EditorTest : public editorstest::EditorLinkTest {
 protected:
  void SetUp() override {
    EditorLinkTest::SetUp();
    dialog = std::make_unique<Dialog>();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void TearDown() override {
    dialog.reset();
    EditorLinkTest::TearDown();
  }
  void feed(const Bytes& frame) { dialog->receiveFrame(frame.data(), frame.size()); }
  bool waitSent(std::size_t writes) { return WaitFor([&] { return sent().size() >= writes; }); }
  // Clicks a check box or button where a person would: on its indicator or face.
  static void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  std::unique_ptr<Dialog> dialog;
};

}  // namespace calendartest
