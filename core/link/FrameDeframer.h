#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/link/PanelFrameHandler.h"

namespace panel {

// Cuts a TCP byte stream into 0x7E-delimited frames. State carries over from
// one read to the next, so a frame may be split anywhere. A frame is handed on
// from its type byte up to and including its closing 0x7E.
class FrameDeframer {
 public:
  // Longest frame (type byte to closing delimiter) that can be collected; a
  // longer one is dropped whole and reading resumes at its closing delimiter.
  static constexpr std::size_t kCapacity = 2048;

  enum class State { Idle, Opened, InFrame };

  void feed(const std::uint8_t* bytes, std::size_t count, PanelFrameHandler& handler);

  State state() const { return state_; }
  std::size_t droppedFrames() const { return droppedFrames_; }

 private:
  void collect(const std::uint8_t* bytes, std::size_t count);
  void finishFrame(const std::uint8_t* run, std::size_t runLength, PanelFrameHandler& handler);

  State state_ = State::Idle;
  bool overflowed_ = false;
  std::size_t collected_ = 0;
  std::size_t droppedFrames_ = 0;
  std::array<std::uint8_t, kCapacity> frame_{};
};

}  // namespace panel
