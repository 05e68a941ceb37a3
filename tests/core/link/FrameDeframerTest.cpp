#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/link/FrameDeframer.h"

namespace panel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Collector : PanelFrameHandler {
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    frames.emplace_back(frame, frame + length);
  }
  std::vector<Bytes> frames;
};

// Feeds each chunk as one read.
std::vector<Bytes> Deframe(std::initializer_list<Bytes> reads, FrameDeframer* deframer = nullptr) {
  FrameDeframer local;
  FrameDeframer& d = deframer ? *deframer : local;
  Collector c;
  for (const Bytes& r : reads) d.feed(r.data(), r.size(), c);
  return c.frames;
}

TEST(FrameDeframer, SkipsBytesOutsideFrames) {
  EXPECT_EQ(Deframe({{0x01, 0x02, 0x7E, 0x16, 0x05, 0x7E, 0x33, 0x44, 0x7E, 0x17, 0x7E}}),
            (std::vector<Bytes>{{0x16, 0x05, 0x7E}, {0x17, 0x7E}}));
}

TEST(FrameDeframer, DoubledDelimiterOpensWithTheLaterOne) {
  EXPECT_EQ(Deframe({{0x7E, 0x7E, 0x16, 0x01, 0x7E}}), (std::vector<Bytes>{{0x16, 0x01, 0x7E}}));
  EXPECT_EQ(Deframe({{0x7E}, {0x7E}, {0x16, 0x01, 0x7E}}), (std::vector<Bytes>{{0x16, 0x01, 0x7E}}));
}

TEST(FrameDeframer, ClosingDelimiterNeverOpensTheNextFrame) {
  // 7E a b 7E c d 7E: only "a b 7E"; the last 7E opens a frame that the next read finishes.
  FrameDeframer d;
  EXPECT_EQ(Deframe({{0x7E, 0x0A, 0x0B, 0x7E, 0x0C, 0x0D, 0x7E}}, &d), (std::vector<Bytes>{{0x0A, 0x0B, 0x7E}}));
  EXPECT_EQ(d.state(), FrameDeframer::State::Opened);
  EXPECT_EQ(Deframe({{0x0E, 0x7E}}, &d), (std::vector<Bytes>{{0x0E, 0x7E}}));
}

TEST(FrameDeframer, OpeningDelimiterAtTheEndOfARead) {
  EXPECT_EQ(Deframe({{0x55, 0x7E}, {0x23, 0x07, 0x01, 0x7E}}), (std::vector<Bytes>{{0x23, 0x07, 0x01, 0x7E}}));
}

TEST(FrameDeframer, FramesSplitAtEveryPositionArriveWholeAndInOrder) {
  const Bytes stream{0x7E, 0x10, 0x00, 0x01, 0x02, 0x7E, 0x7E, 0x54, 0x00, 0x05, 0x63, 0x7E};
  const std::vector<Bytes> expected{{0x10, 0x00, 0x01, 0x02, 0x7E}, {0x54, 0x00, 0x05, 0x63, 0x7E}};
  for (std::size_t cut = 0; cut <= stream.size(); ++cut)
    EXPECT_EQ(Deframe({Bytes(stream.begin(), stream.begin() + cut), Bytes(stream.begin() + cut, stream.end())}),
              expected)
        << "cut at " << cut;
  std::vector<Bytes> single;
  FrameDeframer d;
  Collector c;
  for (std::uint8_t b : stream) d.feed(&b, 1, c);
  EXPECT_EQ(c.frames, expected);
}

TEST(FrameDeframer, RandomStreamsSurviveRandomReadBoundaries) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<Bytes> sent;
    Bytes stream;
    const int frames = 1 + static_cast<int>(rng() % 20);
    for (int f = 0; f < frames; ++f) {
      if (rng() % 3 == 0) stream.push_back(0x7E);  // doubled delimiter
      Bytes frame;
      const std::size_t length = 1 + rng() % 80;
      for (std::size_t i = 0; i < length; ++i) frame.push_back(static_cast<std::uint8_t>(rng() % 0x7E));
      frame.push_back(0x7E);
      stream.push_back(0x7E);
      stream.insert(stream.end(), frame.begin(), frame.end());
      sent.push_back(frame);
    }
    FrameDeframer d;
    Collector c;
    for (std::size_t at = 0; at < stream.size();) {
      const std::size_t n = std::min<std::size_t>(1 + rng() % 64, stream.size() - at);
      d.feed(stream.data() + at, n, c);
      at += n;
    }
    ASSERT_EQ(c.frames, sent) << "round " << round;
  }
}

TEST(FrameDeframer, BodyByteEqualToTheDelimiterEndsTheFrameEarly) {
  EXPECT_EQ(Deframe({{0x7E, 0x16, 0x7E, 0x05, 0x06, 0x7E, 0x17, 0x7E}}),
            (std::vector<Bytes>{{0x16, 0x7E}, {0x17, 0x7E}}));
}

TEST(FrameDeframer, OverlongFrameIsDroppedAndReadingResynchronises) {
  FrameDeframer d;
  Bytes longFrame{0x7E};
  longFrame.insert(longFrame.end(), 5000, 0x41);
  longFrame.push_back(0x7E);
  // Garbage after the dropped frame must not turn into a frame of its own.
  const Bytes after{0x42, 0x43, 0x7E, 0x16, 0x01, 0x7E};
  auto frames = Deframe({Bytes(longFrame.begin(), longFrame.begin() + 1000),
                         Bytes(longFrame.begin() + 1000, longFrame.end()), after},
                        &d);
  EXPECT_EQ(frames, (std::vector<Bytes>{{0x16, 0x01, 0x7E}}));
  EXPECT_EQ(d.droppedFrames(), 1u);

  // The longest frame that fits is still delivered, whether in one read or several.
  Bytes fits{0x7E};
  fits.insert(fits.end(), FrameDeframer::kCapacity - 1, 0x41);
  fits.push_back(0x7E);
  EXPECT_EQ(Deframe({fits}).at(0).size(), FrameDeframer::kCapacity);
  EXPECT_EQ(Deframe({Bytes(fits.begin(), fits.begin() + 3), Bytes(fits.begin() + 3, fits.end())}).at(0).size(),
            FrameDeframer::kCapacity);
  Bytes tooLong = fits;
  tooLong.insert(tooLong.begin() + 1, 0x41);
  EXPECT_TRUE(Deframe({tooLong}).empty());
  EXPECT_TRUE(Deframe({Bytes(tooLong.begin(), tooLong.begin() + 3), Bytes(tooLong.begin() + 3, tooLong.end())}).empty());
}

}  // namespace
}  // namespace panel
