#pragma once

// The panel's parameter replies and the keys that write parameters, both
// ways: the editors decode replies and build keys, the simulated panel
// builds replies and takes keys. Standard library only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/PanelFrames.h"

namespace params {

// Reply types, as frame[0] of a delivered frame.
inline constexpr std::uint8_t kOptionByteReply = 0x16;  // [3] value, [4] p, [5] e
inline constexpr std::uint8_t kByteReply = 0x17;        // [2] value, [3] p, [4] e
inline constexpr std::uint8_t kWordReply = 0x18;        // [2] high, [3] low, [4] p, [5] e
inline constexpr std::uint8_t kTimeReply = 0x19;        // as 0x18
inline constexpr std::uint8_t kDigitsReply = 0x1A;      // [2]..[9] sixteen nibbles, [10] p, [11] e
inline constexpr std::uint8_t kDateReply = 0x26;        // [2] day, [3] month, [4] year - 2000, [10] p, [11] e

// A date reply's three bytes as one number: day + 100 × month + 10000 ×
// year byte, which reads as the date itself. A day or month byte of 100 or
// more would fold into another date that way, so such bytes are kept as
// they are, marked, where no date number reaches.
std::uint32_t DateNumber(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte);
// Day, month and year byte of a DateNumber.
std::array<std::uint8_t, 3> DateBytes(std::uint32_t number);

// A parameter reply as delivered (frame[0] the type byte). The value and
// the parameter are always inside the frame; the entity only when the
// frame reaches it. On TCP the frame's last byte is the closing 0x7E, which
// the parameter byte may be: parameter 126 is 0x7E, so its replies arrive
// cut at that byte and still name their parameter.
struct Reply {
  std::uint8_t type = 0;
  std::uint8_t parameter = 0;
  std::optional<std::uint8_t> entity;
  // Option byte, byte or word; for a date, its DateNumber.
  std::uint32_t number = 0;
  // Digits reply: the codes before the first 0xF (at most 16).
  std::array<std::uint8_t, 16> nibbles{};
  std::uint8_t nibbleCount = 0;

  std::span<const std::uint8_t> digits() const { return {nibbles.data(), nibbleCount}; }
};

// Nothing is read past length; a frame too short for its type's value and
// parameter, or of another type, gives nothing.
std::optional<Reply> DecodeReply(const std::uint8_t* frame, std::size_t length);
// A reply of a known type ended by 0x7E before its parameter: on TCP, where
// frames are not escaped, a value holding the byte 0x7E (126, 11:50, option
// byte 0x7E) cuts its reply short, so that it names no parameter.
bool IsCutReply(const std::uint8_t* frame, std::size_t length);

// The panel's characters of digit strings.
enum class Alphabet {
  Value,    // 0-9, B-E; code 0xA is "F"; keys B-E 28-2B, F 27
  Phone,    // 0-9, codes A-E "#*=W-"; keys 27-2B ("w" is taken as "W")
  Decimal,  // keys 0-9 only; codes A-E read as in Value, so that no code is lost
};
// Text of the codes (each code below 0xF; decoding stops at 0xF).
std::string DigitText(std::span<const std::uint8_t> codes, Alphabet alphabet);
// The key of each character, or nothing if a character has no key in the alphabet.
std::optional<std::vector<std::uint8_t>> DigitKeys(std::string_view text, Alphabet alphabet);
// The reply codes of a text as DigitText reads them (0xF fills the rest), as
// the panel packs them; nothing for a character DigitText never gives.
std::optional<std::array<std::uint8_t, 8>> PackDigits(std::string_view text, Alphabet alphabet);
// The character a key types in that alphabet, or 0 for a key that is no character.
char KeyCharacter(std::uint8_t key, Alphabet alphabet);

// 7A, keys, 11: a value entered into the parameter last read.
panel::FrameBytes Entry(std::span<const std::uint8_t> keys);
// 7A, the numbers (1..8, ascending) of the bits in `bits` where from and to
// differ, 11; empty when none differs.
panel::FrameBytes ToggleEntry(std::uint8_t from, std::uint8_t to, std::uint8_t bits = 0xFF);
// The decimal digit keys of value, at least minDigits of them (leading zeros).
std::vector<std::uint8_t> DecimalKeys(std::uint32_t value, int minDigits = 1);
// Two digit keys for each part, in order: the panel's times (HH MM) and dates (DD MM YY).
std::vector<std::uint8_t> TwoDigitKeys(std::initializer_list<std::uint32_t> parts);

// Replies as the panel sends them, delimiters included ([1] is 0x07).
std::vector<std::uint8_t> OptionByteReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t value);
std::vector<std::uint8_t> ByteReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t value);
std::vector<std::uint8_t> WordReplyFrame(std::uint8_t type, std::uint8_t parameter, std::uint8_t entity,
                                         std::uint16_t value);
std::vector<std::uint8_t> DigitsReplyFrame(std::uint8_t parameter, std::uint8_t entity,
                                           const std::array<std::uint8_t, 8>& packed);
std::vector<std::uint8_t> DateReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t day,
                                         std::uint8_t month, std::uint8_t yearByte);

}  // namespace params
