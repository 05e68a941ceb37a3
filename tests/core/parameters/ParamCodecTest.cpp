// Reply decoding, digit alphabets and key entries, with the panel's own byte
// values written out: these codecs serve both the editors and the simulated
// panel, so a fault here would otherwise pass unnoticed end to end.
#include <gtest/gtest.h>

#include "core/parameters/ParamCodec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using params::Alphabet;

std::optional<params::Reply> Decode(const Bytes& frame) { return params::DecodeReply(frame.data(), frame.size()); }
Bytes View(const panel::FrameBytes& frame) { return {frame.view().begin(), frame.view().end()}; }

TEST(ParamReply, EachTypeReadsItsValueParameterAndEntity) {
  const struct {
    Bytes frame;
    std::uint8_t parameter;
    std::uint32_t number;
    std::optional<std::uint8_t> entity;
  } cases[] = {
      {{0x16, 0x07, 0x00, 0x5A, 0x2D, 0x03, 0x7E}, 45, 0x5A, 3},
      {{0x16, 0x00, 0x00, 0x5A, 0x2D, 0x7E}, 45, 0x5A, 0x7E},  // the delimiter stands where the entity would
      {{0x17, 0x00, 0x5A, 0x2D, 0x7E}, 45, 0x5A, 0x7E},
      {{0x17, 0x07, 0x21, 0x7F}, 127, 33, std::nullopt},
      {{0x18, 0x00, 0x01, 0xF4, 0x9D}, 157, 500, std::nullopt},
      {{0x19, 0x07, 0x06, 0xC2, 0xAC, 0x01, 0x7E}, 0xAC, 1730, 1},
      {{0x26, 0x07, 25, 12, 26, 0, 0, 0, 0, 0, 0xAA, 2, 0x7E}, 0xAA, 25 + 1200 + 260000, 2},
  };
  for (const auto& c : cases) {
    const auto reply = Decode(c.frame);
    ASSERT_TRUE(reply) << int(c.frame[0]);
    EXPECT_EQ(reply->type, c.frame[0]);
    EXPECT_EQ(reply->parameter, c.parameter) << int(c.frame[0]);
    EXPECT_EQ(reply->number, c.number) << int(c.frame[0]);
    EXPECT_EQ(reply->entity, c.entity) << int(c.frame[0]);
  }
}

TEST(ParamReply, ParameterOneHundredTwentySixIsTheDelimiterAndStillNamed) {
  // 7E 17 07 04 7E 03 7E arrives cut at the parameter byte.
  const auto reply = Decode({0x17, 0x07, 0x04, 0x7E});
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->parameter, 126);
  EXPECT_EQ(reply->number, 4u);
  EXPECT_FALSE(reply->entity);
}

TEST(ParamReply, FramesShortOfTheirParameterOrOfOtherTypesGiveNothing) {
  for (const Bytes& frame : std::initializer_list<Bytes>{
           {}, {0x16, 0x07, 0x00, 0x5A}, {0x17, 0x07, 0x5A}, {0x18, 0x07, 0x01, 0xF4},
           {0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {0x26, 0x07, 1, 1, 27},
           {0x12, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7E}, {0x20, 0x07, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x7E}}) {
    EXPECT_FALSE(params::DecodeReply(frame.data(), frame.size())) << frame.size();
  }
  EXPECT_FALSE(params::DecodeReply(nullptr, 4));
}

TEST(ParamReply, DigitsStopAtCodeFOrAfterSixteen) {
  const Bytes stop{0x1A, 0x07, 0x21, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E};
  const auto reply = Decode(stop);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->parameter, 0x3E);
  EXPECT_EQ(params::DigitText(reply->digits(), Alphabet::Value), "12BF");

  Bytes full{0x1A, 0x07, 0x10, 0x32, 0x54, 0x76, 0x98, 0x10, 0x32, 0x54, 0xAF, 0x08, 0x7E};
  const auto sixteen = Decode(full);
  ASSERT_TRUE(sixteen);
  EXPECT_EQ(params::DigitText(sixteen->digits(), Alphabet::Decimal), "0123456789012345");
}

