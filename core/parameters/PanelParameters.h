#pragma once

// Every parameter of the panel that an editor reads, described in the same
// terms (parameter number, entities, kind of value, reply type, keys): the
// generic editors' rows of the parameter map and the special editors'
// parameters. The simulated panel stores them, panel files save and compare
// them, a restore writes them. Standard library only.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/parameters/ParamCodec.h"
#include "core/parameters/ParameterMap.h"

namespace params {

enum class ValueKind : std::uint8_t {
  Options,     // eight option bits; keys 1..8 toggle them
  Number,      // decimal minimum..maximum; keys the decimal digits
  Choice,      // one value of a list; keys the decimal digits
  Digits,      // up to `maximum` characters 0-9, B-F (account numbers, installer and security codes)
  LongDigits,  // up to 16 decimal digits
  Code,        // a user code, up to `maximum` decimal digits
  Phone,       // up to 16 characters of "0123456789#*=W-"
  Time,        // hour × 100 + minute; keys HH MM
  Date,        // day + 100 × month + 10000 × (year - 2000), 0 = no date; keys DD MM YY
};

struct PanelParameter {
  std::uint8_t parameter = 0;
  EntityRange entities;
  ValueKind kind = ValueKind::Options;
  std::uint8_t replyType = kOptionByteReply;  // what the panel answers a read with
  std::uint32_t minimum = 0;                  // Number
  std::uint32_t maximum = 0;                  // Number: highest value; text kinds: most characters
  std::uint8_t bits = 0xFF;                   // Options: the bits the editors show and write
  std::uint8_t keyDigits = 1;                 // Number, Choice: digit keys at least (leading zeros)
  ChoiceList choices{};                       // Choice
  std::string_view path;                      // where a person finds it, menu levels separated by '|'
  std::string_view entityName;                // "zone", "user", ...; empty for a fixed entity
  const LabelTable* labels = nullptr;         // Options: the bits' texts, where the program has them

  Alphabet alphabet() const;
};

// What a parameter holds: a number for the numeric kinds, a text for the others.
struct Value {
  std::uint32_t number = 0;
  std::string text;
  friend bool operator==(const Value&, const Value&) = default;
};

// In menu order; parameters 25, 175 and 176 appear once per sub-value.
std::span<const PanelParameter> PanelParameters();
// The description of (parameter, entity), or null if no editor reads it.
const PanelParameter* FindPanelParameter(std::uint8_t parameter, std::uint8_t entity);

// A reply's value, if the reply is of a type the parameter's kind takes
// (option bytes come as 0x16 or 0x17, numbers as 0x17, 0x18 or 0x19). The
// value is kept exactly, whether or not an editor would type it.
// The caller matches the parameter and entity.
std::optional<Value> ValueFromReply(const PanelParameter& parameter, const Reply& reply);
// The reply the panel sends for the value, delimiters included.
std::vector<std::uint8_t> ReplyFrameFor(const PanelParameter& parameter, std::uint8_t entity, const Value& value);
// The value bytes of that reply as they are: an option byte or byte, a word
// high byte first (a byte parameter holding more than 255 answers with a
// word), day, month and year byte of a date, eight bytes of packed digits.
std::vector<std::uint8_t> ValueBytes(const PanelParameter& parameter, const Value& value);
// The value such bytes stand for, or nothing for a count of bytes the
// parameter's replies never carry. Digits after the end code are no part of
// the value, and fewer than eight bytes of digits end there.
std::optional<Value> ValueFromBytes(const PanelParameter& parameter, std::span<const std::uint8_t> bytes);
// Whether an editor can type the value, so that the panel takes it from keys.
bool IsValid(const PanelParameter& parameter, const Value& value);
// Whether the parameter's reply can carry the value: what the panel may
// hold there, typed or not.
bool FitsReply(const PanelParameter& parameter, const Value& value);
// The keystroke frame that turns `current` into `wanted` after a read of the
// parameter: toggles for option bits, the whole value typed otherwise.
// Empty when there is nothing to write or `wanted` is not valid.
panel::FrameBytes WriteKeys(const PanelParameter& parameter, const Value& current, const Value& wanted);
// The panel's side: the value after the keys of one entry (between 7A and
// ENTER) on the parameter, or nothing when the panel refuses the entry and
// keeps `current`.
std::optional<Value> ApplyEntry(const PanelParameter& parameter, const Value& current,
                                std::span<const std::uint8_t> keys);

// A value as people and panel files write it: option bytes 0x5A, numbers
// and choices in decimal, digit strings, codes and phone numbers in double
// quotes ("12BF", ""), times 17:30, dates 2026-12-25 or none. A value no
// editor types is written as its reply's value bytes in hex, "raw 09 60"
// (24:00), since any reading of it as a time or date would be a guess.
// One text per value, so saved values compare as text.
std::string FormatValue(const PanelParameter& parameter, const Value& value);
// The value such a text stands for; nothing for a text in another form
// (leading zeros, blanks, "0X5A", unbalanced quotes), a value in the
// ordinary form that no editor types, or raw bytes the reply never carries.
std::optional<Value> ParseValue(const PanelParameter& parameter, std::string_view text);
// What ParseValue takes for the parameter, for messages ("a number from 0 to 255, or raw ...").
std::string ValueSyntax(const PanelParameter& parameter);

}  // namespace params
