#include "core/parameters/PanelParameters.h"

#include <algorithm>

namespace params {

namespace {

constexpr EntityRange kUsers{1, 100};
constexpr EntityRange kCodeUsers{1, 20};  // never radio users
constexpr EntityRange kRadioUsers{21, 100};
constexpr EntityRange kEight{1, 8};
constexpr EntityRange kStartFinish{1, 2};
constexpr EntityRange kTwo{1, 2};

constexpr PanelParameter Bits(std::uint8_t p, EntityRange entities, std::uint8_t bits, std::string_view path,
                              std::string_view entityName, const LabelTable* labels = nullptr) {
  return {p, entities, ValueKind::Options, kOptionByteReply, 0, 0, bits, 1, {}, path, entityName, labels};
}
constexpr PanelParameter Number(std::uint8_t p, EntityRange entities, std::uint8_t replyType, std::uint32_t minimum,
                                std::uint32_t maximum, std::uint8_t keyDigits, std::string_view path,
                                std::string_view entityName) {
  return {p, entities, ValueKind::Number, replyType, minimum, maximum, 0, keyDigits, {}, path, entityName};
}
constexpr PanelParameter Pick(std::uint8_t p, EntityRange entities, ChoiceList choices, std::string_view path,
                              std::string_view entityName) {
  return {p, entities, ValueKind::Choice, kByteReply, 0, 0, 0, 1, choices, path, entityName};
}
constexpr PanelParameter Text(std::uint8_t p, EntityRange entities, ValueKind kind, std::uint32_t characters,
                              std::string_view path, std::string_view entityName) {
  return {p, entities, kind, kDigitsReply, 0, characters, 0, 1, {}, path, entityName};
}

// The user editor's parameters (6, 8 and 11 belong to the map's radio-user items).
const PanelParameter kUserParameters[] = {
    Text(1, kUsers, ValueKind::Code, 6, "User|Code", "user"),
    Pick(2, kCodeUsers, kCodeUserTypeChoices, "User|Type", "user"),
    Pick(2, kRadioUsers, kUserTypeChoices, "User|Type", "user"),
    Bits(3, kUsers, 0x03, "User|Areas", "user", &kAreaLetters),
    Bits(4, kUsers, 0xFF, "User|Access", "user", &kUserAccessTexts),
    Bits(5, kUsers, 0xFF, "User|Privileges", "user", &kUserPrivilegeTexts),
    Pick(7, kRadioUsers, kRadioUserTypeChoices, "User|Radio User Type", "radio user"),
    Bits(10, kUsers, 0xFF, "User|Keypad", "user", &kKeypadTexts),
    Bits(9, kUsers, 0xFF, "User|Time Zone", "user", &kTimeZoneTexts),
    Bits(12, kUsers, 0xFF, "User|Output Map", "user", &kOutputTexts),
    Bits(13, kUsers, 0xFF, "User|Output On", "user", &kOutputTexts),
    Bits(14, kUsers, 0xFF, "User|Output Off", "user", &kOutputTexts),
};

const PanelParameter kPhoneParameters[] = {
    Text(0xB5, kEight, ValueKind::Phone, 16, "Phone Number|Number", "phone"),
    Pick(0xB6, kEight, kPhoneFormatChoices, "Phone Number|Format", "phone"),
    Number(0xB8, kEight, kByteReply, 0, 99, 1, "Phone Number|Maximum dial retries", "phone"),
    Bits(0xB7, kEight, 0xFF, "Phone Number|Options", "phone", &kPhoneOptionTexts),
    Bits(0xBA, kEight, 0xFF, "Phone Number|Reporting A", "phone", &kPhoneReportingATexts),
    Bits(0xBB, kEight, 0xFF, "Phone Number|Reporting B", "phone", &kPhoneReportingBTexts),
    Bits(0xBC, kEight, 0xFF, "Phone Number|Reporting C", "phone", &kPhoneReportingCTexts),
    Bits(0xBD, kEight, 0xFF, "Phone Number|Reporting D", "phone", &kPhoneReportingDTexts),
};

// Options C shows options 1 to 5, options D options 1 to 4 and 8.
const PanelParameter kOutputOptionParameters[] = {
    Bits(0x22, kEight, 0xFF, "Output|Options|Options A", "output", &kOutputOptionsATexts),
    Bits(0x23, kEight, 0xFF, "Output|Options|Options B", "output", &kOutputOptionsBTexts),
    Bits(0x24, kEight, 0x1F, "Output|Options|Options C", "output", &kOutputOptionsCTexts),
    Bits(0x25, kEight, 0x8F, "Output|Options|Options D", "output", &kOutputOptionsDTexts),
    Bits(0x2C, kEight, 0xFF, "Output|Options|Time Zones to OP", "output", &kTimeZoneTexts),
};

const PanelParameter kOutputTimeParameters[] = {
    Number(0x26, kEight, kWordReply, 0, 9999, 1, "Output|Times|ON Delay Time", "output"),
    Number(0x27, kEight, kByteReply, 0, 255, 1, "Output|Times|Pulse Time", "output"),
    Number(0x28, kEight, kWordReply, 0, 9999, 1, "Output|Times|Reset Time", "output"),
    Number(0x29, kEight, kByteReply, 0, 255, 1, "Output|Times|Chime Mode Time", "output"),
};

// Daylight saving; entity 1 is the start of summer time, 2 its finish. The
// clock itself (0x1A entities 1 to 3) is set, never read.
const PanelParameter kClockParameters[] = {
    Bits(0x1A, {4, 4}, 0x01, "Clock Setting|Set clock|Daylight saving", ""),
    Number(0x1B, kStartFinish, kByteReply, 1, 5, 1, "Clock Setting|Set clock|Sunday", "start/finish"),
    Number(0x1C, kStartFinish, kByteReply, 1, 12, 2, "Clock Setting|Set clock|Month", "start/finish"),
    Number(0x1D, kStartFinish, kByteReply, 0, 23, 2, "Clock Setting|Set clock|Hour", "start/finish"),
};

const PanelParameter kKeyswitchParameters[] = {
    Bits(0x6F, kTwo, 0x03, "Keyswitch|Area", "keyswitch", &kAreaLetters),
    Bits(0x70, kTwo, 0xFF, "Keyswitch|Options", "keyswitch", &kKeyswitchOptionTexts),
};

const PanelParameter kTimeZoneParameters[] = {
    Bits(0xAB, kEight, 0xFF, "Clock Setting|Time zone|Active days", "time zone", &kTimeZoneDayTexts),
    {0xAC, kEight, ValueKind::Time, kTimeReply, 0, 2359, 0, 1, {}, "Clock Setting|Time zone|Start", "time zone"},
    {0xAD, kEight, ValueKind::Time, kTimeReply, 0, 2359, 0, 1, {}, "Clock Setting|Time zone|End", "time zone"},
    Bits(0xAE, kEight, 0x01, "Clock Setting|Time zone|Ignore Holidays", "time zone"),
};

const PanelParameter kHolidayParameters[] = {
    {0xAA, kEight, ValueKind::Date, kDateReply, 0, 0, 0, 1, {}, "Clock Setting|Holydays|Date", "holiday"},
};

std::string_view EntityNameOf(EntityKind kind) {
  switch (kind) {
    case EntityKind::Keypad: return "keypad";
    case EntityKind::Area: return "area";
    case EntityKind::Zone: return "zone";
    case EntityKind::Output: return "output";
    case EntityKind::Fixed: return "";
    case EntityKind::User: return "user";
    case EntityKind::RadioUser: return "radio user";
  }
  return "";
}

PanelParameter FromMapRow(const MapRow& row) {
  PanelParameter p;
  p.parameter = row.parameter;
  p.entities = row.entities();
  p.path = row.menuPath;
  p.entityName = EntityNameOf(row.entity);
  switch (row.editor) {
    case EditorKind::Options:
      p.kind = ValueKind::Options;
      p.replyType = kOptionByteReply;
      p.bits = ShownBits(*row.labels);
      p.labels = row.labels;
      break;
    case EditorKind::List:
      p.kind = ValueKind::Choice;
      p.replyType = kByteReply;
      p.choices = row.choices;
      break;
    default:
      switch (row.value.format) {
        case ValueFormat::Range:
          p.kind = ValueKind::Number;
          p.minimum = row.value.minimum;
          p.maximum = row.value.maximum;
          p.replyType = row.value.maximum <= 0xFF ? kByteReply : kWordReply;
          break;
        case ValueFormat::HexDigits:
        case ValueFormat::Digits:
          p.kind = ValueKind::Digits;
          p.replyType = kDigitsReply;
          p.maximum = static_cast<std::uint32_t>(FieldLength(row.value));
          break;
        case ValueFormat::LongDigits:
          p.kind = ValueKind::LongDigits;
          p.replyType = kDigitsReply;
          p.maximum = 16;
          break;
      }
      break;
  }
  return p;
}

std::span<const PanelParameter> SpecialParameters(EditorKind editor) {
  switch (editor) {
    case EditorKind::Users: return kUserParameters;
    case EditorKind::PhoneNumbers: return kPhoneParameters;
    case EditorKind::OutputOptions: return kOutputOptionParameters;
    case EditorKind::OutputTimes: return kOutputTimeParameters;
    case EditorKind::Clock: return kClockParameters;
    case EditorKind::Keyswitches: return kKeyswitchParameters;
    case EditorKind::TimeZones: return kTimeZoneParameters;
    case EditorKind::Holidays: return kHolidayParameters;
    default: return {};
  }
}

std::vector<PanelParameter> BuildCatalogue() {
  std::vector<PanelParameter> all;
  for (const MapRow& row : ParameterMap()) {
    if (row.isGeneric()) {
      all.push_back(FromMapRow(row));
    } else {
      const auto special = SpecialParameters(row.editor);
      all.insert(all.end(), special.begin(), special.end());
    }
  }
  return all;
}

bool AllKeysAreDigits(std::span<const std::uint8_t> keys) {
  return std::ranges::all_of(keys, [](std::uint8_t k) { return k <= 9; });
}

// The decimal number of digit keys; nothing for too many digits to be a value.
std::optional<std::uint32_t> DecimalOf(std::span<const std::uint8_t> keys) {
  if (keys.size() > 9 || !AllKeysAreDigits(keys)) return std::nullopt;
  std::uint32_t n = 0;
  for (const std::uint8_t k : keys) n = n * 10 + k;
  return n;
}

std::optional<std::string> TextOf(std::span<const std::uint8_t> keys, Alphabet alphabet) {
  std::string text;
  for (const std::uint8_t k : keys) {
    const char c = KeyCharacter(k, alphabet);
    if (c == 0) return std::nullopt;
    text += c;
  }
  return text;
}

// Years 2000 to 2099: every fourth is a leap year, 2000 included.
std::uint32_t DaysInMonth(std::uint32_t month, std::uint32_t yearByte) {
  constexpr std::uint32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && yearByte % 4 == 0 ? 29 : kDays[month - 1];
}

// A day that exists: a holiday on 31 February would never come.
bool ValidDate(std::uint32_t number) {
  if (number == 0) return true;
  const std::uint32_t day = number % 100;
  const std::uint32_t month = number / 100 % 100;
  const std::uint32_t year = number / 10000;
  return month >= 1 && month <= 12 && year <= 99 && day >= 1 && day <= DaysInMonth(month, year);
}

// Decimal digits without sign, blanks or leading zeros.
std::optional<std::uint32_t> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  std::uint64_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (n > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::uint32_t>(n);
}

// Exactly `count` decimal digits, leading zeros included.
std::optional<std::uint32_t> FixedDigits(std::string_view text, std::size_t count) {
  if (text.size() != count) return std::nullopt;
  std::uint32_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return n;
}

std::optional<std::uint32_t> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
  return std::nullopt;
}

std::optional<Value> ParseUnchecked(const PanelParameter& parameter, std::string_view text) {
  switch (parameter.kind) {
    case ValueKind::Options: {
      if (text.size() != 4 || text.substr(0, 2) != "0x") return std::nullopt;
      const auto high = HexDigit(text[2]);
      const auto low = HexDigit(text[3]);
      if (!high || !low) return std::nullopt;
      return Value{*high * 16 + *low, {}};
    }
    case ValueKind::Number:
    case ValueKind::Choice: {
      const auto n = ParseDecimal(text);
      if (!n) return std::nullopt;
      return Value{*n, {}};
    }
    case ValueKind::Time: {
      if (text.size() != 5 || text[2] != ':') return std::nullopt;
      const auto hour = FixedDigits(text.substr(0, 2), 2);
      const auto minute = FixedDigits(text.substr(3, 2), 2);
      if (!hour || !minute) return std::nullopt;
      return Value{*hour * 100 + *minute, {}};
    }
    case ValueKind::Date: {
      if (text == "none") return Value{0, {}};
      if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
      const auto year = FixedDigits(text.substr(0, 4), 4);
      const auto month = FixedDigits(text.substr(5, 2), 2);
      const auto day = FixedDigits(text.substr(8, 2), 2);
      // Day 0 of month 0 is how the panel says "none"; written as a date it is no date.
      if (!year || !month || !day || *year < 2000 || *year > 2099 || *day == 0) return std::nullopt;
      return Value{*day + 100 * *month + 10000 * (*year - 2000), {}};
    }
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: {
      if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
      const std::string_view inner = text.substr(1, text.size() - 2);
      if (inner.find('"') != std::string_view::npos) return std::nullopt;
      return Value{0, std::string(inner)};
    }
  }
  return std::nullopt;
}

constexpr std::string_view kRaw = "raw";
constexpr std::string_view kHex = "0123456789ABCDEF";

// " 09 60": bytes of one or two hex digits, each after one blank; no more
// than the longest reply value holds.
std::optional<std::vector<std::uint8_t>> ParseRawBytes(std::string_view text) {
  constexpr std::size_t kMostValueBytes = 8;
  std::vector<std::uint8_t> bytes;
  while (!text.empty()) {
    if (bytes.size() == kMostValueBytes) return std::nullopt;
    if (text[0] != ' ') return std::nullopt;
    text.remove_prefix(1);
    const std::size_t length = std::min(text.find(' '), text.size());
    if (length == 0 || length > 2) return std::nullopt;
    std::uint32_t byte = 0;
    for (const char c : text.substr(0, length)) {
      const auto digit = HexDigit(c);
      if (!digit) return std::nullopt;
      byte = byte * 16 + *digit;
    }
    bytes.push_back(static_cast<std::uint8_t>(byte));
    text.remove_prefix(length);
  }
  return bytes;
}

std::string TwoDigits(std::uint32_t n) {
  return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

Alphabet PanelParameter::alphabet() const {
  switch (kind) {
    case ValueKind::Digits: return Alphabet::Value;
    case ValueKind::Phone: return Alphabet::Phone;
    default: return Alphabet::Decimal;
  }
}

std::span<const PanelParameter> PanelParameters() {
  static const std::vector<PanelParameter> all = BuildCatalogue();
  return all;
}

const PanelParameter* FindPanelParameter(std::uint8_t parameter, std::uint8_t entity) {
  for (const PanelParameter& p : PanelParameters())
    if (p.parameter == parameter && p.entities.contains(entity)) return &p;
  return nullptr;
}

std::optional<Value> ValueFromReply(const PanelParameter& parameter, const Reply& reply) {
  const std::uint8_t t = reply.type;
  switch (parameter.kind) {
    case ValueKind::Options:
      if (t != kOptionByteReply && t != kByteReply) return std::nullopt;
      return Value{reply.number, {}};
    case ValueKind::Number:
      if (t != kByteReply && t != kWordReply && t != kTimeReply) return std::nullopt;
      return Value{reply.number, {}};
    case ValueKind::Choice:
      if (t != kByteReply) return std::nullopt;
      return Value{reply.number, {}};
    case ValueKind::Time:
      if (t != kWordReply && t != kTimeReply) return std::nullopt;
      return Value{reply.number, {}};
    case ValueKind::Date:
      if (t != kDateReply) return std::nullopt;
      return Value{reply.number, {}};
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone:
      if (t != kDigitsReply) return std::nullopt;
      return Value{0, DigitText(reply.digits(), parameter.alphabet())};
  }
  return std::nullopt;
}

std::vector<std::uint8_t> ValueBytes(const PanelParameter& parameter, const Value& value) {
  const auto byte = [](std::uint32_t n) { return static_cast<std::uint8_t>(n & 0xFF); };
  const std::vector<std::uint8_t> word{byte(value.number >> 8), byte(value.number)};
  switch (parameter.kind) {
    case ValueKind::Options:
    case ValueKind::Choice: return {byte(value.number)};
    case ValueKind::Number:
      if (parameter.replyType == kByteReply && value.number <= 0xFF) return {byte(value.number)};
      return word;
    case ValueKind::Time: return word;
    case ValueKind::Date: {
      const std::array<std::uint8_t, 3> date = DateBytes(value.number);
      return {date.begin(), date.end()};
    }
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: {
      std::array<std::uint8_t, 8> packed;
      packed.fill(0xFF);
      if (const auto digits = PackDigits(value.text, parameter.alphabet())) packed = *digits;
      return {packed.begin(), packed.end()};
    }
  }
  return {};
}

std::optional<Value> ValueFromBytes(const PanelParameter& parameter, std::span<const std::uint8_t> bytes) {
  const std::size_t n = bytes.size();
  switch (parameter.kind) {
    case ValueKind::Options:
    case ValueKind::Choice:
      if (n != 1) return std::nullopt;
      return Value{bytes[0], {}};
    case ValueKind::Number:
    case ValueKind::Time:
      if (n == 2) return Value{static_cast<std::uint32_t>(bytes[0] << 8 | bytes[1]), {}};
      if (n == 1 && parameter.kind == ValueKind::Number) return Value{bytes[0], {}};
      return std::nullopt;
    case ValueKind::Date:
      if (n != 3) return std::nullopt;
      return Value{DateNumber(bytes[0], bytes[1], bytes[2]), {}};
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: {
      if (n == 0 || n > 8) return std::nullopt;
      std::vector<std::uint8_t> codes;
      for (const std::uint8_t b : bytes) {
        codes.push_back(static_cast<std::uint8_t>(b & 0x0F));
        codes.push_back(static_cast<std::uint8_t>(b >> 4));
      }
      return Value{0, DigitText(codes, parameter.alphabet())};
    }
  }
  return std::nullopt;
}

std::vector<std::uint8_t> ReplyFrameFor(const PanelParameter& parameter, std::uint8_t entity, const Value& value) {
  const std::uint8_t p = parameter.parameter;
  const std::vector<std::uint8_t> bytes = ValueBytes(parameter, value);
  switch (parameter.kind) {
    case ValueKind::Options: return OptionByteReplyFrame(p, entity, bytes[0]);
    case ValueKind::Choice: return ByteReplyFrame(p, entity, bytes[0]);
    case ValueKind::Number:
    case ValueKind::Time: {
      if (bytes.size() == 1) return ByteReplyFrame(p, entity, bytes[0]);
      const std::uint8_t type = parameter.replyType == kByteReply ? kWordReply : parameter.replyType;
      return WordReplyFrame(type, p, entity, static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]));
    }
    case ValueKind::Date: return DateReplyFrame(p, entity, bytes[0], bytes[1], bytes[2]);
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: {
      std::array<std::uint8_t, 8> packed;
      std::copy(bytes.begin(), bytes.end(), packed.begin());
      return DigitsReplyFrame(p, entity, packed);
    }
  }
  return {};
}

