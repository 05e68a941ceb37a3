#include "editors/CValueDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/MessageBoxes.h"

namespace editors {

namespace {

// Letters become capitals as they are typed; the format is checked on Apply.
class CapitalsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

QString ValueTitle(const params::MapRow& row) {
  return MapText(row.title) + QStringLiteral(" [") + QString::number(row.parameter) + QStringLiteral("]");
}

bool IsDigitString(params::ValueFormat format) { return format != params::ValueFormat::Range; }

}  // namespace

CValueDlg::CValueDlg(const params::MapRow& row, QWidget* parent)
    : ParamEditor(row, ValueTitle(row), parent),
      format_(row.value),
      length_(params::FieldLength(row.value)),
      value_(new QLineEdit(this)),
      hint_(new QLabel(this)) {
  value_->setObjectName(QStringLiteral("value"));
  value_->setMaxLength(length_);
  value_->setValidator(new CapitalsValidator(value_));
  value_->setEnabled(false);
  value_->setAccessibleName(windowTitle());
  switch (format_.format) {
    case params::ValueFormat::HexDigits: hint_->setText(tr("%1 Digits 0-9,B,C,D,E,F").arg(length_)); break;
    case params::ValueFormat::Digits:
    case params::ValueFormat::LongDigits: hint_->setText(tr("%1 Digits").arg(length_)); break;
    case params::ValueFormat::Range: hint_->setText(tr("Value %1 - %2").arg(format_.minimum).arg(format_.maximum)); break;
  }
  hint_->setBuddy(value_);
  value_->setAccessibleDescription(hint_->text());

  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(value_);
  layout->addWidget(hint_);
  setBody(body, false);
}

bool CValueDlg::takesReplyType(std::uint8_t type) const {
  if (IsDigitString(format_.format)) return type == params::kDigitsReply;
  return type == params::kByteReply || type == params::kWordReply || type == params::kTimeReply;
}

bool CValueDlg::showReply(const params::Reply& reply) {
  const QString text = IsDigitString(format_.format)
                           ? QString::fromStdString(params::DigitText(reply.digits(), params::Alphabet::Value))
                           : QString::number(reply.number);
  // A value longer than the field is shown whole, never as a shorter value the panel does not hold.
  value_->setMaxLength(std::max<int>(length_, static_cast<int>(text.size())));
  value_->setText(text);
  value_->setEnabled(true);
  return true;
}

void CValueDlg::refuse() {
  switch (format_.format) {
    case params::ValueFormat::HexDigits:
    case params::ValueFormat::Digits: platform::ShowMessage(this, tr("Account not correct"), tr("Error")); break;
    case params::ValueFormat::LongDigits: platform::ShowMessage(this, tr("No digital character"), tr("Error")); break;
    case params::ValueFormat::Range: platform::ShowMessage(this, tr("Overrange"), tr("Error")); break;
  }
}

std::optional<std::vector<std::uint8_t>> CValueDlg::keysOf(const std::string& text) {
  std::optional<std::vector<std::uint8_t>> keys;
  switch (format_.format) {
    case params::ValueFormat::HexDigits:
    case params::ValueFormat::Digits: keys = params::DigitKeys(text, params::Alphabet::Value); break;
    case params::ValueFormat::LongDigits: keys = params::DigitKeys(text, params::Alphabet::Decimal); break;
    case params::ValueFormat::Range:
      // Only a text that is wholly digits is typed: a stray character would
      // reach the panel as a key that is no digit.
      keys = params::DigitKeys(text, params::Alphabet::Decimal);
      if (keys) {
        std::uint64_t number = 0;
        for (const std::uint8_t key : *keys) number = number * 10 + key;
        if (number < format_.minimum || number > format_.maximum) keys.reset();
      }
      break;
  }
  if (!keys) refuse();
  return keys;
}

void CValueDlg::apply() {
  const QString text = value_->text();
  // Typing only the first characters of a longer value would write another value.
  if (text.size() > length_) {
    refuse();
    return;
  }
  const std::optional<std::vector<std::uint8_t>> keys = keysOf(text.toStdString());
  if (!keys) return;
  send(params::Entry(*keys));
  value_->setEnabled(false);
}

}  // namespace editors
