#pragma once

#include <array>
#include <cstdint>

#include "core/link/LinkCipher.h"

namespace panel {

using Challenge = std::array<std::uint8_t, 8>;

// The four polynomials shared by a PC program and the modules it talks to.
struct DerivationConstants {
  std::uint32_t k1 = 0;
  std::uint32_t k2 = 0;
  std::uint32_t k3 = 0;
  std::uint32_t k4 = 0;
  friend bool operator==(const DerivationConstants&, const DerivationConstants&) = default;
};

// MSB-first CRC-32 step over the 8 challenge bytes, free polynomial, no
// reflection and no final XOR.
std::uint32_t CrcRound(std::uint32_t initial, std::uint32_t polynomial, const Challenge& challenge);

struct DerivedKeys {
  std::array<std::uint8_t, 8> answer{};
  LinkCipher::Key key{};
};

DerivedKeys LinkKeyDerivation(const Challenge& challenge, const DerivationConstants& constants);

}  // namespace panel
