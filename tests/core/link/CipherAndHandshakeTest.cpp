#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/link/LinkCipher.h"
#include "core/link/LinkHandshake.h"
#include "core/link/LinkKeyDerivation.h"

namespace panel {
namespace {

const LinkCipher::Key kKey{0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87};

TEST(LinkCipher, MatchesTheBytewiseRuleForEveryStartAndLength) {
  std::mt19937 rng(3);
  for (int round = 0; round < 500; ++round) {
    LinkCipher cipher;
    cipher.setKey(kKey);
    std::vector<std::uint8_t> warmup(rng() % 8);
    cipher.apply(warmup.data(), warmup.size(), LinkCipher::Direction::Send);
    const unsigned start = cipher.sendIndex();

    std::vector<std::uint8_t> data(rng() % 100);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
    std::vector<std::uint8_t> expected = data;
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] ^= kKey[(start + i) % 8];

    cipher.apply(data.data(), data.size(), LinkCipher::Direction::Send);
    ASSERT_EQ(data, expected) << "start " << start << " length " << data.size();
    ASSERT_EQ(cipher.sendIndex(), (start + data.size()) % 8);
  }
}

TEST(LinkCipher, DirectionsAdvanceIndependentlyAndANewKeyRestartsBoth) {
  LinkCipher cipher;
  cipher.setKey(kKey);
  std::vector<std::uint8_t> bytes(13);
  cipher.apply(bytes.data(), 13, LinkCipher::Direction::Send);
  cipher.apply(bytes.data(), 3, LinkCipher::Direction::Receive);
  EXPECT_EQ(cipher.sendIndex(), 13 % 8);
  EXPECT_EQ(cipher.receiveIndex(), 3);
  cipher.apply(bytes.data(), 6, LinkCipher::Direction::Receive);
  EXPECT_EQ(cipher.sendIndex(), 5);
  EXPECT_EQ(cipher.receiveIndex(), 1);

  cipher.setKey(kKey);
  EXPECT_EQ(cipher.sendIndex(), 0);
  EXPECT_EQ(cipher.receiveIndex(), 0);
}

TEST(LinkCipher, BothEndsStayInStepOverAStream) {
  LinkCipher pc, module;
  pc.setKey(kKey);
  module.setKey(kKey);
  std::mt19937 rng(11);
  for (int i = 0; i < 100; ++i) {
    std::vector<std::uint8_t> plain(1 + rng() % 40);
    for (auto& b : plain) b = static_cast<std::uint8_t>(rng());
    auto wire = plain;
    pc.apply(wire.data(), wire.size(), LinkCipher::Direction::Send);
    module.apply(wire.data(), wire.size(), LinkCipher::Direction::Receive);
    ASSERT_EQ(wire, plain);
  }
}

TEST(LinkKeyDerivation, CrcRoundIsTheMsbFirstCrc32Step) {
  const Challenge ascii{'1', '2', '3', '4', '5', '6', '7', '8'};
  // CRC-32/MPEG-2 of "12345678" (poly 04C11DB7, init FFFFFFFF, no reflection, no final XOR).
  EXPECT_EQ(CrcRound(0xFFFFFFFFu, 0x04C11DB7u, ascii), 0x49E3C2FBu);
  EXPECT_EQ(CrcRound(0, 0x04C11DB7u, ascii), 0x20E779A2u);
}

TEST(LinkKeyDerivation, KnownAnswerWithTheDefaultConstants) {
  const Challenge challenge{1, 2, 3, 4, 5, 6, 7, 8};
  const DerivedKeys keys = LinkKeyDerivation(challenge, DefaultLinkSecrets().constants);
  EXPECT_EQ(keys.answer, (std::array<std::uint8_t, 8>{0x50, 0x9D, 0xED, 0xB9, 0xFC, 0x4B, 0xC7, 0x88}));
  EXPECT_EQ(keys.key, (LinkCipher::Key{0x71, 0xCC, 0x4D, 0x37, 0xA4, 0xA0, 0x6A, 0x89}));

  DerivationConstants other = DefaultLinkSecrets().constants;
  other.k3 ^= 1;
  const DerivedKeys changed = LinkKeyDerivation(challenge, other);
  EXPECT_EQ(changed.answer, keys.answer);  // k3 and k4 only shape the key
  EXPECT_NE(changed.key, keys.key);
}

using Verdict = std::array<std::uint8_t, kVerdictSize>;

TEST(LinkVerdicts, FrameCarryingLoginTable) {
  EXPECT_EQ(WorkSocketVerdict(Verdict{0x71, 0x00, 9, 9, 9, 9}), (LinkVerdict{1, 0}));
  EXPECT_EQ(WorkSocketVerdict(Verdict{0x71, 0xFC}), (LinkVerdict{2, -6}));
  EXPECT_EQ(WorkSocketVerdict(Verdict{0x71, 0xFB}), (LinkVerdict{2, -7}));
  EXPECT_EQ(WorkSocketVerdict(Verdict{0x71, 0x05}), (LinkVerdict{2, -10}));
  EXPECT_EQ(WorkSocketVerdict(Verdict{0x6A, 0x00}), (LinkVerdict{2, -11}));
}

TEST(LinkVerdicts, LoginOnlyTable) {
  EXPECT_EQ(ClientSocketVerdict(Verdict{0x89, 0x00, 0x01, 0x02, 0x00, 0x80}, 0x89), (LinkVerdict{1, static_cast<int>(0x80000201u)}));
  EXPECT_EQ(ClientSocketVerdict(Verdict{0x89, 0x07}, 0x89), (LinkVerdict{2, 7}));
  EXPECT_EQ(ClientSocketVerdict(Verdict{0x71, 0x00}, 0x89), (LinkVerdict{1, 0x71}));
  EXPECT_EQ(ClientSocketVerdict(Verdict{0x71, 0xFB}, 0x71), (LinkVerdict{2, 0xFB}));
  EXPECT_EQ(ExpectedClientVerdictLead(2), 0x89);
  EXPECT_EQ(ExpectedClientVerdictLead(0), 0x71);
}

TEST(LoginMessages, PasswordLoginIsElevenPlusNBytesAndParsesBack) {
  const std::array<std::uint8_t, 8> answer{1, 2, 3, 4, 5, 6, 7, 8};
  const FrameBytes login = BuildPasswordLogin(answer, "secret-pass");
  ASSERT_EQ(login.size(), 11 + 11);
  EXPECT_EQ(login[8], 0x8E);
  EXPECT_EQ(login[9], 0x03);
  EXPECT_EQ(login[login.size() - 1], 0x00);
  const auto parsed = ParseLogin(login.view());
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->kind, ParsedLogin::Kind::Password);
  EXPECT_EQ(parsed->answer, answer);
  EXPECT_EQ(parsed->text, "secret-pass");

