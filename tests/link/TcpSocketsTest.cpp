#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTcpServer>
#include <QTcpSocket>

#include "link/CClientSocket.h"
#include "link/CListenSocket.h"
#include "link/CWorkSocket.h"
#include "tests/support/TestSeams.h"

namespace panel {
namespace {

using testseams::Bytes;
using testseams::WaitFor;

const Challenge kChallenge{1, 2, 3, 4, 5, 6, 7, 8};

// The module's end of a connection that the PC opens, driven byte by byte.
class FakeModule {
 public:
  FakeModule() {
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [this] {
      socket = server.nextPendingConnection();
      QObject::connect(socket, &QTcpSocket::readyRead, [this] {
        const QByteArray bytes = socket->readAll();
        received.insert(received.end(), bytes.begin(), bytes.end());
      });
    });
  }
  quint16 port() const { return server.serverPort(); }
  bool waitConnected() { return WaitFor([this] { return socket != nullptr; }); }
  void write(std::vector<std::uint8_t> bytes, bool scramble) {
    if (scramble) cipher.apply(bytes.data(), bytes.size(), LinkCipher::Direction::Send);
    socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    socket->flush();
  }
  void sendChallenge() {
    keys = LinkKeyDerivation(kChallenge, DefaultLinkSecrets().constants);
    cipher.setKey(keys.key);
    write({kChallenge.begin(), kChallenge.end()}, false);
  }
  // Takes n received bytes off the front, de-scrambled.
  std::vector<std::uint8_t> take(std::size_t n) {
    if (!WaitFor([&] { return received.size() >= n; })) return {};
    std::vector<std::uint8_t> out(received.begin(), received.begin() + static_cast<long>(n));
    received.erase(received.begin(), received.begin() + static_cast<long>(n));
    cipher.apply(out.data(), out.size(), LinkCipher::Direction::Receive);
    return out;
  }

  QTcpServer server;
  QTcpSocket* socket = nullptr;
  std::vector<std::uint8_t> received;
  LinkCipher cipher;
  DerivedKeys keys;
};

class CallOut : public ::testing::Test {
 protected:
  void SetUp() override {
    link.setMainWindow(&window);
    work = new CWorkSocket(link);
    work->setPassword("pass1234");
    link.setCurrentConnection(work);
    work->connectToModule(QStringLiteral("127.0.0.1"), module.port());
    ASSERT_TRUE(module.waitConnected());
    ASSERT_TRUE(WaitFor([&] { return work->state() == CWorkSocket::State::AwaitChallenge; }));
  }
  void TearDown() override { link.reset(); }

  void handshake(std::vector<std::uint8_t> verdict) {
    module.sendChallenge();
    ASSERT_EQ(module.take(11 + 8).size(), 19u);
    module.write(std::move(verdict), true);
  }

