#include "editors/CPhoneNumberDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"
#include "editors/EntityNumberField.h"
#include "editors/OptionTabs.h"
#include "core/parameters/ParamCodec.h"
#include "platform/MessageBoxes.h"

namespace editors {

namespace {

constexpr std::uint8_t kNumberParameter = 0xB5;
constexpr std::uint8_t kFormatParameter = 0xB6;
constexpr std::uint8_t kRetriesParameter = 0xB8;
constexpr int kSlots = 8;
constexpr std::uint32_t kMostRetries = 99;

using PhoneGroup = CPhoneNumberDlg::Group;
constexpr GroupRule kPhoneGroups[] = {
    // group          position read       swallow pause  reentry  writes on leave
    {PhoneGroup::kOptionBoxes, std::nullopt, false, 0, false, true},
    {PhoneGroup::kNumber, kNumberParameter, true, 0, true, true},
    {PhoneGroup::kRetries, kRetriesParameter, true, 0, true, true},
};

constexpr OptionTab kOptionTabs[] = {
    {CORE_TR_NOOP("ParameterMap", "Options"), 0xB7, &params::kPhoneOptionTexts, ""},
    {CORE_TR_NOOP("ParameterMap", "Reporting \"A\""), 0xBA, &params::kPhoneReportingATexts, ""},
    {CORE_TR_NOOP("ParameterMap", "Reporting \"B\""), 0xBB, &params::kPhoneReportingBTexts, ""},
    {CORE_TR_NOOP("ParameterMap", "Reporting \"C\""), 0xBC, &params::kPhoneReportingCTexts, ""},
    {CORE_TR_NOOP("ParameterMap", "Reporting \"D\""), 0xBD, &params::kPhoneReportingDTexts, ""},
};

QRegularExpressionValidator* DigitsOnly(QObject* parent) {
  return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}

}  // namespace

CPhoneNumberDlg::CPhoneNumberDlg(QWidget* parent)
    : GroupEditorDialog(kPhoneGroups, parent),
      slotField_(new EntityNumberField(1, kSlots, 1, this)),
      number_(new QLineEdit(this)),
      format_(new QComboBox(this)),
      retries_(new QLineEdit(this)),
      tabs_(new OptionTabs(kOptionTabs, Qt::Vertical, this)) {
  setWindowTitle(tr("Phone number"));
  slotField_->field()->setObjectName(QStringLiteral("slot"));
  number_->setObjectName(QStringLiteral("number"));
  format_->setObjectName(QStringLiteral("format"));
  retries_->setObjectName(QStringLiteral("retries"));
  tabs_->tabBar()->setObjectName(QStringLiteral("optionTabs"));
  tabs_->boxes()->setObjectName(QStringLiteral("option"));

  auto* phone = new QGroupBox(tr("Phone:"), this);
  slotField_->setParent(phone);
  slotField_->field()->setAccessibleName(tr("Slot"));
  number_->setParent(phone);
  number_->setAccessibleName(tr("Number"));
  number_->setMaxLength(16);
  number_->setEnabled(false);
  auto* phoneLayout = new QHBoxLayout(phone);
  phoneLayout->addWidget(slotField_);
  phoneLayout->addWidget(number_, 1);

  for (const params::Choice& choice : params::kPhoneFormatChoices) format_->addItem(MapText(choice.text), choice.value);
  format_->setCurrentIndex(0);
  format_->setEnabled(false);
  retries_->setMaxLength(2);
  // Digits only: a retry count is keyed digit by digit.
  retries_->setValidator(DigitsOnly(retries_));
  retries_->setMaximumWidth(retries_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  retries_->setEnabled(false);
  auto* fields = new QFormLayout;
  fields->addRow(tr("Format:"), format_);
  fields->addRow(tr("Maximum dial retries:"), retries_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(phone);
  layout->addLayout(fields);
  layout->addWidget(tabs_);

  QList<QWidget*> order{slotField_->field(), number_, format_, retries_, tabs_->tabBar()};
  for (int bit = 0; bit < 8; ++bit) order << tabs_->boxes()->box(bit);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  connect(slotField_, &EntityNumberField::changed, this, &CPhoneNumberDlg::slotChanged);
  slotField_->setSettleTime(500);
  connect(slotField_, &EntityNumberField::settled, this, [this] {
    inTurn([this] {
      if (!slotField_->settling()) loadSlot();
    });
  });
  onUserFocus(number_, [this] { enterGroup(kNumber); });
  onUserFocus(retries_, [this] { enterGroup(kRetries); });
  onUserFocus(format_, [this] { formatFocused(); });
  connect(format_, &QComboBox::currentIndexChanged, this, &CPhoneNumberDlg::formatChosen);
  connect(tabs_->boxes(), &CheckBoxRow::boxClicked, this, [this] { enterGroup(kOptionBoxes); });
  connect(tabs_, &OptionTabs::tabLeaving, this, [this] {
    tabs_->boxes()->setBoxesEnabled(false);
    writePending();
    setPendingGroup(kNoGroup);
  });
  connect(tabs_, &OptionTabs::tabShown, this, [this] {
    readParameter(tabs_->shownParameter());
    pauseAfterWrite(100);
  });
}

void CPhoneNumberDlg::showEvent(QShowEvent* event) {
  GroupEditorDialog::showEvent(event);
  if (opened_) return;
  opened_ = true;
  slotField_->setText(QStringLiteral("1"));
}

// ---- slot and loading

void CPhoneNumberDlg::slotChanged() {
  writePending();
  setPendingGroup(kNoGroup);
  forgetUnwritten();
  // Focus must not fall from a control being disabled onto the next group.
  slotField_->field()->setFocus(Qt::OtherFocusReason);
  number_->clear();
  number_->setEnabled(false);
  format_->setEnabled(false);
  retries_->setEnabled(false);
  tabs_->boxes()->setBoxesEnabled(false);
}

void CPhoneNumberDlg::loadSlot() {
  setPendingGroup(kNoGroup);
  clearMarks();
  const std::optional<int> slot = slotField_->take(tr("Slot number is invalid"), false);
  if (!slot) return;
  slot_ = static_cast<std::uint8_t>(*slot);
  readParameters({kNumberParameter, kFormatParameter, kRetriesParameter, tabs_->shownParameter()});
}

// ---- replies

void CPhoneNumberDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->entity != slot_) return;
  switch (reply->type) {
    case params::kDigitsReply:
      if (reply->parameter != kNumberParameter || swallow(kNumberParameter)) return;
      reportedNumber_ = params::DigitText(reply->digits(), params::Alphabet::Phone);
      number_->setText(QString::fromStdString(reportedNumber_));
      number_->setEnabled(true);
      return;
    case params::kByteReply:
    case params::kOptionByteReply: {
      // Format and retries come as byte replies, the option tabs as option-byte replies.
      const bool countOrFormat = reply->parameter == kFormatParameter || reply->parameter == kRetriesParameter;
      if (countOrFormat == (reply->type == params::kByteReply))
        showByte(reply->parameter, static_cast<std::uint8_t>(reply->number));
      return;
    }
    default:
      return;
  }
}

void CPhoneNumberDlg::showByte(std::uint8_t parameter, std::uint8_t value) {
  switch (parameter) {
    case kFormatParameter: {
      if (swallow(kFormatParameter)) return;
      format_->setEnabled(true);
      reported_[parameter] = value;
      const int at = format_->findData(value);
      const QSignalBlocker quiet(format_);
      if (at >= 0) format_->setCurrentIndex(at);
      return;
    }
    case kRetriesParameter:
      if (swallow(kRetriesParameter)) return;
      // The field holds two digits: a larger count would show cut and be written back cut.
      if (value > kMostRetries) return;
      reported_[parameter] = value;
      retries_->setText(QString::number(value));
      retries_->setEnabled(true);
      return;
    default:
      for (const OptionTab& tab : kOptionTabs) {
        if (tab.parameter != parameter) continue;
        reported_[parameter] = value;
        if (!swallow(parameter)) tabs_->showValue(parameter, value);
      }
      return;
  }
}

// ---- format

void CPhoneNumberDlg::formatFocused() {
  writePending();
  setPendingGroup(kNoGroup);
  // Not swallowed: the reply shows the format the panel has now.
  readParameter(kFormatParameter);
}

void CPhoneNumberDlg::formatChosen(int index) {
  if (index < 0) return;
  writeKeys(kFormatParameter, params::Entry(params::DecimalKeys(format_->itemData(index).toUInt())));
}

// ---- writing

GroupWrite CPhoneNumberDlg::writeGroup(int group) {
  switch (group) {
    case kNumber: {
      const std::string text = number_->text().toStdString();
      if (text == reportedNumber_) return {};
      const std::optional<std::vector<std::uint8_t>> keys = params::DigitKeys(text, params::Alphabet::Phone);
      if (!keys)
        return {kNumberParameter, {}, 0,
                GroupRefusal{tr("Error number"), tr("Number not correct"),
                             tr("Number not correct\n\nClose and discard the number?"), number_}};
      // The reply to the next position read is hidden: without this the
      // editor would think the old number still stands and skip typing it back.
      reportedNumber_ = text;
      return {kNumberParameter, params::Entry(*keys), 1000};
    }
    case kRetries: {
      const QString text = retries_->text();
      // An empty field has no keys: nothing is written and the panel's count comes back.
      if (text.isEmpty()) {
        retries_->setText(QString::number(reported_[kRetriesParameter]));
        return {};
      }
      const std::optional<std::vector<std::uint8_t>> keys = params::DigitKeys(text.toStdString(), params::Alphabet::Decimal);
      if (!keys || text.toUInt() == reported_[kRetriesParameter]) return {};
      reported_[kRetriesParameter] = static_cast<std::uint8_t>(text.toUInt());  // as for the number
      return {kRetriesParameter, params::Entry(*keys), 100};
    }
    case kOptionBoxes: {
      // The boxes come back with the panel's next report of the tab.
      tabs_->boxes()->setBoxesEnabled(false);
      const std::uint8_t parameter = tabs_->shownParameter();
      const panel::FrameBytes keys = tabs_->boxes()->toggleEntry(reported_[parameter]);
      return {parameter, keys, OptionTogglePauseMs(keys)};
    }
    default:
      return {};
  }
}

}  // namespace editors
