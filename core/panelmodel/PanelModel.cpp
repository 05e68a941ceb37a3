#include "core/panelmodel/PanelModel.h"

#include <chrono>
#include <optional>

#include "core/link/PanelFrames.h"

namespace sim {

namespace {
// A full memory, as on a panel that has been in use for a while.
constexpr std::size_t kSeededEvents = EventMemory::kCapacity;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

void AdvanceOneSecond(std::tm& t) {
  if (++t.tm_sec < 60) return;
  t.tm_sec = 0;
  if (++t.tm_min < 60) return;
  t.tm_min = 0;
  if (++t.tm_hour < 24) return;
  t.tm_hour = 0;
  t.tm_wday = (t.tm_wday + 1) % 7;
  if (++t.tm_mday <= DaysInMonth(t.tm_year + 1900, t.tm_mon + 1)) return;
  t.tm_mday = 1;
  if (++t.tm_mon < 12) return;
  t.tm_mon = 0;
  ++t.tm_year;
}

// The number of digit keys, or nothing for another count or a key that is no digit.
std::optional<int> DigitsOf(const std::vector<std::uint8_t>& keys, std::size_t count) {
  if (keys.size() != count) return std::nullopt;
  int n = 0;
  for (const std::uint8_t k : keys) {
    if (k > 9) return std::nullopt;
    n = n * 10 + k;
  }
  return n;
}

// "Output un-mapped".
constexpr std::uint8_t kUnmappedFrame[] = {panel::kDelimiter, 0x15, 0x00, 0x0D, ParameterStore::kUnmap,
                                           panel::kDelimiter};
}  // namespace

PanelModel::PanelModel(FrameSink sendFrame, AlarmPanel::Codes codes)
    : sendFrame_(std::move(sendFrame)), panel_(std::move(codes)) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  localtime_r(&now, &clock_);
  events_.seed(clock_, kSeededEvents);
  events_.observe(panel_, clock_);
}

void PanelModel::send(std::initializer_list<std::uint8_t> frame) {
  send(Bytes(frame.begin(), frame.size()));
}

void PanelModel::send(Bytes frame) {
  if (sendFrame_) sendFrame_(frame);
}

void PanelModel::linkUp() {
  for (auto& frame : lastSent_) frame.clear();
  sendVersion();
  sendClock();
  publishChanges();
}

void PanelModel::tick() {
  AdvanceOneSecond(clock_);
  sendClock();
  panel_.tick();
  publishChanges();
}

void PanelModel::publishChanges() {
  events_.observe(panel_, clock_);
  for (AlarmPanel::Answer answer : panel_.takeAnswers()) {
    const AlarmPanel::Frame frame = panel_.answerFrame(answer);
    send(frame);
    if (answer == AlarmPanel::Answer::Bypassed)
      lastSent_[static_cast<std::size_t>(AlarmPanel::Status::Bypassed)] = frame;
    else if (answer == AlarmPanel::Answer::OutputControl)
      lastSent_[static_cast<std::size_t>(AlarmPanel::Status::OutputControl)] = frame;
  }
  for (AlarmPanel::Status status : AlarmPanel::kAllStatus) {
    AlarmPanel::Frame frame = panel_.statusFrame(status);
    AlarmPanel::Frame& last = lastSent_[static_cast<std::size_t>(status)];
    if (frame == last) continue;
    send(frame);
    last = std::move(frame);
  }
}

void PanelModel::sendVersion() {
  const auto v = static_cast<std::uint16_t>(version_);
  send({panel::kDelimiter, 0x23, 0x07, static_cast<std::uint8_t>(v >> 8),
        static_cast<std::uint8_t>(v & 0xFF), 0, 0, 0, 0, build_, panel::kDelimiter});
}

void PanelModel::sendClock() {
  const int minutes = clock_.tm_hour * 60 + clock_.tm_min;
  send({panel::kDelimiter, 0x54, 0x00, static_cast<std::uint8_t>(minutes >> 8),
        static_cast<std::uint8_t>(minutes & 0xFF), static_cast<std::uint8_t>(clock_.tm_sec),
        static_cast<std::uint8_t>(clock_.tm_mday), static_cast<std::uint8_t>(clock_.tm_mon + 1),
        static_cast<std::uint8_t>(clock_.tm_year - 100), panel::kDelimiter});
}

