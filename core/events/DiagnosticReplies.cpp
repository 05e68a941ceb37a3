#include "core/events/DiagnosticReplies.h"

#include <cstdio>

namespace events {

namespace {

constexpr std::uint8_t kOptionByteReply = 0x16;
constexpr std::uint8_t kByteReply = 0x17;
constexpr std::uint8_t kWordReply = 0x18;

bool Echoes(const std::uint8_t* frame, std::size_t parameterAt, DiagnosticItem item) {
  return frame[parameterAt] == kDiagnosticParameter && frame[parameterAt + 1] == static_cast<std::uint8_t>(item);
}

}  // namespace

panel::FrameBytes DiagnosticReadRequests() {
  panel::FrameBytes requests;
  for (DiagnosticItem item : {DiagnosticItem::Version, DiagnosticItem::KeypadAreas, DiagnosticItem::ActiveTimeZones,
                              DiagnosticItem::BatteryVoltage})
    requests.append(panel::ParamReadRequest(kDiagnosticParameter, static_cast<std::uint8_t>(item)));
  return requests;
}

panel::FrameBytes MaintenanceRequest(MaintenanceAction action) {
  return panel::ParamReadRequest(kDiagnosticParameter, static_cast<std::uint8_t>(action));
}

std::optional<DiagnosticLine> DecodeDiagnosticReply(const std::uint8_t* frame, std::size_t length) {
  if (frame == nullptr || length < 2 || frame[1] != panel::kPcMarker) return std::nullopt;
  const std::uint8_t type = frame[0];
  if (type == kOptionByteReply && length >= 6) {
    if (Echoes(frame, 4, DiagnosticItem::KeypadAreas)) return DiagnosticLine{1, KeypadAreasLine(frame[3])};
    if (Echoes(frame, 4, DiagnosticItem::ActiveTimeZones)) return DiagnosticLine{2, TimeZonesLine(frame[3])};
  } else if (type == kWordReply && length >= 6 && Echoes(frame, 4, DiagnosticItem::Version)) {
    return DiagnosticLine{0, VersionLine(static_cast<std::int16_t>(frame[2] << 8 | frame[3]))};
  } else if (type == kByteReply && length >= 5 && Echoes(frame, 3, DiagnosticItem::BatteryVoltage)) {
    return DiagnosticLine{3, BatteryLine(frame[2])};
  }
  return std::nullopt;
}

std::string VersionLine(std::int16_t version) {
  // The point goes into the number, before its last two digits (".5" for 5),
  // never in among the tabs.
  std::string number = std::to_string(version);
  number.insert(number.size() <= 2 ? 0 : number.size() - 2, 1, '.');
  return std::string(kDiagnosticCaptions[0]) + "\t\t" + number;
}

std::string KeypadAreasLine(std::uint8_t areas) {
  std::string text = std::string(kDiagnosticCaptions[1]) + '\t';
  if (areas & 0x01) text += " A";
  if (areas & 0x02) text += " B";
  return text;
}

std::string TimeZonesLine(std::uint8_t zones) {
  std::string text = std::string(kDiagnosticCaptions[2]) + '\t';
  for (int i = 0; i < 8; ++i)
    if (zones & (1u << i)) text += ' ' + std::to_string(i + 1);
  return text;
}

std::string BatteryLine(std::uint8_t tenthsOfVolt) {
  char value[32];
  std::snprintf(value, sizeof value, "\t\t\t%3g V", tenthsOfVolt / 10.0);
  return kDiagnosticCaptions[3] + std::string(value);
}

}  // namespace events
