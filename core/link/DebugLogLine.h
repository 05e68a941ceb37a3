#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>

namespace panel {

// Bytes shown for one sent message; the rest are left out of the line.
inline constexpr std::size_t kMaxLoggedSendBytes = 336;
// Enough for the time, the marker, 2048 bytes as "XX " and CR LF.
inline constexpr std::size_t kLogLineCapacity = 16 + 2048 * 3;

// "%H:%M:%S\t->\t" then "%02X " per byte then "\r\n". Written into out without
// allocating; returns the characters written.
std::size_t FormatSentLogLine(const std::tm& time, std::span<const std::uint8_t> bytes,
                              std::span<char> out);
// "%H:%M:%S\t\t" then "%02X " per byte then "\r\n".
std::size_t FormatReceivedLogLine(const std::tm& time, std::span<const std::uint8_t> bytes,
                                  std::span<char> out);

std::tm LocalTimeNow();

}  // namespace panel
