#pragma once

#include <cstdio>

#include "link/PanelLink.h"

namespace panel {

// A main window without a window: prints every received frame as the debug
// log shows it, and the link's end. tarnel's --monitor mode runs on it.
class LinkMonitor : public LinkListener {
 public:
  explicit LinkMonitor(std::FILE* out) : out_(out) {}
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  void handleLinkClosed() override;

 private:
  std::FILE* out_;
  std::array<char, kLogLineCapacity> line_{};
};

}  // namespace panel
