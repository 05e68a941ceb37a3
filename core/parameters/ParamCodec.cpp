#include "core/parameters/ParamCodec.h"

namespace params {

namespace {

constexpr std::uint8_t kEndCode = 0x0F;

// Positions of the value's last byte, the parameter and the entity, by type.
struct Layout {
  std::size_t parameterAt;
  std::size_t entityAt;
};

std::optional<Layout> LayoutOf(std::uint8_t type) {
  switch (type) {
    case kOptionByteReply: return Layout{4, 5};
    case kByteReply: return Layout{3, 4};
    case kWordReply:
    case kTimeReply: return Layout{4, 5};
    case kDigitsReply:
    case kDateReply: return Layout{10, 11};
    default: return std::nullopt;
  }
}

// Characters of codes 0xA to 0xE (the value alphabet shows 0xA as "F").
constexpr std::string_view kValueLetters = "FBCDE";
constexpr std::string_view kPhoneLetters = "#*=W-";
// Keys of the letters in their order: "F", "B", "C", "D", "E", or "#", "*", "=", "W", "-".
constexpr std::uint8_t kLetterKeys[] = {0x27, 0x28, 0x29, 0x2A, 0x2B};

// How the codes 0xA to 0xE read.
std::string_view LettersOf(Alphabet alphabet) { return alphabet == Alphabet::Phone ? kPhoneLetters : kValueLetters; }

// The letters that have keys: a decimal field types digits only.
std::string_view KeyedLettersOf(Alphabet alphabet) {
  return alphabet == Alphabet::Decimal ? std::string_view() : LettersOf(alphabet);
}

char Normalised(char c, Alphabet alphabet) { return alphabet == Alphabet::Phone && c == 'w' ? 'W' : c; }

constexpr std::uint32_t kDateBytesMark = 1u << 24;

// The reply code of a character, or nothing.
std::optional<std::uint8_t> CodeOf(char c, Alphabet alphabet) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  const std::size_t at = LettersOf(alphabet).find(Normalised(c, alphabet));
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<std::uint8_t>(0xA + at);
}

}  // namespace

std::optional<Reply> DecodeReply(const std::uint8_t* frame, std::size_t length) {
  if (frame == nullptr || length == 0) return std::nullopt;
  const std::optional<Layout> layout = LayoutOf(frame[0]);
  if (!layout || length <= layout->parameterAt) return std::nullopt;
  Reply reply;
  reply.type = frame[0];
  reply.parameter = frame[layout->parameterAt];
  if (length > layout->entityAt) reply.entity = frame[layout->entityAt];
  switch (reply.type) {
    case kOptionByteReply: reply.number = frame[3]; break;
    case kByteReply: reply.number = frame[2]; break;
    case kWordReply:
    case kTimeReply: reply.number = static_cast<std::uint32_t>(frame[2] << 8 | frame[3]); break;
    case kDateReply: reply.number = DateNumber(frame[2], frame[3], frame[4]); break;
    case kDigitsReply:
      for (std::size_t i = 2; i <= 9 && reply.nibbleCount < reply.nibbles.size(); ++i) {
        for (const std::uint8_t code : {static_cast<std::uint8_t>(frame[i] & 0x0F), static_cast<std::uint8_t>(frame[i] >> 4)}) {
          if (code == kEndCode) return reply;
          reply.nibbles[reply.nibbleCount++] = code;
        }
      }
      break;
  }
  return reply;
}

bool IsCutReply(const std::uint8_t* frame, std::size_t length) {
  if (frame == nullptr || length < 3 || frame[length - 1] != panel::kDelimiter) return false;
  const std::optional<Layout> layout = LayoutOf(frame[0]);
  return layout && length <= layout->parameterAt;
}

std::uint32_t DateNumber(std::uint8_t day, std::uint8_t month, std::uint8_t yearByte) {
  if (day < 100 && month < 100) return day + 100u * month + 10000u * yearByte;
  return kDateBytesMark | static_cast<std::uint32_t>(yearByte) << 16 | static_cast<std::uint32_t>(month) << 8 | day;
}

std::array<std::uint8_t, 3> DateBytes(std::uint32_t number) {
  const auto byte = [](std::uint32_t n) { return static_cast<std::uint8_t>(n & 0xFF); };
  if (number & kDateBytesMark) return {byte(number), byte(number >> 8), byte(number >> 16)};
  return {byte(number % 100), byte(number / 100 % 100), byte(number / 10000)};
}

std::string DigitText(std::span<const std::uint8_t> codes, Alphabet alphabet) {
  std::string text;
  const std::string_view letters = LettersOf(alphabet);
  for (const std::uint8_t code : codes) {
    if (code >= kEndCode) break;
    text += code <= 9 ? static_cast<char>('0' + code) : letters[code - 0xA];
  }
  return text;
}

