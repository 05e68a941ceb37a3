#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/link/LinkKeyDerivation.h"

namespace console {

// Result of verifying when no usable password is stored.
inline constexpr int kNoAccessPassword = -102;
// Longest TIMESET value that is read back.
inline constexpr std::size_t kMaxTimesetBytes = 256;
// A TIMESET shorter than this (prefix + fewer than 7 characters) counts as no password.
inline constexpr std::size_t kMinTimesetBytes = 15;
inline constexpr std::size_t kPasswordFillerExtra = 16;

// TIMESET: the 8-byte prefix, then the password's characters XORed with the
// rolling key derived from the prefix, from key position 0.
std::vector<std::uint8_t> ScrambleAccessPassword(const panel::Challenge& prefix, std::string_view password,
                                                 const panel::DerivationConstants& constants);

// 0 when text equals the stored password, -1 or +1 as a C string comparison
// orders them, kNoAccessPassword for a value that is too short.
int CompareAccessPassword(std::span<const std::uint8_t> timeset, std::string_view text,
                          const panel::DerivationConstants& constants);

}  // namespace console
