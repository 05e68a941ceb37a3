// The serial worker: its commands and reports, the modem search, the send
// queue, the receive loop and how it ends.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>
#include <memory>

#include "link/PanelLink.h"
#include "core/link/DialRecord.h"
#include "link/serial/FindModemPort.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialEnvelopeIo.h"
#include "link/serial/SerialWorker.h"
#include "link/serial/SerialWorkerRecord.h"
#include "tests/serial/PtyPeer.h"
#include "tests/support/TestSeams.h"

namespace {

using serialtest::ByteVector;
using serialtest::Envelope;
using serialtest::PtyPeer;
using testseams::WaitFor;

struct Report {
  int code;
  int value;
  bool onUiThread;
  friend bool operator==(const Report&, const Report&) = default;
};

class RecordingOwner : public QObject, public serial::SerialResultHandler {
 public:
  void handleSerialResult(int code, int value) override {
    reports.push_back({code, value, QThread::currentThread() == qApp->thread()});
  }
  std::vector<Report> reports;
};

// A modem that identifies itself, takes dial requests with answer and
// answers a hang-up.
ByteVector ModemAnswer(const ByteVector& payload, std::uint8_t dialAnswer = 0x08) {
  if (payload == ByteVector{0x0D}) return Envelope(ByteVector(serial::kIdentificationBytes, 0x41));
  if (!payload.empty() && payload[0] == serial::kDialRequestLead) return Envelope({dialAnswer});
  if (payload == ByteVector{0x0F}) return Envelope({0x0F});
  return {};
}

class SerialWorkerTest : public testing::Test {
 protected:
  void TearDown() override {
    serial::StopSerialWorker(nullptr);
    serial::SetModemPortPaths({});
  }

  // The modem on port 3: port 1 has no device, port 2 does not answer.
  void modemOnThirdPort() {
    ASSERT_TRUE(silent.ok() && modem.ok());
    serial::SetModemPortPaths({QStringLiteral("/dev/no-such-port"), silent.path(), modem.path()});
  }

  // A worker connected to the modem, as after a successful search.
  serial::SerialWorker& foundWorker() {
    modemOnThirdPort();
    serial::SerialWorker& worker = serial::StartSerialWorker();
    worker.post(serial::kFindModem, &owner);
    EXPECT_TRUE(WaitFor([&] { return !owner.reports.empty(); }, 5000));
    owner.reports.clear();
    return worker;
  }

