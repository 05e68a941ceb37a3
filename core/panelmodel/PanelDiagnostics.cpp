#include "core/panelmodel/PanelDiagnostics.h"

#include "core/link/PanelFrames.h"
#include "core/panelmodel/AlarmPanel.h"
#include "core/panelmodel/EventMemory.h"

namespace sim {

std::optional<PanelDiagnostics::Frame> PanelDiagnostics::read(std::uint8_t parameter, std::uint8_t entity,
                                                              const AlarmPanel& panel, int version,
                                                              const std::tm& clock) {
  constexpr std::uint8_t D = panel::kDelimiter;
  constexpr std::uint8_t M = panel::kPcMarker;
  waiting_.reset();
  if (parameter != kParameter) return std::nullopt;
  switch (entity) {
    case 1: {
      const auto v = static_cast<std::uint16_t>(version);
      return Frame{D, 0x18, M, static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v & 0xFF), kParameter,
                   entity, D};
    }
    case 3: return Frame{D, 0x16, M, 0x00, AlarmPanel::kAllAreas, kParameter, entity, D};
    case 4: return Frame{D, 0x16, M, 0x00, panel.parameters().activeTimeZones(clock), kParameter, entity, D};
    case 5: {
      const bool low = (panel.troubles() & AlarmPanel::kBattery) != 0;
      return Frame{D, 0x17, M, low ? kBatteryLow : kBatteryCharged, kParameter, entity, D};
    }
    case 9:
    case 10:
    case 11:
    case 12: waiting_ = static_cast<Action>(entity); return std::nullopt;
    default: return std::nullopt;
  }
}

std::optional<PanelDiagnostics::Action> PanelDiagnostics::key(std::uint8_t pressed) {
  const std::optional<Action> action = waiting_;
  waiting_.reset();
  if (pressed != panel::key::kEnter) return std::nullopt;
  return action;
}

void PanelDiagnostics::CarryOut(Action action, AlarmPanel& panel, EventMemory& memory, const std::tm& clock) {
  // Event codes of "Event Buffer Cleared from PC", "Callback requested",
  // "User Codes & Phone Defaulted" and "Panel Defaulted".
  switch (action) {
    case Action::ClearMemory:
      memory.clear();
      memory.record(129, clock);
      break;
    case Action::CallBack: memory.record(33, clock); break;
    case Action::RestoreCodesAndPhones:
      panel.parameters().restoreCodesAndPhones();
      memory.record(137, clock);
      break;
    case Action::RestoreAll:
      panel.parameters().restoreAll();
      memory.record(136, clock);
      break;
  }
}

}  // namespace sim
