#include "core/link/FrameDeframer.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/link/PanelFrames.h"

namespace panel {
namespace {

// Most frames are a few dozen bytes, and the next delimiter is then closer
// than a library memchr call is cheap: look at the first words here, eight
// bytes at a time, and leave longer runs to memchr.
constexpr std::size_t kInlineScan = 32;

std::size_t FindDelimiter(const std::uint8_t* bytes, std::size_t from, std::size_t count) {
  std::size_t i = from;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    constexpr std::uint64_t kPattern = kOnes * kDelimiter;
    const std::size_t inlineEnd = std::min(count, from + kInlineScan);
    for (; i + 8 <= inlineEnd; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, bytes + i, sizeof word);
      const std::uint64_t x = word ^ kPattern;  // delimiter bytes become zero
      // High bit set in each zero byte; a borrow can only mark bytes above
      // the first zero, so the lowest mark is exact.
      const std::uint64_t zeros = (x - kOnes) & ~x & kHighs;
      if (zeros != 0) return i + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
    }
  }
  if (i == count) return count;
  const void* hit = std::memchr(bytes + i, kDelimiter, count - i);
  return hit ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - bytes) : count;
}

}  // namespace

void FrameDeframer::feed(const std::uint8_t* bytes, std::size_t count, PanelFrameHandler& handler) {
  // The state lives in a local while we run: the handler call is opaque, so a
  // member would be reloaded after every frame.
  State state = state_;
  std::size_t i = 0;
  while (i < count) {
    switch (state) {
      case State::Idle: {
        // Back to back, the opening delimiter is the very next byte.
        const std::size_t at = bytes[i] == kDelimiter ? i : FindDelimiter(bytes, i, count);
        if (at == count) {
          i = count;
          break;
        }
        state = State::Opened;
        i = at + 1;
        break;
      }
      case State::Opened:
        if (bytes[i] == kDelimiter) {
          ++i;  // doubled delimiter: the later one opens
        } else {
          state = State::InFrame;
          collected_ = 0;
          overflowed_ = false;
        }
        break;
      case State::InFrame: {
        const std::size_t at = FindDelimiter(bytes, i, count);
        if (at == count) {
          collect(bytes + i, count - i);
          i = count;
          break;
        }
        state = state_ = State::Idle;
        const std::size_t runLength = at - i;
        if (collected_ == 0 && !overflowed_ && runLength + 1 <= kCapacity) {
          handler.handlePanelFrame(bytes + i, runLength + 1);  // whole frame in this read: no copy
        } else {
          finishFrame(bytes + i, runLength, handler);
        }
        i = at + 1;
        break;
      }
    }
  }
  state_ = state;
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
  // The rest of a frame that began in an earlier read, or one too long to keep.
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
