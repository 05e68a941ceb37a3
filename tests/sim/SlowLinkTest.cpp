// The simulator's slow path: when the bytes handed to one end arrive at the other.
#include <gtest/gtest.h>

#include "sim/SlowLink.h"

namespace {

TEST(SlowLinkTest, BytesQueueBehindEachOtherAtTheRateAndArriveTheDelayAfterTheirLast) {
  const struct {
    sim::LinkShape shape;
    std::vector<std::pair<std::int64_t, std::int64_t>> sentAtUsAndBytes;
    std::vector<std::int64_t> arrivalsUs;
  } cases[] = {
      // 12 bytes at 1200 bytes/s take 10 ms; the second 12 wait for the first.
      {{150, 1200}, {{0, 12}, {0, 12}, {1'000'000, 12}, {1'000'000, 0}}, {160'000, 170'000, 1'160'000, 1'160'000}},
      // A hang-up (no bytes) still comes after what was sent before it.
      {{150, 1200}, {{0, 120}, {5'000, 0}}, {250'000, 250'000}},
      {{0, 1200}, {{0, 1}, {0, 1}}, {834, 1'667}},
      {{50, 0}, {{0, 1000}, {10, 1000}}, {50'000, 50'010}},
  };
  for (const auto& c : cases) {
    sim::LinkSchedule schedule(c.shape);
    std::vector<std::int64_t> arrivals;
    for (const auto& [at, bytes] : c.sentAtUsAndBytes) arrivals.push_back(schedule.arrivalUs(at, bytes));
    EXPECT_EQ(arrivals, c.arrivalsUs) << c.shape.latencyMs << " ms, " << c.shape.bytesPerSecond << " bytes/s";
  }
}

}  // namespace
