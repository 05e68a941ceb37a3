#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;

namespace console {

// Asks for a keypad code (digits only, masked), offering the one remembered
// under title ("User", "Installer") and keeping it when "Remember" is ticked.
class CPassDlg : public QDialog {
  Q_OBJECT
 public:
  CPassDlg(const QString& title, int maxDigits, QWidget* parent = nullptr);

  QString code() const { return code_; }
  QLineEdit* codeField() const { return field_; }
  QCheckBox* rememberBox() const { return remember_; }

  void accept() override;

 private:
  QString title_;
  QString code_;
  QLineEdit* field_;
  QCheckBox* remember_;
};

}  // namespace console
