#include "core/parameters/ProgramEntry.h"

#include "core/link/PanelFrames.h"

namespace params {

void ProgramEntry::read(std::uint8_t parameter, std::uint8_t entity) {
  position_.emplace(parameter, entity);
  keys_.clear();
  overflow_ = false;
}

std::optional<ProgramEntry::Typed> ProgramEntry::key(std::uint8_t pressed) {
  if (pressed == panel::key::kNo) {
    leave();
    return std::nullopt;
  }
  if (pressed != panel::key::kEnter) {
    if (keys_.size() < kMaxEntryKeys)
      keys_.push_back(pressed);
    else
      overflow_ = true;
    return std::nullopt;
  }
  std::vector<std::uint8_t> keys;
  keys.swap(keys_);
  const bool refused = overflow_;
  overflow_ = false;
  if (!position_ || refused) return std::nullopt;
  return Typed{position_->first, position_->second, std::move(keys)};
}

void ProgramEntry::leave() {
  position_.reset();
  keys_.clear();
  overflow_ = false;
}

}  // namespace params
