#include "editors/CClockDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "core/keypad/PanelStatusText.h"
#include "core/parameters/ParamCodec.h"
#include "editors/Pickers.h"

namespace editors {

namespace {

constexpr std::uint8_t kClock = 0x1A;  // entities 1 time, 2 day of week, 3 date, 4 daylight saving on
constexpr std::uint8_t kSunday = 0x1B;
constexpr std::uint8_t kMonth = 0x1C;
constexpr std::uint8_t kHour = 0x1D;
constexpr std::uint8_t kDaylightSaving = 4;
// Key 1 toggles option 1: the bit that says daylight saving is on.
constexpr std::uint8_t kEnableBit = 0x01;
// A list's cache when the panel reported a value the list does not hold.
constexpr int kNoEntry = -1;
constexpr std::uint8_t kPanelClockFrame = 0x54;

struct ListInfo {
  std::uint8_t parameter;
  std::uint8_t entity;  // 1 start, 2 finish
};
// In the order of CClockDlg::List.
constexpr ListInfo kLists[] = {{kSunday, 1}, {kSunday, 2}, {kMonth, 1}, {kMonth, 2}, {kHour, 1}, {kHour, 2}};

int ListOf(std::uint8_t parameter, std::uint8_t entity) {
  for (int i = 0; i < CClockDlg::kListCount; ++i)
    if (kLists[i].parameter == parameter && kLists[i].entity == entity) return i;
  return -1;
}

// The list entry of a reported value: Sunday and month count from 1, hours from 0.
std::optional<int> IndexOf(std::uint8_t parameter, std::uint32_t value) {
  switch (parameter) {
    case kSunday: return value >= 1 && value <= 5 ? std::optional<int>(static_cast<int>(value) - 1) : std::nullopt;
    case kMonth: return value >= 1 && value <= 12 ? std::optional<int>(static_cast<int>(value) - 1) : std::nullopt;
    default: return value <= 23 ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
  }
}

std::vector<std::uint8_t> KeysOf(std::uint8_t parameter, int index) {
  switch (parameter) {
    case kSunday: return params::DecimalKeys(static_cast<std::uint32_t>(index + 1));
    case kMonth: return params::DecimalKeys(static_cast<std::uint32_t>(index + 1), 2);
    default: return params::DecimalKeys(static_cast<std::uint32_t>(index), 2);
  }
}

// The clock's own writes: their reads' replies are no list's, so nothing is marked.
panel::FrameBytes ClockWrite(std::uint8_t entity, const std::vector<std::uint8_t>& keys) {
  panel::FrameBytes write = panel::ParamReadRequest(kClock, entity);
  write.append(params::Entry(keys));
  return write;
}

std::uint32_t Part(int number) { return static_cast<std::uint32_t>(number); }

QComboBox* NumberList(const char* name, int first, int last, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
  list->setCurrentIndex(-1);
  list->setEnabled(false);
  return list;
}

}  // namespace

CClockDlg::CClockDlg(QWidget* parent)
    : EditorDialog(parent),
      date_(new QDateEdit(QDate::currentDate(), this)),
      time_(new QTimeEdit(QTime::currentTime(), this)),
      synchronize_(new QPushButton(tr("Synchronize"), this)),
      panelTime_(new QLineEdit(this)),
      enable_(new QCheckBox(tr("Enable"), this)),
      apply_(new QPushButton(tr("Apply"), this)) {
  setWindowTitle(tr("Clock setting"));
  date_->setObjectName(QStringLiteral("date"));
  time_->setObjectName(QStringLiteral("time"));
  synchronize_->setObjectName(QStringLiteral("synchronize"));
  panelTime_->setObjectName(QStringLiteral("panelTime"));
  enable_->setObjectName(QStringLiteral("enable"));
  apply_->setObjectName(QStringLiteral("apply"));

  // The panel keeps two digits of the year.
  date_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
  date_->setCalendarPopup(true);
  ShowWholeDates(date_);
  SelectSectionOnClick(time_);
  date_->setAccessibleName(tr("Date"));
  time_->setAccessibleName(tr("Time"));
  panelTime_->setReadOnly(true);
  auto* panelTimeLabel = new QLabel(tr("AS time:"), this);
  panelTimeLabel->setBuddy(panelTime_);

  auto* timeBox = new QGroupBox(tr("Time:"), this);
  auto* timeGrid = new QGridLayout(timeBox);
  timeGrid->addWidget(date_, 0, 0);
  timeGrid->addWidget(time_, 0, 1);
  timeGrid->addWidget(synchronize_, 0, 2);
  timeGrid->addWidget(panelTimeLabel, 1, 0);
  timeGrid->addWidget(panelTime_, 1, 1, 1, 2);

  auto* savingBox = new QGroupBox(tr("Daylight saving:"), this);
  auto* grid = new QGridLayout(savingBox);
  grid->addWidget(enable_, 0, 0);
  grid->addWidget(new QLabel(tr("Start:"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Finish:"), this), 0, 2);
  lists_[StartHour] = NumberList("startHour", 0, 23, this);
  lists_[FinishHour] = NumberList("finishHour", 0, 23, this);
  lists_[StartSunday] = NumberList("startSunday", 1, 5, this);
  lists_[FinishSunday] = NumberList("finishSunday", 1, 5, this);
  lists_[StartMonth] = NumberList("startMonth", 1, 12, this);
  lists_[FinishMonth] = NumberList("finishMonth", 1, 12, this);
  const std::pair<QString, std::pair<List, List>> rows[] = {
      {tr("Hour:"), {StartHour, FinishHour}},
      {tr("Sunday:"), {StartSunday, FinishSunday}},
      {tr("Month:"), {StartMonth, FinishMonth}},
  };
  QWidget* previous = enable_;
  for (int row = 0; row < 3; ++row) {
    const auto& [text, pair] = rows[row];
    auto* label = new QLabel(text, this);
    label->setBuddy(lists_[pair.first]);
    lists_[pair.first]->setAccessibleName(tr("Start") + QLatin1Char(' ') + text);
    lists_[pair.second]->setAccessibleName(tr("Finish") + QLatin1Char(' ') + text);
    grid->addWidget(label, row + 1, 0);
    grid->addWidget(lists_[pair.first], row + 1, 1);
    grid->addWidget(lists_[pair.second], row + 1, 2);
    setTabOrder(previous, lists_[pair.first]);
    setTabOrder(lists_[pair.first], lists_[pair.second]);
    previous = lists_[pair.second];
  }
  grid->addWidget(apply_, 4, 2);
  setTabOrder(previous, apply_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(timeBox);
  layout->addWidget(savingBox);
  synchronize_->setAutoDefault(false);
  apply_->setAutoDefault(false);

  connect(synchronize_, &QPushButton::clicked, this, &CClockDlg::synchronize);
  connect(enable_, &QCheckBox::clicked, this, [this](bool checked) { setListsEnabled(checked); });
  connect(apply_, &QPushButton::clicked, this, &CClockDlg::apply);
  connect(&loadTimer_, &platform::OneShotTimer::timeout, this, &CClockDlg::load);
}

QString CClockDlg::panelTimeText() const { return panelTime_->text(); }

void CClockDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  loadTimer_.start(100);
}

void CClockDlg::setListsEnabled(bool enabled) {
  for (QComboBox* list : lists_) list->setEnabled(enabled);
}

void CClockDlg::load() {
  loadTimer_.stop();
  panel::FrameBytes requests;
  for (const ListInfo& list : {kLists[StartSunday], kLists[StartMonth], kLists[StartHour], kLists[FinishSunday],
                               kLists[FinishMonth], kLists[FinishHour]})
    requests.append(panel::ParamReadRequest(list.parameter, list.entity));
  requests.append(panel::ParamReadRequest(kClock, kDaylightSaving));
  send(requests);
}

void CClockDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  if (length > 0 && frame[0] == kPanelClockFrame) {
    if (const auto text = console::PanelClockText(frame, length)) panelTime_->setText(QString::fromStdString(*text));
    return;
  }
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || !reply->entity) return;
  if (reply->type == params::kByteReply) showListReply(reply->parameter, *reply->entity, reply->number);
  if (reply->type == params::kOptionByteReply && reply->parameter == kClock && *reply->entity == kDaylightSaving)
    showEnableReply(reply->number);
}

void CClockDlg::showListReply(std::uint8_t parameter, std::uint8_t entity, std::uint32_t value) {
  const int list = ListOf(parameter, entity);
  if (list < 0) return;
  const auto slot = static_cast<std::size_t>(list);
  if (marks_.consume(parameter, entity)) return;
  // Zero (and anything the list does not hold) selects nothing, but it is
  // what the panel holds: whatever the user then chooses differs from it.
  const std::optional<int> index = IndexOf(parameter, value);
  cached_[slot] = index.value_or(kNoEntry);
  if (!listsStopped_) lists_[slot]->setCurrentIndex(cached_[slot].value());
}

void CClockDlg::showEnableReply(std::uint32_t value) {
  if (marks_.consume(kClock, kDaylightSaving)) return;
  if (!enableShown_) {
    enableShown_ = true;
    enable_->setChecked((value & kEnableBit) != 0);
  }
  cachedEnable_ = static_cast<std::uint8_t>(value);
  setListsEnabled(enable_->isChecked());
}

void CClockDlg::synchronize() {
  const QDate date = date_->date();
  const QTime time = time_->time();
  panel::FrameBytes pieces = ClockWrite(1, params::TwoDigitKeys({Part(time.hour()), Part(time.minute())}));
  // The panel counts the days of the week from Sunday = 1.
  pieces.append(ClockWrite(2, params::DecimalKeys(Part(date.dayOfWeek() % 7 + 1))));
  pieces.append(ClockWrite(3, params::TwoDigitKeys({Part(date.day()), Part(date.month()), Part(date.year() % 100)})));
  send(pieces);
}

void CClockDlg::apply() {
  panel::FrameBytes pieces;
  // Key 1 toggles daylight saving, so it is written only against a reported
  // value, and judged on the bit it toggles: whatever else the byte holds,
  // a second Apply must not toggle it back.
  const bool toggleEnable = cachedEnable_ && (enable_->isChecked() != ((*cachedEnable_ & kEnableBit) != 0));
  if (toggleEnable) {
    marks_.appendWrite(pieces, kClock, kDaylightSaving, params::Entry(std::vector<std::uint8_t>{1}));
    cachedEnable_ = static_cast<std::uint8_t>(*cachedEnable_ ^ kEnableBit);
  }
  if (enable_->isChecked()) {
    for (int list = 0; list < kListCount; ++list) {
      const auto slot = static_cast<std::size_t>(list);
      const int index = lists_[slot]->currentIndex();
      // Nothing is compared with a value the panel never reported.
      if (index < 0 || !cached_[slot] || index == *cached_[slot]) continue;
      marks_.appendWrite(pieces, kLists[list].parameter, kLists[list].entity,
                         params::Entry(KeysOf(kLists[list].parameter, index)));
      cached_[slot] = index;
    }
  }
  if (pieces.empty()) return;
  listsStopped_ = true;
  send(pieces);
}

}  // namespace editors
