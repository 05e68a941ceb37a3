#include "editors/CHolydayDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/parameters/ParamCodec.h"
#include "editors/Pickers.h"

namespace editors {

namespace {

constexpr std::uint8_t kHoliday = 0xAA;

// 7A DD MM YY 11
panel::FrameBytes DateEntry(int day, int month, int year) {
  return params::Entry(params::TwoDigitKeys(
      {static_cast<std::uint32_t>(day), static_cast<std::uint32_t>(month), static_cast<std::uint32_t>(year % 100)}));
}

}  // namespace

CHolydayDlg::CHolydayDlg(QWidget* parent) : EditorDialog(parent), apply_(new QPushButton(tr("Apply"), this)) {
  setWindowTitle(tr("Holydays"));
  auto* grid = new QGridLayout;
  QWidget* previous = nullptr;
  for (int i = 0; i < kHolidays; ++i) {
    auto* box = new QCheckBox(tr("Holiday %1").arg(i + 1), this);
    auto* picker = new QDateEdit(QDate::currentDate(), this);
    box->setObjectName(QStringLiteral("holiday%1").arg(i + 1));
    picker->setObjectName(QStringLiteral("date%1").arg(i + 1));
    // The panel keeps two digits of the year.
    picker->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    picker->setCalendarPopup(true);
    ShowWholeDates(picker);
    picker->setAccessibleName(box->text());
    box->setEnabled(false);
    picker->setEnabled(false);
    grid->addWidget(box, i, 0);
    grid->addWidget(picker, i, 1);
    if (previous) setTabOrder(previous, box);
    setTabOrder(box, picker);
    previous = picker;
    boxes_[static_cast<std::size_t>(i)] = box;
    pickers_[static_cast<std::size_t>(i)] = picker;
    // Once the user picks a date, the panel's numbers are no longer what the first date stands for.
    connect(picker, &QDateEdit::dateChanged, picker, [picker](QDate date) {
      if (date != picker->minimumDate()) picker->setSpecialValueText(QString());
    });
    connect(box, &QCheckBox::clicked, this, [this] {
      for (int n = 0; n < kHolidays; ++n)
        pickers_[static_cast<std::size_t>(n)]->setEnabled(boxes_[static_cast<std::size_t>(n)]->isChecked());
    });
  }
  apply_->setObjectName(QStringLiteral("apply"));
  setTabOrder(previous, apply_);
  apply_->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(apply_, 0, Qt::AlignRight);

  connect(apply_, &QPushButton::clicked, this, &CHolydayDlg::apply);
  connect(&loadTimer_, &platform::OneShotTimer::timeout, this, &CHolydayDlg::load);
}

void CHolydayDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  loadTimer_.start(10);
}

void CHolydayDlg::load() {
  loadTimer_.stop();
  panel::FrameBytes requests;
  for (int n = 1; n <= kHolidays; ++n) requests.append(panel::ParamReadRequest(kHoliday, static_cast<std::uint8_t>(n)));
  send(requests);
}

void CHolydayDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->type != params::kDateReply || reply->parameter != kHoliday || !reply->entity) return;
  const int n = *reply->entity;
  if (n < 1 || n > kHolidays) return;
  const auto slot = static_cast<std::size_t>(n - 1);
  if (marks_.consume(kHoliday, static_cast<std::uint8_t>(n))) return;
  // The bytes themselves: the reply's one number would fold a day or month
  // of 100 and more into another date.
  const Date reported{frame[2], frame[3], 2000 + frame[4]};
  const bool set = reported.day != 0 && reported.month != 0 && reported.year != 2000;
  QCheckBox* box = boxes_[slot];
  QDateEdit* picker = pickers_[slot];
  box->setEnabled(true);
  box->setChecked(set);
  picker->setEnabled(set);
  cached_[slot] = set ? reported : Date{};
  shown_[slot] = QDate();
  if (!set) return;
  const QDate date(reported.year, reported.month, reported.day);
  if (date.isValid() && date >= picker->minimumDate() && date <= picker->maximumDate()) {
    picker->setSpecialValueText(QString());
    picker->setDate(date);
  } else {
    // No picker shows 31 February or month 13: the panel's own numbers
    // stand in the first date's place until the user picks a date.
    picker->setSpecialValueText(
        tr("day %1, month %2, year %3").arg(reported.day).arg(reported.month).arg(reported.year));
    picker->setDate(picker->minimumDate());
  }
  // Apply writes only what the user changed, never a date it could not show.
  shown_[slot] = picker->date();
}

void CHolydayDlg::apply() {
  panel::FrameBytes pieces;
  for (int i = 0; i < kHolidays; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const auto n = static_cast<std::uint8_t>(i + 1);
    if (!boxes_[slot]->isChecked()) {
      if (cached_[slot].empty()) continue;
      marks_.appendWrite(pieces, kHoliday, n, DateEntry(0, 0, 0));
      cached_[slot] = {};
    } else {
      const QDate date = pickers_[slot]->date();
      if (date == shown_[slot]) continue;
      pickers_[slot]->setEnabled(false);
      marks_.appendWrite(pieces, kHoliday, n, DateEntry(date.day(), date.month(), date.year()));
      // Apply again without a change sends nothing.
      cached_[slot] = {date.day(), date.month(), date.year()};
      shown_[slot] = date;
    }
  }
  if (!pieces.empty()) send(pieces);
}

}  // namespace editors
