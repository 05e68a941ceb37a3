#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace events {

// One entry of the panel's event texts: the Contact ID code a receiver gets
// for the event (qualifier * 1000 + event code, 0 for none) and the text,
// with at most one "%c" (area letter) and "%d" (number) each.
struct EventTextEntry {
  int contactId;
  std::string_view text;
};

inline constexpr std::size_t kEventTextCount = 153;

// Indexed by the event code of a record. The texts are marked for the
// translators under the context "EventText".
inline constexpr const char* kEventTextContext = "EventText";
const std::array<EventTextEntry, kEventTextCount>& EventTextTable();

// The text of an entry filled in from a record's area byte and number byte:
// texts whose first conversion is "%c" take the area letter and the number,
// every other text takes the number for each conversion.
std::string FormatEventText(std::string_view format, std::uint8_t area, std::uint8_t number);

}  // namespace events
