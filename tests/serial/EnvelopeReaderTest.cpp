// The modem port, envelopes on it and the reader's result codes, against a
// pseudo-terminal peer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>
#include <thread>

#include "core/link/PanelFrames.h"
#include "link/serial/ModemPort.h"
#include "link/serial/SerialEnvelopeIo.h"
#include "tests/serial/PtyPeer.h"

namespace {

using serialtest::ByteVector;
using serialtest::Envelope;
using serialtest::PtyPeer;

class EnvelopeReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer.ok());
    ASSERT_TRUE(port.open(peer.path()));
  }
  int readInto(std::span<std::uint8_t> into, int firstByteMs = 200) {
    return serial::ReadSerialEnvelope(port, firstByteMs, into);
  }
  PtyPeer peer;
  serial::ModemPort port;
  std::array<std::uint8_t, 65> buffer{};
};

TEST_F(EnvelopeReaderTest, WritesEnvelopesAsTheModemExpectsThem) {
  const std::uint8_t identify[] = {0x0D};
  ASSERT_TRUE(serial::WriteSerialEnvelope(port, identify));
  EXPECT_EQ(peer.read(1000), (ByteVector{0x7E, 0x01, 0x00, 0x0D, 0x8C}));

  const panel::FrameBytes request = panel::ParamReadRequest(0x1A, 0x01);
  ASSERT_TRUE(serial::WriteSerialEnvelope(port, request.view()));
  ByteVector expected{0x7E, 0x08, 0x00};
  expected.insert(expected.end(), request.view().begin(), request.view().end());
  unsigned sum = 0x7E + 0x08;
  for (std::uint8_t b : request.view()) sum += b;
  expected.push_back(static_cast<std::uint8_t>(sum));
  EXPECT_EQ(peer.read(1000), expected);

  ASSERT_TRUE(serial::WriteSerialEnvelope(port, {}));
  EXPECT_EQ(peer.read(1000), (ByteVector{0x7E, 0x00, 0x00, 0x7E}));
}

TEST_F(EnvelopeReaderTest, ReadsPayloadsAndSkipsNoiseAheadOfTheDelimiter) {
  ByteVector stream{0x00, 0x11, 0xFF};
  const ByteVector frame{0x10, 0x07, 0x01, 0x7E};  // a 7E inside a payload is just a byte
  const ByteVector envelope = Envelope(frame);
  stream.insert(stream.end(), envelope.begin(), envelope.end());
  peer.write(stream);
  ASSERT_EQ(readInto(buffer), 4);
  EXPECT_EQ(ByteVector(buffer.begin(), buffer.begin() + 4), frame);

  peer.write(Envelope({}));
  EXPECT_EQ(readInto(buffer), 0);
}

TEST_F(EnvelopeReaderTest, LengthIsLittleEndianAndMayFillTheBufferExactly) {
  ByteVector payload(257);
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i);
  peer.write(Envelope(payload));
  std::array<std::uint8_t, 258> exact{};
  ASSERT_EQ(readInto(exact), 257);
  EXPECT_EQ(ByteVector(exact.begin(), exact.begin() + 257), payload);
}

TEST_F(EnvelopeReaderTest, SilenceGivesMinusOneAfterTheFirstByteTimeOut) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(readInto(buffer, 300), serial::kNoEnvelope);
  EXPECT_GE(clock.elapsed(), 280);
  EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(EnvelopeReaderTest, EachBrokenEnvelopeHasItsOwnCode) {
  peer.write({0x7E, 0x01});
  EXPECT_EQ(readInto(buffer), serial::kShortLength);

  peer.write({0x7E, 0x41, 0x00});  // 65 bytes into a 64-byte buffer
  EXPECT_EQ(readInto(buffer), serial::kLengthTooLarge);
  peer.read(300);

  peer.write({0x7E, 0x03, 0x00, 0x10, 0x07});
  EXPECT_EQ(readInto(buffer), serial::kShortPayload);

  ByteVector corrupt = Envelope({0x12, 0x07, 0x00});
  corrupt.back() ^= 0x01;
  peer.write(corrupt);
  EXPECT_EQ(readInto(buffer), serial::kBadChecksum);
}

TEST_F(EnvelopeReaderTest, AnOversizedLengthIsDroppedAndTheNextEnvelopeStillReads) {
  ByteVector stream{0x7E, 0xFF, 0xFF, 0x01, 0x02, 0x03};
  const ByteVector good = Envelope({0x15});
  stream.insert(stream.end(), good.begin(), good.end());
  peer.write(stream);
  EXPECT_EQ(readInto(buffer), serial::kLengthTooLarge);
  ASSERT_EQ(readInto(buffer), 1);
  EXPECT_EQ(buffer[0], 0x15);
}

TEST_F(EnvelopeReaderTest, APortThatGoesAwayMidPayloadGivesMinusFour) {
  peer.write({0x7E, 0x05, 0x00, 0x10});
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    peer.unplug();
  });
  EXPECT_EQ(readInto(buffer), serial::kPayloadFailed);
  unplug.join();
  EXPECT_TRUE(port.lost());
  EXPECT_FALSE(port.isOpen());
  EXPECT_EQ(readInto(buffer), serial::kNoEnvelope);
}

TEST_F(EnvelopeReaderTest, NoisyPortCannotHoldTheReaderForEver) {
  std::atomic<bool> noisy{true};
  std::thread noise([&] {
    while (noisy) {
      peer.write({0x55});
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(readInto(buffer, 200), serial::kNoEnvelope);
  EXPECT_LT(clock.elapsed(), 2500);
  noisy = false;
  noise.join();
}

}  // namespace

// The port's time-outs: the delimiter's one-byte read has T + 100 ms; the two
// length bytes 300 ms and the payload 100 ms + 100 ms per byte, the first byte
// of each read up to the read's whole total, later bytes within 100 ms of the
// one before.
TEST(EnvelopeReaderTimingTest, FirstBytesMayTakeTheReadsTotalGapsOnlyTheInterval) {
  struct Step {
    int afterMs;
    ByteVector bytes;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    int expected;
  };
  const ByteVector tail{0x01, 0x00, 0x15, 0x94};  // length 1, payload 15, checksum
  const std::vector<Case> cases = {
      {"delimiter 240 ms late", {{240, {0x7E, 0x01, 0x00, 0x15, 0x94}}}, 1},
      {"delimiter 420 ms late", {{420, {0x7E, 0x01, 0x00, 0x15, 0x94}}}, serial::kNoEnvelope},
      {"first length byte 240 ms after the delimiter", {{0, {0x7E}}, {240, tail}}, 1},
      {"250 ms between the length bytes", {{0, {0x7E, 0x01}}, {250, {0x00, 0x15, 0x94}}}, serial::kShortLength},
      {"payload 240 ms after the length", {{0, {0x7E, 0x01, 0x00}}, {240, {0x15, 0x94}}}, 1},
      {"250 ms between payload and checksum", {{0, {0x7E, 0x01, 0x00, 0x15}}, {250, {0x94}}},
       serial::kShortPayload},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PtyPeer peer;
    serial::ModemPort port;
    ASSERT_TRUE(peer.ok());
    ASSERT_TRUE(port.open(peer.path()));
    std::thread writer([&] {
      for (const Step& step : c.steps) {
        std::this_thread::sleep_for(std::chrono::milliseconds(step.afterMs));
        peer.write(step.bytes);
      }
    });
    std::array<std::uint8_t, 65> buffer{};
    EXPECT_EQ(serial::ReadSerialEnvelope(port, 200, buffer), c.expected);
    writer.join();
  }
}