bool IsValid(const PanelParameter& parameter, const Value& value) {
  switch (parameter.kind) {
    case ValueKind::Options: return value.number <= 0xFF && value.text.empty();
    case ValueKind::Number:
      return value.number >= parameter.minimum && value.number <= parameter.maximum && value.text.empty();
    case ValueKind::Choice: return FindChoice(parameter.choices, value.number) != nullptr && value.text.empty();
    case ValueKind::Time: return value.number / 100 <= 23 && value.number % 100 <= 59 && value.text.empty();
    case ValueKind::Date: return ValidDate(value.number) && value.text.empty();
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone:
      return value.number == 0 && value.text.size() <= parameter.maximum &&
             DigitKeys(value.text, parameter.alphabet()).has_value() &&
             (parameter.kind != ValueKind::Phone || value.text.find('w') == std::string::npos);
  }
  return false;
}

bool FitsReply(const PanelParameter& parameter, const Value& value) {
  switch (parameter.kind) {
    case ValueKind::Options:
    case ValueKind::Choice: return value.number <= 0xFF && value.text.empty();
    case ValueKind::Number:
    case ValueKind::Time: return value.number <= 0xFFFF && value.text.empty();
    case ValueKind::Date: {
      const std::array<std::uint8_t, 3> date = DateBytes(value.number);
      return DateNumber(date[0], date[1], date[2]) == value.number && value.text.empty();
    }
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone:
      return value.number == 0 && PackDigits(value.text, parameter.alphabet()).has_value() &&
             (parameter.kind != ValueKind::Phone || value.text.find('w') == std::string::npos);
  }
  return false;
}

