// The pause after a write: the editor holds back its sends, its input and
// the frames forwarded to it, and lets them go in order once the pause is
// over; the keypad window meanwhile goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "console/EditorDialog.h"
#include "link/PanelLink.h"
#include "tests/support/TestSeams.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testseams::Times;
using testseams::WaitFor;

// Writes on demand, pauses, and records what reached it.
class PausingEditor : public console::EditorDialog {
 public:
  PausingEditor() {
    auto* layout = new QVBoxLayout(this);
    box = new QCheckBox(QStringLiteral("Option"), this);
    second = new QCheckBox(QStringLiteral("Second"), this);
    arrow = new QToolButton(this);
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(50);
    arrow->setAutoRepeatInterval(20);
    for (QWidget* w : std::initializer_list<QWidget*>{box, second, arrow}) layout->addWidget(w);
    connect(box, &QCheckBox::clicked, this, [this] { send(panel::KeystrokeFrame({0x05})); });
    // The first step writes, as a group editor leaving a changed group does.
    connect(arrow, &QToolButton::clicked, this, [this] {
      if (++steps == 1) write(300);
    });
  }
  void write(int pauseMs) {
    send(panel::KeystrokeFrame({0x01, 0x11}));
    pauseAfterWrite(pauseMs);
  }
  void sendLater(std::uint8_t key) { send(panel::KeystrokeFrame({key})); }
  void sendInTurn(std::uint8_t key) { inTurn([this, key] { sendLater(key); }); }
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    frames.emplace_back(frame, frame + length);
    if (frame[0] == 0x16) write(100);  // a reply that writes again pauses again
  }

  QCheckBox* box;
  QCheckBox* second;
  QToolButton* arrow;
  int steps = 0;
  std::vector<Bytes> frames;
};

class EditorPause : public testing::Test {
 protected:
  void SetUp() override {
    panel::PanelLink::instance().setCurrentConnection(&conn);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
  }
  void TearDown() override { panel::PanelLink::instance().setCurrentConnection(nullptr); }
  void receive(const Bytes& frame) { editor.receiveFrame(frame.data(), frame.size()); }

  testseams::RecordingConnection conn;
  PausingEditor editor;
};

TEST_F(EditorPause, HoldsSendsInputAndFramesUntilItEndsThenReplaysThemInOrder) {
  editor.write(750);
  EXPECT_EQ(Times().pauses, (std::vector<int>{750}));
  ASSERT_TRUE(editor.isPaused());

  editor.sendLater(0x09);
  receive({0x17, 0x07, 0x2A, 0x3C, 0x7E});
  QTest::mouseClick(editor.box, Qt::LeftButton);
  EXPECT_EQ(conn.writes.size(), 1u);
  EXPECT_TRUE(editor.frames.empty());
  EXPECT_FALSE(editor.box->isChecked());

  ASSERT_TRUE(WaitFor([&] { return conn.writes.size() == 3; }));
  EXPECT_EQ(conn.writes[1], (Bytes{0x7A, 0x09}));
  EXPECT_EQ(conn.writes[2], (Bytes{0x7A, 0x05}));
  EXPECT_EQ(editor.frames, (std::vector<Bytes>{{0x17, 0x07, 0x2A, 0x3C, 0x7E}}));
  EXPECT_TRUE(editor.box->isChecked());
}

TEST_F(EditorPause, InputHeldInAPauseActsAsItWouldHaveAfterIt) {
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  editor.box->setFocus();
  editor.write(750);
  // Tab, then Space, each to where the focus is as they are typed.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  // A click on a greyed box is lost, even when the box is enabled before the pause ends.
  editor.second->setEnabled(false);
  QTest::mouseClick(editor.second, Qt::LeftButton);
  editor.second->setEnabled(true);
  ASSERT_TRUE(WaitFor([&] { return !editor.isPaused(); }));
  QTest::qWait(10);
  EXPECT_FALSE(editor.box->isChecked());
  EXPECT_TRUE(editor.second->isChecked());  // the Space, not the greyed click (which would undo it)
  EXPECT_EQ(QApplication::focusWidget(), editor.second);

  // An arrow held down stops repeating when a pause begins; its late release clicks nothing.
  Times().scale = 1.0;
  QTest::mousePress(editor.arrow, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return editor.isPaused(); }));
  QTest::qWait(200);
  QTest::mouseRelease(editor.arrow, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return !editor.isPaused(); }));
  QTest::qWait(50);
  Times().scale = 0.01;
  EXPECT_EQ(editor.steps, 1);
}

TEST_F(EditorPause, WorkThatPausesAgainKeepsTheRestWaiting) {
  editor.write(250);
  receive({0x16, 0x07, 0x00, 0x01, 0x2D, 0x7E});
  editor.sendLater(0x03);
  // After the first pause the reply writes and pauses again; the 0x03 waits for that pause too.
  ASSERT_TRUE(WaitFor([&] { return conn.writes.size() == 2; }));
  EXPECT_TRUE(editor.isPaused());
  EXPECT_EQ(Times().pauses, (std::vector<int>{250, 100}));
  ASSERT_TRUE(WaitFor([&] { return conn.writes.size() == 3; }));
  EXPECT_EQ(conn.writes[2], (Bytes{0x7A, 0x03}));
}

TEST_F(EditorPause, ACloseRequestDuringAPauseDropsWhatWasHeld) {
  editor.write(1000);
  editor.sendLater(0x07);
  editor.closeRequest();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_FALSE(editor.isPaused());
  QTest::qWait(30);
  EXPECT_EQ(conn.writes.size(), 1u);
}

// Before, a second write during a pause restarted the pause timer with the
// shorter time, and its frame went out with no pause of its own after it.
TEST_F(EditorPause, APauseAskedForDuringAPauseStartsAfterTheWorkBeforeIt) {
  editor.write(250);
  editor.write(100);
  editor.sendInTurn(0x04);
  EXPECT_EQ(conn.writes.size(), 1u);
  EXPECT_EQ(Times().pauses, std::vector<int>{250});
  ASSERT_TRUE(WaitFor([&] { return conn.writes.size() == 3; }));
  EXPECT_EQ(Times().pauses, (std::vector<int>{250, 100}));
  EXPECT_EQ(conn.writes[1], (Bytes{0x7A, 0x01, 0x11}));
  EXPECT_EQ(conn.writes[2], (Bytes{0x7A, 0x04}));
}

TEST_F(EditorPause, AnEditorThatHasEndedSendsNothing) {
  editor.reject();
  editor.sendLater(0x01);
  editor.sendInTurn(0x02);
  editor.write(100);
  QTest::qWait(10);
  EXPECT_TRUE(conn.writes.empty());
  EXPECT_TRUE(Times().pauses.empty());
}

}  // namespace
