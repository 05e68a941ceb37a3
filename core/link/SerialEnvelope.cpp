#include "core/link/SerialEnvelope.h"

#include <cstring>

#include "core/link/PanelFrames.h"

namespace panel {

std::uint8_t SerialEnvelopeChecksum(std::uint8_t lengthLow, std::uint8_t lengthHigh,
                                    std::span<const std::uint8_t> payload) {
  unsigned sum = kDelimiter + lengthLow + lengthHigh;
  for (std::uint8_t b : payload) sum += b;
  return static_cast<std::uint8_t>(sum);
}

std::size_t EncodeSerialEnvelope(std::span<const std::uint8_t> payload,
                                 std::span<std::uint8_t> out) {
  if (payload.size() > 0xFFFF || out.size() < payload.size() + kEnvelopeOverhead) return 0;
  const auto low = static_cast<std::uint8_t>(payload.size() & 0xFF);
  const auto high = static_cast<std::uint8_t>(payload.size() >> 8);
  out[0] = kDelimiter;
  out[1] = low;
  out[2] = high;
  if (!payload.empty()) std::memcpy(out.data() + 3, payload.data(), payload.size());
  out[3 + payload.size()] = SerialEnvelopeChecksum(low, high, payload);
  return payload.size() + kEnvelopeOverhead;
}

DecodedEnvelope DecodeSerialEnvelope(std::span<const std::uint8_t> bytes,
                                     std::size_t maxPayload) {
  DecodedEnvelope result;
  if (bytes.empty()) return result;
  if (bytes[0] != kDelimiter) {
    result.status = EnvelopeStatus::NoDelimiter;
    return result;
  }
  if (bytes.size() < 3) return result;
  const std::size_t length = bytes[1] | (std::size_t{bytes[2]} << 8);
  if (length > maxPayload) {
    result.status = EnvelopeStatus::TooLong;
    return result;
  }
  if (bytes.size() < length + kEnvelopeOverhead) return result;
  const auto payload = bytes.subspan(3, length);
  result.consumed = length + kEnvelopeOverhead;
  if (SerialEnvelopeChecksum(bytes[1], bytes[2], payload) != bytes[3 + length]) {
    result.status = EnvelopeStatus::BadChecksum;
    return result;
  }
  result.status = EnvelopeStatus::Complete;
  result.payload = payload;
  return result;
}

}  // namespace panel