TEST(DigitAlphabets, RepliesReadAsThePanelWritesThem) {
  const struct {
    Bytes packed;
    Alphabet alphabet;
    std::string text;
  } cases[] = {
      {{0x21, 0xFF}, Alphabet::Value, "12"},
      {{0x21, 0xAB, 0xFF}, Alphabet::Value, "12BF"},
      {{0xDC, 0xFE}, Alphabet::Value, "CDE"},
      {{0x21, 0x43, 0xF5}, Alphabet::Decimal, "12345"},
      {{0x90, 0xA7, 0xFB}, Alphabet::Phone, "097#*"},
      {{0xDC, 0xFE}, Alphabet::Phone, "=W-"},
      {{0xFF}, Alphabet::Phone, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> codes;
    for (std::uint8_t byte : c.packed) {
      codes.push_back(byte & 0x0F);
      codes.push_back(byte >> 4);
    }
    EXPECT_EQ(params::DigitText(codes, c.alphabet), c.text);
    const auto packed = params::PackDigits(c.text, c.alphabet);
    ASSERT_TRUE(packed) << c.text;
    EXPECT_TRUE(std::equal(c.packed.begin(), c.packed.end() - 1, packed->begin())) << c.text;
  }
}

TEST(DigitAlphabets, KeysOfEachCharacterAndRefusals) {
  const struct {
    std::string text;
    Alphabet alphabet;
    std::optional<Bytes> keys;
  } cases[] = {
      {"12BF", Alphabet::Value, Bytes{0x01, 0x02, 0x28, 0x27}},
      {"CDE9", Alphabet::Value, Bytes{0x29, 0x2A, 0x2B, 0x09}},
      {"12A4", Alphabet::Value, std::nullopt},
      {"12b4", Alphabet::Value, std::nullopt},
      {"0W*5", Alphabet::Phone, Bytes{0x00, 0x2A, 0x28, 0x05}},
      {"#=-w", Alphabet::Phone, Bytes{0x27, 0x29, 0x2B, 0x2A}},
      {"12a4", Alphabet::Phone, std::nullopt},
      {"0123", Alphabet::Decimal, Bytes{0x00, 0x01, 0x02, 0x03}},
      {"01B", Alphabet::Decimal, std::nullopt},
      {"", Alphabet::Decimal, Bytes{}},
  };
  for (const auto& c : cases) EXPECT_EQ(params::DigitKeys(c.text, c.alphabet), c.keys) << c.text;
  EXPECT_EQ(params::KeyCharacter(0x27, Alphabet::Value), 'F');
  EXPECT_EQ(params::KeyCharacter(0x27, Alphabet::Phone), '#');
  EXPECT_EQ(params::KeyCharacter(0x27, Alphabet::Decimal), 0);
  EXPECT_EQ(params::KeyCharacter(0x11, Alphabet::Value), 0);
  EXPECT_FALSE(params::PackDigits("01234567890123456", Alphabet::Decimal));
}

TEST(KeyEntries, TogglesDigitsAndReplies) {
  EXPECT_EQ(View(params::ToggleEntry(0x05, 0x84)), (Bytes{0x7A, 0x01, 0x08, 0x11}));
  EXPECT_EQ(View(params::ToggleEntry(0x10, 0x00, 0xEF)), Bytes{});  // a hidden bit is never written
  EXPECT_EQ(View(params::ToggleEntry(0x81, 0x81)), Bytes{});
  EXPECT_EQ(params::DecimalKeys(45), (Bytes{0x04, 0x05}));
  EXPECT_EQ(params::DecimalKeys(0), (Bytes{0x00}));
  EXPECT_EQ(params::DecimalKeys(3, 2), (Bytes{0x00, 0x03}));
  EXPECT_EQ(params::DecimalKeys(4294967295u), (Bytes{4, 2, 9, 4, 9, 6, 7, 2, 9, 5}));
  EXPECT_EQ(params::TwoDigitKeys({0, 9}), (Bytes{0, 0, 0, 9}));
  EXPECT_EQ(params::TwoDigitKeys({25, 12, 99}), (Bytes{2, 5, 1, 2, 9, 9}));
  EXPECT_EQ(View(params::Entry(Bytes{})), (Bytes{0x7A, 0x11}));

  EXPECT_EQ(params::OptionByteReplyFrame(122, 5, 0x05), (Bytes{0x7E, 0x16, 0x07, 0x00, 0x05, 0x7A, 0x05, 0x7E}));
  EXPECT_EQ(params::ByteReplyFrame(127, 12, 33), (Bytes{0x7E, 0x17, 0x07, 0x21, 0x7F, 0x0C, 0x7E}));
  EXPECT_EQ(params::WordReplyFrame(0x18, 157, 1, 500), (Bytes{0x7E, 0x18, 0x07, 0x01, 0xF4, 0x9D, 0x01, 0x7E}));
  EXPECT_EQ(params::DigitsReplyFrame(1, 7, {0x21, 0x43, 0xF5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
            (Bytes{0x7E, 0x1A, 0x07, 0x21, 0x43, 0xF5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x07, 0x7E}));
  EXPECT_EQ(params::DateReplyFrame(0xAA, 2, 25, 12, 26),
            (Bytes{0x7E, 0x26, 0x07, 25, 12, 26, 0, 0, 0, 0, 0, 0xAA, 0x02, 0x7E}));
}

}  // namespace
