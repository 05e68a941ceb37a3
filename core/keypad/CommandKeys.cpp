#include "core/keypad/CommandKeys.h"

namespace console {

panel::FrameBytes CodeEntryKeys(std::string_view code, bool installer) {
  panel::FrameBytes frame{panel::kKeystrokeLead};
  if (installer) frame.append(panel::key::kNo);
  const int limit = installer ? kMaxInstallerCodeDigits : kMaxUserCodeDigits;
  int digits = 0;
  for (char c : code) {
    if (c < '0' || c > '9' || digits == limit) continue;
    frame.append(static_cast<std::uint8_t>(c - '0'));
    ++digits;
  }
  frame.append(panel::key::kEnter);
  return frame;
}

panel::FrameBytes BypassKeys(std::uint16_t changedZones) {
  panel::FrameBytes frame{panel::kKeystrokeLead};
  for (int i = 0; i < 16; ++i) {
    if (!(changedZones & (1u << i))) continue;
    const int zone = i + 1;
    frame.append({static_cast<std::uint8_t>(zone / 10), static_cast<std::uint8_t>(zone % 10)});
  }
  frame.append(panel::key::kEnter);
  return frame;
}

panel::FrameBytes OutputControlKeys(std::uint8_t changedOutputs) {
  panel::FrameBytes frame{panel::kKeystrokeLead};
  for (int i = 0; i < 8; ++i) {
    if (changedOutputs & (1u << i)) frame.append(static_cast<std::uint8_t>(i + 1));
  }
  frame.append(panel::key::kEnter);
  return frame;
}

}  // namespace console
