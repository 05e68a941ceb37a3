#include "core/events/EventRecord.h"

#include <cstdio>

#include "core/events/EventTextTable.h"
#include "core/link/PanelFrames.h"

namespace events {

std::optional<EventRecord> DecodeEventRecord(const std::uint8_t* frame, std::size_t length) {
  if (frame == nullptr || length < kEventRecordLength) return std::nullopt;
  if (frame[0] != kEventRecordType || frame[1] != panel::kPcMarker) return std::nullopt;
  EventRecord record;
  record.index = frame[2];
  record.code = frame[3];
  record.time = static_cast<std::uint16_t>(frame[4] << 8 | frame[5]);
  record.date = static_cast<std::uint16_t>(frame[6] << 8 | frame[7]);
  record.area = frame[8];
  record.number = frame[9];
  return record;
}

std::string FormatEventDate(std::uint16_t date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date & 0x1F, (date >> 5) & 0x0F, 2000 + (date >> 9));
  return text;
}

std::string FormatEventTime(std::uint16_t time) {
  // Sixteen steps of t make fifteen two-second units.
  const int units = time - time / 16;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", units / 1800, (units % 1800) / 30, (units % 30) * 2);
  return text;
}

std::string EventText(const EventRecord& record, panel::CoreTextTranslator translate) {
  const auto& table = EventTextTable();
  if (record.code >= table.size()) return std::to_string(record.code);
  const std::string_view text = table[record.code].text;
  if (!translate || text.empty()) return FormatEventText(text, record.area, record.number);
  // The table's texts are the marked literals themselves, so data() ends in a zero.
  return FormatEventText(translate(kEventTextContext, text.data()), record.area, record.number);
}

std::string FormatEventLine(const EventRecord& record, panel::CoreTextTranslator translate) {
  return FormatEventDate(record.date) + ' ' + FormatEventTime(record.time) + '\t' + EventText(record, translate) +
         "\r\n";
}

}  // namespace events
