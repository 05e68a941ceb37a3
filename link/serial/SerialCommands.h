#pragma once

#include <QObject>

namespace serial {

// Commands to the serial worker. The numbers appear in the dialling log, so
// they keep their values.
enum Command : int {
  kFindModem = 0,
  kClosePort = 5,
  kDial = 6,
  kCancelCall = 7,
  kCallEstablished = 8,
  kSendMessage = 9,
  kNextStep = 11,
  kStopWorker = 13,
};

// Report codes the worker answers with (value in the second number).
enum Report : int {
  kModemSearched = 0,  // value: port number, 0 when no modem answered
  kCallEnded = 4,      // value 1: the call was ended after a cancel
  kCallStatus = 5,     // value: the modem's progress code, 0 for none
  kLinkStarted = 8,    // value 1
};

// Where the dialling dialog posts its commands; the worker in the program,
// a recorder in tests.
class SerialCommandSink {
 public:
  virtual void post(int command, QObject* owner) = 0;
  virtual bool running() const = 0;

 protected:
  ~SerialCommandSink() = default;
};

// A window that takes the worker's reports. Called on the UI thread while
// the worker waits.
class SerialResultHandler {
 public:
  virtual void handleSerialResult(int code, int value) = 0;

 protected:
  ~SerialResultHandler() = default;
};

}  // namespace serial
