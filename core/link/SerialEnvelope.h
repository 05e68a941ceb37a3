#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace panel {

// 7E, 16-bit little-endian length, payload, 8-bit additive checksum.
inline constexpr std::size_t kEnvelopeOverhead = 4;

std::uint8_t SerialEnvelopeChecksum(std::uint8_t lengthLow, std::uint8_t lengthHigh,
                                    std::span<const std::uint8_t> payload);

// Writes the envelope of payload into out; returns the bytes written, or 0
// when out is too small or the payload does not fit the 16-bit length.
std::size_t EncodeSerialEnvelope(std::span<const std::uint8_t> payload,
                                 std::span<std::uint8_t> out);

enum class EnvelopeStatus {
  Complete,     // payload addresses the envelope's payload
  NeedMore,     // a prefix of a valid envelope; wait for more bytes
  NoDelimiter,  // the first byte is not 0x7E
  TooLong,      // the length field exceeds the caller's limit
  BadChecksum,
};

struct DecodedEnvelope {
  EnvelopeStatus status = EnvelopeStatus::NeedMore;
  std::span<const std::uint8_t> payload;  // only with Complete
  std::size_t consumed = 0;               // envelope bytes, with Complete or BadChecksum
};

// Decodes one envelope at the start of bytes; never reads past bytes.size().
DecodedEnvelope DecodeSerialEnvelope(std::span<const std::uint8_t> bytes,
                                     std::size_t maxPayload);

}  // namespace panel
