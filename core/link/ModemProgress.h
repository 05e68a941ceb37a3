#pragma once

#include <cstdint>

namespace panel::modem {

// One-byte progress codes a modem reports while it sets up a call; the
// dialling window gives them their texts.
enum Progress : std::uint8_t {
  kNothingYet = 0,
  kDialling = 8,
  kCheckPassword = 9,
  kDownloadParameters = 10,
  kDownloadInfoStruct = 11,
  kDownloadEvents = 12,
  kDownloadFinished = 13,
  kPasswordError = 15,
  kCallReady = 16,
  kNoCarrier = 17,
  kHungUp = 18,
  kUnknownNumber = 19,
  kStartAgain = 20,
  kCommunicationError = 21,
};

}  // namespace panel::modem
