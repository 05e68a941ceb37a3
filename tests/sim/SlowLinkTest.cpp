// The simulator's slow path: when bytes arrive, and that a PC really waits for them.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "link/CWorkSocket.h"
#include "sim/SlowLink.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace {

using testseams::WaitFor;

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

TEST(SlowLinkTest, APcLoggedInThroughTheSlowPathWaitsARoundTripForEachAnswer) {
  testseams::SimProcess slow({"--listen", "0", "--latency-ms", "150", "--bytes-per-s", "1200"});
  const quint16 port = slow.listeningPort();
  ASSERT_NE(port, 0);
  testseams::RecordingListener window;
  panel::PanelLink& link = panel::PanelLink::instance();
  link.setMainWindow(&window);
  auto* socket = new panel::CWorkSocket(link);
  int verdict = 0;
  QObject::connect(socket, &panel::CWorkSocket::linkVerdict, [&](int status, int) { verdict = status; });
  socket->setPassword("12345678");
  link.setCurrentConnection(socket);
  socket->connectToModule(QStringLiteral("127.0.0.1"), port);
  ASSERT_TRUE(WaitFor([&] { return verdict == 1; }, 5000));

  // The scrambled frames survive the queue, in order.
  const std::vector<std::uint8_t> programMode{0x1F, 0x07, 0x02, 0x00, 0x7E};
  QElapsedTimer clock;
  clock.start();
  panel::SendPanelFrame(panel::KeystrokeFrame({panel::key::kNo, 9, 9, 9, 9, panel::key::kEnter}));
  ASSERT_TRUE(WaitFor([&] { return std::ranges::find(window.frames, programMode) != window.frames.end(); }, 5000));
  EXPECT_GE(clock.elapsed(), 300);

  link.closeCurrentConnection();
  link.setMainWindow(nullptr);
}

}  // namespace
