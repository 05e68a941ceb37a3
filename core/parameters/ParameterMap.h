#pragma once

// The program-mode menu as data: every item, the editor it opens, the
// panel parameter it edits and how. Standard library only, so the editors,
// the simulated panel and whole-panel files all read the same rows.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace params {

enum class EntityKind : std::uint8_t { Keypad = 1, Area = 2, Zone = 3, Output = 4, Fixed = 5, User = 6, RadioUser = 7 };

// Entity numbers from first to last, both included.
struct EntityRange {
  std::uint8_t first = 0;
  std::uint8_t last = 0;
  constexpr bool contains(int entity) const { return entity >= first && entity <= last; }
  constexpr int count() const { return last - first + 1; }
};

// How the editors offer the entities of one kind.
struct EntityKindInfo {
  EntityRange range;
  std::uint8_t firstShown;   // the entity an editor opens on
  std::string_view label;    // beside the number field; empty where there is no field
  std::string_view invalid;  // shown (caption "Error") for a typed number out of range
  int fieldLength;           // characters the number field takes
};
const EntityKindInfo& KindInfo(EntityKind kind);

// Eight option texts, bit 0 first; an empty text hides that bit.
using LabelTable = std::array<std::string_view, 8>;
// The bits whose texts are not empty: the ones an editor shows and may change.
constexpr std::uint8_t ShownBits(const LabelTable& labels) {
  std::uint8_t bits = 0;
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (!labels[i].empty()) bits = static_cast<std::uint8_t>(bits | (1u << i));
  return bits;
}

extern const LabelTable kOutputTexts;    // "Output 1" .. "Output 8"
extern const LabelTable kKeypadTexts;    // "Keypads 1" .. "Keypads 8"
extern const LabelTable kTimeZoneTexts;  // "Time Zone 1" .. "Time Zone 8"
extern const LabelTable kAreaTexts;      // "Area A", "Area B"
extern const LabelTable kAreaLetters;    // "A", "B": the users' and keyswitches' areas
// The special editors' option texts.
extern const LabelTable kUserAccessTexts;       // parameter 4
extern const LabelTable kUserPrivilegeTexts;    // parameter 5
extern const LabelTable kOutputOptionsATexts;   // parameters 0x22 to 0x25
extern const LabelTable kOutputOptionsBTexts;
extern const LabelTable kOutputOptionsCTexts;
extern const LabelTable kOutputOptionsDTexts;
extern const LabelTable kKeyswitchOptionTexts;  // parameter 0x70
extern const LabelTable kTimeZoneDayTexts;      // parameter 0xAB
extern const LabelTable kPhoneOptionTexts;      // parameter 0xB7
extern const LabelTable kPhoneReportingATexts;  // parameters 0xBA to 0xBD
extern const LabelTable kPhoneReportingBTexts;
extern const LabelTable kPhoneReportingCTexts;
extern const LabelTable kPhoneReportingDTexts;

enum class ValueFormat : std::uint8_t { HexDigits = 0, Digits = 1, Range = 2, LongDigits = 4 };

struct ValueDescriptor {
  std::uint32_t maximum = 0;
  std::uint32_t minimum = 0;
  ValueFormat format = ValueFormat::Range;
};
// Characters of the value field: 1, 2, 3, 4, 6 or 8 by the maximum; 16 for LongDigits.
int FieldLength(const ValueDescriptor& value);

struct Choice {
  std::uint8_t value;
  std::string_view text;
};
using ChoiceList = std::span<const Choice>;
// The choice carrying value, or null.
const Choice* FindChoice(ChoiceList choices, std::uint32_t value);

extern const ChoiceList kEolChoices;
extern const ChoiceList kResponseTimeChoices;
extern const ChoiceList kDetectorTypeChoices;
extern const ChoiceList kSiaCodeChoices;
// The special editors' lists.
extern const ChoiceList kUserTypeChoices;       // parameter 2 of users 21 to 100
extern const ChoiceList kCodeUserTypeChoices;   // parameter 2 of users 1 to 20: no "Radio user"
extern const ChoiceList kRadioUserTypeChoices;  // parameter 7
extern const ChoiceList kPhoneFormatChoices;    // parameter 0xB6

enum class EditorKind : std::uint8_t {
  Options,  // CByteItemDlg
  Value,    // CValueDlg
  List,     // CListDlg
  Users,
  PhoneNumbers,
  OutputOptions,
  OutputTimes,
  Clock,
  Keyswitches,
  TimeZones,
  Holidays,
  Diagnostics,
  ExitFromInstall,
};

// Separates the levels of a menu path: "Zone-Main|Zone Alarm Type Options|Zone Options A".
inline constexpr char kMenuPathSeparator = '|';

// One item of the program-mode menu.
struct MapRow {
  std::string_view menuPath;  // below "Main"
  std::string_view title;     // handed to the editor; empty for the special editors
  EditorKind editor;
  std::uint8_t parameter = 0;
  EntityKind entity = EntityKind::Fixed;
  std::uint8_t fixedEntity = 0;          // kind Fixed
  std::uint8_t highestZone = 0;          // list editor choosing a zone: 8 or 16
  const LabelTable* labels = nullptr;    // Options
  ValueDescriptor value{};               // Value
  ChoiceList choices{};                  // List

  // The entities the item edits: the fixed one, zones 1..highestZone, or the kind's range.
  EntityRange entities() const;
  // The item's own text, the last level of its path.
  std::string_view menuText() const;
  bool isGeneric() const { return editor == EditorKind::Options || editor == EditorKind::Value || editor == EditorKind::List; }
};

// Every item, in menu order, "Diagnostics" and "Exit from Install" last.
std::span<const MapRow> ParameterMap();
const MapRow* FindMapRow(std::string_view menuPath);

}  // namespace params
