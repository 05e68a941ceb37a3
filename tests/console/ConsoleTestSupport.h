#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "console/CKeypadDlg.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/TestSeams.h"

namespace consoletest {

// Settings and the password store go to a private folder for the whole run.
class PrivateConfigEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", dir_->path().toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
    QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  }
  void TearDown() override { dir_.reset(); }
  static QString path() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

using testseams::WhenModal;

// A connection dialog that ends at once with the given result.
class InstantDialog : public QDialog {
 public:
  explicit InstantDialog(bool ok) : ok_(ok) {}
  int exec() override { return ok_ ? Accepted : Rejected; }

 private:
  bool ok_;
};

// A keypad window wired to a recording link.
class KeypadFixture : public testing::Test {
 protected:
  void SetUp() override {
    link().setCurrentConnection(&conn);
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    link().setMainWindow(window.get());
  }
  void TearDown() override {
    window.reset();
    link().setCurrentConnection(nullptr);
  }
  static panel::PanelLink& link() { return panel::PanelLink::instance(); }

  void feed(std::initializer_list<int> bytes) {
    const auto frame = testseams::Bytes(bytes);
    window->handlePanelFrame(frame.data(), frame.size());
  }
  void trigger(const QString& text) {
    QAction* action = window->commandAction(text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    action->trigger();
  }
  void connectWith(bool ok) {
    window->setConnectDialogFactory([ok](QWidget*) { return std::make_unique<InstantDialog>(ok); });
    trigger(QStringLiteral("Connect"));
  }
  std::vector<std::vector<std::uint8_t>>& sent() { return conn.writes; }

  testseams::RecordingConnection conn;
  std::unique_ptr<console::CKeypadDlg> window;
};

}  // namespace consoletest
