#pragma once

// The panel's status frames decoded, for the keypad window's lamps and
// indicators and for the command line's status report. Standard library only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace console {

// Area bits: A = 0x01, B = 0x02. Zone bits: bit i is zone first + i + 1.

// 0x10: troubles and the lamps.
struct LampsStatus {
  std::uint8_t troubles = 0;  // battery 0x01, power 0x02, fuse 0x04, line 0x08 (their lamps blink)
  bool troubleBlinks = false;
  bool troubleLit = false;
  bool programLit = false;  // the panel is in program mode
  bool readyLit = false;
  bool lineLit = false;
};
// 0x11: armed and stay-armed areas, steady and blinking.
struct ArmingStatus {
  std::uint8_t armed = 0, armedBlinking = 0, stay = 0, stayBlinking = 0;
};
// 0x12: eight zones.
struct ZoneGroupStatus {
  int first = 0;  // 0 for zones 1-8, 8 for zones 9-16
  std::uint8_t open = 0, alarm = 0, bypassed = 0, tamper = 0;
};
// 0x14 from the panel: whether the bypass lamp blinks (an entry is under way).
struct BypassBlinkStatus {
  bool blinks = false;
};
// 0x15 from the panel: the areas ready to arm.
struct ReadinessStatus {
  std::uint8_t readyAreas = 0;
};
// 0x1B: the bypassed zones, 1-16.
struct BypassedZonesStatus {
  std::uint16_t zones = 0;
};
// 0x1D and 0x50: the outputs that are on.
struct OutputsStatus {
  std::uint8_t on = 0;
};
// 0x1F from the panel: its answer to an installer code.
struct ProgramModeAnswer {
  bool entered = false;  // false: "Client mode - Not supported!"
};
// 0x23 from the panel.
struct VersionStatus {
  std::string text;  // "2.10 [005]"
};
// 0x54.
struct ClockStatus {
  std::string text;  // "25/12/2026   17:30:05"
};

using StatusContent = std::variant<std::monostate, LampsStatus, ArmingStatus, ZoneGroupStatus, BypassBlinkStatus,
                                   ReadinessStatus, BypassedZonesStatus, OutputsStatus, ProgramModeAnswer,
                                   VersionStatus, ClockStatus>;

struct StatusFrame {
  // Nothing for frames that are no status, or too short for their type.
  StatusContent content;
  // Whether the keypad window logs the frame in its debug window.
  bool logged = true;
};

// A received frame (frame[0] is the type byte); never reads past length,
// and a closing delimiter never stands in for a missing data byte.
StatusFrame DecodeStatusFrame(const std::uint8_t* frame, std::size_t length);

}  // namespace console