  PanelLink& link = PanelLink::instance();
  testseams::RecordingListener window;
  FakeModule module;
  CWorkSocket* work = nullptr;
};

TEST_F(CallOut, AnswersTheChallengeWithPasswordLoginThenTalksScrambled) {
  module.sendChallenge();
  const auto reply = module.take(19);
  ASSERT_EQ(reply.size(), 19u);
  EXPECT_TRUE(std::equal(module.keys.answer.begin(), module.keys.answer.end(), reply.begin()));
  EXPECT_EQ(std::vector<std::uint8_t>(reply.begin() + 8, reply.end()),
            Bytes({0x8E, 0x03, 'p', 'a', 's', 's', '1', '2', '3', '4', 0x00}));
  EXPECT_EQ(work->state(), CWorkSocket::State::AwaitVerdict);

  QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
  module.write({0x71, 0x00, 0, 0, 0, 0}, true);
  ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
  EXPECT_EQ(verdicts[0], (QList<QVariant>{1, 0}));
  EXPECT_EQ(testseams::Beeps().beeps.back(), (testseams::Beep{500, 50}));
  EXPECT_TRUE(work->scrambled());

  // The first frame sent starts at key position (11 + n) % 8 = 3.
  const std::uint8_t firstWireByte = 0x7E ^ module.keys.key[(11 + 8) % 8];
  const std::size_t before = module.received.size();
  SendPanelFrame(ParamReadRequest(0x1A, 1));
  ASSERT_TRUE(WaitFor([&] { return module.received.size() == before + 8; }));
  EXPECT_EQ(module.received[before], firstWireByte);
  EXPECT_EQ(module.take(8), Bytes({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E}));

  module.write({0x7E, 0x23, 0x07, 0x00, 0xD2, 0, 0, 0, 0, 5, 0x7E}, true);
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(window.frames[0], Bytes({0x23, 0x07, 0x00, 0xD2, 0, 0, 0, 0, 5, 0x7E}));
}

TEST_F(CallOut, EveryVerdictOfTheTableReachesTheResultWindow) {
  const std::vector<std::pair<std::vector<std::uint8_t>, QList<QVariant>>> cases{
      {{0x71, 0xFC, 0, 0, 0, 0}, {2, -6}},
      {{0x71, 0xFB, 0, 0, 0, 0}, {2, -7}},
      {{0x71, 0x05, 0, 0, 0, 0}, {2, -10}},
      {{0x6A, 0x13, 0x37, 0, 0, 0}, {2, -11}}};
  for (const auto& [verdict, expected] : cases) {
    TearDown();
    SetUp();
    QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
    handshake(verdict);
    ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
    EXPECT_EQ(verdicts[0], expected);
    // A refused login still moves on to the data state; the dialog decides.
    EXPECT_EQ(work->state(), CWorkSocket::State::Data);
  }
}

TEST_F(CallOut, ChallengeSplitOverTwoReadsIsIgnored) {
  module.keys = LinkKeyDerivation(kChallenge, DefaultLinkSecrets().constants);
  module.write({1, 2, 3, 4}, false);
  QTest::qWait(50);
  module.write({5, 6, 7, 8}, false);
  QTest::qWait(100);
  EXPECT_TRUE(module.received.empty());
  EXPECT_EQ(work->state(), CWorkSocket::State::AwaitChallenge);
}

TEST_F(CallOut, VerdictSharingAReadWithTheFirstFramesLosesNothing) {
  module.sendChallenge();
  ASSERT_EQ(module.take(19).size(), 19u);
  QSignalSpy verdicts(work, &CWorkSocket::linkVerdict);
  module.write({0x71, 0x00, 0, 0, 0, 0, 0x7E, 0x54, 0x00, 0x01, 0x02, 0x03, 0x0C, 0x05, 0x18, 0x7E}, true);
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(verdicts.count(), 1);
  EXPECT_EQ(window.frames[0].front(), 0x54);
}

TEST_F(CallOut, PeerCloseReachesTheMainWindowOnceButOurOwnCloseDoesNot) {
  handshake({0x71, 0x00, 0, 0, 0, 0});
  ASSERT_TRUE(WaitFor([&] { return work->state() == CWorkSocket::State::Data; }));
  module.socket->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));
  QTest::qWait(50);
  EXPECT_EQ(window.linkClosed, 1);
  // Closed, not freed: it stays current until replaced.
  EXPECT_EQ(link.currentConnection(), work);
  EXPECT_FALSE(work->isOpen());

  TearDown();
  window.linkClosed = 0;
  SetUp();
  handshake({0x71, 0x00, 0, 0, 0, 0});
  ASSERT_TRUE(WaitFor([&] { return work->state() == CWorkSocket::State::Data; }));
  link.closeCurrentConnection();
  QTest::qWait(50);
  EXPECT_EQ(window.linkClosed, 0);
}

class CallIn : public ::testing::Test {
 protected:
  void SetUp() override {
    link.setMainWindow(&window);
    ASSERT_TRUE(listener.listen(0, QHostAddress::LocalHost));
  }
  void TearDown() override { link.reset(); }
  std::unique_ptr<QTcpSocket> call() {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, listener.server().serverPort());
    EXPECT_TRUE(socket->waitForConnected(2000));
    return socket;
  }

  PanelLink& link = PanelLink::instance();
  testseams::RecordingListener window;
  CListenSocket listener{link};
};

TEST_F(CallIn, ModuleGetsNoChallengeAndItsFramesArrivePlain) {
  auto module = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != nullptr; }));
  module->write(QByteArray::fromHex("ff7e1000010203047e"));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(window.frames[0], Bytes({0x10, 0x00, 0x01, 0x02, 0x03, 0x04, 0x7E}));
  EXPECT_FALSE(module->waitForReadyRead(100));  // nothing was sent to it
  EXPECT_EQ(listener.lastPeerAddress(), QHostAddress(QHostAddress::LocalHost));
}

TEST_F(CallIn, SecondCallerIsDroppedWhileTheFirstGoesOn) {
  auto first = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != nullptr; }));
  auto second = call();
  ASSERT_TRUE(WaitFor([&] { return second->state() == QAbstractSocket::UnconnectedState; }));
  first->write(QByteArray::fromHex("7e17007e"));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(window.linkClosed, 0);
}

TEST_F(CallIn, ModuleCanCallAgainAfterItHungUp) {
  auto first = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != nullptr; }));
  first->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));

  auto again = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() && link.currentConnection()->isOpen(); }));
  again->write(QByteArray::fromHex("7e17017e"));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(window.frames[0], Bytes({0x17, 0x01, 0x7E}));
}

