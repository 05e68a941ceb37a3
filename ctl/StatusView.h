#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/keypad/PanelStatus.h"

namespace ctl {

// The panel's state as its status frames tell it, gathered frame by frame.
struct StatusView {
  std::optional<std::string> version;
  std::optional<std::string> clock;
  std::optional<console::LampsStatus> lamps;
  std::optional<console::ArmingStatus> arming;
  std::optional<console::ZoneGroupStatus> zones[2];  // zones 1-8, 9-16
  std::optional<std::uint16_t> bypassed;             // from 0x1B, newer than the zone groups' bits
  std::optional<std::uint8_t> outputs;
  std::optional<std::uint8_t> readyAreas;

  void apply(const console::StatusFrame& frame);
  // Every part the status report shows has arrived.
  bool complete() const;
  bool programMode() const { return lamps && lamps->programLit; }
};

// The status report, one "name: value" line each; "unknown" for what never came.
QString FormatStatus(const StatusView& view);

}  // namespace ctl
