#include "core/keypad/PanelStatus.h"

#include "core/keypad/PanelStatusText.h"

namespace console {

namespace {

constexpr std::uint8_t kPcMarker = 0x07;

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1u; }

}  // namespace

StatusFrame DecodeStatusFrame(const std::uint8_t* f, std::size_t length) {
  if (length == 0) return {};
  const std::size_t bytes = FrameDataLength(f, length);
  // Lowest data length that holds byte `index`.
  const auto needs = [bytes](std::size_t index) { return bytes >= index + 1; };
  const bool fromPanel = needs(1) && f[1] == kPcMarker;
  switch (f[0]) {
    case 0x10:
      if (!needs(4)) return {};
      return {LampsStatus{static_cast<std::uint8_t>(f[2] & 0x0F), Bit(f[4], 1), Bit(f[3], 2), Bit(f[4], 4),
                          Bit(f[3], 0), Bit(f[3], 4)}};
    case 0x11:
      if (!needs(4)) return {};
      return {ArmingStatus{f[1], f[2], f[3], f[4]}};
    case 0x12:
      if (!needs(6)) return {};
      return {ZoneGroupStatus{f[1] == 0 ? 0 : 8, f[2], f[3], f[4], static_cast<std::uint8_t>(f[5] | f[6])}};
    case 0x14:
      if (!fromPanel) return {{}, false};
      if (!needs(6)) return {};
      return {BypassBlinkStatus{Bit(f[6], 3)}};
    case 0x15:
      if (!fromPanel) return {{}, false};
      if (!needs(5)) return {};
      return {ReadinessStatus{f[5]}};
    case 0x1B:
      if (!needs(3)) return {};
      return {BypassedZonesStatus{static_cast<std::uint16_t>(f[2] | (f[3] << 8))}};
    case 0x1D:
      if (!needs(3)) return {};
      return {OutputsStatus{f[3]}};
    case 0x1F:
      if (!fromPanel) return {{}, false};
      if (needs(3) && f[2] == 2) return {ProgramModeAnswer{f[3] == 0}};
      return {};
    case 0x23:
      if (!fromPanel) return {{}, false};
      if (const auto text = PanelVersionText(f, bytes)) return {VersionStatus{*text}, false};
      return {{}, false};
    case 0x50:
      if (!needs(1)) return {{}, false};
      return {OutputsStatus{f[1]}, false};
    case 0x54:
      if (const auto text = PanelClockText(f, bytes)) return {ClockStatus{*text}, false};
      return {{}, false};
    default:
      return {};
  }
}

}  // namespace console
