// The link against the simulator program over loopback.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "link/CClientSocket.h"
#include "link/CListenSocket.h"
#include "link/CWorkSocket.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace panel {
namespace {

using testseams::SimProcess;
using testseams::WaitFor;

QStringList CallInArguments(quint16 port) {
  return {QStringLiteral("--connect"), QStringLiteral("127.0.0.1:%1").arg(port)};
}

class PcListening : public ::testing::Test {
 protected:
  void SetUp() override {
    link.setMainWindow(&window);
    ASSERT_TRUE(listener.listen(0, QHostAddress::LocalHost));
  }
  void TearDown() override { link.reset(); }
  quint16 port() { return listener.server().serverPort(); }

  static long Clocks(const std::vector<std::vector<std::uint8_t>>& frames) {
    return std::count_if(frames.begin(), frames.end(), [](const auto& f) { return f.front() == 0x54; });
  }

  // The version comes first; every clock frame arrives whole.
  void expectVersionThenClocks(long clocks) {
    ASSERT_TRUE(WaitFor([&] { return Clocks(window.frames) >= clocks; }, 8000));
    EXPECT_EQ(window.frames[0], testseams::Bytes({0x23, 0x07, 0x00, 0xD2, 0, 0, 0, 0, 0x05, 0x7E}));
    for (const auto& f : window.frames) {
      EXPECT_EQ(f.back(), 0x7E);
      if (f.front() == 0x54) {
        EXPECT_EQ(f.size(), 9u);
      }
    }
  }

  PanelLink& link = PanelLink::instance();
  testseams::RecordingListener window;
  CListenSocket listener{link};
};

TEST_F(PcListening, CalledInFramesArriveWholeAndInOrder) {
  SimProcess sim(CallInArguments(port()));
  expectVersionThenClocks(2);
  // A burst of frames written at once still arrives one by one, in order.
  QByteArray burst;
  for (int i = 0; i < 50; ++i) burst += QStringLiteral(" 7E 17 %1 7E").arg(i, 2, 16, QLatin1Char('0')).toLatin1();
  const std::size_t before = window.frames.size();
  sim.process().write("raw" + burst + "\n");
  ASSERT_TRUE(WaitFor([&] {
    return std::count_if(window.frames.begin() + static_cast<long>(before), window.frames.end(),
                         [](const auto& f) { return f.front() == 0x17; }) == 50;
  }));
  int expected = 0;
  for (const auto& f : window.frames) {
    if (f.front() != 0x17) continue;
    EXPECT_EQ(f, testseams::Bytes({0x17, expected, 0x7E}));
    ++expected;
  }
}

TEST_F(PcListening, FramesSplitIntoOneByteWritesArriveWhole) {
  SimProcess sim(CallInArguments(port()) << QStringLiteral("--split-writes"));
  expectVersionThenClocks(2);
}

TEST_F(PcListening, SecondModuleIsDroppedWhileTheFirstGoesOn) {
  SimProcess first(CallInArguments(port()));
  ASSERT_TRUE(WaitFor([&] { return !window.frames.empty(); }));
  SimProcess second(CallInArguments(port()) << QStringLiteral("--once"));
  ASSERT_TRUE(WaitFor([&] { return second.process().state() == QProcess::NotRunning; }));
  EXPECT_TRUE(second.output().contains(QStringLiteral("link closed")));
  const std::size_t before = window.frames.size();
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() > before; }, 3000));
  EXPECT_EQ(window.linkClosed, 0);
}

TEST_F(PcListening, SimulatorDroppingTheLinkReachesTheMainWindow) {
  SimProcess sim(CallInArguments(port()));
  ASSERT_TRUE(WaitFor([&] { return !window.frames.empty(); }));
  sim.process().write("drop\n");
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));
}

// A module calls until the PC takes the call, and again after the link drops.
TEST(ModuleCallingIn, CallsAgainUntilTakenAndAfterTheLinkDropsUnlessOnce) {
  PanelLink& link = PanelLink::instance();
  testseams::RecordingListener window;
  link.setMainWindow(&window);
  const quint16 port = testseams::FreeLoopbackPort();
  SimProcess sim(CallInArguments(port) << QStringLiteral("--redial-ms") << QStringLiteral("200"));
  ASSERT_TRUE(sim.waitForOutput(QStringLiteral("calling again in 200 ms")));

  CListenSocket listener(link);
  ASSERT_TRUE(listener.listen(port, QHostAddress::LocalHost));
  ASSERT_TRUE(WaitFor([&] { return !window.frames.empty(); }, 5000)) << sim.output().toStdString();

  sim.process().write("drop\n");
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));
  const std::size_t before = window.frames.size();
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() > before && link.currentConnection()->isOpen(); }, 5000));
  EXPECT_EQ(window.frames[before].front(), 0x23);  // the version again: a new call

  SimProcess once(CallInArguments(testseams::FreeLoopbackPort()) << QStringLiteral("--once"));
  ASSERT_TRUE(WaitFor([&] { return once.process().state() == QProcess::NotRunning; }));
  EXPECT_FALSE(once.output().contains(QStringLiteral("calling again")));
  link.reset();
}

