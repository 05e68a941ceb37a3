// Values as text, the form the simulator's commands and panel files use:
// every kind both ways, with the boundaries on both sides.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/parameters/PanelParameters.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

TEST(ValueText, EveryKindBothWaysWithItsBoundaries) {
  constexpr std::optional<std::uint32_t> kRefused;
  const struct {
    int parameter, entity;
    std::string_view text;
    std::optional<std::uint32_t> number;  // numeric kinds; text kinds: whether taken
    std::string_view written = {};        // FormatValue's text when it is not `text`
  } cases[] = {
      // Option byte (zone options A).
      {122, 1, "0x5A", 0x5A},
      {122, 1, "0x00", 0x00},
      {122, 1, "0xFF", 0xFF},
      {122, 1, "0x5a", 0x5A, "0x5A"},
      {122, 1, "0X5A", kRefused},
      {122, 1, "5A", kRefused},
      {122, 1, "0x5", kRefused},
      {122, 1, "0x100", kRefused},
      {122, 1, "0x5G", kRefused},
      {122, 1, " 0x5A", kRefused},
      // Numbers: exit delay 0..255, zone alarm Contact ID code 100..700.
      {60, 1, "0", 0u},
      {60, 1, "255", 255u},
      {60, 1, "256", kRefused},
      {60, 1, "-1", kRefused},
      {60, 1, "+5", kRefused},
      {60, 1, "045", kRefused},
      {60, 1, "", kRefused},
      {60, 1, "45 ", kRefused},
      {60, 1, "99999999999", kRefused},
      {157, 1, "99", kRefused},
      {157, 1, "100", 100u},
      {157, 1, "700", 700u},
      {157, 1, "701", kRefused},
      // Choices: phone format 1..11, detector types with gaps.
      {0xB6, 1, "0", kRefused},
      {0xB6, 1, "1", 1u},
      {0xB6, 1, "11", 11u},
      {0xB6, 1, "12", kRefused},
      {127, 1, "6", 6u},
      {127, 1, "7", kRefused},
      {127, 1, "11", 11u},
      // Times.
      {0xAC, 1, "17:30", 1730u},
      {0xAC, 1, "00:00", 0u},
      {0xAC, 1, "23:59", 2359u},
      {0xAC, 1, "24:00", kRefused},
      {0xAC, 1, "23:60", kRefused},
      {0xAC, 1, "05:59", 559u},
      {0xAC, 1, "06:00", 600u},
      {0xAC, 1, "7:30", kRefused},
      {0xAC, 1, "17.30", kRefused},
      {0xAC, 1, "17:300", kRefused},
      // Dates.
      {0xAA, 1, "2026-12-25", 25u + 1200 + 260000},
      {0xAA, 1, "none", 0u},
      {0xAA, 1, "2000-01-01", 101u},
      {0xAA, 1, "2099-12-31", 31u + 1200 + 990000},
      {0xAA, 1, "1999-12-31", kRefused},
      {0xAA, 1, "2100-01-01", kRefused},
      {0xAA, 1, "2028-02-29", 29u + 200 + 280000},
      {0xAA, 1, "2026-02-29", kRefused},
      {0xAA, 1, "2026-04-30", 30u + 400 + 260000},
      {0xAA, 1, "2026-04-31", kRefused},
      {0xAA, 1, "2026-13-01", kRefused},
      {0xAA, 1, "2026-00-10", kRefused},
      {0xAA, 1, "2026-12-00", kRefused},
      {0xAA, 1, "2000-00-00", kRefused},
      {0xAA, 1, "2026-4-01", kRefused},
      {0xAA, 1, "None", kRefused},
      // Digit strings: account number (4 of 0-9 B-F).
      {62, 1, "\"12BF\"", 1u},
      {62, 1, "\"\"", 1u},
      {62, 1, "\"12BFC\"", kRefused},
      {62, 1, "\"12A\"", kRefused},
      {62, 1, "\"12bf\"", kRefused},
      {62, 1, "12BF", kRefused},
      {62, 1, "\"12BF", kRefused},
      {62, 1, "12BF\"", kRefused},
      {62, 1, "\"1\"2\"", kRefused},
      {62, 1, "\"", kRefused},
      // User code: 6 decimal digits.
      {1, 1, "\"123456\"", 1u},
      {1, 1, "\"1234567\"", kRefused},
      {1, 1, "\"12B\"", kRefused},
      // Dialling prefix: 16 decimal digits.
      {175, 8, "\"0123456789012345\"", 1u},
      {175, 8, "\"01234567890123456\"", kRefused},
      // Phone number: 16 of 0-9 # * = W -.
      {0xB5, 1, "\"0W*5#=-123456789\"", 1u},
      {0xB5, 1, "\"0W*5#=-1234567890\"", kRefused},
      {0xB5, 1, "\"0w\"", kRefused},
      {0xB5, 1, "\"12a4\"", kRefused},
  };
  for (const auto& c : cases) {
    const auto* p = params::FindPanelParameter(static_cast<std::uint8_t>(c.parameter), static_cast<std::uint8_t>(c.entity));
    ASSERT_NE(p, nullptr) << c.parameter;
    const std::optional<params::Value> value = params::ParseValue(*p, c.text);
    ASSERT_EQ(value.has_value(), c.number.has_value()) << c.parameter << " " << c.text;
    if (!value) continue;
    const bool textKind = c.text.front() == '"';
    const params::Value expected =
        textKind ? params::Value{0, std::string(c.text.substr(1, c.text.size() - 2))} : params::Value{*c.number, {}};
    EXPECT_EQ(*value, expected) << c.text;
    EXPECT_EQ(params::FormatValue(*p, *value), c.written.empty() ? c.text : c.written) << c.text;
  }
}

}  // namespace

