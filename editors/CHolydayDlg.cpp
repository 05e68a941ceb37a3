#include "editors/CHolydayDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/parameters/ParamCodec.h"

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
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setCalendarPopup(true);
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
  const int day = static_cast<int>(reply->number % 100);
  const int month = static_cast<int>(reply->number / 100 % 100);
  const int yearByte = static_cast<int>(reply->number / 10000);
  const bool set = day != 0 && month != 0 && yearByte != 0;
  QCheckBox* box = boxes_[slot];
  QDateEdit* picker = pickers_[slot];
  box->setEnabled(true);
  box->setChecked(set);
  picker->setEnabled(set);
  if (set) {
    // A day past the month's end shows as its last day.
    const QDate first(2000 + yearByte, month, 1);
    if (first.isValid()) picker->setDate(first.addDays(std::min(day, first.daysInMonth()) - 1));
  }
  // The cache holds what is shown, so Apply writes only what the user
  // changed, never a date the panel holds in a form no picker can show.
  const QDate shown = picker->date();
  cached_[slot] = set ? Date{shown.day(), shown.month(), shown.year()} : Date{};
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
      const Date wanted{date.day(), date.month(), date.year()};
      if (wanted == cached_[slot]) continue;
      pickers_[slot]->setEnabled(false);
      marks_.appendWrite(pieces, kHoliday, n, DateEntry(wanted.day, wanted.month, wanted.year));
      // Apply again without a change sends nothing.
      cached_[slot] = wanted;
    }
  }
  if (!pieces.empty()) send(pieces);
}

}  // namespace editors
