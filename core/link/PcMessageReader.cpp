#include "core/link/PcMessageReader.h"

#include "core/link/PanelFrames.h"

namespace panel {

namespace {
// No frame the PC builds comes near this; a stream without a closing
// delimiter must not grow the buffer for ever.
constexpr std::size_t kMaxMessage = 300;
}  // namespace

void PcMessageReader::feed(std::span<const std::uint8_t> bytes, Handler& handler) {
  for (const std::uint8_t b : bytes) {
    switch (state_) {
      case State::Idle:
        if (b == kDelimiter) {
          state_ = State::InFrame;
          message_.assign(1, b);
        } else if (b == kKeystrokeLead) {
          state_ = State::InKeys;
          message_.assign(1, b);
        }
        break;
      case State::InFrame: {
        if (b == kDelimiter && message_.size() == 1) break;  // doubled opener
        if (message_.size() >= kMaxMessage) {
          state_ = b == kDelimiter ? State::Idle : State::Overlong;
          break;
        }
        const bool ends = b == kDelimiter && !delimiterIsBody();
        message_.push_back(b);
        if (ends) {
          state_ = State::Idle;
          handler.pcFrame(message_);
        }
        break;
      }
      case State::Overlong:
        if (b == kDelimiter) state_ = State::Idle;
        break;
      case State::InKeys:
        if (b == kDelimiter || b == kKeystrokeLead) {
          flushKeys(handler);
          state_ = b == kDelimiter ? State::InFrame : State::InKeys;
          message_.assign(1, b);
        } else {
          if (message_.size() < kMaxMessage) message_.push_back(b);
          handler.pcKey(b);
        }
        break;
    }
  }
  // A key-stroke message has no end marker: hand over what came, but keep
  // taking keys until a frame or a new message starts.
  if (state_ == State::InKeys) {
    flushKeys(handler);
    message_.clear();
  }
}

bool PcMessageReader::delimiterIsBody() const {
  // 7E AB 07 00 p 00 e 7E: the frame's length is fixed, so p and e may be anything.
  return message_.size() >= 2 && message_[1] == kTypeParamRead && (message_.size() == 4 || message_.size() == 6);
}

void PcMessageReader::flushKeys(Handler& handler) {
  if (!message_.empty()) handler.pcKeysTaken(message_);
}

}  // namespace panel
