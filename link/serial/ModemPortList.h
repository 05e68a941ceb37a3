#pragma once

#include <QString>
#include <QStringList>

namespace serial {

// Port numbers 1 to 19 stand for devices: number n is the n-th path of the
// list. The list is the one given at start-up (tarnel --serial-ports), or,
// when none was given, the serial ports the system reports, in natural order
// of their device paths (/dev/ttyACM0, /dev/ttyS0, /dev/ttyS2, /dev/ttyS10,
// /dev/ttyUSB0, ...), read anew for every scan so that a modem plugged in
// later is found.
inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 19;

// An empty list goes back to the system's ports.
void SetModemPortPaths(const QStringList& paths);
QStringList ModemPortPaths();
QStringList SystemSerialPortPaths();
// The device of port number in paths, or an empty string when there is none.
QString ModemPortPath(const QStringList& paths, int number);

}  // namespace serial
