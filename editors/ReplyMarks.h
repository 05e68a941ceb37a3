#pragma once

#include <bitset>
#include <cstdint>

namespace editors {

// Ignore-next-reply marks, one per parameter number: an editor that reads a
// parameter only to position the panel on it before writing marks it, and
// the first reply for that parameter is then swallowed instead of shown.
class ReplyMarks {
 public:
  void set(std::uint8_t parameter) { marks_.set(parameter); }
  bool isSet(std::uint8_t parameter) const { return marks_.test(parameter); }
  // True (and the mark cleared) when the reply for parameter is to be swallowed.
  bool consume(std::uint8_t parameter) {
    const bool marked = marks_.test(parameter);
    marks_.reset(parameter);
    return marked;
  }
  void clear() { marks_.reset(); }

 private:
  std::bitset<256> marks_;
};

}  // namespace editors
