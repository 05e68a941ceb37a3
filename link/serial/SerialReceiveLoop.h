#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "link/serial/ModemPort.h"

namespace serial {

// The reading half of a call that stands: one envelope at a time, each
// payload handed on as a frame (type byte first). Silence, noise, broken
// and empty envelopes are dropped.
class SerialReceiveLoop {
 public:
  static constexpr int kFirstByteMs = 1000;
  static constexpr std::size_t kMaxFrame = 64;
  using FrameSink = std::function<void(std::span<const std::uint8_t> frame)>;

  // One read. False once the port is closed or gone: the loop is over.
  bool readOnce(ModemPort& port, const FrameSink& deliver, const ModemPort::Interrupt& interrupted = {});

 private:
  std::array<std::uint8_t, kMaxFrame + 1> buffer_{};
};

}  // namespace serial