std::optional<std::vector<std::uint8_t>> DigitKeys(std::string_view text, Alphabet alphabet) {
  std::vector<std::uint8_t> keys;
  keys.reserve(text.size());
  const std::string_view letters = KeyedLettersOf(alphabet);
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      keys.push_back(static_cast<std::uint8_t>(c - '0'));
      continue;
    }
    const std::size_t at = letters.find(Normalised(c, alphabet));
    if (at == std::string_view::npos) return std::nullopt;
    keys.push_back(kLetterKeys[at]);
  }
  return keys;
}

std::optional<std::array<std::uint8_t, 8>> PackDigits(std::string_view text, Alphabet alphabet) {
  if (text.size() > 16) return std::nullopt;
  std::array<std::uint8_t, 8> packed;
  packed.fill(0xFF);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::optional<std::uint8_t> code = CodeOf(text[i], alphabet);
    if (!code) return std::nullopt;
    std::uint8_t& byte = packed[i / 2];
    byte = i % 2 == 0 ? static_cast<std::uint8_t>((byte & 0xF0) | *code)
                      : static_cast<std::uint8_t>((byte & 0x0F) | (*code << 4));
  }
  return packed;
}

char KeyCharacter(std::uint8_t key, Alphabet alphabet) {
  if (key <= 9) return static_cast<char>('0' + key);
  const std::string_view letters = KeyedLettersOf(alphabet);
  for (std::size_t i = 0; i < letters.size(); ++i)
    if (kLetterKeys[i] == key) return letters[i];
  return 0;
}

panel::FrameBytes Entry(std::span<const std::uint8_t> keys) {
  panel::FrameBytes frame = panel::KeystrokeFrame(keys);
  frame.append(panel::key::kEnter);
  return frame;
}

panel::FrameBytes ToggleEntry(std::uint8_t from, std::uint8_t to, std::uint8_t bits) {
  std::vector<std::uint8_t> options;
  const auto differing = static_cast<std::uint8_t>((from ^ to) & bits);
  for (int bit = 0; bit < 8; ++bit)
    if (differing & (1u << bit)) options.push_back(static_cast<std::uint8_t>(bit + 1));
  return options.empty() ? panel::FrameBytes{} : Entry(options);
}

std::vector<std::uint8_t> DecimalKeys(std::uint32_t value, int minDigits) {
  std::vector<std::uint8_t> keys;
  do {
    keys.insert(keys.begin(), static_cast<std::uint8_t>(value % 10));
    value /= 10;
  } while (value != 0);
  while (static_cast<int>(keys.size()) < minDigits) keys.insert(keys.begin(), 0);
  return keys;
}

std::vector<std::uint8_t> TwoDigitKeys(std::initializer_list<std::uint32_t> parts) {
  std::vector<std::uint8_t> keys;
  for (const std::uint32_t part : parts) {
    const std::vector<std::uint8_t> two = DecimalKeys(part, 2);
    keys.insert(keys.end(), two.begin(), two.end());
  }
  return keys;
}

std::vector<std::uint8_t> OptionByteReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t value) {
  return {panel::kDelimiter, kOptionByteReply, panel::kPcMarker, 0x00, value, parameter, entity, panel::kDelimiter};
}

std::vector<std::uint8_t> ByteReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t value) {
  return {panel::kDelimiter, kByteReply, panel::kPcMarker, value, parameter, entity, panel::kDelimiter};
}

std::vector<std::uint8_t> WordReplyFrame(std::uint8_t type, std::uint8_t parameter, std::uint8_t entity,
                                         std::uint16_t value) {
  return {panel::kDelimiter, type, panel::kPcMarker, static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value & 0xFF), parameter, entity, panel::kDelimiter};
}

std::vector<std::uint8_t> DigitsReplyFrame(std::uint8_t parameter, std::uint8_t entity,
                                           const std::array<std::uint8_t, 8>& packed) {
  std::vector<std::uint8_t> frame{panel::kDelimiter, kDigitsReply, panel::kPcMarker};
  frame.insert(frame.end(), packed.begin(), packed.end());
  frame.insert(frame.end(), {parameter, entity, panel::kDelimiter});
  return frame;
}

std::vector<std::uint8_t> DateReplyFrame(std::uint8_t parameter, std::uint8_t entity, std::uint8_t day,
                                         std::uint8_t month, std::uint8_t yearByte) {
  return {panel::kDelimiter, kDateReply, panel::kPcMarker, day, month, yearByte, 0, 0, 0, 0, 0,
          parameter, entity, panel::kDelimiter};
}

}  // namespace params
