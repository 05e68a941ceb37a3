#include "core/link/LinkKeyDerivation.h"

namespace panel {
namespace {

std::uint32_t LittleEndianWord(const Challenge& bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
         std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

void PutLittleEndian(std::uint32_t word, std::uint8_t* out) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(word >> (8 * i));
}

}  // namespace

std::uint32_t CrcRound(std::uint32_t initial, std::uint32_t polynomial, const Challenge& challenge) {
  std::uint32_t c = initial;
  for (std::uint8_t b : challenge) {
    std::uint32_t t = ((c >> 24) ^ b) << 24;
    for (int bit = 0; bit < 8; ++bit) t = (t & 0x80000000u) ? (t << 1) ^ polynomial : t << 1;
    c = (c << 8) ^ t;
  }
  return c;
}

DerivedKeys LinkKeyDerivation(const Challenge& challenge, const DerivationConstants& constants) {
  DerivedKeys out;
  const std::uint32_t a1 = CrcRound(LittleEndianWord(challenge, 0), constants.k1, challenge);
  const std::uint32_t a2 = CrcRound(a1, constants.k2, challenge);
  const std::uint32_t k1 = CrcRound(LittleEndianWord(challenge, 4), constants.k3, challenge);
  const std::uint32_t k2 = CrcRound(k1, constants.k4, challenge);
  PutLittleEndian(a1, out.answer.data());
  PutLittleEndian(a2, out.answer.data() + 4);
  PutLittleEndian(k1, out.key.data());
  PutLittleEndian(k2, out.key.data() + 4);
  return out;
}

}  // namespace panel
