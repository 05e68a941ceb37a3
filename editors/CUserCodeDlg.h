#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editors/GroupEditorDialog.h"
#include "core/parameters/ParamCodec.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace platform {
class OneShotTimer;
}

namespace editors {

class CheckBoxRow;
class OptionTabs;
class EntityNumberField;

// "Users": one user's code, type, radio user type, areas, access,
// privileges and maps at a time. There is no Apply: a group of controls is
// written as keys when the user leaves it.
class CUserCodeDlg : public GroupEditorDialog {
  Q_OBJECT
 public:
  // PendingGroup values.
  enum Group : int { kCode = 1, kType = 2, kAccess = 3, kPrivileges = 4, kMapBoxes = 5, kAreas = 6, kTabShown = 7, kRadioType = 9 };

  explicit CUserCodeDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  std::uint8_t currentUser() const { return user_; }
  EntityNumberField* userField() const { return userField_; }
  QLineEdit* codeField() const { return code_; }
  QComboBox* typeList() const { return type_; }
  QLabel* radioTypeLabel() const { return radioTypeLabel_; }
  QComboBox* radioTypeList() const { return radioType_; }
  CheckBoxRow* areaBoxes() const { return areas_; }
  CheckBoxRow* accessBoxes() const { return access_; }
  CheckBoxRow* privilegeBoxes() const { return privileges_; }
  OptionTabs* mapTabs() const { return tabs_; }

 protected:
  void showEvent(QShowEvent* event) override;
  std::uint8_t entity() const override { return user_; }
  GroupWrite writeGroup(int group) override;

 private:
  // What the panel last reported for one user: the code, and the byte of
  // each option, type and map parameter at its parameter number.
  struct UserRecord {
    std::string code;
    std::array<std::uint8_t, 15> byParameter{};
  };

  UserRecord& record() { return records_[static_cast<std::size_t>(user_ - 1)]; }
  void userNumberChanged();
  void loadUser();
  void readRadioType();
  void showRadioType(bool shown);
  void showCode(const params::Reply& reply);
  void showType(std::uint8_t value);
  void showOptions(std::uint8_t parameter, std::uint8_t value);
  void typeChosen(int index);
  void radioTypeChosen(int index);
  void tabShown(int tab);
  GroupWrite toggles(const CheckBoxRow& boxes, std::uint8_t parameter, int pauseMs);

  std::uint8_t user_ = 1;
  std::array<UserRecord, 100> records_{};
  bool opened_ = false;

  EntityNumberField* userField_;
  QLineEdit* code_;
  QComboBox* type_;
  QLabel* radioTypeLabel_;
  QComboBox* radioType_;
  CheckBoxRow* areas_;
  CheckBoxRow* access_;
  CheckBoxRow* privileges_;
  OptionTabs* tabs_;
  platform::OneShotTimer* radioTypeTimer_;
};

}  // namespace editors
