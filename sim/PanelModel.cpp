#include "sim/PanelModel.h"

#include <chrono>

#include "link/PanelFrames.h"

namespace sim {

namespace {
// No frame the PC builds comes near this; a stream without a closing
// delimiter must not grow the buffer for ever.
constexpr std::size_t kMaxMessage = 300;
// A full memory, as on a panel that has been in use for a while.
constexpr std::size_t kSeededEvents = EventMemory::kCapacity;
}  // namespace

PanelModel::PanelModel(FrameSink sendFrame, AlarmPanel::Codes codes)
    : sendFrame_(std::move(sendFrame)), panel_(std::move(codes)) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  localtime_r(&now, &clock_);
  events_.seed(clock_, kSeededEvents);
  events_.observe(panel_, clock_);
}

void PanelModel::send(std::initializer_list<std::uint8_t> frame) {
  send(Bytes(frame.begin(), frame.size()));
}

void PanelModel::send(Bytes frame) {
  if (sendFrame_) sendFrame_(frame);
}

void PanelModel::linkUp() {
  for (auto& frame : lastSent_) frame.clear();
  sendVersion();
  sendClock();
  publishChanges();
}

void PanelModel::tick() {
  ++clock_.tm_sec;
  std::mktime(&clock_);  // normalises minute, hour, day and month roll-over
  sendClock();
  panel_.tick();
  publishChanges();
}

void PanelModel::publishChanges() {
  events_.observe(panel_, clock_);
  for (AlarmPanel::Answer answer : panel_.takeAnswers()) {
    const AlarmPanel::Frame frame = panel_.answerFrame(answer);
    send(frame);
    if (answer == AlarmPanel::Answer::Bypassed)
      lastSent_[static_cast<std::size_t>(AlarmPanel::Status::Bypassed)] = frame;
    else if (answer == AlarmPanel::Answer::OutputControl)
      lastSent_[static_cast<std::size_t>(AlarmPanel::Status::OutputControl)] = frame;
  }
  for (AlarmPanel::Status status : AlarmPanel::kAllStatus) {
    AlarmPanel::Frame frame = panel_.statusFrame(status);
    AlarmPanel::Frame& last = lastSent_[static_cast<std::size_t>(status)];
    if (frame == last) continue;
    send(frame);
    last = std::move(frame);
  }
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
        if (message_.size() >= kMaxMessage) {
          parse_ = ParseState::Idle;
          break;
        }
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
          if (message_.size() < kMaxMessage) message_.push_back(b);
          handleKey(b);
        }
        break;
    }
  }
  // A key-stroke message has no end marker, and TCP may split it anywhere:
  // log what came, but keep taking keys until a frame or a new message starts.
  if (parse_ == ParseState::InKeys) {
    flushKeys();
    message_.clear();
  }
}

void PanelModel::flushKeys() {
  if (onMessage && message_.size() > 0) onMessage(message_);
}

void PanelModel::handleFrame(Bytes frame) {
  if (frame.empty()) return;
  if (frame[0] == panel::kTypeLeaveProgram) {
    panel_.leaveProgramMode();
    publishChanges();
  } else if (frame[0] == panel::kTypeKey && frame.size() >= 3 && frame[1] == panel::kPcMarker) {
    handleKey(frame[2]);
  } else if (frame[0] == panel::kTypeNextEvent && frame.size() >= 3 && frame[1] == panel::kPcMarker) {
    if (const auto record = events_.nextAfter(frame[2])) send(*record);
  } else if (frame[0] == panel::kTypeParamRead && frame.size() >= 6 && frame[1] == panel::kPcMarker &&
             panel_.programMode()) {
    if (const auto answer = diagnostics_.read(frame[3], frame[5], panel_, version_, clock_)) send(*answer);
  }
}

void PanelModel::handleKey(std::uint8_t key) {
  if (panel_.programMode()) {
    if (const auto action = diagnostics_.key(key)) PanelDiagnostics::CarryOut(*action, panel_, events_, clock_);
  }
  if (key == panel::key::kEventReview) {
    if (const auto record = events_.startReview()) send(*record);
  }
  panel_.pressKey(key);
  publishChanges();
}

}  // namespace sim
