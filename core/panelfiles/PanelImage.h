#pragma once

// A whole panel's parameters as one image: what a backup reads, a panel
// file holds, a compare sets side by side and a restore writes. Standard
// library only.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/parameters/PanelParameters.h"

namespace panelfiles {

// One parameter of one entity, the unit of backups and restores.
struct Slot {
  const params::PanelParameter* parameter;
  std::uint8_t entity;
};

// Every slot of the parameter catalogue, in its order, entities ascending.
std::span<const Slot> AllSlots();
// The index of (parameter, entity) in AllSlots(), or -1 when no editor reads it.
int SlotIndex(std::uint8_t parameter, std::uint8_t entity);

// A value per slot, or none where it is not known.
class PanelImage {
 public:
  PanelImage();

  const std::optional<params::Value>& at(int slot) const { return values_.at(static_cast<std::size_t>(slot)); }
  void set(int slot, params::Value value) { values_.at(static_cast<std::size_t>(slot)) = std::move(value); }
  void forget(int slot) { values_.at(static_cast<std::size_t>(slot)).reset(); }
  std::size_t knownCount() const;

  // The panel's software version as the keypad window shows it ("2.10"), empty if not known.
  std::string softwareVersion;

  friend bool operator==(const PanelImage&, const PanelImage&) = default;

 private:
  std::vector<std::optional<params::Value>> values_;
};

struct Difference {
  int slot;
  std::optional<params::Value> left;
  std::optional<params::Value> right;
};
// The slots where the two images differ, a value known on one side only included, in slot order.
std::vector<Difference> Compare(const PanelImage& left, const PanelImage& right);

}  // namespace panelfiles
