#include <gtest/gtest.h>

#include <algorithm>

#include "core/events/EventTextTable.h"

namespace {

using events::EventTextTable;
using events::FormatEventText;

TEST(EventTextTable, HoldsOneEntryPerCodeWithTheTextsInstallersKnow) {
  const auto& table = EventTextTable();
  ASSERT_EQ(table.size(), 153u);
  // Spacing and spelling as the panel's own texts have them.
  EXPECT_EQ(table[1].text, "Area %c Zone %d Activated");
  EXPECT_EQ(table[1].contactId, 1130);
  EXPECT_EQ(table[5].text, "24Hr Zone  %d Activated");
  EXPECT_EQ(table[3].text, "Area %c armed zone %d 'near-activated'");
  EXPECT_EQ(table[54].contactId, 3130);
  EXPECT_EQ(table[84].contactId, 1628);
  EXPECT_EQ(table[87].contactId, 1654);
  EXPECT_EQ(table[104].text, "Area %c Stay disarmed by wireless pendant %d");
  EXPECT_EQ(table[137].text, "User Codes & Phone Defaulted");
  EXPECT_EQ(table[144].text, "Output %d OFF by Contrl");
  EXPECT_EQ(table[149].text, "GSM/DTMF Restore");
  // Codes with a receiver code but no text.
  EXPECT_EQ(table[150].contactId, 1140);
  EXPECT_EQ(table[150].text, "");
  EXPECT_EQ(table[151].contactId, 1141);
  EXPECT_EQ(table[152].text, "");
}

TEST(EventTextTable, EveryTextTakesAtMostOneAreaLetterAndTwoNumbers) {
  // The formatter fills two values; a third conversion or a stray one
  // would show garbage on screen.
  for (const auto& entry : EventTextTable()) {
    int conversions = 0;
    for (std::size_t i = 0; i + 1 < entry.text.size(); ++i) {
      if (entry.text[i] != '%') continue;
      ASSERT_TRUE(entry.text[i + 1] == 'c' || entry.text[i + 1] == 'd') << entry.text;
      ++conversions;
    }
    EXPECT_LE(conversions, 2) << entry.text;
    const std::size_t c = entry.text.find("%c");
    if (c != std::string_view::npos) {
      EXPECT_EQ(c, entry.text.find('%')) << entry.text;
    }
  }
}

TEST(EventText, AreaTextsTakeTheLetterFromTheAreaByteAndTheNumber) {
  EXPECT_EQ(FormatEventText("Area %c Zone %d Activated", 1, 5), "Area A Zone 5 Activated");
  EXPECT_EQ(FormatEventText("Area %c Armed by User %d", 2, 7), "Area B Armed by User 7");
  EXPECT_EQ(FormatEventText("Area %c Armed Remotely", 2, 7), "Area B Armed Remotely");
}

TEST(EventText, NumberTextsTakeTheNumberForEveryConversion) {
  EXPECT_EQ(FormatEventText("Output %d ON by user %d", 1, 3), "Output 3 ON by user 3");
  EXPECT_EQ(FormatEventText("Keypad %d missing", 2, 200), "Keypad 200 missing");
  EXPECT_EQ(FormatEventText("Tamper Panel", 1, 9), "Tamper Panel");
  EXPECT_EQ(FormatEventText("", 1, 9), "");
}

TEST(EventText, ATrailingPercentIsKeptAndNeverReadPast) {
  EXPECT_EQ(FormatEventText("50%", 1, 2), "50%");
  EXPECT_EQ(FormatEventText("%x %d", 1, 2), "%x 2");
}

}  // namespace
