#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <vector>

namespace sim {

// The panel as the PC sees it through its IP module or modem: it takes the
// PC's messages (delimited frames and undelimited key strokes) and answers
// with panel frames. Transports around it carry the bytes.
class PanelModel {
 public:
  using Bytes = std::span<const std::uint8_t>;
  using FrameSink = std::function<void(Bytes frame)>;

  explicit PanelModel(FrameSink sendFrame);
  virtual ~PanelModel() = default;

  // Every message the PC sends, as it was cut from the stream (frames with
  // their delimiters, key strokes with their 0x7A lead).
  std::function<void(Bytes message)> onMessage;

  void setFrameSink(FrameSink sink) { sendFrame_ = std::move(sink); }

  // The link to the PC stands: say who we are and what time it is.
  void linkUp();
  // One second passed.
  void tick();
  // Bytes from the PC, already de-scrambled; messages may be split anywhere.
  void receive(Bytes bytes);

  void setClock(const std::tm& time) { clock_ = time; }
  const std::tm& clock() const { return clock_; }
  void setVersion(int version, std::uint8_t build) {
    version_ = version;
    build_ = build;
  }

  // Frames sent so far by the model (for tests that run it without a link).
  std::size_t framesSent() const { return framesSent_; }

 protected:
  void send(std::initializer_list<std::uint8_t> frame);
  void send(Bytes frame);

  // A complete frame from the PC, delimiters stripped: frame[0] is the type.
  virtual void handleFrame(Bytes frame);
  // One key of a key-stroke message.
  virtual void handleKey(std::uint8_t key);

  void sendClock();
  void sendVersion();

 private:
  enum class ParseState { Idle, InFrame, InKeys };
  void flushKeys();

  FrameSink sendFrame_;
  std::tm clock_{};
  int version_ = 210;
  std::uint8_t build_ = 5;
  std::size_t framesSent_ = 0;

  ParseState parse_ = ParseState::Idle;
  std::vector<std::uint8_t> message_;
};

}  // namespace sim
