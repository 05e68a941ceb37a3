#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/link/ModuleSettingsRecord.h"

// What quilby and a module say to each other, in order: challenge (plain),
// answer, header and record (scrambled by the module), acknowledgement
// (scrambled by quilby), and on OK the record again, plain.
namespace quilby::wire {

inline constexpr std::size_t kChallengeSize = 8;
inline constexpr std::size_t kAnswerSize = 8;
inline constexpr std::size_t kHeaderSize = 12;
inline constexpr std::size_t kRecordSize = ModuleSettingsRecord::kSize;
inline constexpr std::size_t kAcknowledgementSize = 6;

// 'M' and five zeros, before scrambling.
inline constexpr std::array<std::uint8_t, kAcknowledgementSize> kAcknowledgement{0x4D, 0, 0,
                                                                               0,    0, 0};

}  // namespace quilby::wire