TEST_F(CallIn, CallerIsTurnedAwayWhileOurCallOutConnectsOrAGsmCallStandsAndTakenAfter) {
  testseams::RecordingConnection callOut;
  callOut.open = false;
  callOut.connecting = true;
  link.setCurrentConnection(&callOut);
  auto early = call();
  ASSERT_TRUE(WaitFor([&] { return early->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(link.currentConnection(), &callOut);

  // A GSM call holds the line as well, from dialling to hang-up.
  callOut.connecting = false;  // the call-out failed or hung up
  testseams::RecordingConnection gsm;
  link.setSerialTransport(&gsm);
  auto duringGsm = call();
  ASSERT_TRUE(WaitFor([&] { return duringGsm->state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(link.currentConnection(), &callOut);
  EXPECT_EQ(window.linkClosed, 0);
  link.setSerialTransport(nullptr);

  auto later = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != &callOut; }));
  later->write(QByteArray::fromHex("7e17027e"));
  ASSERT_TRUE(WaitFor([&] { return window.frames.size() == 1; }));
  EXPECT_EQ(window.frames[0], Bytes({0x17, 0x02, 0x7E}));
}

TEST(WorkSocket, HoldsTheLineFromTheCallOutOnAndLetsGoWhenClosed) {
  PanelLink link;
  QTcpServer module;
  ASSERT_TRUE(module.listen(QHostAddress::LocalHost, 0));
  CWorkSocket work(link);
  EXPECT_FALSE(work.holdsLine());
  work.connectToModule(QStringLiteral("127.0.0.1"), module.serverPort());
  EXPECT_TRUE(work.holdsLine());
  EXPECT_FALSE(work.isOpen());
  ASSERT_TRUE(WaitFor([&] { return work.isOpen(); }));
  EXPECT_TRUE(work.holdsLine());
  work.closeConnection();
  EXPECT_FALSE(work.holdsLine());
}

TEST_F(CallIn, AReceiveErrorIsReportedAndResetsTheWindowLikeALostLink) {
  auto module = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != nullptr; }));
  auto* work = dynamic_cast<CWorkSocket*>(link.currentConnection());
  ASSERT_NE(work, nullptr);
  emit work->socket().errorOccurred(QAbstractSocket::NetworkError);
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].caption, QStringLiteral("CWorkSocket Data reseive"));
  EXPECT_EQ(window.linkClosed, 1);
  EXPECT_FALSE(work->isOpen());
  QTest::qWait(50);
  EXPECT_EQ(window.linkClosed, 1);  // told once, not again by the close that followed
}

TEST_F(CallIn, CloseHandlingClosesTheCurrentConnection) {
  auto module = call();
  ASSERT_TRUE(WaitFor([&] { return link.currentConnection() != nullptr; }));
  listener.closeHandling();
  EXPECT_EQ(link.currentConnection(), nullptr);
  ASSERT_TRUE(WaitFor([&] { return module->state() == QAbstractSocket::UnconnectedState; }));
}

TEST(LoginOnly, ModesZeroAndTwoSendTheirFifteenBytesAndReportVerdicts) {
  struct Case {
    int mode;
    std::vector<std::uint8_t> loginBytes;
    std::vector<std::uint8_t> verdict;
    QList<QVariant> expected;
  };
  const std::vector<Case> cases{
      {0, {0x8E, 0x02, '7', '3', '1', '9', 0x00}, {0x71, 0x00, 0x05, 0, 0, 0}, {1, 5}},
      {0, {0x8E, 0x02, '7', '3', '1', '9', 0x00}, {0x71, 0xFB, 0, 0, 0, 0}, {2, 0xFB}},
      {2, {0x52, 0x01, '5', '5', '0', '1', 0x00}, {0x89, 0x00, 0, 0, 0, 0}, {1, 0}},
      {2, {0x52, 0x01, '5', '5', '0', '1', 0x00}, {0x71, 0x00, 0, 0, 0, 0}, {1, 0x71}}};
  for (const Case& c : cases) {
    PanelLink& link = PanelLink::instance();
    FakeModule module;
    CClientSocket client(link, c.mode, "550123");
    QSignalSpy verdicts(&client, &CClientSocket::linkVerdict);
    client.connectToModule(QStringLiteral("127.0.0.1"), module.port());
    ASSERT_TRUE(module.waitConnected());
    module.sendChallenge();
    const auto reply = module.take(15);
    ASSERT_EQ(reply.size(), 15u);
    EXPECT_TRUE(std::equal(module.keys.answer.begin(), module.keys.answer.end(), reply.begin()));
    EXPECT_EQ(std::vector<std::uint8_t>(reply.begin() + 8, reply.end()), c.loginBytes);
    EXPECT_FALSE(client.awaitingChallenge());
    module.write(c.verdict, true);
    ASSERT_TRUE(WaitFor([&] { return verdicts.count() == 1; }));
    EXPECT_EQ(verdicts[0], c.expected);
    EXPECT_EQ(client.lastResult(), c.expected[1].toInt());
    EXPECT_TRUE(client.awaitingChallenge());
  }
}

}  // namespace
}  // namespace panel