void PanelModel::receive(Bytes bytes) { reader_.feed(bytes, *this); }

void PanelModel::pcFrame(Bytes frame) {
  if (onMessage) onMessage(frame);
  handleFrame(frame.subspan(1, frame.size() - 2));
}

void PanelModel::pcKey(std::uint8_t key) { handleKey(key); }

void PanelModel::pcKeysTaken(Bytes keys) {
  if (onMessage) onMessage(keys);
}

void PanelModel::handleFrame(Bytes frame) {
  if (frame.empty()) return;
  if (frame[0] == panel::kTypeLeaveProgram) {
    panel_.leaveProgramMode();
    diagnostics_.forget();
    publishChanges();
  } else if (frame[0] == panel::kTypeKey && frame.size() >= 3 && frame[1] == panel::kPcMarker) {
    handleKey(frame[2]);
  } else if (frame[0] == panel::kTypeNextEvent && frame.size() >= 3 && frame[1] == panel::kPcMarker) {
    if (const auto record = events_.nextAfter(frame[2])) send(*record);
  } else if (frame[0] == panel::kTypeParamRead && frame.size() >= 6 && frame[1] == panel::kPcMarker &&
             panel_.programMode()) {
    const std::uint8_t parameter = frame[3];
    const std::uint8_t entity = frame[5];
    const auto diagnostic = diagnostics_.read(parameter, entity, panel_, version_, clock_);
    // Every read positions the parameters, diagnostics included.
    const auto reply = panel_.parameters().read(parameter, entity);
    if (diagnostic)
      send(*diagnostic);
    else if (reply)
      send(*reply);
  }
}

void PanelModel::handleKey(std::uint8_t key) {
  if (panel_.programMode()) {
    if (const auto action = diagnostics_.key(key)) PanelDiagnostics::CarryOut(*action, panel_, events_, clock_);
    if (const auto entry = panel_.parameters().key(key)) carryOut(*entry);
  }
  if (key == panel::key::kEventReview) {
    if (const auto record = events_.startReview()) send(*record);
  }
  panel_.pressKey(key);
  publishChanges();
}

void PanelModel::carryOut(const ParameterStore::Entry& entry) {
  if (entry.parameter == ParameterStore::kUnmap) {
    // ENTER alone confirms; any other entry is no answer to "un-map?".
    if (entry.keys.empty() && panel_.parameters().unmapOutput(entry.entity)) send(kUnmappedFrame);
  } else if (entry.parameter == ParameterStore::kClock) {
    if (setClockFrom(entry)) sendClock();
  }
}

bool PanelModel::setClockFrom(const ParameterStore::Entry& entry) {
  switch (entry.entity) {
    case 1: {  // HH MM
      const std::optional<int> hhmm = DigitsOf(entry.keys, 4);
      if (!hhmm || *hhmm / 100 > 23 || *hhmm % 100 > 59) return false;
      clock_.tm_hour = *hhmm / 100;
      clock_.tm_min = *hhmm % 100;
      clock_.tm_sec = 0;
      return true;
    }
    case 2: {  // 1 = Sunday .. 7 = Saturday
      const std::optional<int> day = DigitsOf(entry.keys, 1);
      if (!day || *day < 1 || *day > 7) return false;
      clock_.tm_wday = *day - 1;
      return true;
    }
    case 3: {  // DD MM YY
      const std::optional<int> ddmmyy = DigitsOf(entry.keys, 6);
      if (!ddmmyy) return false;
      const int day = *ddmmyy / 10000;
      const int month = *ddmmyy / 100 % 100;
      const int year = 2000 + *ddmmyy % 100;
      if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
      clock_.tm_mday = day;
      clock_.tm_mon = month - 1;
      clock_.tm_year = year - 1900;
      return true;
    }
    default: return false;
  }
}

}  // namespace sim