  EXPECT_EQ(BuildPasswordLogin(answer, "0123456789ABCDEFGH").size(), 11 + kMaxPasswordChars);
  EXPECT_EQ(BuildPasswordLogin(answer, "").size(), 11);
}

TEST(LoginMessages, LoginOnlyMessagesAreFifteenBytes) {
  const std::array<std::uint8_t, 8> answer{};
  const std::array<char, 4> code{'7', '3', '1', '9'};
  const FrameBytes mode0 = BuildClientLogin(0, answer, "ignored", code);
  ASSERT_EQ(mode0.size(), kClientLoginReplySize);
  EXPECT_EQ(mode0[8], 0x8E);
  EXPECT_EQ(mode0[9], 0x02);
  EXPECT_EQ(mode0[10], '7');
  EXPECT_EQ(ParseLogin(mode0.view())->kind, ParsedLogin::Kind::AccessCode);

  const FrameBytes mode2 = BuildClientLogin(2, answer, "123456", code);
  ASSERT_EQ(mode2.size(), kClientLoginReplySize);
  EXPECT_EQ(mode2[8], 0x52);
  EXPECT_EQ(mode2[9], 0x01);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(mode2.data() + 10), 4), "1234");

  const FrameBytes shortAccount = BuildClientLogin(2, answer, "12", code);
  ASSERT_EQ(shortAccount.size(), kClientLoginReplySize);
  EXPECT_EQ(shortAccount[12], 0);
  EXPECT_EQ(shortAccount[13], 0);
}

TEST(LoginMessages, ParserRejectsMalformedLogins) {
  EXPECT_FALSE(ParseLogin(std::vector<std::uint8_t>(10, 0)));
  std::vector<std::uint8_t> noTerminator(20, 0x41);
  EXPECT_FALSE(ParseLogin(noTerminator));
  std::vector<std::uint8_t> unknownKind(15, 0);
  unknownKind[8] = 0x99;
  EXPECT_FALSE(ParseLogin(unknownKind));
}

}  // namespace
}  // namespace panel
