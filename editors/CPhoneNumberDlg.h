#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editors/GroupEditorDialog.h"

class QComboBox;
class QLineEdit;

namespace editors {

class OptionTabs;
class EntityNumberField;

// "Phone number": one of the eight number slots at a time, with its
// reporting format, dial retries, dialler options and reporting options.
// There is no Apply: a group of controls is written when the user leaves it.
class CPhoneNumberDlg : public GroupEditorDialog {
  Q_OBJECT
 public:
  // PendingGroup values.
  enum Group : int { kOptionBoxes = 5, kNumber = 10, kRetries = 11 };

  explicit CPhoneNumberDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  std::uint8_t currentSlot() const { return slot_; }
  EntityNumberField* slotField() const { return slotField_; }
  QLineEdit* numberField() const { return number_; }
  QComboBox* formatList() const { return format_; }
  QLineEdit* retriesField() const { return retries_; }
  OptionTabs* optionTabs() const { return tabs_; }

 protected:
  void showEvent(QShowEvent* event) override;
  std::uint8_t entity() const override { return slot_; }
  GroupWrite writeGroup(int group) override;

 private:
  void slotChanged();
  void loadSlot();
  void formatFocused();
  void formatChosen(int index);
  void showByte(std::uint8_t parameter, std::uint8_t value);

  std::uint8_t slot_ = 1;
  // What the panel last reported: the number, and every byte at its parameter number.
  std::string reportedNumber_;
  std::array<std::uint8_t, 256> reported_{};
  bool opened_ = false;

  EntityNumberField* slotField_;
  QLineEdit* number_;
  QComboBox* format_;
  QLineEdit* retries_;
  OptionTabs* tabs_;
};

}  // namespace editors
