#pragma once

#include <string>
#include <string_view>

#include "core/events/EventRecord.h"

namespace events {

// Event memory as CSV (RFC 4180, CR LF line ends), one event per row as the
// panel hands them out: the panel's date and time in ISO 8601 (its clock has
// no time zone), the event text, and the record's raw fields.
std::string EventCsvHeader();
std::string EventCsvRow(const EventRecord& record);
// A field quoted where CSV needs it (comma, quote, line break).
std::string CsvField(std::string_view text);

}  // namespace events