panel::FrameBytes WriteKeys(const PanelParameter& parameter, const Value& current, const Value& wanted) {
  if (current == wanted || !IsValid(parameter, wanted)) return {};
  switch (parameter.kind) {
    case ValueKind::Options:
      return ToggleEntry(static_cast<std::uint8_t>(current.number), static_cast<std::uint8_t>(wanted.number),
                         parameter.bits);
    case ValueKind::Number:
    case ValueKind::Choice: return Entry(DecimalKeys(wanted.number, parameter.keyDigits));
    case ValueKind::Time: return Entry(TwoDigitKeys({wanted.number / 100, wanted.number % 100}));
    case ValueKind::Date:
      return Entry(TwoDigitKeys({wanted.number % 100, wanted.number / 100 % 100, wanted.number / 10000}));
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: return Entry(*DigitKeys(wanted.text, parameter.alphabet()));
  }
  return {};
}

std::optional<Value> ApplyEntry(const PanelParameter& parameter, const Value& current,
                                std::span<const std::uint8_t> keys) {
  switch (parameter.kind) {
    case ValueKind::Options: {
      std::uint32_t bits = current.number;
      for (const std::uint8_t k : keys) {
        if (k < 1 || k > 8) return std::nullopt;
        bits ^= 1u << (k - 1);
      }
      return Value{bits, {}};
    }
    case ValueKind::Number:
    case ValueKind::Choice: {
      // ENTER alone confirms what is there.
      if (keys.empty()) return current;
      const std::optional<std::uint32_t> n = DecimalOf(keys);
      if (!n) return std::nullopt;
      const Value typed{*n, {}};
      return IsValid(parameter, typed) ? std::optional<Value>(typed) : std::nullopt;
    }
    case ValueKind::Time: {
      if (keys.size() != 4) return std::nullopt;
      const std::optional<std::uint32_t> n = DecimalOf(keys);
      if (!n || !IsValid(parameter, Value{*n, {}})) return std::nullopt;
      return Value{*n, {}};
    }
    case ValueKind::Date: {
      const std::optional<std::uint32_t> ddmmyy = keys.size() == 6 ? DecimalOf(keys) : std::nullopt;
      if (!ddmmyy) return std::nullopt;
      const Value typed{*ddmmyy / 10000 + *ddmmyy / 100 % 100 * 100 + *ddmmyy % 100 * 10000, {}};
      return IsValid(parameter, typed) ? std::optional<Value>(typed) : std::nullopt;
    }
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: {
      std::optional<std::string> text = TextOf(keys, parameter.alphabet());
      if (!text || text->size() > parameter.maximum) return std::nullopt;
      return Value{0, std::move(*text)};
    }
  }
  return std::nullopt;
}

