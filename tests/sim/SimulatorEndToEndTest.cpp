// The simulator program steered through its command lines while a PC is logged in.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/CWorkSocket.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace {

using testseams::WaitFor;

class SimulatorEndToEndTest : public testing::Test {
 protected:
  void SetUp() override {
    port = sim.listeningPort();
    ASSERT_NE(port, 0);
    panel::PanelLink& link = panel::PanelLink::instance();
    link.setMainWindow(&window);
    auto* socket = new panel::CWorkSocket(link);
    QObject::connect(socket, &panel::CWorkSocket::linkVerdict, [this](int status, int) { verdict = status; });
    socket->setPassword("12345678");
    link.setCurrentConnection(socket);
    socket->connectToModule(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(WaitFor([&] { return verdict == 1; }));
  }

  // The link must not outlive the window it reports to.
  void TearDown() override {
    panel::PanelLink::instance().closeCurrentConnection();
    panel::PanelLink::instance().setMainWindow(nullptr);
  }

  void command(const char* line) { sim.process().write(QByteArray(line) + '\n'); }
  bool received(const std::vector<std::uint8_t>& frame) {
    return WaitFor([&] { return std::find(window.frames.begin(), window.frames.end(), frame) != window.frames.end(); });
  }

  testseams::SimProcess sim{{"--listen", "0", "--installer-code", "4455"}};
  testseams::RecordingListener window;
  quint16 port = 0;
  int verdict = 0;
};

TEST_F(SimulatorEndToEndTest, CommandsReachThePcAsStatusFrames) {
  command("zone open 5");
  EXPECT_TRUE(received({0x12, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  command("trouble power on");
  EXPECT_TRUE(received({0x10, 0x00, 0x02, 0x04, 0x02, 0x7E}));
  command("status");
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("zones open: 5;")));
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("troubles: power")));
  command("zone open 99");
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("unknown command: zone open 99")));
}

TEST_F(SimulatorEndToEndTest, TheInstallerCodeOptionOpensProgramMode) {
  panel::SendPanelFrame(panel::KeystrokeFrame({panel::key::kNo, 9, 9, 9, 9, panel::key::kEnter}));
  panel::SendPanelFrame(panel::KeystrokeFrame({panel::key::kNo, 4, 4, 5, 5, panel::key::kEnter}));
  EXPECT_TRUE(received({0x1F, 0x07, 0x02, 0x00, 0x7E}));
  EXPECT_EQ(std::count(window.frames.begin(), window.frames.end(), std::vector<std::uint8_t>{0x1F, 0x07, 0x02, 0x00, 0x7E}), 1);
}

TEST_F(SimulatorEndToEndTest, ParametersAreReadOverTheLinkAndSetOnStandardInput) {
  panel::SendPanelFrame(panel::KeystrokeFrame({panel::key::kNo, 4, 4, 5, 5, panel::key::kEnter}));
  ASSERT_TRUE(received({0x1F, 0x07, 0x02, 0x00, 0x7E}));
  command("param 144 1 45");
  ASSERT_TRUE(sim.waitForOutput(QStringLiteral("sim: param 144/1 = 45")));
  panel::SendPanelFrame(panel::ParamReadRequest(144, 1));
  EXPECT_TRUE(received({0x18, 0x07, 0x00, 0x2D, 0x90, 0x01, 0x7E}));
  panel::SendPanelFrame(panel::KeystrokeFrame({3, 0, panel::key::kEnter}));
  // Standard input and the link are two channels: ask once the keys are in.
  ASSERT_TRUE(sim.waitForOutput(QStringLiteral("7A 03 00 11")));
  command("param 144 1");
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("sim: param 144/1 = 30")));
}

TEST_F(SimulatorEndToEndTest, DropClosesTheLink) {
  command("drop");
  EXPECT_TRUE(WaitFor([&] { return window.linkClosed == 1; }));
  // The panel still takes commands with no link to send them on.
  command("zone open 2");
  command("status");
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("zones open: 2;")));
  EXPECT_EQ(sim.process().state(), QProcess::Running);
}

}  // namespace
