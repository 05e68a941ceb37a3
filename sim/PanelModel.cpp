#include "sim/PanelModel.h"

#include <chrono>

#include "link/PanelFrames.h"

namespace sim {

PanelModel::PanelModel(FrameSink sendFrame) : sendFrame_(std::move(sendFrame)) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  localtime_r(&now, &clock_);
}

void PanelModel::send(std::initializer_list<std::uint8_t> frame) {
  send(Bytes(frame.begin(), frame.size()));
}

void PanelModel::send(Bytes frame) {
  ++framesSent_;
  if (sendFrame_) sendFrame_(frame);
}

void PanelModel::linkUp() {
  sendVersion();
  sendClock();
}

void PanelModel::tick() {
  ++clock_.tm_sec;
  std::mktime(&clock_);  // normalises minute, hour, day and month roll-over
  sendClock();
}

void PanelModel::sendVersion() {
  const auto v = static_cast<std::uint16_t>(version_);
  send({panel::kDelimiter, 0x23, 0x07, static_cast<std::uint8_t>(v >> 8),
        static_cast<std::uint8_t>(v & 0xFF), 0, 0, 0, 0, build_, panel::kDelimiter});
}

void PanelModel::sendClock() {
  const int minutes = clock_.tm_hour * 60 + clock_.tm_min;
  send({panel::kDelimiter, 0x54, 0x00, static_cast<std::uint8_t>(minutes >> 8),
        static_cast<std::uint8_t>(minutes & 0xFF), static_cast<std::uint8_t>(clock_.tm_sec),
        static_cast<std::uint8_t>(clock_.tm_mday), static_cast<std::uint8_t>(clock_.tm_mon + 1),
        static_cast<std::uint8_t>(clock_.tm_year - 100), panel::kDelimiter});
}

void PanelModel::receive(Bytes bytes) {
  for (std::uint8_t b : bytes) {
    switch (parse_) {
      case ParseState::Idle:
        if (b == panel::kDelimiter) {
          parse_ = ParseState::InFrame;
          message_.assign(1, b);
        } else if (b == panel::kKeystrokeLead) {
          parse_ = ParseState::InKeys;
          message_.assign(1, b);
        }
        break;
      case ParseState::InFrame:
        if (b == panel::kDelimiter && message_.size() == 1) break;  // doubled opener
        message_.push_back(b);
        if (b == panel::kDelimiter) {
          parse_ = ParseState::Idle;
          if (onMessage) onMessage(message_);
          handleFrame(Bytes(message_).subspan(1, message_.size() - 2));
        }
        break;
      case ParseState::InKeys:
        if (b == panel::kDelimiter || b == panel::kKeystrokeLead) {
          flushKeys();
          parse_ = b == panel::kDelimiter ? ParseState::InFrame : ParseState::InKeys;
          message_.assign(1, b);
        } else {
          message_.push_back(b);
          handleKey(b);
        }
        break;
    }
  }
  // A key-stroke message has no end marker: it ends with the bytes sent in one go.
  if (parse_ == ParseState::InKeys) {
    flushKeys();
    parse_ = ParseState::Idle;
  }
}

void PanelModel::flushKeys() {
  if (onMessage && message_.size() > 0) onMessage(message_);
}

void PanelModel::handleFrame(Bytes) {}
void PanelModel::handleKey(std::uint8_t) {}

}  // namespace sim
