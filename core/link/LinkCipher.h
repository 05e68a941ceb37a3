#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace panel {

// Rolling XOR over an 8-byte key. Scrambling and de-scrambling are the same
// operation; each direction keeps its own key position, so the two ends stay
// in step as long as every byte that went one way is counted on both sides.
class LinkCipher {
 public:
  using Key = std::array<std::uint8_t, 8>;
  enum class Direction { Send, Receive };

  // A new key restarts both directions at key position 0.
  void setKey(const Key& key);
  const Key& key() const { return key_; }

  void apply(std::uint8_t* bytes, std::size_t count, Direction direction);

  std::uint8_t sendIndex() const { return sendIndex_; }
  std::uint8_t receiveIndex() const { return receiveIndex_; }

 private:
  Key key_{};
  std::uint8_t sendIndex_ = 0;
  std::uint8_t receiveIndex_ = 0;
};

}  // namespace panel
