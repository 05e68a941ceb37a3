#include "link/serial/SerialReceiveLoop.h"

#include "link/serial/SerialEnvelopeIo.h"

namespace serial {

bool SerialReceiveLoop::readOnce(ModemPort& port, const FrameSink& deliver, const ModemPort::Interrupt& interrupted) {
  const int length = ReadSerialEnvelope(port, kFirstByteMs, buffer_, interrupted);
  if (length > 0) deliver(std::span<const std::uint8_t>(buffer_.data(), static_cast<std::size_t>(length)));
  return port.isOpen();
}

}  // namespace serial