std::string FormatValue(const PanelParameter& parameter, const Value& value) {
  if (!IsValid(parameter, value)) {
    std::string text = std::string(kRaw);
    for (const std::uint8_t byte : ValueBytes(parameter, value)) {
      text += ' ';
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    }
    return text;
  }
  switch (parameter.kind) {
    case ValueKind::Options: return std::string("0x") + kHex[value.number / 16 % 16] + kHex[value.number % 16];
    case ValueKind::Number:
    case ValueKind::Choice: return std::to_string(value.number);
    case ValueKind::Time: return TwoDigits(value.number / 100) + ":" + TwoDigits(value.number % 100);
    case ValueKind::Date:
      if (value.number == 0) return "none";
      return std::to_string(2000 + value.number / 10000) + "-" + TwoDigits(value.number / 100 % 100) + "-" +
             TwoDigits(value.number % 100);
    case ValueKind::Digits:
    case ValueKind::LongDigits:
    case ValueKind::Code:
    case ValueKind::Phone: return "\"" + value.text + "\"";
  }
  return {};
}

std::optional<Value> ParseValue(const PanelParameter& parameter, std::string_view text) {
  if (text.starts_with(kRaw)) {
    const std::optional<std::vector<std::uint8_t>> bytes = ParseRawBytes(text.substr(kRaw.size()));
    if (!bytes) return std::nullopt;
    return ValueFromBytes(parameter, *bytes);
  }
  std::optional<Value> value = ParseUnchecked(parameter, text);
  if (!value || !IsValid(parameter, *value)) return std::nullopt;
  return value;
}

