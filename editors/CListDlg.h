#pragma once

#include "editors/ParamEditor.h"

class QComboBox;

namespace editors {

// One choice out of the row's list, found by its value (texts repeat).
// Apply types the chosen value as decimal digit keys.
class CListDlg : public ParamEditor {
  Q_OBJECT
 public:
  explicit CListDlg(const params::MapRow& row, QWidget* parent = nullptr);

  QComboBox* choiceBox() const { return choices_; }

 protected:
  bool takesReplyType(std::uint8_t type) const override;
  bool showReply(const params::Reply& reply) override;
  void apply() override;

 private:
  QComboBox* choices_;
};

}  // namespace editors
