#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/CoreText.h"

#include "core/link/PanelFrames.h"

namespace events {

// Everything the diagnostics ask for is parameter 200, the entity picks the item.
inline constexpr std::uint8_t kDiagnosticParameter = 200;

enum class DiagnosticItem : std::uint8_t { Version = 1, KeypadAreas = 3, ActiveTimeZones = 4, BatteryVoltage = 5 };

enum class MaintenanceAction : std::uint8_t { RestoreCodesAndPhones = 9, RestoreAll = 10, ClearMemory = 11, CallBack = 12 };

// The captions the four lines start with, by line, marked for the
// translators under kDiagnosticContext.
inline constexpr const char* kDiagnosticContext = "Diagnostic";
inline constexpr const char* kDiagnosticCaptions[4] = {
    CORE_TR_NOOP("Diagnostic", "Panel Software Version:"), CORE_TR_NOOP("Diagnostic", "Areas Assigned To the Keypad:"),
    CORE_TR_NOOP("Diagnostic", "Time-Zones Currently Active:"), CORE_TR_NOOP("Diagnostic", "Battery Voltage:")};

// The line a reply fills: 0 version, 1 keypad areas, 2 time zones, 3 battery.
// The text starts with the line's caption.
struct DiagnosticLine {
  int line = 0;
  std::string text;
};

// The four read requests (items 1, 3, 4, 5) back to back, 32 bytes.
panel::FrameBytes DiagnosticReadRequests();
// The read request that positions the panel on a maintenance action.
panel::FrameBytes MaintenanceRequest(MaintenanceAction action);

// The line a reply frame answers, or nullopt for any frame that is not one
// of the four answers (wrong marker, parameter or entity, or too short).
std::optional<DiagnosticLine> DecodeDiagnosticReply(const std::uint8_t* frame, std::size_t length);

std::string VersionLine(std::int16_t version);
std::string KeypadAreasLine(std::uint8_t areas);
std::string TimeZonesLine(std::uint8_t zones);
std::string BatteryLine(std::uint8_t tenthsOfVolt);

}  // namespace events
