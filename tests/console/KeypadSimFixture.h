#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "connect/CRequestConnect.h"
#include "connect/PcPasswordCheck.h"
#include "console/AccessPasswordStore.h"
#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/SimProcess.h"

namespace consoletest {

// The connection dialog's PC password, checked against a real password store.
class StorePcPassword : public connection::PcPasswordCheck {
 public:
  int verify(const QString& password) override;
  void runChangeDialog(QWidget*) override { ++changeRuns; }
  QString password() const override { return console::g_strPcPassword; }
  void setPassword(const QString& password) override { console::g_strPcPassword = password; }
  int changeRuns = 0;
};

// The keypad window as tarnel wires it: listening on a free loopback port for
// the module's calls, with the real connection dialog behind "Connect",
// against a simulator that waits for the PC's call on a port of its own.
class KeypadSimFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A simulator listening on a free port, with extra options; calls go to it.
  void startSim(QStringList options = {});
  // A simulator that rings the keypad's listening port back after a login-only call.
  void startSimCallingBack(QStringList options = {});
  void simCommand(const QString& line);

  // Runs "Connect" and lets drive work the dialog; returns once it has ended.
  void runConnect(std::function<void(connection::CRequestConnect&)> drive);
  // "Direct connection:" as an authorised PC; the module calls back with the panel's frames.
  void connectAuthorised();

  void trigger(const QString& text);
  void triggerProgramItem(const QString& path);
  // Types a code into the next code dialog and presses its OK button.
  void answerCode(const QString& digits);

  static QLineEdit* field(QWidget& dialog, const char* name);
  static QPushButton* button(QWidget& dialog, const char* name);
  static void type(QWidget& dialog, const char* name, const QString& text);
  static void click(QWidget& dialog, const char* name);

  QString callTitle(const QString& host, const QString& text = QString()) const;

  std::unique_ptr<console::CKeypadDlg> window;
  std::unique_ptr<panel::CListenSocket> listener;
  std::unique_ptr<testseams::SimProcess> sim;
  quint16 simPort = 0;
  QTemporaryDir storeDir;
  std::unique_ptr<console::AccessPasswordStore> store;
  StorePcPassword pcPassword;
};

}  // namespace consoletest
