#include "core/link/DebugLogLine.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace panel {
namespace {

std::size_t FormatLine(const std::tm& time, const char* marker,
                       std::span<const std::uint8_t> bytes, std::span<char> out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::size_t markerLength = std::strlen(marker);
  if (out.size() < 8 + markerLength + 2) return 0;
  char* p = out.data();
  std::size_t n = std::strftime(p, out.size(), "%H:%M:%S", &time);
  std::memcpy(p + n, marker, markerLength);
  n += markerLength;
  const std::size_t room = (out.size() - n - 2) / 3;
  for (std::uint8_t b : bytes.first(std::min(bytes.size(), room))) {
    p[n++] = kHex[b >> 4];
    p[n++] = kHex[b & 0x0F];
    p[n++] = ' ';
  }
  p[n++] = '\r';
  p[n++] = '\n';
  return n;
}

}  // namespace

std::size_t FormatSentLogLine(const std::tm& time, std::span<const std::uint8_t> bytes,
                              std::span<char> out) {
  return FormatLine(time, "\t->\t", bytes.first(std::min(bytes.size(), kMaxLoggedSendBytes)), out);
}

std::size_t FormatReceivedLogLine(const std::tm& time, std::span<const std::uint8_t> bytes,
                                  std::span<char> out) {
  return FormatLine(time, "\t\t", bytes, out);
}

std::tm LocalTimeNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace panel
