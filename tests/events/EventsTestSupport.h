#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

#include "console/CKeypadDlg.h"
#include "events/EventDialogs.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/TestSeams.h"

namespace eventstest {

using Bytes = std::vector<std::uint8_t>;

using testseams::WhenModal;

// A connection dialog that ends at once with OK.
class ConnectedDialog : public QDialog {
 public:
  int exec() override { return Accepted; }
};

// A recording link as the current connection.
class RecordingLinkTest : public testing::Test {
 protected:
  void SetUp() override { panel::PanelLink::instance().setCurrentConnection(&conn); }
  void TearDown() override { panel::PanelLink::instance().setCurrentConnection(nullptr); }
  std::vector<std::vector<std::uint8_t>>& sent() { return conn.writes; }

  testseams::RecordingConnection conn;
};

// The keypad window, connected, with the event dialogs wired as the program wires them.
class KeypadTest : public RecordingLinkTest {
 protected:
  void SetUp() override {
    RecordingLinkTest::SetUp();
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    panel::PanelLink::instance().setMainWindow(window.get());
    events::WireEventDialogs(*window);
    window->setConnectDialogFactory([](QWidget*) { return std::make_unique<ConnectedDialog>(); });
    window->commandAction(QStringLiteral("Connect"))->trigger();
    sent().clear();
  }
  void TearDown() override {
    panel::PanelLink::instance().setMainWindow(nullptr);
    window.reset();
    RecordingLinkTest::TearDown();
  }
  void feed(const Bytes& frame) { window->handlePanelFrame(frame.data(), frame.size()); }

  std::unique_ptr<console::CKeypadDlg> window;
};

}  // namespace eventstest
