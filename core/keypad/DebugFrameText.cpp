#include "core/keypad/DebugFrameText.h"

#include <cctype>

namespace console {

panel::FrameBytes DebugTextFrame(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kMaxDebugTextChars));
  panel::FrameBytes frame{panel::kDelimiter};
  std::size_t tokens = 0;
  std::size_t pos = 0;
  // Each pass reads one token; the end of the text ends the last one.
  while (tokens < kMaxDebugTokens) {
    unsigned value = 0;
    while (pos < text.size() && std::isxdigit(static_cast<unsigned char>(text[pos]))) {
      const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
      value = ((value << 4) | static_cast<unsigned>(c <= '9' ? c - '0' : c - 'a' + 10)) & 0xFFFFu;
      ++pos;
    }
    frame.append(static_cast<std::uint8_t>(value & 0xFF));
    ++tokens;
    if (pos >= text.size()) break;
    ++pos;  // the separator belongs to no token
    if (pos >= text.size()) break;
  }
  frame.append(panel::kDelimiter);
  return frame;
}

}  // namespace console