  PtyPeer silent;
  PtyPeer modem;
  RecordingOwner owner;
};

TEST_F(SerialWorkerTest, ModemSearchSkipsPortsThatDoNotAnswerAndStaysOnTheModem) {
  modemOnThirdPort();
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::ModemPort port;
  EXPECT_EQ(serial::FindModemPort(port, serial::ModemPortPaths()), 3);
  EXPECT_TRUE(port.isOpen());
  EXPECT_EQ(silent.read(200), (ByteVector{0x7E, 0x01, 0x00, 0x0D, 0x8C}));

  // Still open on the modem: it hears what is sent next.
  const std::uint8_t hello[] = {0x11};
  EXPECT_TRUE(serial::WriteSerialEnvelope(port, hello));
  EXPECT_TRUE(WaitFor([&] { return modem.received().size() == 2; }, 2000));
  EXPECT_EQ(modem.received().back(), ByteVector{0x11});
}

TEST_F(SerialWorkerTest, ModemSearchWantsExactlyTheIdentificationBlockWithinNineteenPorts) {
  PtyPeer shortAnswer;
  shortAnswer.respond([](const ByteVector&) { return Envelope(ByteVector(serial::kIdentificationBytes - 1, 0x41)); });
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  QStringList paths{shortAnswer.path()};
  while (paths.size() < serial::kLastPortNumber) paths << QStringLiteral("/dev/no-such-port");
  paths << modem.path();  // port 20 is never tried
  serial::ModemPort port;
  EXPECT_EQ(serial::FindModemPort(port, paths), 0);
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(modem.received().empty());

  paths[5] = modem.path();
  EXPECT_EQ(serial::FindModemPort(port, paths), 6);
}

TEST_F(SerialWorkerTest, CommandsAreAnsweredOnTheUiThreadAsTheTableSays) {
  modem.respond([&](const ByteVector& p) { return ModemAnswer(p); });
  modemOnThirdPort();
  serial::SerialWorker& worker = serial::StartSerialWorker();
  const std::vector<std::uint8_t> dial = serial::BuildDialRecord("0612345678", "4321", 2);
  worker.setDialRequest(dial);

  worker.post(serial::kFindModem, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 1; }));
  EXPECT_EQ(owner.reports[0], (Report{0, 3, true}));
  EXPECT_EQ(worker.portNumber(), 3);

  worker.post(serial::kDial, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 2; }));
  EXPECT_EQ(owner.reports[1], (Report{5, 8, true}));
  EXPECT_EQ(modem.received().back(), ByteVector(dial.begin(), dial.end()));

  // Progress codes come unasked; one read per command 11.
  const auto step = [&](const ByteVector& answer) {
    const std::size_t before = owner.reports.size();
    if (!answer.empty()) modem.write(Envelope(answer));
    worker.post(serial::kNextStep, &owner);
    EXPECT_TRUE(WaitFor([&] { return owner.reports.size() == before + 1; }, 3000));
    return owner.reports.back();
  };
  EXPECT_EQ(step({0x0D}), (Report{5, 13, true}));
  EXPECT_EQ(step({0x0D, 0x0E}).value, 0);
  EXPECT_EQ(step({}).value, 0);
  EXPECT_EQ(step({0xF0}), (Report{5, -16, true}));

  worker.post(3, &owner);  // not a command: ignored
  worker.post(serial::kCancelCall, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 7; }, 5000));
  EXPECT_EQ(owner.reports[6], (Report{4, 1, true}));  // the 3 left no report
  EXPECT_EQ(modem.received().back(), ByteVector{0x0F});

  worker.post(serial::kCallEstablished, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 8; }, 5000));
  EXPECT_EQ(owner.reports[7], (Report{8, 1, true}));
  // Command 8 waits for no answer: the report can come before the modem has read the byte.
  EXPECT_TRUE(WaitFor([&] { return modem.received().back() == ByteVector{0x11}; }, 3000));
}

TEST_F(SerialWorkerTest, DialRequestIsAcceptedOnlyByTheSingleByteEight) {
  std::atomic<std::uint8_t> answer{0x09};
  modem.respond([&](const ByteVector& p) { return ModemAnswer(p, answer); });
  serial::SerialWorker& worker = foundWorker();
  worker.setDialRequest(serial::BuildDialRecord("1", "", 0));
  worker.post(serial::kDial, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 1; }));
  EXPECT_EQ(owner.reports[0].value, 0);

  // Without a dial request nothing is sent.
  worker.setDialRequest({});
  answer = 0x08;
  const std::size_t heard = modem.received().size();
  worker.post(serial::kDial, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 2; }));
  EXPECT_EQ(owner.reports[1].value, 0);
  EXPECT_EQ(modem.received().size(), heard);
}

TEST_F(SerialWorkerTest, StepsWithoutAPortTakeTheirTimeInsteadOfSpinning) {
  serial::SetModemPortPaths({QStringLiteral("/dev/no-such-port")});
  serial::SerialWorker& worker = serial::StartSerialWorker();
  worker.post(serial::kFindModem, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 1; }));
  EXPECT_EQ(owner.reports[0].value, 0);
  QElapsedTimer clock;
  clock.start();
  worker.post(serial::kNextStep, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 2; }));
  EXPECT_EQ(owner.reports[1], (Report{5, 0, true}));
  EXPECT_GE(clock.elapsed(), 450);
}

