#pragma once

#include <cstddef>
#include <cstdint>

namespace panel {

// Receives panel frames: frame[0] is the type byte. The bytes are lent for
// the duration of the call; a handler copies what it wants to keep.
class PanelFrameHandler {
 public:
  virtual void handlePanelFrame(const std::uint8_t* frame, std::size_t length) = 0;

 protected:
  ~PanelFrameHandler() = default;
};

}  // namespace panel
