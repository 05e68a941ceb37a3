#pragma once

#include "core/panelfiles/PanelImage.h"

namespace panelfilestest {

// A valid value for every slot, different from slot to slot where the kind
// allows, so a full image exercises every kind of value in files.
inline params::Value SampleValue(int slot) {
  const params::PanelParameter& p = *panelfiles::AllSlots()[static_cast<std::size_t>(slot)].parameter;
  const auto n = static_cast<std::uint32_t>(slot);
  switch (p.kind) {
    case params::ValueKind::Options: return {n % 256 & p.bits, {}};
    case params::ValueKind::Number: return {p.minimum + n % (p.maximum - p.minimum + 1), {}};
    case params::ValueKind::Choice: return {p.choices[n % p.choices.size()].value, {}};
    case params::ValueKind::Time: return {n % 24 * 100 + n % 60, {}};
    case params::ValueKind::Date: return {n % 2 ? 0u : 1 + n % 28 + 100 * (1 + n % 12) + 10000 * (n % 100), {}};
    case params::ValueKind::Digits: return {0, std::string("9BCDEF01", n % (p.maximum + 1))};
    case params::ValueKind::LongDigits: return {0, std::string("0123456789012345", n % 17)};
    case params::ValueKind::Code: return {0, std::string("314159", n % 7)};
    case params::ValueKind::Phone: return {0, std::string("0W*5#=-987654321", n % 17)};
  }
  return {};
}

}  // namespace panelfilestest
