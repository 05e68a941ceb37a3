#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace console {

// Bytes of a received frame before its closing delimiter, if it has one:
// a frame cut short must not have the delimiter read as data.
std::size_t FrameDataLength(const std::uint8_t* frame, std::size_t length);

// Texts the keypad window shows for the panel's version (0x23) and clock
// (0x54) frames; nullopt when the frame is too short to hold them.
std::optional<std::string> PanelVersionText(const std::uint8_t* frame, std::size_t length);
std::optional<std::string> PanelClockText(const std::uint8_t* frame, std::size_t length);

}  // namespace console
