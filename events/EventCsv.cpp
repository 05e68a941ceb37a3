#include "events/EventCsv.h"

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

std::string EventCsvRow(const EventRecord& record) {
  const std::string date = FormatEventDate(record.date);  // dd/mm/yyyy
  const std::string iso = date.substr(6, 4) + '-' + date.substr(3, 2) + '-' + date.substr(0, 2) + 'T' +
                          FormatEventTime(record.time);
  char numbers[32];
  std::snprintf(numbers, sizeof numbers, ",%u,%u,%u,%u\r\n", record.code, record.area, record.number, record.index);
  return iso + ',' + CsvField(EventText(record)) + numbers;
}

}  // namespace events
