#include "editors/CTimeZoneDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"
#include "editors/EntityNumberField.h"
#include "core/parameters/ParamCodec.h"
#include "editors/Pickers.h"

namespace editors {

namespace {

constexpr std::uint8_t kDays = 0xAB;
constexpr std::uint8_t kStart = 0xAC;
constexpr std::uint8_t kEnd = 0xAD;
constexpr std::uint8_t kTimeZoneOptions = 0xAE;  // bit 0 "Ignore Holidays"


}  // namespace

CTimeZoneDlg::CTimeZoneDlg(QWidget* parent)
    : EditorDialog(parent),
      zone_(new EntityNumberField(1, 8, 1, this)),
      start_(new QTimeEdit(this)),
      end_(new QTimeEdit(this)),
      ignoreHolidays_(new QCheckBox(tr("Ignore Holidays"), this)),
      days_(new CheckBoxRow(Qt::Vertical, this)),
      apply_(new QPushButton(tr("Apply"), this)) {
  setWindowTitle(tr("Time Zone"));
  zone_->field()->setObjectName(QStringLiteral("timeZone"));
  start_->setObjectName(QStringLiteral("start"));
  end_->setObjectName(QStringLiteral("end"));
  ignoreHolidays_->setObjectName(QStringLiteral("ignoreHolidays"));
  days_->setObjectName(QStringLiteral("day"));
  apply_->setObjectName(QStringLiteral("apply"));

  auto* zoneBox = new QGroupBox(tr("Time zone:"), this);
  (new QVBoxLayout(zoneBox))->addWidget(zone_);
  zone_->field()->setAccessibleName(tr("Time zone"));

  auto* times = new QGridLayout;
  const std::pair<QString, QTimeEdit*> pickers[] = {{tr("Start:"), start_}, {tr("End:"), end_}};
  for (int row = 0; row < 2; ++row) {
    QTimeEdit* picker = pickers[row].second;
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    SelectSectionOnClick(picker);
    picker->setEnabled(false);
    auto* label = new QLabel(pickers[row].first, this);
    label->setBuddy(picker);
    times->addWidget(label, row, 0);
    times->addWidget(picker, row, 1);
  }
  ignoreHolidays_->setEnabled(false);

  auto* daysBox = new QGroupBox(tr("Active days:"), this);
  (new QVBoxLayout(daysBox))->addWidget(days_);
  days_->setLabels(params::kTimeZoneDayTexts);
  days_->setBoxesEnabled(false);
  apply_->setAutoDefault(false);

  auto* left = new QVBoxLayout;
  left->addWidget(zoneBox);
  left->addLayout(times);
  left->addWidget(ignoreHolidays_);
  left->addStretch();
  left->addWidget(apply_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addWidget(daysBox);

  setTabOrder(zone_->field(), start_);
  setTabOrder(start_, end_);
  setTabOrder(end_, ignoreHolidays_);
  setTabOrder(ignoreHolidays_, days_->box(0));
  setTabOrder(days_->box(7), apply_);

  connect(zone_, &EntityNumberField::changed, this, &CTimeZoneDlg::zoneChanged);
  connect(apply_, &QPushButton::clicked, this, &CTimeZoneDlg::apply);
  zone_->setSettleTime(500);
  connect(zone_, &EntityNumberField::settled, this, &CTimeZoneDlg::load);
}

void CTimeZoneDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  zone_->setText(QStringLiteral("1"));
  zone_->settleIn(1);
}

void CTimeZoneDlg::zoneChanged() {
  days_->setBoxesEnabled(false);
  start_->setEnabled(false);
  end_->setEnabled(false);
  ignoreHolidays_->setEnabled(false);
}

void CTimeZoneDlg::load() {
  const std::optional<int> zone = zone_->take(tr("Time zone number is invalid"), false);
  if (!zone) return;
  current_ = static_cast<std::uint8_t>(*zone);
  // A mark left by a write that was never answered must not hide this load's replies.
  marks_.clear();
  panel::FrameBytes requests;
  for (const std::uint8_t parameter : {kDays, kStart, kEnd, kTimeZoneOptions})
    requests.append(panel::ParamReadRequest(parameter, current_));
  send(requests);
}

void CTimeZoneDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->entity != current_) return;
  const bool optionByte = reply->type == params::kOptionByteReply;
  const bool time = reply->type == params::kTimeReply || reply->type == params::kWordReply;
  const std::uint8_t p = reply->parameter;
  if (!((optionByte && (p == kDays || p == kTimeZoneOptions)) || (time && (p == kStart || p == kEnd)))) return;
  if (marks_.consume(p, current_)) return;

  switch (p) {
    case kDays:
      cachedDays_ = static_cast<std::uint8_t>(reply->number);
      days_->setBits(cachedDays_);
      days_->setBoxesEnabled(true);
      break;
    case kTimeZoneOptions:
      cachedOptions_ = static_cast<std::uint8_t>(reply->number);
      ignoreHolidays_->setChecked(cachedOptions_ & 0x01);
      ignoreHolidays_->setEnabled(true);
      break;
    case kStart: showTime(start_, shownStart_, reply->number); break;
    case kEnd: showTime(end_, shownEnd_, reply->number); break;
  }
}

void CTimeZoneDlg::showTime(QTimeEdit* picker, QTime& shown, std::uint32_t number) {
  // hour × 100 + minute
  const QTime time(static_cast<int>(number / 100), static_cast<int>(number % 100));
  shown = time.isValid() ? time : QTime(0, 0);
  picker->setTime(shown);
  picker->setEnabled(true);
}

void CTimeZoneDlg::appendTime(panel::FrameBytes& pieces, std::uint8_t parameter, QTimeEdit* picker, QTime& shown) {
  // Against what the picker was given, not what the panel said: a time it
  // cannot show is kept on the panel unless the user picks another.
  const QTime time = picker->time();
  if (!picker->isEnabled() || time == shown) return;
  marks_.appendWrite(pieces, parameter, current_,
                     params::Entry(params::TwoDigitKeys({static_cast<std::uint32_t>(time.hour()),
                                                         static_cast<std::uint32_t>(time.minute())})));
  picker->setEnabled(false);
  shown = time;
}

void CTimeZoneDlg::apply() {
  // Controls still disabled wait for the zone's replies (or were just
  // written) and are left alone. Toggled values move the cache with them,
  // so a second Apply does not toggle back.
  panel::FrameBytes pieces;
  // The box shows bit 0, so it is compared with bit 0, whatever else the byte holds.
  if (ignoreHolidays_->isEnabled() && ignoreHolidays_->isChecked() != ((cachedOptions_ & 0x01) != 0)) {
    const auto toggled = static_cast<std::uint8_t>(cachedOptions_ ^ 0x01);
    marks_.appendWrite(pieces, kTimeZoneOptions, current_, params::ToggleEntry(cachedOptions_, toggled));
    cachedOptions_ = toggled;
  }
  appendTime(pieces, kStart, start_, shownStart_);
  appendTime(pieces, kEnd, end_, shownEnd_);
  if (days_->box(0)->isEnabled()) {
    const panel::FrameBytes keys = days_->toggleEntry(cachedDays_);
    if (!keys.empty()) {
      marks_.appendWrite(pieces, kDays, current_, keys);
      cachedDays_ = days_->bitsOver(cachedDays_);
    }
  }
  if (!pieces.empty()) send(pieces);
}

}  // namespace editors
