#include "core/link/LinkCipher.h"

#include <cstring>

namespace panel {

void LinkCipher::setKey(const Key& key) {
  key_ = key;
  sendIndex_ = 0;
  receiveIndex_ = 0;
}

void LinkCipher::apply(std::uint8_t* bytes, std::size_t count, Direction direction) {
  std::uint8_t& index = direction == Direction::Send ? sendIndex_ : receiveIndex_;
  const unsigned start = index % 8u;

  // Eight bytes at a time against the key rotated to the current position;
  // the receive path runs over every byte of the link.
  std::array<std::uint8_t, 8> rotated;
  for (unsigned j = 0; j < 8; ++j) rotated[j] = key_[(start + j) % 8];
  std::uint64_t block;
  std::memcpy(&block, rotated.data(), sizeof block);

  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, bytes + i, sizeof chunk);
    chunk ^= block;
    std::memcpy(bytes + i, &chunk, sizeof chunk);
  }
  for (unsigned j = 0; i < count; ++i, ++j) bytes[i] ^= rotated[j];

  index = static_cast<std::uint8_t>((start + count) % 8u);
}

}  // namespace panel
