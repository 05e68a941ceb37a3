#pragma once

#include "connect/GsmRoute.h"

namespace connection {

// The GSM route over the serial worker: start it with the dial record, run
// the dialling dialog, and on success tell the modem the call is taken,
// start the receive loop and leave the worker as the link's serial
// transport. Whatever fails leaves no worker behind.
class SerialGsmRoute : public GsmRoute {
 public:
  Outcome call(QWidget* parent, const GsmCall& call) override;
};

}  // namespace connection
