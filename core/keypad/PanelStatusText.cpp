#include "core/keypad/PanelStatusText.h"

#include <cstdio>

namespace console {

namespace {
int SignedWord(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((high << 8) | low));
}
}  // namespace

std::size_t FrameDataLength(const std::uint8_t* frame, std::size_t length) {
  return length > 0 && frame[length - 1] == 0x7E ? length - 1 : length;
}

std::optional<std::string> PanelVersionText(const std::uint8_t* frame, std::size_t length) {
  if (length < 4) return std::nullopt;
  std::string text = std::to_string(SignedWord(frame[2], frame[3]));
  // 123 reads 1.23; two characters or fewer get the point in front.
  text.insert(text.size() > 2 ? text.size() - 2 : 0, 1, '.');
  if (length > 8 && frame[8] != 0x7E) {
    char build[8];
    std::snprintf(build, sizeof build, " [%03d]", frame[8]);
    text += build;
  }
  return text;
}

std::optional<std::string> PanelClockText(const std::uint8_t* frame, std::size_t length) {
  if (length < 8) return std::nullopt;
  const int minutes = SignedWord(frame[2], frame[3]);
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d   %02d:%02d:%02d", frame[5], frame[6],
                2000 + frame[7], minutes / 60, minutes % 60, frame[4]);
  return std::string(text);
}

}  // namespace console
