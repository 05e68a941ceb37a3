#include "core/panelfiles/PanelImage.h"

#include <algorithm>
#include <array>

namespace panelfiles {

namespace {

struct SlotTable {
  std::vector<Slot> slots;
  // Slot index by parameter * 256 + entity; -1 where none.
  std::array<std::int16_t, 256 * 256> index{};
};

const SlotTable& Table() {
  static const SlotTable table = [] {
    SlotTable t;
    t.index.fill(-1);
    for (const params::PanelParameter& p : params::PanelParameters()) {
      for (int e = p.entities.first; e <= p.entities.last; ++e) {
        t.index[static_cast<std::size_t>(p.parameter * 256 + e)] = static_cast<std::int16_t>(t.slots.size());
        t.slots.push_back({&p, static_cast<std::uint8_t>(e)});
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

std::span<const Slot> AllSlots() { return Table().slots; }

int SlotIndex(std::uint8_t parameter, std::uint8_t entity) {
  return Table().index[static_cast<std::size_t>(parameter * 256 + entity)];
}

PanelImage::PanelImage() : values_(AllSlots().size()) {}

std::size_t PanelImage::knownCount() const {
  return static_cast<std::size_t>(std::ranges::count_if(values_, [](const auto& v) { return v.has_value(); }));
}

std::vector<Difference> Compare(const PanelImage& left, const PanelImage& right) {
  std::vector<Difference> differences;
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    if (left.at(slot) != right.at(slot)) differences.push_back({slot, left.at(slot), right.at(slot)});
  }
  return differences;
}

}  // namespace panelfiles
