#pragma once

// Frames of the panel protocol as literal bytes, delimiters included, for
// feeding editors and for comparing what they send. Written out here, never
// built by the code under test.
#include <initializer_list>

#include "tests/editors/EditorsTestSupport.h"

namespace editorstest {

// 7E AB 07 00 p 00 e 7E: a read request.
inline Bytes Read(int parameter, int entity) {
  return testseams::Bytes({0x7E, 0xAB, 0x07, 0x00, parameter, 0x00, entity, 0x7E});
}
// 7E 16 07 00 value p e 7E
inline Bytes OptionReply(int parameter, int entity, int value) {
  return testseams::Bytes({0x7E, 0x16, 0x07, 0x00, value, parameter, entity, 0x7E});
}
// 7E 17 07 value p e 7E
inline Bytes ByteReply(int parameter, int entity, int value) {
  return testseams::Bytes({0x7E, 0x17, 0x07, value, parameter, entity, 0x7E});
}
// 7E 1A 07, eight bytes of packed digits (the ones given, then FF), p, e, 7E
inline Bytes DigitsReply(int parameter, int entity, std::initializer_list<int> packed) {
  Bytes frame{0x7E, 0x1A, 0x07};
  for (const int b : packed) frame.push_back(static_cast<std::uint8_t>(b));
  frame.resize(11, 0xFF);
  frame.insert(frame.end(), {static_cast<std::uint8_t>(parameter), static_cast<std::uint8_t>(entity), 0x7E});
  return frame;
}

inline Bytes Joined(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
// The first `length` bytes of a frame.
inline Bytes Cut(Bytes frame, std::size_t length) {
  frame.resize(length);
  return frame;
}

}  // namespace editorstest
