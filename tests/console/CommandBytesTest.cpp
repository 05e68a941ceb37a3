// The byte-level rules behind the console: typed debug frames, command key
// sequences, version and clock texts, and the stored password layout.
#include <gtest/gtest.h>

#include <vector>

#include "core/link/AccessPasswordBytes.h"
#include "core/keypad/CommandKeys.h"
#include "core/keypad/DebugFrameText.h"
#include "core/keypad/PanelStatusText.h"
#include "core/link/LinkHandshake.h"
#include "tests/support/TestSeams.h"

using testseams::Bytes;

namespace {

std::vector<std::uint8_t> Vec(const panel::FrameBytes& f) { return {f.view().begin(), f.view().end()}; }

TEST(DebugTextFrame, ReadsHexTokensAndEmptyTokensCountAsZero) {
  EXPECT_EQ(Vec(console::DebugTextFrame("7e ab 7 0 1a 0 1 7e")),
            Bytes({0x7E, 0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7E}));
  EXPECT_EQ(Vec(console::DebugTextFrame("1,2,,3")), Bytes({0x7E, 0x01, 0x02, 0x00, 0x03, 0x7E}));
  EXPECT_EQ(Vec(console::DebugTextFrame("")), Bytes({0x7E, 0x00, 0x7E}));
  // Capitals as the drop-down shows them; a long token keeps its low byte.
  EXPECT_EQ(Vec(console::DebugTextFrame("1FF AB")), Bytes({0x7E, 0xFF, 0xAB, 0x7E}));
}

TEST(DebugTextFrame, StopsAtSeventeenTokensAndSixtyThreeCharacters) {
  const auto seventeen = Vec(console::DebugTextFrame("1 2 3 4 5 6 7 8 9 a b c d e f 10 11 12 13"));
  ASSERT_EQ(seventeen.size(), 19u);
  EXPECT_EQ(seventeen[17], 0x11);
  EXPECT_EQ(seventeen.back(), 0x7E);
  // Only 63 characters are read: the '5' in 64th place never becomes a token.
  EXPECT_EQ(Vec(console::DebugTextFrame(std::string(62, '0') + " 5")), Bytes({0x7E, 0x00, 0x7E}));
  EXPECT_EQ(Vec(console::DebugTextFrame(std::string(61, '0') + " 5")), Bytes({0x7E, 0x00, 0x05, 0x7E}));
}

TEST(CommandKeys, CodesBecomeDigitKeysBetweenLeadAndEnter) {
  EXPECT_EQ(Vec(console::CodeEntryKeys("1234", false)), Bytes({0x7A, 1, 2, 3, 4, 0x11}));
  EXPECT_EQ(Vec(console::CodeEntryKeys("", false)), Bytes({0x7A, 0x11}));
  EXPECT_EQ(Vec(console::CodeEntryKeys("9870", true)), Bytes({0x7A, 0x10, 9, 8, 7, 0, 0x11}));
  // Never more than one message of 16 bytes.
  EXPECT_EQ(console::CodeEntryKeys(std::string(20, '5'), false).size(), 16);
  EXPECT_EQ(console::CodeEntryKeys(std::string(20, '5'), true).size(), 16);
}

TEST(CommandKeys, ZonesGoAsTwoDigitsAndOutputsAsOneInAscendingOrder) {
  EXPECT_EQ(Vec(console::BypassKeys((1u << 2) | (1u << 11))), Bytes({0x7A, 0, 3, 1, 2, 0x11}));
  EXPECT_EQ(Vec(console::BypassKeys((1u << 8) | (1u << 15))), Bytes({0x7A, 0, 9, 1, 6, 0x11}));
  EXPECT_EQ(Vec(console::OutputControlKeys((1u << 2) | (1u << 4))), Bytes({0x7A, 3, 5, 0x11}));
}

TEST(PanelStatusText, VersionPutsThePointBeforeTheLastTwoCharacters) {
  auto version = [](std::initializer_list<int> bytes) {
    const auto f = Bytes(bytes);
    return console::PanelVersionText(f.data(), f.size()).value_or("<none>");
  };
  EXPECT_EQ(version({0x23, 7, 0x00, 0x7B, 0, 0, 0, 0, 0x7E}), "1.23");
  EXPECT_EQ(version({0x23, 7, 0x00, 0x7B, 0, 0, 0, 0, 5, 0x7E}), "1.23 [005]");
  EXPECT_EQ(version({0x23, 7, 0x00, 0x05, 0x7E}), ".5");
  EXPECT_EQ(version({0x23, 7, 0x00}), "<none>");
}

TEST(PanelStatusText, ClockShowsDateThreeBlanksAndTime) {
  const auto f = Bytes({0x54, 7, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E});
  EXPECT_EQ(console::PanelClockText(f.data(), f.size()).value(), "12/05/2024   08:47:30");
  EXPECT_FALSE(console::PanelClockText(f.data(), 7).has_value());
}

TEST(AccessPasswordBytes, LayoutIsPrefixThenPasswordUnderTheDerivedKey) {
  const panel::DerivationConstants constants = panel::DefaultLinkSecrets().constants;
  const panel::Challenge prefix{1, 2, 3, 4, 5, 6, 7, 8};
  const auto value = console::ScrambleAccessPassword(prefix, "secret-pw", constants);
  ASSERT_EQ(value.size(), 8u + 9u);
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), value.begin()));
  const auto key = panel::LinkKeyDerivation(prefix, constants).key;
  const std::string pw = "secret-pw";
  for (std::size_t i = 0; i < pw.size(); ++i)
    EXPECT_EQ(value[8 + i], static_cast<std::uint8_t>(pw[i]) ^ key[i % 8]) << i;
}

TEST(AccessPasswordBytes, ComparesLikeCStringsAndShortValuesMeanNone) {
  const auto constants = panel::DefaultLinkSecrets().constants;
  const panel::Challenge prefix{9, 9, 9, 1, 2, 3, 4, 5};
  const auto stored = console::ScrambleAccessPassword(prefix, "mmmmmmm", constants);
  EXPECT_EQ(console::CompareAccessPassword(stored, "mmmmmmm", constants), 0);
  EXPECT_EQ(console::CompareAccessPassword(stored, "zzzzzzz", constants), -1);
  EXPECT_EQ(console::CompareAccessPassword(stored, "aaaaaaa", constants), 1);
  EXPECT_EQ(console::CompareAccessPassword(stored, "mmmmmmmm", constants), -1);
  const auto six = console::ScrambleAccessPassword(prefix, "mmmmmm", constants);
  EXPECT_EQ(console::CompareAccessPassword(six, "mmmmmm", constants), console::kNoAccessPassword);
  EXPECT_EQ(console::CompareAccessPassword({}, "", constants), console::kNoAccessPassword);
}

}  // namespace
