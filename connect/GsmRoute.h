#pragma once

#include <QString>

class QWidget;

namespace connection {

// What the connection dialog hands to the GSM route.
struct GsmCall {
  QString phone;     // at most 127 characters
  QString password;  // at most 15 characters
  int protocol = 0;  // index in the dialog's protocol list, 0 to 3
};

// The call to a GSM unit through the modem: start the serial worker, dial,
// start the receive loop. The serial side installs it; until then the
// dialog's GSM "Connect" stays disabled.
class GsmRoute {
 public:
  enum class Outcome {
    AlreadyRunning,  // a serial worker exists: nothing was done
    Cancelled,       // the dialling was cancelled and the worker stopped
    NoReceiver,      // dialled, but the receive loop did not start
    LinkUp,          // the serial link stands
  };

  virtual ~GsmRoute() = default;
  // Runs modally from the dialog (parent) until the call stands or is given up.
  virtual Outcome call(QWidget* parent, const GsmCall& call) = 0;

  // Null until installed (not owned).
  static GsmRoute* current();
  static void install(GsmRoute* route);
};

}  // namespace connection
