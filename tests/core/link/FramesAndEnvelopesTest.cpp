#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/link/DebugLogLine.h"
#include "core/link/PanelFrames.h"
#include "core/link/SerialEnvelope.h"

namespace panel {
namespace {

std::vector<std::uint8_t> V(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

std::vector<std::uint8_t> V(const FrameBytes& f) { return {f.view().begin(), f.view().end()}; }

TEST(PanelFrames, BuildersGiveTheCatalogueBytes) {
  EXPECT_EQ(V(ParamReadRequest(0x7A, 5)), V({0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x05, 0x7E}));
  EXPECT_EQ(V(KeyFrame(key::kEnter)), V({0x7E, 0xA1, 0x07, 0x11, 0x7E}));
  EXPECT_EQ(V(NextEventRequest(0x35)), V({0x7E, 0xA9, 0x07, 0x35, 0x7E}));
  EXPECT_EQ(V(LeaveProgramMode()), V({0x7E, 0xA0, 0x07, 0x00, 0x7E}));
  EXPECT_EQ(V(KeystrokeFrame({1, 8, key::kEnter})), V({0x7A, 0x01, 0x08, 0x11}));
  EXPECT_EQ(V(EndOfCall()), V({0x0F}));
}

TEST(PanelFrames, SeveralMessagesGoBackToBackAndCapacityIsEnforced) {
  FrameBytes both = ParamReadRequest(0x1A, 1);
  ASSERT_TRUE(both.append(KeystrokeFrame({1, 2, key::kEnter})));
  EXPECT_EQ(both.size(), 12);
  EXPECT_EQ(both[8], 0x7A);

  FrameBytes full;
  for (std::size_t i = 0; i < kMaxSendBytes; ++i) ASSERT_TRUE(full.append(std::uint8_t{1}));
  EXPECT_FALSE(full.append(std::uint8_t{2}));
  EXPECT_FALSE(full.append({1, 2}));
  EXPECT_EQ(full.size(), kMaxSendBytes);
}

std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& payload) {
  std::vector<std::uint8_t> out(payload.size() + kEnvelopeOverhead);
  EXPECT_EQ(EncodeSerialEnvelope(payload, out), out.size());
  return out;
}

TEST(SerialEnvelope, EncodesLengthPayloadAndChecksum) {
  EXPECT_EQ(Encode(V({0x0D})), V({0x7E, 0x01, 0x00, 0x0D, 0x8C}));
  EXPECT_EQ(Encode({}), V({0x7E, 0x00, 0x00, 0x7E}));

  const auto request = V(ParamReadRequest(0x1A, 1));
  const auto envelope = Encode(request);
  ASSERT_EQ(envelope.size(), 12u);
  EXPECT_EQ(envelope[1], 0x08);
  EXPECT_EQ(envelope[2], 0x00);
  unsigned sum = 0x7E + 0x08;
  for (auto b : request) sum += b;
  EXPECT_EQ(envelope.back(), static_cast<std::uint8_t>(sum));

  std::vector<std::uint8_t> big(300, 0xAA);
  const auto bigEnvelope = Encode(big);
  EXPECT_EQ(bigEnvelope[1], 300 & 0xFF);
  EXPECT_EQ(bigEnvelope[2], 300 >> 8);

  std::array<std::uint8_t, 4> tooSmall{};
  EXPECT_EQ(EncodeSerialEnvelope(V({1}), tooSmall), 0u);
}

TEST(SerialEnvelope, DecodeRoundTripsAndReportsEveryFault) {
  const auto envelope = Encode(V({0x23, 0x07, 0x7E, 0x00}));
  auto decoded = DecodeSerialEnvelope(envelope, 64);
  ASSERT_EQ(decoded.status, EnvelopeStatus::Complete);
  EXPECT_EQ(std::vector<std::uint8_t>(decoded.payload.begin(), decoded.payload.end()), V({0x23, 0x07, 0x7E, 0x00}));
  EXPECT_EQ(decoded.consumed, envelope.size());

  // Every proper prefix needs more, and nothing past the span is read.
  for (std::size_t n = 0; n < envelope.size(); ++n)
    EXPECT_EQ(DecodeSerialEnvelope(std::span(envelope.data(), n), 64).status, EnvelopeStatus::NeedMore) << n;

  auto corrupt = envelope;
  corrupt.back() ^= 1;
  decoded = DecodeSerialEnvelope(corrupt, 64);
  EXPECT_EQ(decoded.status, EnvelopeStatus::BadChecksum);
  EXPECT_EQ(decoded.consumed, envelope.size());

  EXPECT_EQ(DecodeSerialEnvelope(V({0x7E, 0x41, 0x00}), 64).status, EnvelopeStatus::TooLong);
  EXPECT_EQ(DecodeSerialEnvelope(V({0x7E, 0xFF, 0xFF}), 64).status, EnvelopeStatus::TooLong);
  EXPECT_EQ(DecodeSerialEnvelope(V({0x41, 0x01, 0x00, 0x0D, 0x8C}), 64).status, EnvelopeStatus::NoDelimiter);
  EXPECT_EQ(DecodeSerialEnvelope(V({0x7E, 0x00, 0x00, 0x7E}), 64).status, EnvelopeStatus::Complete);
}

std::tm At(int h, int m, int s) {
  std::tm t{};
  t.tm_hour = h;
  t.tm_min = m;
  t.tm_sec = s;
  return t;
}

TEST(DebugLogLine, SentAndReceivedLinesHaveTheirMarkers) {
  std::array<char, kLogLineCapacity> buffer;
  const auto request = V(ParamReadRequest(0x1A, 1));
  std::size_t n = FormatSentLogLine(At(10, 15, 2), request, buffer);
  EXPECT_EQ(std::string(buffer.data(), n), "10:15:02\t->\t7E AB 07 00 1A 00 01 7E \r\n");

  n = FormatReceivedLogLine(At(9, 5, 0), V({0x16, 0x00, 0x07, 0xFF, 0x7E}), buffer);
  EXPECT_EQ(std::string(buffer.data(), n), "09:05:00\t\t16 00 07 FF 7E \r\n");
}

TEST(DebugLogLine, LongMessagesAreCutNeverOverflowed) {
  std::array<char, kLogLineCapacity> buffer;
  const std::vector<std::uint8_t> many(2048, 0xAB);
  const std::size_t sent = FormatSentLogLine(At(0, 0, 0), many, buffer);
  EXPECT_EQ(sent, 8 + 4 + kMaxLoggedSendBytes * 3 + 2);
  EXPECT_EQ(FormatReceivedLogLine(At(0, 0, 0), many, buffer), 8 + 2 + 2048 * 3 + 2);

  std::array<char, 20> small;
  const std::size_t n = FormatReceivedLogLine(At(0, 0, 0), many, small);
  EXPECT_LE(n, small.size());
  EXPECT_EQ(std::string(small.data() + n - 2, 2), "\r\n");
}

}  // namespace
}  // namespace panel
