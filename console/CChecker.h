#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "console/EditorDialog.h"

class QCheckBox;
class QLabel;

namespace console {

// Lets the user pick zones to bypass (count 16) or outputs to switch
// (otherwise 8). The boxes show the panel's state once its 0x1B or 0x1D
// frame arrives; changes() are the zones or outputs the user flipped.
class CChecker : public EditorDialog {
  Q_OBJECT
 public:
  explicit CChecker(int count, QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  void accept() override;

  std::uint16_t changes() const { return changes_; }
  int count() const { return count_; }
  QCheckBox* box(int number) const { return boxes_[static_cast<std::size_t>(number - 1)]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int count_;
  std::uint16_t panelState_ = 0;
  std::uint16_t changes_ = 0;
  std::array<QCheckBox*, 16> boxes_{};
  QLabel* line_;
};

}  // namespace console
