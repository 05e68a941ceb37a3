#pragma once

#include <QString>

class QWidget;

namespace connection {

// Verify's answer when no PC password has been stored yet.
inline constexpr int kNoPcPassword = -102;

// The PC password as the receiver search needs it: the stored one (verify),
// the change-password dialog, and the password held in memory for the run.
// The program binds it to its password store at start-up; until then the
// search refuses every password.
class PcPasswordCheck {
 public:
  virtual ~PcPasswordCheck() = default;
  // 0 = equal, kNoPcPassword = none stored, anything else = refused or a system error.
  virtual int verify(const QString& password) = 0;
  // Runs the change-password dialog modally; its ending does not matter to the caller.
  virtual void runChangeDialog(QWidget* parent) = 0;
  // The program-wide PC password in memory (empty at start).
  virtual QString password() const = 0;
  virtual void setPassword(const QString& password) = 0;

  // Null until the program installs one (not owned).
  static PcPasswordCheck* current();
  static void install(PcPasswordCheck* check);
};

}  // namespace connection
