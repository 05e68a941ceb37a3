#include "console/CChPassDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/link/AccessPasswordBytes.h"
#include "console/AccessPasswordStore.h"
#include "platform/MessageBoxes.h"

namespace console {

namespace {
constexpr int kMaxFieldChars = 63;
constexpr int kMinPasswordChars = 8;

QLineEdit* MaskedField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setEchoMode(QLineEdit::Password);
  field->setMaxLength(kMaxFieldChars);
  return field;
}
}  // namespace

CChPassDlg::CChPassDlg(QWidget* parent) : CChPassDlg(AccessPasswordStore::current(), parent) {}

CChPassDlg::CChPassDlg(AccessPasswordStore& store, QWidget* parent)
    : QDialog(parent), store_(store), old_(MaskedField(this, "oldPassword")),
      new_(MaskedField(this, "newPassword")),
      confirm_(MaskedField(this, "confirmation")) {
  setWindowTitle(tr("New password"));
  auto* form = new QFormLayout;
  form->addRow(tr("Old password:"), old_);
  form->addRow(tr("New password:"), new_);
  form->addRow(tr("Confirmation:"), confirm_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CChPassDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CChPassDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Minimum 8 characters."), this));
  layout->addLayout(form);
  layout->addWidget(buttons);

  if (store_.verify(std::string()) == kNoAccessPassword) old_->setEnabled(false);
}

void CChPassDlg::refuse(const QString& text) {
  platform::ShowMessage(this, tr("Password"), text, platform::MessageBoxes::Kind::Critical);
}

void CChPassDlg::accept() {
  const int verdict = store_.verify(old_->text().toStdString());
  if (verdict != 0 && verdict != kNoAccessPassword) {
    refuse(tr("Access Denied"));
    return;
  }
  const QString password = new_->text();
  if (password.size() < kMinPasswordChars) {
    refuse(tr("A password must be more than 8 characters"));
    return;
  }
  if (confirm_->text() != password) {
    refuse(tr("The password was not correct confirmed.\n"
              "Please ensure that password and confirmation match exactly."));
    return;
  }
  // A password that was not stored must not look changed.
  if (const int error = store_.store(password.toStdString())) {
    refuse(tr("The password could not be stored (error %1).").arg(error));
    return;
  }
  g_strPcPassword = password;
  QDialog::accept();
}

}  // namespace console
