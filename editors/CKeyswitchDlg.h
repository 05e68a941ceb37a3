#pragma once

#include <cstdint>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"

class QPushButton;

namespace editors {

class CheckBoxRow;
class EntityNumberField;

// "Keyswitch": the areas and the eight options of keyswitch 1 or 2,
// written with "Apply".
class CKeyswitchDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  explicit CKeyswitchDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  EntityNumberField* numberField() const { return number_; }
  CheckBoxRow* areaBoxes() const { return areas_; }
  CheckBoxRow* optionBoxes() const { return options_; }
  QPushButton* applyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void numberChanged();
  void load();
  void apply();

  EntityNumberField* number_;
  CheckBoxRow* areas_;
  CheckBoxRow* options_;
  QPushButton* apply_;

  std::uint8_t current_ = 1;
  std::uint8_t cachedAreas_ = 0;
  std::uint8_t cachedOptions_ = 0;
  ReplyMarks marks_;
  bool started_ = false;
};

}  // namespace editors
