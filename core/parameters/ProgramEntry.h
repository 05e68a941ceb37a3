#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace params {

// Program mode's typing as the panel takes it: a read request positions it
// on (parameter, entity) and drops the keys typed before; the keys after
// it, up to ENTER, are one entry into that parameter; No (0x10) leaves the
// item. The simulated panel stores what is typed this way, and the session
// journal tells writes from reads by the same rule.
class ProgramEntry {
 public:
  struct Typed {
    std::uint8_t parameter = 0;
    std::uint8_t entity = 0;
    std::vector<std::uint8_t> keys;
  };

  void read(std::uint8_t parameter, std::uint8_t entity);
  // ENTER ends the entry: what was typed at the position, or nothing when
  // there is no position or the entry was longer than any parameter takes
  // (the panel refuses it).
  std::optional<Typed> key(std::uint8_t key);
  // Program mode ends: no position, no keys.
  void leave();

  std::optional<std::pair<std::uint8_t, std::uint8_t>> position() const { return position_; }

 private:
  static constexpr std::size_t kMaxEntryKeys = 32;

  std::optional<std::pair<std::uint8_t, std::uint8_t>> position_;
  std::vector<std::uint8_t> keys_;
  bool overflow_ = false;
};

}  // namespace params
