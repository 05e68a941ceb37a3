#pragma once

#include <QDialog>

class QLineEdit;

namespace console {

class AccessPasswordStore;

// Changes the PC password. Ends with OK only once the new one is stored.
class CChPassDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CChPassDlg(QWidget* parent = nullptr);
  CChPassDlg(AccessPasswordStore& store, QWidget* parent);

  void accept() override;

  QLineEdit* oldField() const { return old_; }
  QLineEdit* newField() const { return new_; }
  QLineEdit* confirmField() const { return confirm_; }

 private:
  void refuse(const QString& text);

  AccessPasswordStore& store_;
  QLineEdit* old_;
  QLineEdit* new_;
  QLineEdit* confirm_;
};

}  // namespace console
