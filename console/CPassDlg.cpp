#include "console/CPassDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "console/RememberedCodes.h"

namespace console {

namespace {
// The titles the keypad window opens this dialog with, for the translators.
[[maybe_unused]] const char* const kTitles[] = {QT_TRANSLATE_NOOP("console::CPassDlg", "User"),
                                                QT_TRANSLATE_NOOP("console::CPassDlg", "Installer")};
}  // namespace

CPassDlg::CPassDlg(const QString& title, int maxDigits, QWidget* parent)
    : QDialog(parent), title_(title), field_(new QLineEdit(this)), remember_(new QCheckBox(tr("Remember"), this)) {
  // The title also names the remembered code, so only the caption is translated.
  setWindowTitle(tr(title.toUtf8().constData()));
  // No label of its own on screen: the field is named by the dialog's title.
  field_->setAccessibleName(windowTitle());
  field_->setEchoMode(QLineEdit::Password);
  // Longer codes would not fit the one keystroke message that carries them.
  field_->setMaxLength(maxDigits);
  field_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field_));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPassDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPassDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(field_);
  layout->addWidget(remember_);
  layout->addWidget(buttons);

  RememberedCodes* codes = RememberedCodes::current();
  if (!codes || !codes->canRemember()) {
    remember_->setEnabled(false);
    remember_->setToolTip(tr("No keyring answers: codes are not kept."));
    return;
  }
  // The keyring may answer a moment after the dialog shows; what the user
  // typed meanwhile stays.
  codes->recall(title_, this, [this, maxDigits](const QString& remembered) {
    if (remembered.isEmpty() || field_->isModified() || !field_->text().isEmpty()) return;
    field_->setText(remembered.left(maxDigits));
    remember_->setChecked(true);
  });
}

void CPassDlg::accept() {
  code_ = field_->text();
  RememberedCodes* codes = RememberedCodes::current();
  if (codes && remember_->isEnabled()) codes->remember(title_, remember_->isChecked() ? code_ : QString());
  QDialog::accept();
}

}  // namespace console
