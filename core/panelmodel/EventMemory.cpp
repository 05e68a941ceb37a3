#include "core/panelmodel/EventMemory.h"

#include <algorithm>
#include <random>

#include "core/link/PanelFrames.h"
#include "core/panelmodel/AlarmPanel.h"

namespace sim {

namespace {

// Event codes of the texts the PC shows for them.
namespace code {
constexpr std::uint8_t kZoneActivated = 1, kZoneBypassed = 9, kTamperZone = 12, kFireAtKeypad = 21,
                       kPanicAtKeypad = 20, kMedical = 22, kLowBattery = 25, kFuseFailure = 28, kLineFail = 29,
                       kDialerTest = 31, kEnterProgram = 32, kArmedByUser = 39, kStayByUser = 48,
                       kZoneRestored = 54, kZoneReinstated = 62, kTamperReset = 65, kPanicCleared = 73,
                       kFireCleared = 74, kMedicalCleared = 75, kBatteryOk = 78, kFuseOk = 81, kLineOk = 82,
                       kLeftProgram = 84, kDisarmedByUser = 91, kStayDisarmedByUser = 102, kAcFailed = 110,
                       kAcRestored = 111, kClockChangedByPc = 142, kOutputOnByControl = 143,
                       kOutputOffByControl = 144, kRestartUnit = 145;
}  // namespace code

constexpr std::uint8_t kAreas[] = {AlarmPanel::kAreaA, AlarmPanel::kAreaB};
constexpr std::uint8_t kKeypad = 1;
// The panel does not say which code armed it; the master user stands for all.
constexpr std::uint8_t kUser = 1;

bool Rose(unsigned before, unsigned after, unsigned bit) { return !(before & bit) && (after & bit); }
bool Fell(unsigned before, unsigned after, unsigned bit) { return (before & bit) && !(after & bit); }
std::uint8_t AreaNumber(std::uint8_t areaBit) { return areaBit == AlarmPanel::kAreaA ? 1 : 2; }
std::uint8_t AreaOfZone(int zone) { return zone <= 8 ? 1 : 2; }
bool HasDelimiter(std::uint16_t word) { return (word & 0xFF) == panel::kDelimiter || (word >> 8) == panel::kDelimiter; }

// One seeded event: seconds into its day, code, area, number.
struct DayEvent {
  int second;
  std::uint8_t code, area, number;
};

std::vector<DayEvent> OneDay(std::minstd_rand& random, bool weekend, bool testDay) {
  auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
  auto around = [&random](int hour, int minute, int spreadMinutes) {
    return hour * 3600 + minute * 60 + static_cast<int>(random() % static_cast<unsigned>(spreadMinutes * 60));
  };
  const std::uint8_t users[] = {1, 2, 3, 5, 12};
  const auto user = users[random() % std::size(users)];
  const auto zone = static_cast<std::uint8_t>(1 + random() % 16);

  std::vector<DayEvent> day;
  const int opening = weekend ? around(9, 0, 90) : around(7, 20, 30);
  if (chance(8)) {  // someone came in before disarming in time
    day.push_back({opening - 40, code::kZoneActivated, AreaOfZone(zone), zone});
    day.push_back({opening + 200, code::kZoneRestored, AreaOfZone(zone), zone});
  }
  day.push_back({opening, code::kDisarmedByUser, 1, user});
  day.push_back({opening + 5, code::kDisarmedByUser, 2, user});
  if (chance(15)) {
    const std::uint8_t bypassed = 3;
    day.push_back({opening + 600, code::kZoneBypassed, 1, bypassed});
    day.push_back({around(17, 0, 60), code::kZoneReinstated, 1, bypassed});
  }
  if (chance(6)) {
    const int failed = around(11, 0, 240);
    day.push_back({failed, code::kAcFailed, 0, 1});
    day.push_back({failed + 1200 + static_cast<int>(random() % 3600), code::kAcRestored, 0, 1});
  }
  if (chance(4)) {
    const int failed = around(13, 0, 120);
    day.push_back({failed, code::kLineFail, 0, 0});
    day.push_back({failed + 900, code::kLineOk, 0, 0});
  }
  if (chance(3)) {
    const int low = around(4, 0, 60);
    day.push_back({low, code::kLowBattery, 0, 1});
    day.push_back({low + 7200, code::kBatteryOk, 0, 1});
  }
  if (chance(3)) {
    day.push_back({around(14, 0, 60), code::kTamperZone, AreaOfZone(zone), zone});
    day.push_back({around(15, 30, 30), code::kTamperReset, AreaOfZone(zone), zone});
  }
  if (chance(4)) {  // the installer's visit
    const int visit = around(10, 0, 120);
    day.push_back({visit, code::kEnterProgram, 0, 0});
    if (chance(50)) day.push_back({visit + 300, code::kClockChangedByPc, 0, 0});
    day.push_back({visit + 1500, code::kLeftProgram, 0, 0});
  }
  if (testDay) day.push_back({around(2, 0, 10), code::kDialerTest, 0, 0});
  if (chance(10)) day.push_back({around(0, 0, 24 * 60 - 1), EventMemory::kHiddenCode, 0, 0});
  const int closing = weekend ? around(20, 0, 120) : around(18, 0, 60);
  if (weekend && chance(50)) {
    day.push_back({closing, code::kStayByUser, 1, user});
  } else {
    day.push_back({closing, code::kArmedByUser, 1, user});
    day.push_back({closing + 5, code::kArmedByUser, 2, user});
  }
  std::erase_if(day, [](const DayEvent& e) { return e.second < 0 || e.second >= 24 * 3600; });
  std::stable_sort(day.begin(), day.end(), [](const DayEvent& a, const DayEvent& b) { return a.second < b.second; });
  return day;
}

}  // namespace

std::uint16_t EventMemory::EncodeTime(int hour, int minute, int second) {
  // The panel counts 1.875 s steps: fifteen two-second units take sixteen steps.
  const int units = hour * 1800 + minute * 30 + second / 2;
  int t = units + units / 15;
  while (t - t / 16 < units) ++t;
  while (t > 0 && t - t / 16 > units) --t;
  // A moment later rather than a record the PC cannot read.
  if ((t & 0xFF) == panel::kDelimiter) ++t;
  if ((t >> 8) == panel::kDelimiter) t = (panel::kDelimiter + 1) << 8;
  return static_cast<std::uint16_t>(t);
}

std::uint16_t EventMemory::EncodeDate(int year, int month, int day) {
  return static_cast<std::uint16_t>(((year - 2000) & 0x7F) << 9 | (month & 0x0F) << 5 | (day & 0x1F));
}

EventMemory::Frame EventMemory::RecordFrame(const Event& e) {
  return {panel::kDelimiter,
          0x20,
          panel::kPcMarker,
          e.index,
          e.code,
          static_cast<std::uint8_t>(e.time >> 8),
          static_cast<std::uint8_t>(e.time & 0xFF),
          static_cast<std::uint8_t>(e.date >> 8),
          static_cast<std::uint8_t>(e.date & 0xFF),
          e.area,
          e.number,
          panel::kDelimiter};
}

void EventMemory::append(Event event) {
  event.index = nextIndex_;
  nextIndex_ = static_cast<std::uint8_t>(nextIndex_ + 1);
  if (nextIndex_ == panel::kDelimiter) nextIndex_ = static_cast<std::uint8_t>(nextIndex_ + 1);
  if (events_.size() >= kCapacity) events_.pop_front();
  events_.push_back(event);
}

void EventMemory::record(std::uint8_t eventCode, const std::tm& when, std::uint8_t area, std::uint8_t number) {
  // Codes and numbers never reach 0x7E except the code of "output on by
  // user", which this panel does not log; the date of two days a year
  // (30 March and 30 November) does, and goes out as it is.
  append({0, eventCode, EncodeTime(when.tm_hour, when.tm_min, when.tm_sec),
          EncodeDate(when.tm_year + 1900, when.tm_mon + 1, when.tm_mday), area, number});
}

void EventMemory::clear() { events_.clear(); }

void EventMemory::seed(const std::tm& now, std::size_t count, std::uint32_t seedValue) {
  std::minstd_rand random(seedValue == 0 ? 1 : seedValue);
  // Room for the two events of the restart at the end.
  const std::size_t history = count > 2 ? count - 2 : 0;
  const int nowSecond = now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec;
  // Walk back day by day until there are enough events, then log them oldest first.
  std::vector<std::pair<std::tm, std::vector<DayEvent>>> days;
  std::size_t total = 0;
  for (int back = 0; total < history && back < 3660; ++back) {
    std::tm day = now;
    day.tm_mday -= back;
    day.tm_hour = 12;  // clear of daylight-saving edges while normalising
    day.tm_isdst = -1;
    std::mktime(&day);
    std::vector<DayEvent> events = OneDay(random, day.tm_wday == 0 || day.tm_wday == 6, day.tm_wday == 1);
    if (back == 0) std::erase_if(events, [nowSecond](const DayEvent& e) { return e.second > nowSecond; });
    // Days whose date word holds the delimiter stay quiet in the seeded history.
    if (HasDelimiter(EncodeDate(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday))) continue;
    // After a night in stay mode only area A is set, and the next morning
    // unsets it from stay.
    const bool stayNight = std::any_of(events.begin(), events.end(),
                                       [](const DayEvent& e) { return e.code == code::kStayByUser; });
    if (stayNight && !days.empty()) {
      std::vector<DayEvent>& morning = days.back().second;
      const std::size_t before = morning.size();
      std::erase_if(morning, [](const DayEvent& e) { return e.code == code::kDisarmedByUser && e.area != 1; });
      for (DayEvent& e : morning)
        if (e.code == code::kDisarmedByUser) e.code = code::kStayDisarmedByUser;
      total -= before - morning.size();
    }
    total += events.size();
    days.emplace_back(day, std::move(events));
  }
  std::size_t skip = total > history ? total - history : 0;
  for (auto it = days.rbegin(); it != days.rend(); ++it) {
    for (const DayEvent& e : it->second) {
      if (skip > 0) {
        --skip;
        continue;
      }
      std::tm when = it->first;
      when.tm_hour = e.second / 3600;
      when.tm_min = e.second / 60 % 60;
      when.tm_sec = e.second % 60;
      record(e.code, when, e.area, e.number);
    }
  }
  // The panel was just switched on: its own bookkeeping, then the restart.
  record(kHiddenCode, now);
  record(code::kRestartUnit, now);
}

void EventMemory::observe(const AlarmPanel& panel, const std::tm& now) {
  Snapshot after;
  after.armed = panel.armedAreas();
  after.stay = panel.stayAreas();
  after.outputs = panel.outputs();
  after.troubles = panel.troubles();
  after.alarm = panel.alarmZones();
  after.bypassed = panel.bypassedZones();
  after.tampered = panel.tamperedZones();
  after.programMode = panel.programMode();
  after.fire = panel.fireAlarm();
  after.medical = panel.medicalAlarm();
  after.panic = panel.panicAlarm();
  if (seen_) noteChanges(*seen_, after, now);
  seen_ = after;
}

void EventMemory::noteChanges(const Snapshot& before, const Snapshot& after, const std::tm& now) {
  auto log = [this, &now](std::uint8_t eventCode, std::uint8_t area, std::uint8_t number) {
    record(eventCode, now, area, number);
  };
  for (std::uint8_t area : kAreas) {
    if (Fell(before.armed, after.armed, area)) log(code::kDisarmedByUser, AreaNumber(area), kUser);
    if (Fell(before.stay, after.stay, area)) log(code::kStayDisarmedByUser, AreaNumber(area), kUser);
  }
  for (std::uint8_t area : kAreas) {
    if (Rose(before.armed, after.armed, area)) log(code::kArmedByUser, AreaNumber(area), kUser);
    if (Rose(before.stay, after.stay, area)) log(code::kStayByUser, AreaNumber(area), kUser);
  }
  for (int zone = 1; zone <= AlarmPanel::kZones; ++zone) {
    const unsigned bit = 1u << (zone - 1);
    const auto number = static_cast<std::uint8_t>(zone);
    if (Rose(before.alarm, after.alarm, bit)) log(code::kZoneActivated, AreaOfZone(zone), number);
    if (Fell(before.alarm, after.alarm, bit)) log(code::kZoneRestored, AreaOfZone(zone), number);
    if (Rose(before.bypassed, after.bypassed, bit)) log(code::kZoneBypassed, AreaOfZone(zone), number);
    if (Fell(before.bypassed, after.bypassed, bit)) log(code::kZoneReinstated, AreaOfZone(zone), number);
    if (Rose(before.tampered, after.tampered, bit)) log(code::kTamperZone, AreaOfZone(zone), number);
    if (Fell(before.tampered, after.tampered, bit)) log(code::kTamperReset, AreaOfZone(zone), number);
  }
  const struct {
    unsigned bit;
    std::uint8_t raised, cleared;
  } troubles[] = {{AlarmPanel::kBattery, code::kLowBattery, code::kBatteryOk},
                  {AlarmPanel::kPower, code::kAcFailed, code::kAcRestored},
                  {AlarmPanel::kFuse, code::kFuseFailure, code::kFuseOk},
                  {AlarmPanel::kLine, code::kLineFail, code::kLineOk}};
  for (const auto& trouble : troubles) {
    if (Rose(before.troubles, after.troubles, trouble.bit)) log(trouble.raised, 0, 1);
    if (Fell(before.troubles, after.troubles, trouble.bit)) log(trouble.cleared, 0, 1);
  }
  if (!before.programMode && after.programMode) log(code::kEnterProgram, 0, 0);
  if (before.programMode && !after.programMode) log(code::kLeftProgram, 0, 0);
  const struct {
    bool was, is;
    std::uint8_t raised, cleared;
  } keyAlarms[] = {{before.fire, after.fire, code::kFireAtKeypad, code::kFireCleared},
                   {before.medical, after.medical, code::kMedical, code::kMedicalCleared},
                   {before.panic, after.panic, code::kPanicAtKeypad, code::kPanicCleared}};
  for (const auto& alarm : keyAlarms) {
    if (!alarm.was && alarm.is) log(alarm.raised, 0, kKeypad);
    if (alarm.was && !alarm.is) log(alarm.cleared, 0, kKeypad);
  }
  // The bell follows the alarms above; the other outputs are switched by hand.
  for (int output = AlarmPanel::kBellOutput + 1; output <= AlarmPanel::kOutputs; ++output) {
    const unsigned bit = 1u << (output - 1);
    if (Rose(before.outputs, after.outputs, bit)) log(code::kOutputOnByControl, 0, static_cast<std::uint8_t>(output));
    if (Fell(before.outputs, after.outputs, bit)) log(code::kOutputOffByControl, 0, static_cast<std::uint8_t>(output));
  }
}

std::optional<EventMemory::Frame> EventMemory::startReview() const {
  if (events_.empty()) return std::nullopt;
  return RecordFrame(events_.back());
}

std::optional<EventMemory::Frame> EventMemory::nextAfter(std::uint8_t index) const {
  const auto it = std::find_if(events_.begin(), events_.end(), [index](const Event& e) { return e.index == index; });
  if (it == events_.end() || it == events_.begin()) return std::nullopt;
  return RecordFrame(*std::prev(it));
}

}  // namespace sim
