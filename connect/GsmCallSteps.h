#pragma once

#include "connect/GsmRoute.h"

class QObject;

namespace serial {
class SerialWorker;
}

namespace connection {

// The serial side of a GSM call, around the dialling (GsmDial):
// StartGsmWorker before it, TakeGsmCall once the call is ready,
// serial::StopSerialWorker when it was given up.

// Starts the serial worker with the call's dial record; null when a worker
// runs already (nothing is done then).
serial::SerialWorker* StartGsmWorker(const GsmCall& call);

// Tells the modem the call is taken (command 8, reported to owner) and
// starts the receive loop. False when the port went away after the call
// was made: the worker is stopped then, since nothing would read it.
bool TakeGsmCall(serial::SerialWorker& worker, QObject* owner);

}  // namespace connection