class PcCallingOut : public ::testing::Test {
 protected:
  void start(QStringList extra) {
    sim = std::make_unique<SimProcess>(QStringList{QStringLiteral("--listen"), QStringLiteral("0"),
                                                   QStringLiteral("--password"), QStringLiteral("pass1234")}
                                       << extra);
    port = sim->listeningPort();
    ASSERT_NE(port, 0);
    link.setMainWindow(&window);
  }
  void TearDown() override { link.reset(); }

  CWorkSocket* callOut(const std::string& password) {
    auto* work = new CWorkSocket(link);
    work->setPassword(password);
    link.setCurrentConnection(work);
    work->connectToModule(QStringLiteral("127.0.0.1"), port);
    return work;
  }

  PanelLink& link = PanelLink::instance();
  testseams::RecordingListener window;
  std::unique_ptr<SimProcess> sim;
  quint16 port = 0;
};

TEST_F(PcCallingOut, HandshakeCompletesAndFramesTravelScrambledBothWays) {
  start({});
  CWorkSocket* work = callOut("pass1234");
  QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
  ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
  EXPECT_EQ(verdicts[0], (QList<QVariant>{1, 0}));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() >= 2; }));
  EXPECT_EQ(window.frames[0].front(), 0x23);

  SendPanelFrame(ParamReadRequest(0x1A, 1));
  SendPanelFrame(KeystrokeFrame({1, 2, 3, 4, key::kEnter}));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("\t\t7E AB 07 00 1A 00 01 7E")));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("\t\t7A 01 02 03 04 11")));
}

TEST_F(PcCallingOut, WrongPasswordIsRefused) {
  start({});
  CWorkSocket* work = callOut("wrong");
  QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
  ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
  EXPECT_EQ(verdicts[0], (QList<QVariant>{2, -6}));
}

TEST_F(PcCallingOut, ForcedRefusalsAndGarbageVerdicts) {
  const std::vector<std::pair<QString, int>> cases{{QStringLiteral("not-authorised"), -7},
                                                   {QStringLiteral("other"), -10},
                                                   {QStringLiteral("garbage"), -11}};
  for (const auto& [verdict, code] : cases) {
    start({QStringLiteral("--verdict"), verdict});
    CWorkSocket* work = callOut("pass1234");
    QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
    ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
    EXPECT_EQ(verdicts[0], (QList<QVariant>{2, code})) << verdict.toStdString();
    link.closeCurrentConnection();
  }
}

TEST_F(PcCallingOut, LoginOnlyClientsInBothModes) {
  start({});
  for (int mode : {0, 2}) {
    CClientSocket client(link, mode, "5501");
    QSignalSpy verdicts(&client, &CClientSocket::linkVerdict);
    client.connectToModule(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
    EXPECT_EQ(verdicts[0], (QList<QVariant>{1, 0})) << mode;
    client.close();
    ASSERT_TRUE(sim->waitForOutput(QStringLiteral("link closed")));
  }
}

TEST_F(PcCallingOut, AcceptedLoginOnlyCallIsAnsweredByTheModuleCallingBack) {
  CListenSocket listener(link);
  ASSERT_TRUE(listener.listen(0, QHostAddress::LocalHost));
  start({QStringLiteral("--call-back"), QString::number(listener.server().serverPort())});
  CClientSocket client(link, 0, "");
  QSignalSpy verdicts(&client, &CClientSocket::linkVerdict);
  client.connectToModule(QStringLiteral("127.0.0.1"), port);
  ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
  client.close();
  // The module's own call carries plain frames, the version first.
  ASSERT_TRUE(WaitFor([&] { return !window.frames.empty(); }));
  EXPECT_EQ(window.frames[0].front(), 0x23);
  link.closeCurrentConnection();
}

TEST_F(PcCallingOut, ModuleWithOtherConstantsCannotReadTheLoginAndHangsUp) {
  start({QStringLiteral("--constants"), QStringLiteral("1,2,3,4")});
  CWorkSocket* work = callOut("pass1234");
  QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));
  EXPECT_EQ(verdicts.count(), 0);
  EXPECT_TRUE(sim->output().contains(QStringLiteral("garbage login")));
}

}  // namespace
}  // namespace panel
