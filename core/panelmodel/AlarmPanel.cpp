#include "core/panelmodel/AlarmPanel.h"

#include "core/link/PanelFrames.h"

namespace sim {
namespace {

constexpr std::uint16_t kAreaAZones = 0x00FF;
constexpr std::uint16_t kAreaBZones = 0xFF00;
// Bypass and output lists are longer than codes: two digits per zone.
constexpr std::size_t kMaxListDigits = 2 * AlarmPanel::kZones;

constexpr std::uint16_t ZoneBit(int zone) { return static_cast<std::uint16_t>(1u << (zone - 1)); }
constexpr bool ValidZone(int zone) { return zone >= 1 && zone <= AlarmPanel::kZones; }
constexpr std::uint8_t Low(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
constexpr std::uint8_t High(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }

std::string Numbers(unsigned mask, int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    if (mask & (1u << i)) text += (text.empty() ? "" : " ") + std::to_string(i + 1);
  return text.empty() ? "-" : text;
}

std::string Areas(std::uint8_t mask) {
  std::string text;
  if (mask & AlarmPanel::kAreaA) text += 'A';
  if (mask & AlarmPanel::kAreaB) text += 'B';
  return text.empty() ? "-" : text;
}

}  // namespace

AlarmPanel::AlarmPanel(Codes codes) : parameters_(codes) {}

void AlarmPanel::pressKey(std::uint8_t key) {
  idleSeconds_ = 0;
  // In program mode the keys write installer parameters (the panel model
  // hands them to the parameters); of the command keys only the installer
  // code counts: a PC that lost its link comes back in command mode and
  // types it again, and must hear that the panel is in program mode.
  if (programMode_) {
    const bool installerCode =
        key == panel::key::kNo || (entry_ == Entry::Installer && (key <= 9 || key == panel::key::kEnter));
    if (!installerCode) {
      startEntry(Entry::None);
      return;
    }
  }
  if (key <= 9) {
    if (entry_ == Entry::None) startEntry(Entry::Code);
    const bool list = entry_ == Entry::Bypass || entry_ == Entry::Output;
    if (digits_.size() >= (list ? kMaxListDigits : kMaxCodeDigits))
      tooLong_ = true;
    else
      digits_.push_back(static_cast<char>('0' + key));
    return;
  }
  if (key == panel::key::kEnter) {
    finishEntry();
    return;
  }
  commandKey(key);
}

void AlarmPanel::startEntry(Entry entry) {
  entry_ = entry;
  digits_.clear();
  tooLong_ = false;
}

void AlarmPanel::finishEntry() {
  switch (entry_) {
    case Entry::None: break;
    case Entry::Code: userCode(); break;
    case Entry::Installer:
      // An over-long entry is a wrong code, not a prefix match.
      if (!tooLong_ && !digits_.empty() && digits_ == parameters_.installerCode() && (armed_ | stay_) == 0) {
        programMode_ = true;
        answers_.push_back(Answer::ProgramMode);
      }
      break;
    case Entry::Bypass: applyBypassDigits(); break;
    case Entry::Output: applyOutputDigits(); break;
  }
  startEntry(Entry::None);
}

void AlarmPanel::commandKey(std::uint8_t key) {
  // A command key abandons whatever entry was under way.
  startEntry(Entry::None);
  switch (key) {
    case panel::key::kNo: startEntry(Entry::Installer); break;
    case panel::key::kBypass:
      // Zones are bypassed while disarmed only; the PC then gets no answer.
      if ((armed_ | stay_) != 0) break;
      startEntry(Entry::Bypass);
      answers_.push_back(Answer::Bypassed);
      break;
    case panel::key::kOutputControl:
      startEntry(Entry::Output);
      answers_.push_back(Answer::OutputControl);
      break;
    case panel::key::kStay:
      if ((armed_ | stay_) == 0 && readyAreas() == kAllAreas) stay_ = kAllAreas;
      break;
    case panel::key::kFire:
      fire_ = true;
      soundBell();
      break;
    case panel::key::kMedical: medical_ = true; break;
    case panel::key::kPanic:
      panic_ = true;
      soundBell();
      break;
    default: break;
  }
}

void AlarmPanel::userCode() {
  if (tooLong_ || parameters_.userWithCode(digits_) == 0) return;
  const bool alarmed = fire_ || medical_ || panic_ || alarm_ != 0 || (outputs_ & (1u << (kBellOutput - 1)));
  if ((armed_ | stay_) != 0 || alarmed) {
    fire_ = medical_ = panic_ = false;
    disarm(kAllAreas);
  } else if (readyAreas() == kAllAreas) {
    armed_ = kAllAreas;
  }
}

void AlarmPanel::applyBypassDigits() {
  for (std::size_t i = 0; i + 1 < digits_.size(); i += 2) {
    const int zone = (digits_[i] - '0') * 10 + (digits_[i + 1] - '0');
    if (ValidZone(zone)) bypassed_ ^= ZoneBit(zone);
  }
}

void AlarmPanel::applyOutputDigits() {
  for (char d : digits_) {
    const int output = d - '0';
    if (output >= 1 && output <= kOutputs) outputs_ ^= static_cast<std::uint8_t>(1u << (output - 1));
  }
}

void AlarmPanel::leaveProgramMode() {
  programMode_ = false;
  parameters_.leave();
  startEntry(Entry::None);
}

void AlarmPanel::enterProgramMode() {
  startEntry(Entry::None);
  programMode_ = true;
  answers_.push_back(Answer::ProgramMode);
}

void AlarmPanel::tick() {
  if (entry_ == Entry::None) return;
  if (++idleSeconds_ >= kEntryTimeoutSeconds) startEntry(Entry::None);
}

std::vector<AlarmPanel::Answer> AlarmPanel::takeAnswers() {
  std::vector<Answer> answers;
  answers.swap(answers_);
  return answers;
}

void AlarmPanel::zoneTripped(int zone) {
  if (((armed_ | stay_) & areaOfZone(zone)) == 0 || (bypassed_ & ZoneBit(zone)) != 0) return;
  alarm_ |= ZoneBit(zone);
  soundBell();
}

void AlarmPanel::soundBell() { outputs_ |= static_cast<std::uint8_t>(1u << (kBellOutput - 1)); }

bool AlarmPanel::setZoneOpen(int zone, bool open) {
  if (!ValidZone(zone)) return false;
  const bool wasOpen = (open_ & ZoneBit(zone)) != 0;
  if (open) {
    open_ |= ZoneBit(zone);
    if (!wasOpen) zoneTripped(zone);
  } else {
    open_ &= static_cast<std::uint16_t>(~ZoneBit(zone));
  }
  return true;
}

bool AlarmPanel::setZoneTamper(int zone, bool tamper) {
  if (!ValidZone(zone)) return false;
  const bool was = (tampered_ & ZoneBit(zone)) != 0;
  if (tamper) {
    tampered_ |= ZoneBit(zone);
    if (!was) zoneTripped(zone);
  } else {
    tampered_ &= static_cast<std::uint16_t>(~ZoneBit(zone));
  }
  return true;
}

bool AlarmPanel::raiseZoneAlarm(int zone) {
  if (!ValidZone(zone)) return false;
  alarm_ |= ZoneBit(zone);
  soundBell();
  return true;
}

bool AlarmPanel::setOutput(int output, bool on) {
  if (output < 1 || output > kOutputs) return false;
  const auto bit = static_cast<std::uint8_t>(1u << (output - 1));
  outputs_ = on ? static_cast<std::uint8_t>(outputs_ | bit) : static_cast<std::uint8_t>(outputs_ & ~bit);
  return true;
}

void AlarmPanel::setTrouble(Trouble trouble, bool on) {
  troubles_ = on ? static_cast<std::uint8_t>(troubles_ | trouble) : static_cast<std::uint8_t>(troubles_ & ~trouble);
}

void AlarmPanel::arm(std::uint8_t areas) {
  areas &= kAllAreas;
  armed_ |= areas;
  stay_ &= static_cast<std::uint8_t>(~areas);
}

void AlarmPanel::stayArm(std::uint8_t areas) {
  areas &= kAllAreas;
  stay_ |= areas;
  armed_ &= static_cast<std::uint8_t>(~areas);
}

void AlarmPanel::disarm(std::uint8_t areas) {
  armed_ &= static_cast<std::uint8_t>(~areas);
  stay_ &= static_cast<std::uint8_t>(~areas);
  if (areas & kAreaA) alarm_ &= static_cast<std::uint16_t>(~kAreaAZones);
  if (areas & kAreaB) alarm_ &= static_cast<std::uint16_t>(~kAreaBZones);
  // The bell stops once nothing is left to sound for.
  if (alarm_ == 0 && !fire_ && !panic_)
    outputs_ &= static_cast<std::uint8_t>(~(1u << (kBellOutput - 1)));
}

std::uint8_t AlarmPanel::readyAreas() const {
  const auto faulted = static_cast<std::uint16_t>((open_ | tampered_) & ~bypassed_);
  std::uint8_t ready = 0;
  if ((faulted & kAreaAZones) == 0) ready |= kAreaA;
  if ((faulted & kAreaBZones) == 0) ready |= kAreaB;
  return ready;
}

AlarmPanel::Frame AlarmPanel::statusFrame(Status status) const {
  constexpr std::uint8_t D = panel::kDelimiter;
  switch (status) {
    case Status::Lamps: {
      const bool ready = readyAreas() == kAllAreas;
      const auto lit = static_cast<std::uint8_t>((ready ? 0x01 : 0) | (troubles_ ? 0x04 : 0) |
                                                 ((troubles_ & kLine) ? 0x10 : 0));
      const auto blink = static_cast<std::uint8_t>((troubles_ ? 0x02 : 0) | (programMode_ ? 0x10 : 0));
      return {D, 0x10, 0x00, troubles_, lit, blink, D};
    }
    case Status::Arming: return {D, 0x11, armed_, 0x00, stay_, 0x00, D};
    case Status::ZonesLow:
      return {D, 0x12, 0x00, Low(open_), Low(alarm_), Low(bypassed_), Low(tampered_), 0x00, D};
    case Status::ZonesHigh:
      return {D, 0x12, 0x01, High(open_), High(alarm_), High(bypassed_), High(tampered_), 0x00, D};
    case Status::BypassBlink:
      return {D, 0x14, 0x07, 0, 0, 0, 0, static_cast<std::uint8_t>(bypassEntry() ? 0x08 : 0x00), D};
    case Status::Readiness: return {D, 0x15, 0x07, 0, 0, 0, readyAreas(), D};
    case Status::Bypassed: return {D, 0x1B, 0x00, Low(bypassed_), High(bypassed_), D};
    case Status::OutputControl: return {D, 0x1D, 0x00, 0x00, outputs_, D};
    case Status::Outputs: return {D, 0x50, outputs_, D};
  }
  return {};
}

AlarmPanel::Frame AlarmPanel::answerFrame(Answer answer) const {
  switch (answer) {
    case Answer::Bypassed: return statusFrame(Status::Bypassed);
    case Answer::OutputControl: return statusFrame(Status::OutputControl);
    case Answer::ProgramMode: return {panel::kDelimiter, 0x1F, 0x07, 0x02, 0x00, panel::kDelimiter};
  }
  return {};
}

std::vector<std::string> AlarmPanel::describe() const {
  std::string alarms;
  if (fire_) alarms += " fire";
  if (medical_) alarms += " medical";
  if (panic_) alarms += " panic";
  std::string troubles;
  if (troubles_ & kBattery) troubles += " battery";
  if (troubles_ & kPower) troubles += " power";
  if (troubles_ & kFuse) troubles += " fuse";
  if (troubles_ & kLine) troubles += " line";
  const char* entry = entry_ == Entry::None        ? "none"
                      : entry_ == Entry::Code      ? "code"
                      : entry_ == Entry::Installer ? "installer code"
                      : entry_ == Entry::Bypass    ? "bypass"
                                                   : "output control";
  return {
      "mode: " + std::string(programMode_ ? "program" : "command") + ", entry: " + entry,
      "areas armed: " + Areas(armed_) + ", stay: " + Areas(stay_) + ", ready: " + Areas(readyAreas()),
      "zones open: " + Numbers(open_, kZones) + "; alarm: " + Numbers(alarm_, kZones) +
          "; bypassed: " + Numbers(bypassed_, kZones) + "; tamper: " + Numbers(tampered_, kZones),
      "outputs on: " + Numbers(outputs_, kOutputs),
      "troubles:" + (troubles.empty() ? std::string(" -") : troubles),
      "alarms:" + (alarms.empty() ? std::string(" -") : alarms),
  };
}

}  // namespace sim
