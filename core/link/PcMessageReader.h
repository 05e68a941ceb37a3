#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace panel {

// Cuts the PC's byte stream into messages as a panel takes them: delimited
// frames, and key strokes led by 0x7A that run until a frame or another
// key-stroke message begins. TCP may split either anywhere, and one send may
// hold several messages back to back. The simulated panel and the session
// journal read the stream alike, so that both agree on what the PC typed.
class PcMessageReader {
 public:
  class Handler {
   public:
    // A whole frame, delimiters included.
    virtual void pcFrame(std::span<const std::uint8_t> frame) = 0;
    // One key of a key-stroke message, as it comes.
    virtual void pcKey(std::uint8_t key) = 0;
    // The bytes of a key-stroke message taken since the last call (its 0x7A
    // lead with the first ones), for logs.
    virtual void pcKeysTaken(std::span<const std::uint8_t> /*keys*/) {}

   protected:
    ~Handler() = default;
  };

  void feed(std::span<const std::uint8_t> bytes, Handler& handler);

 private:
  // Overlong: a frame too long to be one, skipped to its end so its tail is not taken as keys.
  enum class State { Idle, InFrame, InKeys, Overlong };
  // Whether a 0x7E now is a body byte: the parameter or entity of a read
  // request (parameter 126 is 0x7E) rather than the frame's end.
  bool delimiterIsBody() const;
  void flushKeys(Handler& handler);

  State state_ = State::Idle;
  std::vector<std::uint8_t> message_;
};

}  // namespace panel
