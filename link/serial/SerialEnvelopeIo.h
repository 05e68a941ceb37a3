#pragma once

#include <cstdint>
#include <span>

#include "link/serial/ModemPort.h"

namespace serial {

// What ReadSerialEnvelope returns when no payload came.
enum EnvelopeReadError : int {
  kNoEnvelope = -1,     // no 0x7E within the first-byte time-out, or the read failed
  kShortLength = -2,    // fewer than two length bytes
  kLengthTooLarge = -3, // the length exceeds the buffer
  kPayloadFailed = -4,  // the port failed while reading payload and checksum
  kShortPayload = -5,   // payload and checksum did not all come in time
  kBadChecksum = -6,
};

// Writes payload in one envelope (7E, length low, length high, payload,
// checksum). False when the port refused or did not take it in time.
bool WriteSerialEnvelope(ModemPort& port, std::span<const std::uint8_t> payload);

// Reads one envelope into buffer, whose size is the largest payload plus one
// (the checksum lands behind the payload). Bytes ahead of 0x7E are skipped.
// Returns the payload length (payload at the start of buffer) or an
// EnvelopeReadError. interrupted can cut short the wait for the 0x7E only.
int ReadSerialEnvelope(ModemPort& port, int firstByteMs, std::span<std::uint8_t> buffer,
                       const ModemPort::Interrupt& interrupted = {});

}  // namespace serial
