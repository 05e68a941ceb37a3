#include "link/serial/SerialEnvelopeIo.h"

#include <QDeadlineTimer>
#include <vector>

#include "core/link/PanelFrames.h"
#include "core/link/SerialEnvelope.h"

namespace serial {
namespace {

constexpr int kByteIntervalMs = 100;
constexpr int kTotalBaseMs = 100;
constexpr int kTotalPerByteMs = 100;
// Noise ahead of the delimiter is skipped, but only for so long past the
// first-byte time-out, so that a port streaming garbage cannot hold the
// worker and its commands for ever.
constexpr int kHuntGraceMs = 1000;

enum class RunResult { Complete, Short, Failed };

// Reads bytes.size() bytes within the total. As with the port's time-outs,
// the interval bounds only the gaps once the first byte has come: that one
// may take the whole total.
RunResult ReadRun(ModemPort& port, std::span<std::uint8_t> bytes) {
  QDeadlineTimer total(kTotalBaseMs + kTotalPerByteMs * static_cast<qint64>(bytes.size()));
  bool first = true;
  for (std::uint8_t& slot : bytes) {
    const qint64 left = total.remainingTime();
    if (left <= 0) return RunResult::Short;
    const qint64 wait = first ? left : std::min<qint64>(left, kByteIntervalMs);
    first = false;
    const int byte = port.readByte(static_cast<int>(wait));
    if (byte == ModemPort::kFailed) return RunResult::Failed;
    if (byte < 0) return RunResult::Short;
    slot = static_cast<std::uint8_t>(byte);
  }
  return RunResult::Complete;
}

}  // namespace

bool WriteSerialEnvelope(ModemPort& port, std::span<const std::uint8_t> payload) {
  std::vector<std::uint8_t> envelope(payload.size() + panel::kEnvelopeOverhead);
  if (panel::EncodeSerialEnvelope(payload, envelope) == 0) return false;
  return port.write(envelope);
}

int ReadSerialEnvelope(ModemPort& port, int firstByteMs, std::span<std::uint8_t> buffer,
                       const ModemPort::Interrupt& interrupted) {
  if (buffer.empty()) return kLengthTooLarge;
  const std::size_t maxPayload = buffer.size() - 1;

  // Each one-byte read of the hunt has the total T + 100 ms.
  const int delimiterMs = firstByteMs + kTotalPerByteMs;
  QDeadlineTimer huntLimit(delimiterMs + kHuntGraceMs);
  for (;;) {
    const int byte = port.readByte(delimiterMs, interrupted);
    if (byte < 0) return kNoEnvelope;
    if (byte == panel::kDelimiter) break;
    if (huntLimit.hasExpired()) return kNoEnvelope;
  }

  std::uint8_t lengthBytes[2] = {};
  if (ReadRun(port, lengthBytes) != RunResult::Complete) return kShortLength;
  const std::size_t length = lengthBytes[0] | (std::size_t{lengthBytes[1]} << 8);
  if (length > maxPayload) return kLengthTooLarge;

  switch (ReadRun(port, buffer.first(length + 1))) {
    case RunResult::Failed: return kPayloadFailed;
    case RunResult::Short: return kShortPayload;
    case RunResult::Complete: break;
  }
  const auto payload = std::span<const std::uint8_t>(buffer.data(), length);
  if (panel::SerialEnvelopeChecksum(lengthBytes[0], lengthBytes[1], payload) != buffer[length]) return kBadChecksum;
  return static_cast<int>(length);
}

}  // namespace serial
