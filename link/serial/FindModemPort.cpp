#include "link/serial/FindModemPort.h"

#include <array>

#include "link/serial/ModemPortList.h"
#include "link/serial/SerialEnvelopeIo.h"

namespace serial {

int FindModemPort(ModemPort& port, const QStringList& paths, const ModemPort::Interrupt& interrupted) {
  std::array<std::uint8_t, kIdentificationBytes + 1> identification{};
  const std::uint8_t request[] = {kIdentifyRequest};
  for (int number = kFirstPortNumber; number <= kLastPortNumber; ++number) {
    if (interrupted && interrupted()) break;
    const QString path = ModemPortPath(paths, number);
    if (path.isEmpty() || !port.open(path)) continue;
    if (WriteSerialEnvelope(port, request) &&
        ReadSerialEnvelope(port, kIdentificationTimeoutMs, identification, interrupted) == kIdentificationBytes)
      return number;
    port.close();
  }
  port.close();
  return 0;
}

}  // namespace serial