TEST_F(SerialWorkerTest, CommandsWithoutOwnerReportNothing) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  worker.post(serial::kCallEstablished, nullptr);
  worker.post(serial::kNextStep, nullptr);
  worker.post(serial::kCallEstablished, &owner);
  ASSERT_TRUE(WaitFor([&] { return owner.reports.size() == 1; }, 3000));
  EXPECT_EQ(owner.reports[0].code, 8);
}

TEST_F(SerialWorkerTest, FramesSentBackToBackAllGoOutInOrder) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  panel::PanelLink::instance().setActiveLink(panel::LinkKind::Serial);
  // The worker is busy reading for a while; the sends pile up behind it.
  worker.post(serial::kNextStep, nullptr);
  panel::SendPanelFrame(panel::ParamReadRequest(0x7A, 1));
  panel::SendPanelFrame(panel::KeystrokeFrame({0x05, 0x11}));
  panel::SendPanelFrame(panel::KeyFrame(0x11));
  ASSERT_TRUE(WaitFor([&] { return modem.received().size() == 4; }, 3000));
  const auto heard = modem.received();
  EXPECT_EQ(heard[1], (ByteVector{0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x01, 0x7E}));
  EXPECT_EQ(heard[2], (ByteVector{0x7A, 0x05, 0x11}));
  EXPECT_EQ(heard[3], (ByteVector{0x7E, 0xA1, 0x07, 0x11, 0x7E}));
}

TEST_F(SerialWorkerTest, ReceiveLoopDeliversGoodFramesOnTheUiThreadAndDropsTheRest) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  testseams::RecordingListener window;
  panel::PanelLink::instance().setMainWindow(&window);
  ASSERT_TRUE(worker.startReceiveLoop());

  ByteVector stream = Envelope({0x23, 0x07, 0x00, 0xD2, 0, 0, 0, 0, 0x05, 0x7E});
  for (std::uint8_t b : Envelope({})) stream.push_back(b);
  ByteVector corrupt = Envelope({0x10, 0x07, 0xFF});
  corrupt.back() ^= 0xFF;
  stream.insert(stream.end(), corrupt.begin(), corrupt.end());
  stream.insert(stream.end(), {0x00, 0x13, 0x37, 0x7E, 0xFF, 0x7F});  // noise, then a length no buffer takes
  for (std::uint8_t b : Envelope({0x15})) stream.push_back(b);
  modem.write(stream);

  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 2; }, 5000));
  EXPECT_EQ(window.frames[0], (ByteVector{0x23, 0x07, 0x00, 0xD2, 0, 0, 0, 0, 0x05, 0x7E}));
  EXPECT_EQ(window.frames[1], ByteVector{0x15});

  // Sends still go out while the loop reads.
  panel::PanelLink::instance().setActiveLink(panel::LinkKind::Serial);
  panel::SendPanelFrame(panel::KeystrokeFrame({0x21}));
  ASSERT_TRUE(WaitFor([&] { return modem.received().back() == ByteVector{0x7A, 0x21}; }, 3000));
  modem.write(Envelope({0x54, 0x00}));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 3; }, 3000));
}

TEST_F(SerialWorkerTest, ASendFromAFrameHandlerGoesOutWhileTheHandlerStillPauses) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  panel::PanelLink::instance().setActiveLink(panel::LinkKind::Serial);
  // As an editor does: a reply comes, it writes and gives the panel time.
  struct PausingWindow : testseams::RecordingListener {
    explicit PausingWindow(PtyPeer& peer) : modem(peer) {}
    void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
      RecordingListener::handlePanelFrame(frame, length);
      panel::SendPanelFrame(panel::KeystrokeFrame({0x01, 0x11}));
      QThread::msleep(750);
      heardDuringPause = !modem.received().empty() && modem.received().back() == ByteVector{0x7A, 0x01, 0x11};
    }
    PtyPeer& modem;
    bool heardDuringPause = false;
  } window(modem);
  panel::PanelLink::instance().setMainWindow(&window);
  ASSERT_TRUE(worker.startReceiveLoop());
  modem.write(Envelope({0x16, 0x07, 0x00, 0x05, 0x7A, 0x01, 0x7E}));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }, 3000));
  EXPECT_TRUE(window.heardDuringPause);
}

