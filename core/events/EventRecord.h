#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/CoreText.h"

namespace events {

inline constexpr std::uint8_t kEventRecordType = 0x20;
// Records with this code are kept by the panel but not shown.
inline constexpr std::uint8_t kHiddenEventCode = 0x70;
// Type byte up to the number byte.
inline constexpr std::size_t kEventRecordLength = 10;

// One event of the panel's memory as a 0x20 frame carries it.
struct EventRecord {
  std::uint8_t index = 0;  // the panel's position, sent back to ask for the next event
  std::uint8_t code = 0;   // index into the event texts
  std::uint16_t time = 0;  // 1.875 s steps since midnight
  std::uint16_t date = 0;  // year - 2000 << 9 | month << 5 | day
  std::uint8_t area = 0;   // 1 = A, 2 = B
  std::uint8_t number = 0; // zone, user, keypad, output... of the event
};

// A 0x20 / 0x07 frame of at least ten bytes; anything else (including a
// record cut short) is not a record.
std::optional<EventRecord> DecodeEventRecord(const std::uint8_t* frame, std::size_t length);

// "dd/mm/yyyy"; no field is checked, as the panel sends them.
std::string FormatEventDate(std::uint16_t date);
// "hh:mm:ss".
std::string FormatEventTime(std::uint16_t time);
// The event's text, translated first when a translator is given; codes
// without an entry show as their number.
std::string EventText(const EventRecord& record, panel::CoreTextTranslator translate = nullptr);
// Date, a blank, time, a tab, text, CR LF.
std::string FormatEventLine(const EventRecord& record, panel::CoreTextTranslator translate = nullptr);

}  // namespace events
