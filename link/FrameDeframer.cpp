#include "link/FrameDeframer.h"

#include <cstring>

#include "link/PanelFrames.h"

namespace panel {
namespace {

std::size_t FindDelimiter(const std::uint8_t* bytes, std::size_t from, std::size_t count) {
  const void* hit = std::memchr(bytes + from, kDelimiter, count - from);
  return hit ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - bytes) : count;
}

}  // namespace

void FrameDeframer::feed(const std::uint8_t* bytes, std::size_t count, PanelFrameHandler& handler) {
  std::size_t i = 0;
  while (i < count) {
    switch (state_) {
      case State::Idle: {
        const std::size_t at = FindDelimiter(bytes, i, count);
        if (at == count) return;
        state_ = State::Opened;
        i = at + 1;
        break;
      }
      case State::Opened:
        if (bytes[i] == kDelimiter) {
          ++i;  // doubled delimiter: the later one opens
        } else {
          state_ = State::InFrame;
          collected_ = 0;
          overflowed_ = false;
        }
        break;
      case State::InFrame: {
        const std::size_t at = FindDelimiter(bytes, i, count);
        if (at == count) {
          collect(bytes + i, count - i);
          return;
        }
        state_ = State::Idle;
        finishFrame(bytes + i, at - i, handler);
        i = at + 1;
        break;
      }
    }
  }
}

void FrameDeframer::collect(const std::uint8_t* bytes, std::size_t count) {
  if (overflowed_) return;
  // Keep one place for the closing delimiter.
  if (count > kCapacity - 1 - collected_) {
    overflowed_ = true;
    return;
  }
  std::memcpy(frame_.data() + collected_, bytes, count);
  collected_ += count;
}

void FrameDeframer::finishFrame(const std::uint8_t* run, std::size_t runLength,
                                PanelFrameHandler& handler) {
  // run ends just before the closing delimiter, which the caller's buffer holds.
  if (collected_ == 0 && !overflowed_ && runLength + 1 <= kCapacity) {
    handler.handlePanelFrame(run, runLength + 1);  // whole frame in this read: no copy
    return;
  }
  collect(run, runLength);
  if (overflowed_) {
    ++droppedFrames_;
    overflowed_ = false;
    collected_ = 0;
    return;
  }
  frame_[collected_] = kDelimiter;
  const std::size_t length = collected_ + 1;
  collected_ = 0;
  handler.handlePanelFrame(frame_.data(), length);
}

}  // namespace panel
