#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace editorstest {

using Bytes = std::vector<std::uint8_t>;
using testseams::WaitFor;
using testseams::WhenModal;

// A recording link as the current connection; editors under test send into it.
class EditorLinkTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::vector<Bytes>& sent() { return conn.writes; }
  // Everything sent so far, as one run of bytes.
  Bytes sentBytes() const;

  testseams::RecordingConnection conn;
};

// The keypad window, connected through the recording link, in program mode,
// with the program-mode editors wired as tarnel wires them.
class ProgramModeTest : public EditorLinkTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  void feed(const Bytes& frame) { window->handlePanelFrame(frame.data(), frame.size()); }
  // The item's action (asserting that it is there and enabled).
  QAction* item(const QString& path);

  std::unique_ptr<console::CKeypadDlg> window;
};

// The real keypad window against the simulator program, which calls in over
// loopback; the installer code 9999 has put the panel into program mode.
class ProgramModeSimTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A line on the simulator's standard input.
  void simCommand(const QString& line);
  // Sends a line and waits until what the simulator prints after it contains `expected`.
  bool simAnswers(const QString& line, const QString& expected, int timeoutMs = 5000);
  // Opens the item; drive runs once its editor is the active modal dialog
  // and must close it. Returns once the editor has closed.
  template <typename Dialog>
  void openEditor(const QString& path, std::function<void(Dialog*)> drive) {
    WhenModal<Dialog>(std::move(drive));
    QAction* action = window->programAction(path);
    ASSERT_NE(action, nullptr) << path.toStdString();
    ASSERT_TRUE(action->isEnabled()) << path.toStdString();
    action->trigger();
  }

  std::unique_ptr<console::CKeypadDlg> window;
  std::unique_ptr<panel::CListenSocket> listener;
  std::unique_ptr<testseams::SimProcess> sim;
};

}  // namespace editorstest