TEST_F(SerialWorkerTest, ClosingThePortEndsTheReceiveLoop) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  testseams::RecordingListener window;
  panel::PanelLink::instance().setMainWindow(&window);
  ASSERT_TRUE(worker.startReceiveLoop());
  worker.post(serial::kClosePort, nullptr);
  ASSERT_TRUE(WaitFor([&] { return worker.portNumber() == 0; }, 3000));
  modem.write(Envelope({0x10, 0x07}));
  WaitFor([] { return false; }, 300);
  EXPECT_TRUE(window.frames.empty());
  EXPECT_FALSE(worker.startReceiveLoop());
  EXPECT_EQ(window.linkClosed, 0);  // closed on purpose, not lost
}

TEST_F(SerialWorkerTest, StopHangsUpClosesAndEndsTheThreadInTime) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  worker.post(serial::kNextStep, &owner);  // still waiting when stop comes
  QElapsedTimer clock;
  clock.start();
  worker.stop();
  EXPECT_LT(clock.elapsed(), serial::SerialWorker::kStopWaitMs);
  EXPECT_FALSE(worker.isRunning());
  EXPECT_EQ(modem.received().back(), ByteVector{0x0F});
  QCoreApplication::processEvents();
  EXPECT_TRUE(owner.reports.empty());
}

TEST_F(SerialWorkerTest, StoppingFromInsideAFrameHandlerDoesNotDeadlock) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  // As the keypad window does on the panel's 0x15: the program ends, which
  // disconnects while the worker waits for the frame to be handled.
  struct StoppingWindow : testseams::RecordingListener {
    void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
      RecordingListener::handlePanelFrame(frame, length);
      QElapsedTimer clock;
      clock.start();
      serial::StopSerialWorker(nullptr);
      stopMs = clock.elapsed();
    }
    qint64 stopMs = -1;
  } window;
  panel::PanelLink::instance().setMainWindow(&window);
  ASSERT_TRUE(worker.startReceiveLoop());
  modem.write(Envelope({0x15}));
  ASSERT_TRUE(WaitFor([&] { return window.stopMs >= 0; }, 5000));
  EXPECT_LT(window.stopMs, serial::SerialWorker::kStopWaitMs);
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  EXPECT_EQ(panel::PanelLink::instance().serialTransport(), nullptr);
}

TEST_F(SerialWorkerTest, AModemUnpluggedMidCallResetsTheWindowAndLeavesNoWorker) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  testseams::RecordingListener window;
  panel::PanelLink::instance().setMainWindow(&window);
  ASSERT_TRUE(worker.startReceiveLoop());
  modem.write(Envelope({0x10, 0x07, 0x00}));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }, 3000));

  modem.unplug();
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }, 5000));
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  EXPECT_EQ(panel::PanelLink::instance().serialTransport(), nullptr);
}

TEST_F(SerialWorkerTest, OverlongMessagesAreRefusedWhole) {
  modem.respond([](const ByteVector& p) { return ModemAnswer(p); });
  serial::SerialWorker& worker = foundWorker();
  std::vector<std::uint8_t> tooLong(serial::SerialWorker::kMaxMessage + 1, 0x01);
  std::vector<std::uint8_t> longest(serial::SerialWorker::kMaxMessage, 0x02);
  worker.transmit(tooLong.data(), static_cast<std::uint16_t>(tooLong.size()), nullptr);
  worker.transmit(longest.data(), static_cast<std::uint16_t>(longest.size()), nullptr);
  ASSERT_TRUE(WaitFor([&] { return modem.received().size() == 2; }, 3000));
  EXPECT_EQ(modem.received().back(), ByteVector(longest.begin(), longest.end()));
}

}  // namespace
