#pragma once

#include <cstdint>
#include <string_view>

#include "core/link/PanelFrames.h"

namespace console {

// Longest codes one keystroke message can carry (0x7A, [0x10,] digits, ENTER in 16 bytes).
inline constexpr int kMaxUserCodeDigits = 14;
inline constexpr int kMaxInstallerCodeDigits = 13;

// 7A, one key per digit, 11 (Arm/Disarm); with installer, 7A 10 digits 11.
// Characters other than digits are skipped; digits past the limit are dropped.
panel::FrameBytes CodeEntryKeys(std::string_view code, bool installer);
// 7A, two keys (tens, units) per changed zone in ascending order, 11.
panel::FrameBytes BypassKeys(std::uint16_t changedZones);
// 7A, one key per changed output in ascending order, 11.
panel::FrameBytes OutputControlKeys(std::uint8_t changedOutputs);

}  // namespace console
