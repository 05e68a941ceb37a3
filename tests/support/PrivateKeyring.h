#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testseams {

// A Secret Service of the test program's own: a private D-Bus session bus
// (no service activation) and gnome-keyring-daemon, unlocked with a password,
// in a temporary home. The program's session bus becomes that one, so the
// developer's keyring is never touched and programs run side by side. Start
// it before anything in the program talks to the bus.
class PrivateKeyring {
 public:
  ~PrivateKeyring();
  // False with the reason when it could not be started.
  bool start(QString& error);
  void stop();
  // For programs the test starts: the same bus.
  QProcessEnvironment environment() const;
  QString busAddress() const { return address_; }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QProcess> bus_;
  std::unique_ptr<QProcess> keyring_;
  QString address_;
};

// The private keyring for the whole run of a test program.
class PrivateKeyringEnvironment : public testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override { keyring_.stop(); }
  static PrivateKeyring& keyring();

 private:
  PrivateKeyring& keyring_ = keyring();
};

// A test program whose files include this header runs on the private
// keyring: one environment for the program, however many files include it.
inline testing::Environment* const kPrivateKeyringEnvironment =
    testing::AddGlobalTestEnvironment(new PrivateKeyringEnvironment);

}  // namespace testseams
