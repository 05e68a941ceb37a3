#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class QSerialPort;

namespace serial {

// One serial port as the modem link uses it: 115200 baud, 8N1, no flow
// control, DTR on, read byte by byte with time-outs. Blocking; it belongs to
// the thread that opened it (the serial worker in the program).
class ModemPort {
 public:
  // Asked between slices of a wait; true ends the wait early.
  using Interrupt = std::function<bool()>;

  enum ReadFailure : int {
    kTimedOut = -1,
    kFailed = -2,       // not open, or the device went away
    kInterrupted = -3,
  };

  ModemPort();
  ~ModemPort();
  ModemPort(const ModemPort&) = delete;
  ModemPort& operator=(const ModemPort&) = delete;

  // Opens path exclusively and applies the settings. False when it cannot be
  // opened or the line settings are refused.
  bool open(const QString& path);
  void close();
  bool isOpen() const;
  // Set once the device went away while open (a modem unplugged, the other
  // end of a pseudo-terminal closed); cleared by open().
  bool lost() const { return lost_; }
  // Whether DTR could be raised; pseudo-terminals have no modem lines.
  bool dtrRaised() const { return dtrRaised_; }

  // Writes all bytes within 10 ms per byte plus 100 ms.
  bool write(std::span<const std::uint8_t> bytes);
  // The next byte (0..255) within timeoutMs, or a ReadFailure.
  int readByte(int timeoutMs, const Interrupt& interrupted = {});

 private:
  void noteError();

  std::unique_ptr<QSerialPort> port_;
  bool lost_ = false;
  bool dtrRaised_ = false;
};

}  // namespace serial
