// The receive path as a socket read sees it: one read's worth of bytes is
// copied into the read buffer, de-scrambled in place, then cut into frames.
//
// The cipher works in place, so a pass cannot run over the same bytes twice.
// Each read therefore starts with a memcpy from the scrambled stream into the
// read buffer, and that copy is timed with the rest: it stands in for the copy
// recv() makes anyway. BM_ReadCopy times that copy alone, so the cost of
// de-scrambling and de-framing is the difference between the two.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "core/link/FrameDeframer.h"
#include "core/link/LinkCipher.h"
#include "core/link/PanelFrames.h"

namespace {

constexpr std::size_t kReadSize = 2048;
// Whole frames, and a multiple of the key length, so every pass leaves both
// the cipher and the de-framer where the next pass expects them.
constexpr std::size_t kStreamBytes = 256 * 1024;
constexpr panel::LinkCipher::Key kKey{0x3C, 0xA5, 0x11, 0x7E, 0x00, 0xF0, 0x5A, 0xC3};

struct Stream {
  std::vector<std::uint8_t> scrambled;
  std::size_t frames = 0;
};

// Back-to-back frames of frameSize bytes: 7E, type, body, 7E.
Stream MakeStream(std::size_t frameSize) {
  std::mt19937 rng(frameSize);
  std::uniform_int_distribution<int> byte(0, 0xFE);
  Stream s;
  s.frames = kStreamBytes / frameSize;
  s.scrambled.reserve(kStreamBytes);
  for (std::size_t f = 0; f < s.frames; ++f) {
    s.scrambled.push_back(panel::kDelimiter);
    for (std::size_t i = 0; i + 2 < frameSize; ++i) {
      auto b = static_cast<std::uint8_t>(byte(rng));
      if (b >= panel::kDelimiter) ++b;  // anything but the delimiter
      s.scrambled.push_back(b);
    }
    s.scrambled.push_back(panel::kDelimiter);
  }
  panel::LinkCipher sender;
  sender.setKey(kKey);
  sender.apply(s.scrambled.data(), s.scrambled.size(), panel::LinkCipher::Direction::Send);
  return s;
}

class CountingHandler final : public panel::PanelFrameHandler {
 public:
  void handlePanelFrame(const std::uint8_t*, std::size_t length) override {
    ++frames;
    bytes += length;
  }
  std::size_t frames = 0;
  std::size_t bytes = 0;
};

void BM_ReceivePath(benchmark::State& state) {
  const auto frameSize = static_cast<std::size_t>(state.range(0));
  const Stream stream = MakeStream(frameSize);
  const std::size_t size = stream.scrambled.size();
  std::vector<std::uint8_t> read(kReadSize);

  panel::LinkCipher cipher;
  cipher.setKey(kKey);
  panel::FrameDeframer deframer;
  CountingHandler handler;

  for (auto _ : state) {
    for (std::size_t at = 0; at < size; at += kReadSize) {
      const std::size_t n = std::min(kReadSize, size - at);
      std::memcpy(read.data(), stream.scrambled.data() + at, n);
      cipher.apply(read.data(), n, panel::LinkCipher::Direction::Receive);
      deframer.feed(read.data(), n, handler);
    }
  }

  // A fast wrong answer is no answer: every frame must have come through
  // intact (its type byte to its closing delimiter).
  const auto passes = static_cast<std::size_t>(state.iterations());
  if (handler.frames != passes * stream.frames ||
      handler.bytes != passes * stream.frames * (frameSize - 1) ||
      deframer.droppedFrames() != 0) {
    state.SkipWithError("frames lost or damaged on the receive path");
    return;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(passes * size));
  state.counters["frames"] =
      benchmark::Counter(static_cast<double>(handler.frames), benchmark::Counter::kIsRate);
}

void BM_ReadCopy(benchmark::State& state) {
  const Stream stream = MakeStream(static_cast<std::size_t>(state.range(0)));
  const std::size_t size = stream.scrambled.size();
  std::vector<std::uint8_t> read(kReadSize);

  for (auto _ : state) {
    for (std::size_t at = 0; at < size; at += kReadSize) {
      const std::size_t n = std::min(kReadSize, size - at);
      std::memcpy(read.data(), stream.scrambled.data() + at, n);
      benchmark::DoNotOptimize(read.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(size));
}

}  // namespace

BENCHMARK(BM_ReceivePath)->Arg(8)->Arg(16)->Arg(32)->Arg(64);
BENCHMARK(BM_ReadCopy)->Arg(64);

BENCHMARK_MAIN();
