// The catalogue of panel parameters and the value codec over it: what each
// parameter is, and that replies, keys and the panel's own handling of keys
// agree for every parameter an editor reads.
#include <gtest/gtest.h>

#include <set>

#include "core/parameters/PanelParameters.h"

namespace {

using params::ValueKind;
using Bytes = std::vector<std::uint8_t>;

TEST(PanelParameters, EveryGenericMapRowAndEverySpecialParameterOnce) {
  std::size_t generic = 0;
  for (const params::MapRow& row : params::ParameterMap()) generic += row.isGeneric();
  EXPECT_EQ(generic, 128u);
  // 128 rows, users 12 (the type twice: users 1 to 20 and 21 to 100), phones 8,
  // output options 5 and times 4, daylight saving 4, keyswitches 2, time zones 4, holidays 1.
  EXPECT_EQ(params::PanelParameters().size(), 128u + 12 + 8 + 5 + 4 + 4 + 2 + 4 + 1);
  std::set<std::pair<int, int>> seen;
  for (const params::PanelParameter& p : params::PanelParameters()) {
    for (int e = p.entities.first; e <= p.entities.last; ++e)
      EXPECT_TRUE(seen.insert({p.parameter, e}).second) << "P" << int(p.parameter) << " E" << e;
  }
}

TEST(PanelParameters, WhatEachParameterIs) {
  const struct {
    int parameter, entity;
    ValueKind kind;
    int replyType;
    std::uint32_t minimum, maximum;
    int bits;
    std::string_view path;
  } cases[] = {
      {122, 5, ValueKind::Options, 0x16, 0, 0, 0xFF, "Zone-Main|Zone Alarm Type Options|Zone Options A"},
      {45, 1, ValueKind::Options, 0x16, 0, 0, 0xEF, "Area|Area Optioin A"},
      {46, 2, ValueKind::Options, 0x16, 0, 0, 0x4F, "Area|Area Option B"},
      {123, 16, ValueKind::Options, 0x16, 0, 0, 0xDF, "Zone-Main|Zone Alarm Type Options|Zone Options B"},
      {121, 1, ValueKind::Options, 0x16, 0, 0, 0x03, "Zone-Main|Zone Area Assignment"},
      {8, 21, ValueKind::Options, 0x16, 0, 0, 0x1F, "Radio User|Radio Users Privileges"},
      {25, 0, ValueKind::Options, 0x16, 0, 0, 0xFF, "Miscellaneous|Miscellaneous User Options"},
      {25, 9, ValueKind::Options, 0x16, 0, 0, 0xFF, "Miscellaneous|Temporary Output Disable"},
      {94, 8, ValueKind::Number, 0x17, 0, 255, 0, "Keypads|Keypad Chime Timer"},
      {157, 16, ValueKind::Number, 0x18, 100, 700, 0, "Zone-Main|Zone CID Report Codes|Zone Alarm Contact ID Report Code"},
      {175, 4, ValueKind::Number, 0x18, 0, 2359, 0, "Dialler|Test Call options|Time to the first dialler test call"},
      {62, 2, ValueKind::Digits, 0x1A, 0, 4, 0, "Area|Monitoring Account Code Number"},
      {25, 1, ValueKind::Digits, 0x1A, 0, 6, 0, "Miscellaneous|Installer Code"},
      {25, 8, ValueKind::Digits, 0x1A, 0, 8, 0, "Miscellaneous|Security Code"},
      {175, 8, ValueKind::LongDigits, 0x1A, 0, 16, 0, "Dialler|Dialling Pre-Fix Number"},
      {125, 8, ValueKind::Choice, 0x17, 0, 0, 0, "Zone-Main|Zone EOL (End-Of-Line) Options"},
      {197, 2, ValueKind::Choice, 0x17, 0, 0, 0, "Dialler|SIA Report Code|\"FIRE\" Alarm SIA code"},
      {1, 100, ValueKind::Code, 0x1A, 0, 6, 0, "User|Code"},
      {3, 1, ValueKind::Options, 0x16, 0, 0, 0x03, "User|Areas"},
      {7, 21, ValueKind::Choice, 0x17, 0, 0, 0, "User|Radio User Type"},
      {0xB5, 8, ValueKind::Phone, 0x1A, 0, 16, 0, "Phone Number|Number"},
      {0xB8, 1, ValueKind::Number, 0x17, 0, 99, 0, "Phone Number|Maximum dial retries"},
      {0x24, 1, ValueKind::Options, 0x16, 0, 0, 0x1F, "Output|Options|Options C"},
      {0x25, 8, ValueKind::Options, 0x16, 0, 0, 0x8F, "Output|Options|Options D"},
      {0x26, 1, ValueKind::Number, 0x18, 0, 9999, 0, "Output|Times|ON Delay Time"},
      {0x29, 8, ValueKind::Number, 0x17, 0, 255, 0, "Output|Times|Chime Mode Time"},
      {0x1A, 4, ValueKind::Options, 0x16, 0, 0, 0x01, "Clock Setting|Set clock|Daylight saving"},
      {0x1C, 2, ValueKind::Number, 0x17, 1, 12, 0, "Clock Setting|Set clock|Month"},
      {0x1D, 1, ValueKind::Number, 0x17, 0, 23, 0, "Clock Setting|Set clock|Hour"},
      {0x6F, 2, ValueKind::Options, 0x16, 0, 0, 0x03, "Keyswitch|Area"},
      {0xAC, 8, ValueKind::Time, 0x19, 0, 2359, 0, "Clock Setting|Time zone|Start"},
      {0xAE, 1, ValueKind::Options, 0x16, 0, 0, 0x01, "Clock Setting|Time zone|Ignore Holidays"},
      {0xAA, 8, ValueKind::Date, 0x26, 0, 0, 0, "Clock Setting|Holydays|Date"},
  };
  for (const auto& c : cases) {
    const auto* p = params::FindPanelParameter(static_cast<std::uint8_t>(c.parameter), static_cast<std::uint8_t>(c.entity));
    ASSERT_NE(p, nullptr) << c.path;
    EXPECT_EQ(p->path, c.path);
    EXPECT_EQ(p->kind, c.kind) << c.path;
    EXPECT_EQ(p->replyType, c.replyType) << c.path;
    if (c.kind == ValueKind::Options) {
      EXPECT_EQ(p->bits, c.bits) << c.path;
    }
    if (c.kind != ValueKind::Options && c.kind != ValueKind::Choice) {
      EXPECT_EQ(p->minimum, c.minimum) << c.path;
      EXPECT_EQ(p->maximum, c.maximum) << c.path;
    }
  }
  // Not read by any editor: the EOL of zone 9, radio types below 21, the clock itself, diagnostics.
  for (const auto& [parameter, entity] : std::initializer_list<std::pair<int, int>>{
           {125, 9}, {126, 0}, {7, 20}, {0x1A, 1}, {0x1A, 3}, {200, 1}, {6, 1}, {0x2B, 1}, {0xAA, 9}})
    EXPECT_EQ(params::FindPanelParameter(static_cast<std::uint8_t>(parameter), static_cast<std::uint8_t>(entity)), nullptr)
        << parameter << "/" << entity;
}

// Values at the edges of what each kind holds.
std::vector<params::Value> EdgeValues(const params::PanelParameter& p) {
  switch (p.kind) {
    case ValueKind::Options: return {{0, {}}, {p.bits, {}}, {0xFF, {}}};
    case ValueKind::Number: return {{p.minimum, {}}, {p.maximum, {}}};
    case ValueKind::Choice: return {{p.choices.front().value, {}}, {p.choices.back().value, {}}};
    case ValueKind::Time: return {{0, {}}, {2359, {}}, {1730, {}}};
    case ValueKind::Date: return {{0, {}}, {31 + 1200 + 990000, {}}, {1 + 100 + 270000, {}}};
    case ValueKind::Digits: return {{0, ""}, {0, std::string("12BCDEF90", p.maximum)}};
    case ValueKind::LongDigits: return {{0, ""}, {0, "0123456789012345"}};
    case ValueKind::Code: return {{0, ""}, {0, "987654"}};
    case ValueKind::Phone: return {{0, ""}, {0, "0W*5#=-123456789"}};
  }
  return {};
}

TEST(ValueCodec, RepliesAndKeysAgreeWithThePanelForEveryParameter) {
  for (const params::PanelParameter& p : params::PanelParameters()) {
    const std::string where = std::string(p.path) + " P" + std::to_string(p.parameter);
    for (const std::uint8_t entity : {p.entities.first, p.entities.last}) {
      for (const params::Value& value : EdgeValues(p)) {
        ASSERT_TRUE(params::IsValid(p, value)) << where << " " << value.number << value.text;
        const Bytes frame = params::ReplyFrameFor(p, entity, value);
        ASSERT_EQ(frame.front(), 0x7E) << where;
        const auto reply = params::DecodeReply(frame.data() + 1, frame.size() - 1);
        ASSERT_TRUE(reply) << where;
        EXPECT_EQ(reply->type, p.replyType) << where;
        EXPECT_EQ(reply->parameter, p.parameter) << where;
        EXPECT_EQ(reply->entity, entity) << where;
        EXPECT_EQ(params::ValueFromReply(p, *reply), value) << where;

        // The panel, given the keys that write `value` over every other edge value, keeps `value`
        // (option bits the editors hide stay as they were).
        for (const params::Value& before : EdgeValues(p)) {
          const panel::FrameBytes keys = params::WriteKeys(p, before, value);
          if (before == value) {
            EXPECT_TRUE(keys.empty()) << where;
            continue;
          }
          if (keys.empty()) {
            EXPECT_EQ(p.kind, ValueKind::Options) << where;
            EXPECT_EQ((before.number ^ value.number) & p.bits, 0u) << where;
            continue;
          }
          ASSERT_GE(keys.size(), 2) << where;
          EXPECT_EQ(keys[0], 0x7A) << where;
          EXPECT_EQ(keys[keys.size() - 1u], 0x11) << where;
          const auto typed = params::ApplyEntry(p, before, keys.view().subspan(1, keys.size() - 2u));
          ASSERT_TRUE(typed) << where;
          const params::Value expected =
              p.kind == ValueKind::Options
                  ? params::Value{(value.number & p.bits) | (before.number & ~p.bits & 0xFFu), {}}
                  : value;
          EXPECT_EQ(*typed, expected) << where;
        }
      }
    }
  }
}

TEST(ValueCodec, KeysOfTheEditorsExamples) {
  const auto keys = [](int parameter, int entity, params::Value from, params::Value to) {
    const auto* p = params::FindPanelParameter(static_cast<std::uint8_t>(parameter), static_cast<std::uint8_t>(entity));
    const panel::FrameBytes frame = params::WriteKeys(*p, from, to);
    return Bytes(frame.view().begin(), frame.view().end());
  };
  EXPECT_EQ(keys(122, 5, {0x05, {}}, {0x84, {}}), (Bytes{0x7A, 0x01, 0x08, 0x11}));
  EXPECT_EQ(keys(60, 1, {0, {}}, {45, {}}), (Bytes{0x7A, 0x04, 0x05, 0x11}));
  EXPECT_EQ(keys(157, 1, {500, {}}, {100, {}}), (Bytes{0x7A, 0x01, 0x00, 0x00, 0x11}));
  EXPECT_EQ(keys(62, 1, {0, ""}, {0, "12BF"}), (Bytes{0x7A, 0x01, 0x02, 0x28, 0x27, 0x11}));
  EXPECT_EQ(keys(127, 12, {33, {}}, {35, {}}), (Bytes{0x7A, 0x03, 0x05, 0x11}));
  EXPECT_EQ(keys(125, 1, {0, {}}, {3, {}}), (Bytes{0x7A, 0x03, 0x11}));
  EXPECT_EQ(keys(0xB6, 1, {1, {}}, {11, {}}), (Bytes{0x7A, 0x01, 0x01, 0x11}));
  EXPECT_EQ(keys(0xB5, 1, {0, "123"}, {0, "0W*5"}), (Bytes{0x7A, 0x00, 0x2A, 0x28, 0x05, 0x11}));
  EXPECT_EQ(keys(1, 7, {0, "1234"}, {0, "987"}), (Bytes{0x7A, 0x09, 0x08, 0x07, 0x11}));
  EXPECT_EQ(keys(1, 7, {0, "1234"}, {0, ""}), (Bytes{0x7A, 0x11}));
  EXPECT_EQ(keys(0x1C, 1, {3, {}}, {10, {}}), (Bytes{0x7A, 0x01, 0x00, 0x11}));
  EXPECT_EQ(keys(0x1D, 2, {2, {}}, {3, {}}), (Bytes{0x7A, 0x00, 0x03, 0x11}));
  EXPECT_EQ(keys(0xAD, 3, {0, {}}, {600, {}}), (Bytes{0x7A, 0x00, 0x06, 0x00, 0x00, 0x11}));
  EXPECT_EQ(keys(0xAA, 5, {0, {}}, {1 + 100 + 270000, {}}), (Bytes{0x7A, 0x00, 0x01, 0x00, 0x01, 0x02, 0x07, 0x11}));
  EXPECT_EQ(keys(0xAA, 2, {25 + 1200 + 260000, {}}, {0, {}}), (Bytes{0x7A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x11}));
  // Not valid for the parameter: nothing to send.
  EXPECT_EQ(keys(60, 1, {0, {}}, {256, {}}), Bytes{});
  EXPECT_EQ(keys(1, 7, {0, ""}, {0, "1234567"}), Bytes{});
}

TEST(ValueCodec, ThePanelRefusesEntriesOutsideTheParameter) {
  const auto apply = [](int parameter, int entity, const Bytes& keys) {
    const auto* p = params::FindPanelParameter(static_cast<std::uint8_t>(parameter), static_cast<std::uint8_t>(entity));
    return params::ApplyEntry(*p, params::Value{7, {}}, keys);
  };
  const struct {
    int parameter, entity;
    Bytes keys;
    std::optional<std::uint32_t> stored;
  } cases[] = {
      {157, 1, {0, 9, 9}, std::nullopt},       // 99 below 100
      {157, 1, {1, 0, 0}, 100u},
      {157, 1, {7, 0, 0}, 700u},
      {157, 1, {7, 0, 1}, std::nullopt},
      {60, 1, {2, 5, 5}, 255u},
      {60, 1, {2, 5, 6}, std::nullopt},
      {60, 1, {}, 7u},                         // ENTER alone keeps the value
      {60, 1, {0x28}, std::nullopt},
      {60, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, std::nullopt},
      {122, 1, {1, 8}, 7u ^ 0x81u},
      {122, 1, {9}, std::nullopt},
      {125, 1, {1, 5}, 15u},
      {125, 1, {1, 6}, std::nullopt},
      {127, 1, {7}, std::nullopt},             // 7 is not a detector type
      {2, 20, {1}, std::nullopt},              // users 1 to 20 are never radio users
      {2, 20, {4}, 4u},
      {2, 21, {1}, 1u},
      {0xAC, 1, {2, 3, 5, 9}, 2359u},
      {0xAC, 1, {2, 3, 6, 0}, std::nullopt},
      {0xAC, 1, {2, 4, 0, 0}, std::nullopt},
      {0xAC, 1, {0, 6, 0}, std::nullopt},
      {0xAA, 1, {3, 1, 1, 2, 9, 9}, 31u + 1200 + 990000},
      {0xAA, 1, {3, 2, 0, 1, 2, 6}, std::nullopt},
      {0xAA, 1, {0, 1, 1, 3, 2, 6}, std::nullopt},
      {0xAA, 1, {0, 0, 0, 0, 0, 0}, 0u},
  };
  for (const auto& c : cases) {
    const auto value = apply(c.parameter, c.entity, c.keys);
    ASSERT_EQ(value.has_value(), c.stored.has_value()) << c.parameter << " " << c.keys.size();
    if (value) {
      EXPECT_EQ(value->number, *c.stored) << c.parameter;
    }
  }
  const auto* code = params::FindPanelParameter(1, 1);
  EXPECT_EQ(params::ApplyEntry(*code, {}, Bytes{1, 2, 3, 4, 5, 6}), (params::Value{0, "123456"}));
  EXPECT_FALSE(params::ApplyEntry(*code, {}, Bytes{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_FALSE(params::ApplyEntry(*code, {}, Bytes{1, 0x28}));
  const auto* phone = params::FindPanelParameter(0xB5, 3);
  EXPECT_EQ(params::ApplyEntry(*phone, {}, Bytes{0x00, 0x2A, 0x28, 0x05, 0x27, 0x29, 0x2B}), (params::Value{0, "0W*5#=-"}));
  const auto* account = params::FindPanelParameter(62, 1);
  EXPECT_EQ(params::ApplyEntry(*account, {}, Bytes{0x01, 0x02, 0x28, 0x27}), (params::Value{0, "12BF"}));
  EXPECT_FALSE(params::ApplyEntry(*account, {}, Bytes{1, 2, 3, 4, 5}));
}

}  // namespace
