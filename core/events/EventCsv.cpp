#include "core/events/EventCsv.h"

#include <chrono>
#include <cstdio>

namespace events {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string EventCsvHeader() { return "time,event,code,area,number,index\r\n"; }

namespace {
// A record of an unset or garbled clock holds no real date or time: an ISO
// reader would refuse the whole file for one such field, so it stays empty.
bool IsRealTime(const EventRecord& record) {
  const std::chrono::year_month_day day{std::chrono::year{2000 + (record.date >> 9)},
                                        std::chrono::month{static_cast<unsigned>((record.date >> 5) & 0x0F)},
                                        std::chrono::day{static_cast<unsigned>(record.date & 0x1F)}};
  const int twoSecondUnits = record.time - record.time / 16;  // as the time is shown
  return day.ok() && twoSecondUnits < 24 * 1800;
}
}  // namespace

std::string EventCsvRow(const EventRecord& record) {
  const std::string date = FormatEventDate(record.date);  // dd/mm/yyyy
  const std::string iso = !IsRealTime(record) ? std::string()
                                              : date.substr(6, 4) + '-' + date.substr(3, 2) + '-' +
                                                    date.substr(0, 2) + 'T' + FormatEventTime(record.time);
  char numbers[32];
  std::snprintf(numbers, sizeof numbers, ",%u,%u,%u,%u\r\n", record.code, record.area, record.number, record.index);
  // An area byte beyond the letters makes a control or non-ASCII byte of its
  // "letter" (0xC0 a NUL): the file stays text a CSV reader takes.
  std::string text = EventText(record);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) c = '?';
  return iso + ',' + CsvField(text) + numbers;
}

}  // namespace events
