// Feeds arbitrary bytes to FrameDeframer, whole and cut into reads, and checks
// every frame it hands on. Input layout: byte 0 (mod 16) says how many read
// lengths follow; those bytes are the read lengths, used in turn (0 is an
// empty read); the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/link/FrameDeframer.h"
#include "core/link/PanelFrames.h"

namespace {

using Frame = std::vector<std::uint8_t>;

constexpr std::size_t kCapacity = panel::FrameDeframer::kCapacity;

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

class Collector final : public panel::PanelFrameHandler {
 public:
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    Require(frame != nullptr, "null frame");
    Require(length >= 2, "frame shorter than type byte plus delimiter");
    Require(length <= kCapacity, "frame longer than the capacity");
    Require(frame[0] != panel::kDelimiter, "frame starts with a delimiter");
    Require(frame[length - 1] == panel::kDelimiter, "frame does not end with a delimiter");
    for (std::size_t i = 0; i + 1 < length; ++i)
      Require(frame[i] != panel::kDelimiter, "delimiter inside a frame");
    frames.emplace_back(frame, frame + length);
  }

  std::vector<Frame> frames;
};

// Byte-at-a-time model of the same rules, written for clarity, not speed.
struct Model {
  enum { Idle, Opened, InFrame } state = Idle;
  Frame current;
  std::vector<Frame> frames;
  std::size_t dropped = 0;

  void feed(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t b = bytes[i];
      switch (state) {
        case Idle:
          if (b == panel::kDelimiter) state = Opened;
          break;
        case Opened:
          if (b != panel::kDelimiter) {
            current.assign(1, b);
            state = InFrame;
          }
          break;
        case InFrame:
          if (b == panel::kDelimiter) {
            current.push_back(b);
            if (current.size() <= kCapacity) {
              frames.push_back(current);
            } else {
              ++dropped;
            }
            state = Idle;
          } else {
            current.push_back(b);
          }
          break;
      }
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t cutCount = data[0] % 16;
  if (size < 1 + cutCount) return 0;
  const std::uint8_t* cuts = data + 1;
  const std::uint8_t* stream = data + 1 + cutCount;
  const std::size_t streamSize = size - 1 - cutCount;

  panel::FrameDeframer whole;
  Collector wholeFrames;
  whole.feed(stream, streamSize, wholeFrames);

  panel::FrameDeframer pieces;
  Collector pieceFrames;
  std::size_t at = 0;
  for (std::size_t n = 0; at < streamSize; ++n) {
    std::size_t length = cutCount ? cuts[n % cutCount] : streamSize;
    if (length == 0) {
      pieces.feed(stream + at, 0, pieceFrames);
      length = 1;
    }
    if (length > streamSize - at) length = streamSize - at;
    pieces.feed(stream + at, length, pieceFrames);
    at += length;
  }

  Require(wholeFrames.frames == pieceFrames.frames, "frames depend on how reads are cut");
  Require(whole.droppedFrames() == pieces.droppedFrames(), "drops depend on how reads are cut");
  Require(whole.state() == pieces.state(), "end state depends on how reads are cut");

  Model model;
  model.feed(stream, streamSize);
  Require(wholeFrames.frames == model.frames, "frames differ from the byte-at-a-time model");
  Require(whole.droppedFrames() == model.dropped, "drop count differs from the model");
  return 0;
}
