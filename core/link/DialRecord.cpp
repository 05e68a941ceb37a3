#include "core/link/DialRecord.h"

namespace serial {

std::vector<std::uint8_t> BuildDialRecord(std::string_view phone, std::string_view password,
                                          std::uint8_t protocol) {
  std::vector<std::uint8_t> record;
  record.reserve(phone.size() + password.size() + 5);
  record.push_back(kDialRequestLead);
  record.insert(record.end(), phone.begin(), phone.end());
  record.push_back(0x00);
  record.insert(record.end(), password.begin(), password.end());
  record.push_back(0x00);
  record.push_back(',');
  record.push_back(protocol);
  return record;
}

}  // namespace serial
