#include "link/LinkMonitor.h"

namespace panel {

void LinkMonitor::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::size_t n = FormatReceivedLogLine(LocalTimeNow(), {frame, length}, line_);
  std::fwrite(line_.data(), 1, n, out_);
  std::fflush(out_);
}

void LinkMonitor::handleLinkClosed() {
  std::fputs("link closed\n", out_);
  std::fflush(out_);
}

}  // namespace panel