namespace {

// Whatever a reply carries comes back exactly from its text, and the panel's
// reply for the value read back is the reply it came from: values no editor
// types are written as the reply's value bytes.
TEST(ValueText, EveryValueAReplyCarriesSurvivesItsTextExactly) {
  const struct {
    int parameter, entity;
    Bytes reply;  // as the panel sends it
    std::string_view text;
  } cases[] = {
      // Times past 23:59 (10000 and 12359 once read as 00:00 and 23:59), 24:00, minute 60.
      {0xAC, 1, {0x7E, 0x19, 0x07, 0x27, 0x10, 0xAC, 0x01, 0x7E}, "raw 27 10"},
      {0xAC, 1, {0x7E, 0x19, 0x07, 0x30, 0x47, 0xAC, 0x01, 0x7E}, "raw 30 47"},
      {0xAD, 2, {0x7E, 0x19, 0x07, 0x09, 0x60, 0xAD, 0x02, 0x7E}, "raw 09 60"},
      {0xAD, 2, {0x7E, 0x19, 0x07, 0x04, 0xEC, 0xAD, 0x02, 0x7E}, "raw 04 EC"},
      {0xAD, 2, {0x7E, 0x19, 0x07, 0x09, 0x37, 0xAD, 0x02, 0x7E}, "23:59"},
      // Holidays: day and month 0 of 2026 (once 2026-00-00), bytes of 100 and more (once folded
      // into 1 February), erased memory; 25 December 2026 as it is.
      {0xAA, 3, {0x7E, 0x26, 0x07, 0, 0, 26, 0, 0, 0, 0, 0, 0xAA, 3, 0x7E}, "raw 00 00 1A"},
      {0xAA, 3, {0x7E, 0x26, 0x07, 101, 1, 26, 0, 0, 0, 0, 0, 0xAA, 3, 0x7E}, "raw 65 01 1A"},
      {0xAA, 3, {0x7E, 0x26, 0x07, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0xAA, 3, 0x7E}, "raw FF FF FF"},
      {0xAA, 3, {0x7E, 0x26, 0x07, 25, 12, 26, 0, 0, 0, 0, 0, 0xAA, 3, 0x7E}, "2026-12-25"},
      // A user code with code 0xA (once ':'), one of seven digits; the 16-digit prefix with a B.
      {1, 4, {0x7E, 0x1A, 0x07, 0x21, 0x4A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x04, 0x7E},
       "raw 21 4A FF FF FF FF FF FF"},
      {1, 4, {0x7E, 0x1A, 0x07, 0x21, 0x43, 0x65, 0xF7, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x04, 0x7E},
       "raw 21 43 65 F7 FF FF FF FF"},
      {175, 8, {0x7E, 0x1A, 0x07, 0x10, 0xB2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xAF, 0x08, 0x7E},
       "raw 10 B2 FF FF FF FF FF FF"},
      {175, 8, {0x7E, 0x1A, 0x07, 0x10, 0x32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xAF, 0x08, 0x7E}, "\"0123\""},
      // Daylight saving Sunday 0, zone Contact ID code 0, a detector type not in the list,
      // an exit delay of 300 in a word reply.
      {27, 1, {0x7E, 0x17, 0x07, 0x00, 0x1B, 0x01, 0x7E}, "raw 00"},
      {157, 1, {0x7E, 0x18, 0x07, 0x00, 0x00, 0x9D, 0x01, 0x7E}, "raw 00 00"},
      {127, 1, {0x7E, 0x17, 0x07, 0x07, 0x7F, 0x01, 0x7E}, "raw 07"},
      {60, 1, {0x7E, 0x18, 0x07, 0x01, 0x2C, 0x3C, 0x01, 0x7E}, "raw 01 2C"},
      {60, 1, {0x7E, 0x17, 0x07, 0xFF, 0x3C, 0x01, 0x7E}, "255"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto* p = params::FindPanelParameter(static_cast<std::uint8_t>(c.parameter), static_cast<std::uint8_t>(c.entity));
    ASSERT_NE(p, nullptr);
    const auto reply = params::DecodeReply(c.reply.data() + 1, c.reply.size() - 1);
    ASSERT_TRUE(reply);
    const std::optional<params::Value> value = params::ValueFromReply(*p, *reply);
    ASSERT_TRUE(value);
    EXPECT_EQ(params::FormatValue(*p, *value), c.text);
    EXPECT_EQ(params::IsValid(*p, *value), !c.text.starts_with("raw"));
    const std::optional<params::Value> back = params::ParseValue(*p, c.text);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, *value);
    EXPECT_EQ(params::ReplyFrameFor(*p, static_cast<std::uint8_t>(c.entity), *back), c.reply);
  }
  // Raw bytes are read in either case and with one digit; a count the reply never carries is refused.
  const auto* start = params::FindPanelParameter(0xAC, 1);
  EXPECT_EQ(params::ParseValue(*start, "raw 9 6a"), (params::Value{0x096A, {}}));
  for (const char* refused : {"raw", "raw 09", "raw 09 60 00", "raw  09 60", "raw 09 600", "raw 0x9 60", "raw 09 6G"})
    EXPECT_FALSE(params::ParseValue(*start, refused)) << refused;
}

}  // namespace