namespace {

std::string TypedSyntax(const PanelParameter& parameter) {
  const std::string most = std::to_string(parameter.maximum);
  switch (parameter.kind) {
    case ValueKind::Options: return "an option byte from 0x00 to 0xFF";
    case ValueKind::Number:
      return "a number from " + std::to_string(parameter.minimum) + " to " + std::to_string(parameter.maximum);
    case ValueKind::Choice: {
      std::string text = "one of";
      for (const Choice& choice : parameter.choices)
        text += (&choice == parameter.choices.data() ? " " : ", ") + std::to_string(choice.value);
      return text;
    }
    case ValueKind::Time: return "a time from 00:00 to 23:59";
    case ValueKind::Date: return "a date from 2000-01-01 to 2099-12-31, or none";
    case ValueKind::Digits: return "up to " + most + " characters of 0-9 and B-F in double quotes";
    case ValueKind::LongDigits:
    case ValueKind::Code: return "up to " + most + " digits in double quotes";
    case ValueKind::Phone: return "up to " + most + " characters of 0-9 # * = W - in double quotes";
  }
  return {};
}

}  // namespace

std::string ValueSyntax(const PanelParameter& parameter) {
  return TypedSyntax(parameter) + ", or raw and its reply's value bytes in hex";
}

}  // namespace params
