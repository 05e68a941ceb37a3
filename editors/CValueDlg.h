#pragma once

#include "editors/ParamEditor.h"

class QLabel;
class QLineEdit;

namespace editors {

// One number or digit string in a field. Apply checks the text against the
// row's format and types it as keypad keys; nothing is sent for a text the
// format refuses.
class CValueDlg : public ParamEditor {
  Q_OBJECT
 public:
  explicit CValueDlg(const params::MapRow& row, QWidget* parent = nullptr);

  QLineEdit* valueField() const { return value_; }
  QLabel* hint() const { return hint_; }

 protected:
  bool takesReplyType(std::uint8_t type) const override;
  bool showReply(const params::Reply& reply) override;
  void apply() override;

 private:
  // The keys of the text, or nothing after telling the user what is wrong.
  std::optional<std::vector<std::uint8_t>> keysOf(const std::string& text);
  void refuse();  // the format's message

  params::ValueDescriptor format_;
  int length_;
  QLineEdit* value_;
  QLabel* hint_;
};

}  // namespace editors
