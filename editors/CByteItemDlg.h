#pragma once

#include "editors/ParamEditor.h"

namespace editors {

class CheckBoxRow;

// One option byte as eight check boxes. Apply toggles, as keypad keys 1..8,
// the options whose box differs from what the panel reported, then gives
// the panel (keys + 1) x 250 ms to act on them.
class CByteItemDlg : public ParamEditor {
  Q_OBJECT
 public:
  explicit CByteItemDlg(const params::MapRow& row, QWidget* parent = nullptr);

  CheckBoxRow* checkBoxes() const { return boxes_; }
  // The editor's copy of the panel's byte.
  std::uint8_t value() const { return value_; }

 protected:
  bool takesReplyType(std::uint8_t type) const override;
  bool showReply(const params::Reply& reply) override;
  void apply() override;
  void areaChanging() override;

 private:
  CheckBoxRow* boxes_;
  std::uint8_t value_ = 0;
};

}  // namespace editors
