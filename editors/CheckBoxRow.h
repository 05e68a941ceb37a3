#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "core/parameters/ParameterMap.h"
#include "core/link/PanelFrames.h"

class QCheckBox;

namespace editors {

// The eight check boxes of one option byte, bit 0 (option 1) first. A box
// whose label is empty is hidden: its bit is shown nowhere and never written.
class CheckBoxRow : public QWidget {
  Q_OBJECT
 public:
  explicit CheckBoxRow(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

  void setLabels(const params::LabelTable& labels);
  // The boxes shown: the bits whose labels are not empty.
  std::uint8_t shownBits() const { return shown_; }

  // Checks box i exactly when bit i is set, hidden ones included.
  void setBits(std::uint8_t bits);
  std::uint8_t bits() const;
  // 7A, the options whose shown box differs from `cached`, 11; empty when none differs.
  panel::FrameBytes toggleEntry(std::uint8_t cached) const;
  // The byte once that entry has acted on `cached`: the shown bits as the
  // boxes have them, the hidden ones as they were.
  std::uint8_t bitsOver(std::uint8_t cached) const;

  void setBoxesEnabled(bool enabled);
  QCheckBox* box(int bit) const { return boxes_.at(static_cast<std::size_t>(bit)); }

 signals:
  // The user clicked box `bit`.
  void boxClicked(int bit);

 private:
  std::array<QCheckBox*, 8> boxes_{};
  std::uint8_t shown_ = 0xFF;
};

}  // namespace editors
