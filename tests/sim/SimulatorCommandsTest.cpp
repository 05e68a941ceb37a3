#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <ctime>
#include <vector>

#include "sim/PanelSimulator.h"
#include "tests/support/TestSeams.h"

namespace {

using Frame = std::vector<std::uint8_t>;
using sim::AlarmPanel;

// The simulator's command lines, without a link: they steer the panel model
// and make it send what changed.
class SimulatorCommandsTest : public testing::Test {
 protected:
  SimulatorCommandsTest() {
    auto owned = std::make_unique<sim::PanelModel>(
        [this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); });
    model = owned.get();
    model->linkUp();
    sent.clear();
    simulator = std::make_unique<sim::PanelSimulator>(sim::PanelSimulatorOptions{}, std::move(owned));
  }

  std::vector<Frame> sent;
  sim::PanelModel* model = nullptr;
  std::unique_ptr<sim::PanelSimulator> simulator;
};

TEST_F(SimulatorCommandsTest, ZoneCommandsChangeTheZonesAndSendTheirFrames) {
  ASSERT_TRUE(simulator->command(QStringLiteral("zone open 9")));
  EXPECT_EQ(model->panel().openZones(), 0x0100);
  EXPECT_NE(std::find(sent.begin(), sent.end(), Frame{0x7E, 0x12, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x7E}),
            sent.end());
  ASSERT_TRUE(simulator->command(QStringLiteral("ZONE close 9")));
  EXPECT_EQ(model->panel().openZones(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone tamper 4")));
  EXPECT_EQ(model->panel().tamperedZones(), 0x0008);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone tamper 4 off")));
  EXPECT_EQ(model->panel().tamperedZones(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone alarm 16")));
  EXPECT_EQ(model->panel().alarmZones(), 0x8000);
}

TEST_F(SimulatorCommandsTest, AreaOutputTroubleAndClockCommands) {
  ASSERT_TRUE(simulator->command(QStringLiteral("arm B")));
  EXPECT_EQ(model->panel().armedAreas(), AlarmPanel::kAreaB);
  ASSERT_TRUE(simulator->command(QStringLiteral("stay A")));
  EXPECT_EQ(model->panel().stayAreas(), AlarmPanel::kAreaA);
  ASSERT_TRUE(simulator->command(QStringLiteral("disarm")));
  EXPECT_EQ(model->panel().armedAreas() | model->panel().stayAreas(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("arm")));
  EXPECT_EQ(model->panel().armedAreas(), AlarmPanel::kAllAreas);

  sent.clear();
  ASSERT_TRUE(simulator->command(QStringLiteral("output on 3")));
  EXPECT_EQ(sent, (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x04, 0x7E}, {0x7E, 0x50, 0x04, 0x7E}}));
  ASSERT_TRUE(simulator->command(QStringLiteral("output off 3")));
  EXPECT_EQ(model->panel().outputs(), 0);

  ASSERT_TRUE(simulator->command(QStringLiteral("trouble power on")));
  EXPECT_EQ(model->panel().troubles(), AlarmPanel::kPower);
  ASSERT_TRUE(simulator->command(QStringLiteral("trouble power off")));
  EXPECT_EQ(model->panel().troubles(), 0);

  sent.clear();
  ASSERT_TRUE(simulator->command(QStringLiteral("clock 2024-05-12 08:47:30")));
  EXPECT_EQ(sent, (std::vector<Frame>{{0x7E, 0x54, 0x00, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E}}));

  // The panel's clock has no time zone: an hour the host's zone skips is still a time.
  const QByteArray zone = qgetenv("TZ");
  qputenv("TZ", "Europe/Berlin");
  tzset();
  sent.clear();
  EXPECT_TRUE(simulator->command(QStringLiteral("clock 2026-03-29 02:30:00")));
  EXPECT_EQ(sent, (std::vector<Frame>{{0x7E, 0x54, 0x00, 0x00, 0x96, 0x00, 0x1D, 0x03, 0x1A, 0x7E}}));
  if (zone.isNull())
    qunsetenv("TZ");
  else
    qputenv("TZ", zone);
  tzset();
}

TEST_F(SimulatorCommandsTest, MalformedCommandsAreRefusedAndChangeNothing) {
  for (const char* line : {"zone open 17", "zone open 0", "zone open", "zone open x", "zone shut 3",
                           "zone tamper 3 maybe", "output on 9", "output dim 2", "arm C", "disarm A B",
                           "trouble battery", "trouble smoke on", "clock 2024-13-01 00:00:00", "clock 1999-01-01 00:00:00",
                           "raw 7E 1FF", "frobnicate", "status now"}) {
    EXPECT_FALSE(simulator->command(QString::fromLatin1(line))) << line;
  }
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(model->panel().openZones() | model->panel().tamperedZones(), 0);
  EXPECT_TRUE(simulator->command(QStringLiteral("   ")));
}

TEST_F(SimulatorCommandsTest, ParamUserAndPhoneCommandsShowAndSetParameters) {
  const auto printed = [this](const std::string& line) {
    testing::internal::CaptureStdout();
    EXPECT_TRUE(simulator->command(QString::fromStdString(line))) << line;
    return testing::internal::GetCapturedStdout();
  };
  const struct {
    std::string line, printed;
  } cases[] = {
      {"param 122 5", "sim: param 122/5 = 0x45\n"},
      {"param 122 5 0x81", "sim: param 122/5 = 0x81\n"},
      {"PARAM 122 5", "sim: param 122/5 = 0x81\n"},
      {"param 60 2 255", "sim: param 60/2 = 255\n"},
      {"param 60 2 256", "sim: refused param 60/2: expected a number from 0 to 255, or raw and its reply's value bytes in hex\n"},
      // Raw: any value the reply carries, shown raw where no editor types it.
      {"param 60 2 raw 01 2C", "sim: param 60/2 = raw 01 2C\n"},
      {"param 60 2 raw 2d", "sim: param 60/2 = 45\n"},
      {"param 60 2 raw 01 02 03", "sim: refused param 60/2: expected a number from 0 to 255, or raw and its reply's value bytes in hex\n"},
      {"param 1 3 raw 21 4B", "sim: param 1/3 = raw 21 4B FF FF FF FF FF FF\n"},
      {"param 173 2 raw 09 60", "sim: param 173/2 = raw 09 60\n"},
      {"param 170 2 raw 00 00 1A", "sim: param 170/2 = raw 00 00 1A\n"},
      {"param 181 1 \"0W*5\"", "sim: param 181/1 = \"0W*5\"\n"},
      {"param 181 1 \"0W*5", "sim: refused param 181/1: expected up to 16 characters of 0-9 # * = W - in double quotes, or raw and its reply's value bytes in hex\n"},
      {"param 1 3 \"\"", "sim: param 1/3 = \"\"\n"},
      {"param 172 1 06:00", "sim: param 172/1 = 06:00\n"},
      {"param 170 2 none", "sim: param 170/2 = none\n"},
      {"param 170 2 2026-02-29", "sim: refused param 170/2: expected a date from 2000-01-01 to 2099-12-31, or none, or raw and its reply's value bytes in hex\n"},
      {"param 200 1", "sim: refused param 200/1: no such parameter\n"},
      {"param 125 9 3", "sim: refused param 125/9: no such parameter\n"},
      {"user 1",
       "sim: param 1/1 = \"1234\"\nsim: param 2/1 = 0\nsim: param 3/1 = 0x03\nsim: param 4/1 = 0x8F\n"
       "sim: param 5/1 = 0x13\nsim: param 10/1 = 0xFF\nsim: param 9/1 = 0x00\nsim: param 12/1 = 0x00\n"
       "sim: param 13/1 = 0x00\nsim: param 14/1 = 0x00\n"},
      {"user 100",
       "sim: param 1/100 = \"\"\nsim: param 2/100 = 0\nsim: param 3/100 = 0x00\nsim: param 4/100 = 0x00\n"
       "sim: param 5/100 = 0x00\nsim: param 7/100 = 0\nsim: param 10/100 = 0x00\nsim: param 9/100 = 0x00\n"
       "sim: param 12/100 = 0x00\nsim: param 13/100 = 0x00\nsim: param 14/100 = 0x00\nsim: param 15/100 = 0x00\n"
       "sim: param 11/100 = 0x00\nsim: param 8/100 = 0x00\n"},
      {"phone 1",
       "sim: param 181/1 = \"0W*5\"\nsim: param 182/1 = 1\nsim: param 184/1 = 8\nsim: param 183/1 = 0x01\n"
       "sim: param 186/1 = 0xFF\nsim: param 187/1 = 0xFF\nsim: param 188/1 = 0x01\nsim: param 189/1 = 0x04\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(printed(c.line), c.printed) << c.line;
  for (const char* line : {"param 122", "param x 1", "param 256 1", "param -1 1", "param 122 +5", "user 0", "user 101",
                           "user", "user 1 2", "phone 9", "phone 0"})
    EXPECT_FALSE(simulator->command(QString::fromLatin1(line))) << line;
  EXPECT_TRUE(sent.empty());

  // The keypad takes a code as soon as it is set.
  printed("param 1 2 \"4711\"");
  model->receive(std::vector<std::uint8_t>{0x7A, 4, 7, 1, 1, 0x11});
  EXPECT_EQ(model->panel().armedAreas(), AlarmPanel::kAllAreas);
}

}  // namespace

namespace {

// Listening and calling in at once: a redial waits while a PC holds the link
// it took on the listening port, and calls again once that link is gone.
TEST(PanelSimulatorCalls, ARedialWaitsWhileAPcHoldsTheListeningLink) {
  QTcpServer pc;  // where the simulator calls in
  ASSERT_TRUE(pc.listen(QHostAddress::LocalHost, 0));
  sim::PanelSimulatorOptions options;
  options.listen = true;
  options.listenPort = 0;
  options.callInHost = QStringLiteral("127.0.0.1");
  options.callInPort = pc.serverPort();
  options.redialMs = 500;
  sim::PanelSimulator simulator(options, std::make_unique<sim::PanelModel>(nullptr));
  ASSERT_TRUE(simulator.start());

  ASSERT_TRUE(testseams::WaitFor([&] { return pc.hasPendingConnections(); }));
  pc.nextPendingConnection()->abort();  // the PC hangs up: the simulator will call again
  QTest::qWait(100);                    // once it has seen the hang-up...
  QTcpSocket other;                     // ...another PC calls the listening port
  other.connectToHost(QHostAddress::LocalHost, simulator.listeningPort());
  ASSERT_TRUE(other.waitForConnected(2000));
  QTest::qWait(900);
  EXPECT_FALSE(pc.hasPendingConnections());
  EXPECT_EQ(other.state(), QAbstractSocket::ConnectedState);

  other.abort();
  EXPECT_TRUE(testseams::WaitFor([&] { return pc.hasPendingConnections(); }));
}

}  // namespace
