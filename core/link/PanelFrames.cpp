#include "core/link/PanelFrames.h"

#include <algorithm>
#include <cstring>

namespace panel {

bool FrameBytes::append(std::uint8_t byte) {
  if (size_ >= bytes_.size()) return false;
  bytes_[size_++] = byte;
  return true;
}

bool FrameBytes::append(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > bytes_.size() - size_) return false;
  if (!bytes.empty()) std::memcpy(bytes_.data() + size_, bytes.data(), bytes.size());
  size_ = static_cast<std::uint16_t>(size_ + bytes.size());
  return true;
}

bool operator==(const FrameBytes& a, const FrameBytes& b) {
  return std::ranges::equal(a.view(), b.view());
}

FrameBytes ParamReadRequest(std::uint8_t parameter, std::uint8_t entity) {
  return {kDelimiter, kTypeParamRead, kPcMarker, 0x00, parameter, 0x00, entity, kDelimiter};
}

FrameBytes KeyFrame(std::uint8_t keyCode) {
  return {kDelimiter, kTypeKey, kPcMarker, keyCode, kDelimiter};
}

FrameBytes NextEventRequest(std::uint8_t index) {
  return {kDelimiter, kTypeNextEvent, kPcMarker, index, kDelimiter};
}

FrameBytes LeaveProgramMode() {
  return {kDelimiter, kTypeLeaveProgram, kPcMarker, 0x00, kDelimiter};
}

FrameBytes KeystrokeFrame(std::span<const std::uint8_t> keys) {
  FrameBytes frame{kKeystrokeLead};
  frame.append(keys);
  return frame;
}

FrameBytes KeystrokeFrame(std::initializer_list<std::uint8_t> keys) {
  return KeystrokeFrame(std::span<const std::uint8_t>(keys.begin(), keys.size()));
}

FrameBytes EndOfCall() { return {kEndOfCall}; }

}  // namespace panel
