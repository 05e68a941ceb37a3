#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "link/PanelLink.h"
#include "link/ReportLastError.h"
#include "tests/support/TestSeams.h"

// Counts heap allocations made by this test program, to show the send path makes none.
namespace {
std::atomic<long> g_allocations{0};
}
void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace panel {
namespace {

using testseams::Beeps;
using testseams::Bytes;

struct RecordingLog : DebugLogSink {
  void appendLogLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

// Scrambles like a TCP connection and keeps the last write in a fixed buffer.
struct FixedBufferTransport : LinkConnection {
  explicit FixedBufferTransport(PanelLink& l) : link(l) {}
  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject*) override {
    link.cipher().apply(bytes, length, LinkCipher::Direction::Send);
    std::copy_n(bytes, length, last.begin());
    lastLength = length;
  }
  void closeConnection() override {}
  bool isOpen() const override { return true; }
  PanelLink& link;
  std::array<std::uint8_t, kMaxSendBytes> last{};
  std::size_t lastLength = 0;
};

TEST(SendPanelFrame, LogsThenBeepsThenWritesToTheCurrentConnection) {
  PanelLink& link = PanelLink::instance();
  RecordingLog log;
  testseams::RecordingConnection tcp;
  link.setDebugSink(&log);
  link.setCurrentConnection(&tcp);

  SendPanelFrame(ParamReadRequest(0x1A, 1));

  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_NE(log.lines[0].find("\t->\t7E AB 07 00 1A 00 01 7E \r\n"), std::string::npos) << log.lines[0];
  EXPECT_EQ(Beeps().beeps, (std::vector<testseams::Beep>{{2000, 20}}));
  ASSERT_EQ(tcp.writes.size(), 1u);
  EXPECT_EQ(tcp.writes[0], Bytes({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E}));
  link.setCurrentConnection(nullptr);
}

TEST(SendPanelFrame, WithoutDebugWindowOrLinkItStillBeeps) {
  SendPanelFrame(KeyFrame(key::kEnter));
  EXPECT_EQ(Beeps().beeps.size(), 1u);
}

TEST(SendPanelFrame, SerialLinkHandsTheBytesAndOwnerToTheSerialSide) {
  PanelLink& link = PanelLink::instance();
  testseams::RecordingConnection tcp, serial;
  link.setCurrentConnection(&tcp);
  link.setSerialTransport(&serial);
  link.setActiveLink(LinkKind::Serial);
  QObject owner;

  FrameBytes both = ParamReadRequest(0x1A, 1);
  both.append(KeystrokeFrame({1, 2, key::kEnter}));
  SendPanelFrame(both, &owner);

  EXPECT_TRUE(tcp.writes.empty());
  ASSERT_EQ(serial.writes.size(), 1u);
  EXPECT_EQ(serial.writes[0].size(), 12u);
  EXPECT_EQ(serial.owners[0], &owner);

  // No worker running: nothing is sent anywhere, and nothing breaks.
  link.setSerialTransport(nullptr);
  SendPanelFrame(EndOfCall());
  EXPECT_EQ(serial.writes.size(), 1u);
  link.setCurrentConnection(nullptr);
}

TEST(SendPanelFrame, SendPathAllocatesNothing) {
  PanelLink& link = PanelLink::instance();
  FixedBufferTransport tcp(link);
  RecordingLog log;
  log.lines.reserve(1);
  link.setCurrentConnection(&tcp);
  link.cipher().setKey({1, 2, 3, 4, 5, 6, 7, 8});
  Beeps().beeps.reserve(200);
  FrameBytes frame = ParamReadRequest(0x7A, 5);
  SendPanelFrame(frame.data(), nullptr, frame.size());  // warm-up: time zone, first-use statics

  const long before = g_allocations.load();
  for (int i = 0; i < 100; ++i) {
    FrameBytes again = ParamReadRequest(0x7A, static_cast<std::uint8_t>(i));
    SendPanelFrame(again.data(), nullptr, again.size());
  }
  EXPECT_EQ(g_allocations.load() - before, 0);
  EXPECT_EQ(tcp.lastLength, 8u);
  link.setCurrentConnection(nullptr);
}

TEST(SendPanelFrame, ScramblesInTheCallersBuffer) {
  PanelLink& link = PanelLink::instance();
  FixedBufferTransport tcp(link);
  link.setCurrentConnection(&tcp);
  link.cipher().setKey({0xFF, 0, 0, 0, 0, 0, 0, 0});
  FrameBytes frame = KeyFrame(0x11);
  SendPanelFrame(frame.data(), nullptr, frame.size());
  EXPECT_EQ(frame[0], 0x7E ^ 0xFF);  // a caller that resends must build the frame again
  EXPECT_EQ(link.cipher().sendIndex(), 5);
  link.setCurrentConnection(nullptr);
}

TEST(ReportLastError, ShowsTheSystemTextUnderTheContextAndReturnsTheCode) {
  EXPECT_EQ(ReportLastError(QStringLiteral("Listen "), 98, QStringLiteral("Address in use")), 98);
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  const auto& box = testseams::Boxes().shown[0];
  EXPECT_EQ(box.caption, QStringLiteral("Listen "));
  EXPECT_EQ(box.text, QStringLiteral("Address in use"));
  EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

}  // namespace
}  // namespace panel
