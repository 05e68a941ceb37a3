#include "editors/COutTime.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "editors/EntityNumberField.h"
#include "core/parameters/ParamCodec.h"
#include "platform/MessageBoxes.h"

namespace editors {

namespace {

struct FieldInfo {
  const char* name;
  std::uint8_t parameter;
  std::uint8_t replyType;
  int maxLength;
  std::uint32_t maximum;
};

// In the order of COutTime::Field.
constexpr FieldInfo kFields[] = {
    {"onDelay", 0x26, params::kWordReply, 4, 9999},
    {"resetTime", 0x28, params::kWordReply, 4, 9999},
    {"pulseTime", 0x27, params::kByteReply, 3, 255},
    {"chimeTime", 0x29, params::kByteReply, 3, 255},
};

constexpr std::uint8_t kLoadOrder[] = {0x26, 0x27, 0x28, 0x29};

std::uint8_t Bit(int field) { return static_cast<std::uint8_t>(1u << field); }

}  // namespace

COutTime::COutTime(QWidget* parent)
    : EditorDialog(parent), output_(new EntityNumberField(1, 8, 1, this)), apply_(new QPushButton(tr("Apply"), this)) {
  setWindowTitle(tr("Output Times"));
  output_->field()->setObjectName(QStringLiteral("output"));
  apply_->setObjectName(QStringLiteral("apply"));

  auto* outputBox = new QGroupBox(tr("Output:"), this);
  (new QVBoxLayout(outputBox))->addWidget(output_);
  output_->field()->setAccessibleName(tr("Output"));

  const QString labels[] = {tr("ON Delay Time:"), tr("Reset Time:"), tr("Pulse Time:"), tr("Chime Mode Time:")};
  const QString secondsHint = tr("(0-9999 Seconds, 0 = no delay)");
  const QString tenthsHint = tr("(0-255 1/10th Seconds, eg 20 = 2 secs)");
  auto* grid = new QGridLayout;
  QWidget* previous = output_->field();
  for (int f = 0; f < kFieldCount; ++f) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(kFields[f].name));
    field->setMaxLength(kFields[f].maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7 + 8);
    field->setEnabled(false);
    auto* label = new QLabel(labels[f], this);
    label->setBuddy(field);
    grid->addWidget(label, f, 0);
    grid->addWidget(field, f, 1);
    auto* hint = new QLabel(kFields[f].maximum > 255 ? secondsHint : tenthsHint, this);
    field->setAccessibleDescription(hint->text());  // the unit: seconds or tenths
    grid->addWidget(hint, f, 2);
    fields_[static_cast<std::size_t>(f)] = field;
    setTabOrder(previous, field);
    previous = field;
    connect(field, &QLineEdit::textEdited, this, [this] {
      if (edited_) return;
      edited_ = true;
      apply_->setEnabled(true);
    });
  }
  setTabOrder(previous, apply_);
  apply_->setEnabled(false);
  apply_->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(outputBox, 0, Qt::AlignLeft);
  layout->addLayout(grid);
  layout->addWidget(apply_, 0, Qt::AlignRight);

  connect(output_, &EntityNumberField::changed, this, &COutTime::outputChanged);
  connect(apply_, &QPushButton::clicked, this, &COutTime::apply);
  output_->setSettleTime(300);
  connect(output_, &EntityNumberField::settled, this, &COutTime::load);
}

void COutTime::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  output_->setText(QStringLiteral("1"));
  output_->settleIn(1);
}

void COutTime::outputChanged() {
  for (QLineEdit* field : fields_) field->setEnabled(false);
}

void COutTime::setChoosingEnabled(bool enabled) {
  apply_->setEnabled(enabled);
  output_->setControlsEnabled(enabled);
}

void COutTime::load() {
  const std::optional<int> output = output_->take(tr("Output number is invalid"), true);
  if (!output) return;
  if (edited_) {
    edited_ = false;
    setChoosingEnabled(false);
  }
  currentOutput_ = static_cast<std::uint8_t>(*output);
  writeMarks_.clear();
  outstanding_ = Bit(kFieldCount) - 1;
  panel::FrameBytes requests;
  for (const std::uint8_t parameter : kLoadOrder)
    requests.append(panel::ParamReadRequest(parameter, currentOutput_));
  send(requests);
}

void COutTime::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->entity != currentOutput_) return;
  int f = 0;
  while (f < kFieldCount && (kFields[f].parameter != reply->parameter || kFields[f].replyType != reply->type)) ++f;
  if (f == kFieldCount) return;

  const auto slot = static_cast<std::size_t>(f);
  // The read in front of an Apply's keys is answered with the value before
  // them; the field keeps what was written.
  if (writeMarks_.consume(reply->parameter, currentOutput_)) {
    cached_[slot] = written_[slot];
    fields_[slot]->setEnabled(true);
  } else {
    cached_[slot] = reply->number;
    // A time beyond the field's digits would show cut and be written back
    // cut by the next Apply: the field stays disabled and Apply leaves it.
    const bool fits = reply->number <= kFields[f].maximum;
    if (fits) fields_[slot]->setText(QString::number(reply->number));
    fields_[slot]->setEnabled(fits);
  }
  if (!(outstanding_ & Bit(f))) return;
  outstanding_ = static_cast<std::uint8_t>(outstanding_ & ~Bit(f));
  if (outstanding_ == 0) {
    edited_ = false;
    setChoosingEnabled(true);
  }
}

void COutTime::apply() {
  std::array<std::uint32_t, kFieldCount> values{};
  for (int f = 0; f < kFieldCount; ++f) {
    // An emptied field means no time: 0.
    values[static_cast<std::size_t>(f)] = fields_[static_cast<std::size_t>(f)]->text().toUInt();
  }
  // Checked before anything is disabled or sent, so a refused Apply changes nothing.
  for (const Field f : {PulseTime, ChimeTime}) {
    if (fields_[f]->isEnabled() && values[f] > kFields[f].maximum) {
      platform::ShowMessage(this, tr("Error"),
                            f == PulseTime ? tr("Pulse time is invalid") : tr("Chime mode time is invalid"),
                            platform::MessageBoxes::Kind::Critical);
      return;
    }
  }

  outstanding_ = 0;
  panel::FrameBytes pieces;
  for (int f = 0; f < kFieldCount; ++f) {
    const auto slot = static_cast<std::size_t>(f);
    // A disabled field is waiting for its reply: its text is not the user's.
    if (!fields_[slot]->isEnabled() || values[slot] == cached_[slot]) continue;
    fields_[slot]->setEnabled(false);
    writeMarks_.appendWrite(pieces, kFields[f].parameter, currentOutput_, params::Entry(params::DecimalKeys(values[slot])));
    written_[slot] = values[slot];
    outstanding_ = static_cast<std::uint8_t>(outstanding_ | Bit(f));
  }
  if (pieces.empty()) return;
  setChoosingEnabled(false);
  send(pieces);
}

}  // namespace editors
