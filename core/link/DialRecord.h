#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace serial {

inline constexpr std::uint8_t kDialRequestLead = 0x14;

// The dial request for the GSM modem: 14, phone, 00, password, 00, ',',
// protocol index (0 to 3). Its length is phone + password + 5.
std::vector<std::uint8_t> BuildDialRecord(std::string_view phone, std::string_view password,
                                          std::uint8_t protocol);

}  // namespace serial
