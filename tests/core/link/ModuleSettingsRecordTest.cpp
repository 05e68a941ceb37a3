#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/link/ModuleSettingsRecord.h"

namespace {

using quilby::ModuleSettingsRecord;
using Text = ModuleSettingsRecord::Text;

ModuleSettingsRecord Filled(std::uint8_t value) {
  ModuleSettingsRecord r;
  r.bytes().fill(value);
  return r;
}

struct TextCase {
  Text text;
  std::size_t offset;
  std::size_t size;
};

class RecordTextField : public testing::TestWithParam<TextCase> {};

// Each text lands at its offset, is cut to leave room for the zero, clears
// the rest of its own field and leaves both neighbours alone.
TEST_P(RecordTextField, WritesInsideItsFieldOnly) {
  const TextCase c = GetParam();
  ModuleSettingsRecord r = Filled(0xEE);
  const std::string longText(c.size + 10, 'x');
  r.setText(c.text, longText);

  const auto& b = r.bytes();
  for (std::size_t i = 0; i < c.size - 1; ++i) EXPECT_EQ(b[c.offset + i], 'x') << i;
  EXPECT_EQ(b[c.offset + c.size - 1], 0);
  EXPECT_EQ(b[c.offset - 1], 0xEE);
  if (c.offset + c.size < b.size()) {
    EXPECT_EQ(b[c.offset + c.size], 0xEE);
  }
  EXPECT_EQ(r.text(c.text), std::string(c.size - 1, 'x'));

  r.setText(c.text, "ab");
  EXPECT_EQ(r.text(c.text), "ab");
  for (std::size_t i = 2; i < c.size; ++i) EXPECT_EQ(b[c.offset + i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(
    AllTexts, RecordTextField,
    testing::Values(TextCase{Text::IpAddress, 8, 16}, TextCase{Text::DefaultGateway, 24, 16},
                    TextCase{Text::DnsServer, 40, 16}, TextCase{Text::AuthorizedPc, 56, 16},
                    TextCase{Text::Receiver1, 72, 60}, TextCase{Text::Receiver2, 132, 60},
                    TextCase{Text::Receiver3, 192, 60}, TextCase{Text::Receiver4, 252, 60},
                    TextCase{Text::AccountNumber, 312, 5}, TextCase{Text::Password, 317, 16}));

TEST(ModuleSettingsRecord, ReadingAFullFieldStopsAtItsEnd) {
  // A five-digit account fills its field with no zero; the password that
  // follows must not show up as part of the account number.
  ModuleSettingsRecord r;
  std::copy_n("12345", 5, r.bytes().begin() + 312);
  std::copy_n("hunter2", 8, r.bytes().begin() + 317);
  EXPECT_EQ(r.text(Text::AccountNumber), "12345");
  EXPECT_EQ(r.text(Text::Password), "hunter2");
}

TEST(ModuleSettingsRecord, SubnetMaskIsLittleEndianWithTheFirstNumberOnTop) {
  ModuleSettingsRecord r = Filled(0x11);
  r.setSubnetMask(0xFFFFFE00u);  // 255.255.254.0
  const auto& b = r.bytes();
  EXPECT_EQ(b[4], 0x00);
  EXPECT_EQ(b[5], 0xFE);
  EXPECT_EQ(b[6], 0xFF);
  EXPECT_EQ(b[7], 0xFF);
  EXPECT_EQ(b[3], 0x11);
  EXPECT_EQ(b[8], 0x11);
  EXPECT_EQ(quilby::FormatDottedQuad(r.subnetMask()), "255.255.254.0");
}

TEST(ModuleSettingsRecord, OptionBitsLeaveTheOtherBitsAlone) {
  ModuleSettingsRecord r;
  r.bytes()[333] = 0xA4;
  r.bytes()[335] = 0x69;

  r.setNonAuthorizedConnect(true);
  r.setEthernetTamper(true);
  r.setSystemTamper(true);
  r.setAcknowledgementsDisabled(true);
  EXPECT_EQ(r.bytes()[333], 0xA5);
  EXPECT_EQ(r.bytes()[335], 0x69 | 0x02 | 0x04 | 0x80);

  r.setNonAuthorizedConnect(false);
  r.setEthernetTamper(false);
  r.setSystemTamper(false);
  r.setAcknowledgementsDisabled(false);
  EXPECT_EQ(r.bytes()[333], 0xA4);
  EXPECT_EQ(r.bytes()[335], 0x69);

  r.bytes()[1] = 7;
  EXPECT_TRUE(r.obtainAddressAutomatically());
  r.setObtainAddressAutomatically(true);
  EXPECT_EQ(r.bytes()[1], 1);
}

TEST(ModuleSettingsRecord, LinkVersionIsLetterAndSignedNumbers) {
  ModuleSettingsRecord r;
  r.bytes()[337] = 'A';
  r.bytes()[338] = 1;
  r.bytes()[339] = 5;
  EXPECT_EQ(r.linkVersionText(), "A 1.05");
  r.bytes()[337] = 'B';
  r.bytes()[338] = 12;
  r.bytes()[339] = 0xFF;
  EXPECT_EQ(r.linkVersionText(), "B 12.-1");
}

TEST(DottedQuad, StrictParseTakesFourNumbersUpTo255) {
  EXPECT_EQ(quilby::ParseDottedQuad("192.168.1.2"), 0xC0A80102u);
  EXPECT_EQ(quilby::ParseDottedQuad("0.0.0.0"), 0u);
  EXPECT_FALSE(quilby::ParseDottedQuad("256.1.1.1"));
  EXPECT_FALSE(quilby::ParseDottedQuad("1.2.3"));
  EXPECT_FALSE(quilby::ParseDottedQuad("1.2.3.4.5"));
  EXPECT_FALSE(quilby::ParseDottedQuad("1.2..4"));
  EXPECT_FALSE(quilby::ParseDottedQuad("1.2.3.x"));
  EXPECT_FALSE(quilby::ParseDottedQuad("99999999999.1.1.1"));
}

TEST(DottedQuad, LenientParseReadsHalfTypedEntries) {
  EXPECT_EQ(quilby::ParseDottedQuadLenient("255.255.255.0"), 0xFFFFFF00u);
  EXPECT_EQ(quilby::ParseDottedQuadLenient("255.255"), 0xFFFF0000u);
  EXPECT_EQ(quilby::ParseDottedQuadLenient("10..3"), 0x0A000300u);
  EXPECT_EQ(quilby::ParseDottedQuadLenient(""), 0u);
  EXPECT_EQ(quilby::ParseDottedQuadLenient("300.1.1.1"), 0xFF010101u);
  EXPECT_EQ(quilby::ParseDottedQuadLenient("junk"), 0u);
}

}  // namespace
