#include "core/panelmodel/ParameterStore.h"

#include <algorithm>
#include <span>

#include "core/link/PanelFrames.h"

namespace sim {

namespace {

using params::PanelParameter;
using params::Value;
using params::ValueKind;

// A value for entities first..last of a parameter; with plusEntity the
// number grows with the entity (voice message n for item n).
struct FactoryRow {
  std::uint8_t parameter;
  std::uint8_t first;
  std::uint8_t last;
  std::uint32_t number;
  std::string_view text = {};
  bool plusEntity = false;
};

// A small commissioned site: zones 1-8 in area A and 9-16 in area B, the
// first of each an entry door, output 1 the siren and 2 the strobe, two
// phone numbers, office hours and nights as time zones 1 and 2. Everything
// not listed is 0, the lowest number, the first choice or empty. No value
// here puts the byte 0x7E into its reply.
constexpr FactoryRow kFactory[] = {
    // Users: the master user holds user 1.
    {1, 1, 1, 0, kFactoryUserCode},
    {3, 1, 1, 0x03},
    {4, 1, 1, 0x8F},  // arm, stay, disarm both, view event memory
    {5, 1, 1, 0x13},  // change own and all codes, clock settings
    {10, 1, 1, 0xFF},
    // Dialler.
    {175, 1, 1, 0x41},  // enabled, modem auto-detected
    {175, 2, 2, 0x01},
    {175, 3, 3, 10},
    {175, 4, 4, 200},   // first test call at 02:00
    {175, 5, 5, 24},
    {175, 9, 9, 120},   // panic, fire, medical Contact ID codes
    {175, 10, 10, 110},
    {175, 11, 11, 100},
    {175, 12, 12, 1100},
    {175, 13, 13, 1200},
    {175, 14, 14, 1300},
    {175, 15, 15, 1400},
    {176, 1, 11, 0, {}, true},
    {197, 1, 1, 6},
    {197, 2, 2, 4},
    {197, 3, 3, 5},
    {196, 1, 16, 1},
    // Areas.
    {45, 1, 2, 0x44},
    {58, 1, 2, 0xFF},
    {60, 1, 2, 60},
    {61, 1, 2, 30},
    {62, 1, 1, 0, "1234"},
    {62, 2, 2, 0, "1235"},
    // Zones.
    {121, 1, 8, 0x01},
    {121, 9, 16, 0x02},
    {122, 1, 1, 0x41},  // active, may be bypassed
    {122, 2, 8, 0x45},  // and no exit delay
    {122, 9, 9, 0x41},
    {122, 10, 16, 0x45},
    {125, 1, 8, 3},
    {126, 1, 8, 9},
    {128, 1, 16, 0x01},
    {129, 1, 16, 0x01},
    {130, 1, 16, 0x01},
    {132, 1, 16, 0x01},
    {134, 1, 16, 0xFF},
    {137, 1, 16, 0xFF},
    {142, 1, 16, 0xFF},
    {144, 1, 16, 30},
    {145, 1, 16, 30},
    {146, 1, 16, 3},
    {157, 1, 16, 130},
    {158, 1, 16, 131},
    {159, 1, 16, 139},
    {160, 1, 16, 0, {}, true},
    // Keypads.
    {71, 1, 8, 0x03},
    {72, 1, 8, 0x07},
    {73, 1, 8, 0x0F},
    {74, 1, 8, 0x03},
    {75, 1, 8, 0x03},
    {76, 1, 8, 0x03},
    {77, 1, 8, 0x02},
    {78, 1, 8, 0x01},
    {79, 1, 8, 0x01},
    {80, 1, 8, 0x02},
    {81, 1, 8, 0x01},
    {82, 1, 8, 0xFC},
    {84, 1, 8, 0x01},
    {85, 1, 8, 0x01},
    {88, 1, 8, 0x01},
    {90, 1, 8, 0xFF},
    {91, 1, 8, 0xFF},
    {92, 1, 8, 0xFF},
    {93, 1, 8, 0xFF},
    {94, 1, 8, 5},
    // Outputs.
    {42, 1, 8, 20, {}, true},
    {0x22, 3, 8, 0x60},  // keypad users and <CONTROL> may switch them
    {0x23, 8, 8, 0x07},  // mains, fuse and battery troubles
    {0x25, 1, 1, 0x81},  // siren driver, monitored
    {0x25, 2, 2, 0x80},
    {0x27, 1, 8, 20},
    {0x28, 1, 2, 240},
    {0x29, 1, 8, 10},
    // Miscellaneous.
    {25, 0, 0, 0x01},
    {25, 1, 1, 0, kFactoryInstallerCode},
    {25, 3, 3, 30},
    {25, 4, 4, 24},
    {25, 5, 5, 60},
    {25, 6, 6, 60},
    {25, 10, 10, 0x02},
    {25, 11, 11, 0x03},
    // Keyswitches.
    {0x6F, 1, 1, 0x01},
    {0x6F, 2, 2, 0x02},
    {0x70, 1, 1, 0x85},
    // Clock: summer time from the last Sunday of March at 2:00 to the last of October at 3:00.
    {0x1A, 4, 4, 0x01},
    {0x1B, 1, 2, 5},
    {0x1C, 1, 1, 3},
    {0x1C, 2, 2, 10},
    {0x1D, 1, 1, 2},
    {0x1D, 2, 2, 3},
    // Time zones: 1 office hours Monday to Friday, 2 nights every day.
    {0xAB, 1, 1, 0x3E},
    {0xAC, 1, 1, 800},
    {0xAD, 1, 1, 1800},
    {0xAB, 2, 2, 0x7F},
    {0xAC, 2, 2, 2200},
    {0xAD, 2, 2, 600},
    // Holidays: Christmas Day and New Year's Day.
    {0xAA, 1, 1, 25 + 100 * 12 + 10000 * 26},
    {0xAA, 2, 2, 1 + 100 * 1 + 10000 * 27},
    // Phones: 1 the monitoring station, 2 the owner's mobile.
    {0xB5, 1, 1, 0, "0298765432"},
    {0xB5, 2, 2, 0, "0412345678"},
    {0xB6, 1, 1, 1},
    {0xB6, 2, 2, 2},
    {0xB6, 3, 8, 1},
    {0xB8, 1, 8, 8},
    {0xB7, 1, 1, 0x01},
    {0xB7, 2, 2, 0x20},
    {0xBA, 1, 1, 0xFF},
    {0xBB, 1, 1, 0xFF},
    {0xBC, 1, 1, 0x01},
    {0xBD, 1, 1, 0x04},
    {0xBB, 2, 2, 0x38},
};

Value FactoryValue(const PanelParameter& p, std::uint8_t entity) {
  for (const FactoryRow& row : kFactory) {
    if (row.parameter != p.parameter || entity < row.first || entity > row.last) continue;
    return Value{row.number + (row.plusEntity ? entity : 0u), std::string(row.text)};
  }
  switch (p.kind) {
    case ValueKind::Number: return Value{p.minimum, {}};
    case ValueKind::Choice: return Value{p.choices.front().value, {}};
    default: return Value{};
  }
}

std::size_t IndexOf(const PanelParameter& p) {
  return static_cast<std::size_t>(&p - params::PanelParameters().data());
}

bool IsCodeOrPhone(const PanelParameter& p) {
  return p.kind == ValueKind::Code || p.kind == ValueKind::Phone ||
         (p.parameter == 25 && p.entities.first == 1);
}

bool Everything(const PanelParameter&) { return true; }

const PanelParameter& UserCodes() { return *params::FindPanelParameter(1, 1); }

}  // namespace

ParameterStore::ParameterStore() {
  const auto all = params::PanelParameters();
  values_.resize(all.size());
  restoreAll();
}

ParameterStore::ParameterStore(const PanelCodes& codes) : ParameterStore() { seedCodes(codes); }

void ParameterStore::restoreWhere(bool (*restored)(const PanelParameter&)) {
  for (const PanelParameter& p : params::PanelParameters()) {
    if (!restored(p)) continue;
    std::vector<Value>& values = values_[IndexOf(p)];
    values.clear();
    for (int e = p.entities.first; e <= p.entities.last; ++e) values.push_back(FactoryValue(p, static_cast<std::uint8_t>(e)));
  }
}

void ParameterStore::restoreAll() { restoreWhere(Everything); }
void ParameterStore::restoreCodesAndPhones() { restoreWhere(IsCodeOrPhone); }

void ParameterStore::seedCodes(const PanelCodes& codes) {
  for (int user = 1; user <= kUsers; ++user) {
    const auto at = static_cast<std::size_t>(user - 1);
    const std::string code = at < codes.user.size() ? codes.user[at] : std::string();
    // A code no keypad could type leaves the user without one.
    set(1, static_cast<std::uint8_t>(user), params::IsValid(UserCodes(), Value{0, code}) ? Value{0, code} : Value{});
  }
  set(25, 1, Value{0, codes.installer});
}

std::optional<ParameterStore::Slot> ParameterStore::SlotOf(std::uint8_t parameter, std::uint8_t entity) {
  const PanelParameter* p = params::FindPanelParameter(parameter, entity);
  if (p == nullptr) return std::nullopt;
  return Slot{p, IndexOf(*p), static_cast<std::size_t>(entity - p->entities.first)};
}

const params::Value* ParameterStore::value(std::uint8_t parameter, std::uint8_t entity) const {
  const std::optional<Slot> slot = SlotOf(parameter, entity);
  return slot ? &values_[slot->row][slot->entity] : nullptr;
}

bool ParameterStore::set(std::uint8_t parameter, std::uint8_t entity, const params::Value& value) {
  const std::optional<Slot> slot = SlotOf(parameter, entity);
  if (!slot || !params::FitsReply(*slot->parameter, value)) return false;
  values_[slot->row][slot->entity] = value;
  return true;
}

std::optional<ParameterStore::Frame> ParameterStore::read(std::uint8_t parameter, std::uint8_t entity) {
  entry_.read(parameter, entity);
  const std::optional<Slot> slot = SlotOf(parameter, entity);
  if (!slot) return std::nullopt;
  return params::ReplyFrameFor(*slot->parameter, entity, values_[slot->row][slot->entity]);
}

std::optional<ParameterStore::Entry> ParameterStore::key(std::uint8_t pressed) {
  std::optional<Entry> typed = entry_.key(pressed);
  if (!typed) return std::nullopt;
  const std::optional<Slot> slot = SlotOf(typed->parameter, typed->entity);
  if (!slot) return typed;
  Value& stored = values_[slot->row][slot->entity];
  if (std::optional<Value> value = params::ApplyEntry(*slot->parameter, stored, typed->keys)) stored = std::move(*value);
  return std::nullopt;
}

void ParameterStore::leave() { entry_.leave(); }

int ParameterStore::userWithCode(std::string_view digits) const {
  if (digits.empty()) return 0;
  const std::vector<Value>& codes = values_[IndexOf(UserCodes())];
  for (std::size_t i = 0; i < codes.size(); ++i)
    if (codes[i].text == digits) return static_cast<int>(i) + 1;
  return 0;
}

const std::string& ParameterStore::installerCode() const { return value(25, 1)->text; }

std::vector<std::string> ParameterStore::userCodes() const {
  std::vector<std::string> codes;
  for (const Value& code : values_[IndexOf(UserCodes())])
    if (!code.text.empty()) codes.push_back(code.text);
  return codes;
}

std::uint8_t ParameterStore::activeTimeZones(const std::tm& now) const {
  constexpr std::uint8_t kInvert = 0x80;
  constexpr std::uint8_t kIgnoreHolidays = 0x01;
  const auto today = static_cast<std::uint32_t>(now.tm_mday + 100 * (now.tm_mon + 1) + 10000 * (now.tm_year - 100));
  bool holiday = false;
  for (std::uint8_t n = 1; n <= 8; ++n) holiday = holiday || value(0xAA, n)->number == today;
  const auto time = static_cast<std::uint32_t>(now.tm_hour * 100 + now.tm_min);

  std::uint8_t active = 0;
  for (std::uint8_t zone = 1; zone <= 8; ++zone) {
    const std::uint32_t days = value(0xAB, zone)->number;
    const std::uint32_t start = value(0xAC, zone)->number;
    const std::uint32_t end = value(0xAD, zone)->number;
    // A zone that ends before it starts runs past midnight; it counts by the day it is now.
    const bool inHours = start <= end ? time >= start && time < end : time >= start || time < end;
    bool on = (days & (1u << now.tm_wday)) != 0 && inHours;
    if (days & kInvert) on = !on;
    if (holiday && (value(0xAE, zone)->number & kIgnoreHolidays) == 0) on = false;
    if (on) active = static_cast<std::uint8_t>(active | (1u << (zone - 1)));
  }
  return active;
}

bool ParameterStore::unmapOutput(std::uint8_t output) {
  if (output < 1 || output > 8) return false;
  constexpr std::uint8_t kOutputOptions[] = {0x22, 0x23, 0x24, 0x25, 0x2C};
  for (const std::uint8_t option : kOutputOptions) set(option, output, Value{});
  return true;
}

}  // namespace sim
