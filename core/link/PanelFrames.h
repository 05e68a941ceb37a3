#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace panel {

inline constexpr std::uint8_t kDelimiter = 0x7E;
inline constexpr std::uint8_t kPcMarker = 0x07;  // position 2 of every frame the PC builds
inline constexpr std::uint8_t kKeystrokeLead = 0x7A;
inline constexpr std::uint8_t kEndOfCall = 0x0F;

// Message types the PC sends.
inline constexpr std::uint8_t kTypeParamRead = 0xAB;
inline constexpr std::uint8_t kTypeLeaveProgram = 0xA0;
inline constexpr std::uint8_t kTypeKey = 0xA1;
inline constexpr std::uint8_t kTypeNextEvent = 0xA9;

// Panel key codes; digits 0..9 are their own values.
namespace key {
inline constexpr std::uint8_t kEnter = 0x11;
inline constexpr std::uint8_t kNo = 0x10;  // also starts an installer code
inline constexpr std::uint8_t kOutputControl = 0x0A;
inline constexpr std::uint8_t kStay = 0x0E;
inline constexpr std::uint8_t kEventReview = 0x16;
inline constexpr std::uint8_t kBypass = 0x17;
inline constexpr std::uint8_t kPanic = 0x20;
inline constexpr std::uint8_t kFire = 0x21;
inline constexpr std::uint8_t kMedical = 0x22;
}  // namespace key

// Most bytes one SendPanelFrame call may carry (the serial hand-off buffer).
inline constexpr std::size_t kMaxSendBytes = 260;

// A message, or several back to back, built without touching the heap.
// Appending past the capacity is refused rather than truncated silently.
class FrameBytes {
 public:
  FrameBytes() = default;
  FrameBytes(std::initializer_list<std::uint8_t> bytes) { append(bytes); }

  bool append(std::uint8_t byte);
  bool append(std::span<const std::uint8_t> bytes);
  bool append(std::initializer_list<std::uint8_t> bytes) {
    return append(std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
  }
  bool append(const FrameBytes& other) { return append(other.view()); }

  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::uint16_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }
  std::span<const std::uint8_t> view() const { return {bytes_.data(), size_}; }
  void clear() { size_ = 0; }

  friend bool operator==(const FrameBytes& a, const FrameBytes& b);

 private:
  std::array<std::uint8_t, kMaxSendBytes> bytes_{};
  std::uint16_t size_ = 0;
};

// 7E AB 07 00 p 00 e 7E: read parameter p of entity e (also positions program mode on it).
FrameBytes ParamReadRequest(std::uint8_t parameter, std::uint8_t entity);
// 7E A1 07 k 7E: one keypad key.
FrameBytes KeyFrame(std::uint8_t keyCode);
// 7E A9 07 i 7E: the event after index i.
FrameBytes NextEventRequest(std::uint8_t index);
// 7E A0 07 00 7E: "Exit from Install".
FrameBytes LeaveProgramMode();
// 7A keys...: typed keys, no delimiters; callers add ENTER where the value needs it.
FrameBytes KeystrokeFrame(std::span<const std::uint8_t> keys);
FrameBytes KeystrokeFrame(std::initializer_list<std::uint8_t> keys);
// 0F: ends a modem call.
FrameBytes EndOfCall();

}  // namespace panel
