// The connection dialog against the simulated panel and its IP module, over loopback.
#include <algorithm>

#include "link/CWorkSocket.h"
#include "core/link/PanelFrames.h"
#include "tests/connect/ConnectFixture.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace connecttest {
namespace {

using testseams::SimProcess;
using testseams::WaitFor;

class ConnectEndToEndTest : public ConnectFixture {
 protected:
  void SetUp() override {
    ConnectFixture::SetUp();
    // Real handshakes must finish inside the attempt's timer: 1.2 s here.
    testseams::Times().scale = 0.2;
    panel::PanelLink::instance().setMainWindow(&window);
  }

  // The link must not outlive the window it reports to.
  void TearDown() override {
    ConnectFixture::TearDown();
    panel::PanelLink::instance().closeCurrentConnection();
    panel::PanelLink::instance().setMainWindow(nullptr);
  }

  // A simulator listening on a free port, with extra options.
  std::unique_ptr<SimProcess> startSim(QStringList options = {}) {
    auto sim = std::make_unique<SimProcess>(QStringList{"--listen", "0"} + options);
    port = sim->listeningPort();
    EXPECT_NE(port, 0);
    return sim;
  }

  void connectDirect(const QString& password) {
    openDialog(port);
    type("unit", QStringLiteral("127.0.0.1"));
    if (!password.isEmpty()) {
      child<QCheckBox>("notAuthorised")->setChecked(true);
      type("directPassword", password);
    }
    click("directConnect");
  }

  bool ended() { return !dialog->isVisible(); }
  bool failedWith(const QString& text) {
    return WaitFor([&] {
      return dialog->windowTitle() == QStringLiteral("Error connect to 127.0.0.1:%1  %2").arg(port).arg(text) &&
             button("directConnect")->isEnabled();
    });
  }
  bool received(const std::vector<std::uint8_t>& frame) {
    return WaitFor([&] { return std::find(window.frames.begin(), window.frames.end(), frame) != window.frames.end(); });
  }

  testseams::RecordingListener window;
  quint16 port = 0;
};

TEST_F(ConnectEndToEndTest, DirectCallWithTheRightPasswordCarriesScrambledFramesBothWays) {
  auto sim = startSim({"--password", "installer1"});
  connectDirect(QStringLiteral("installer1"));

  ASSERT_TRUE(WaitFor([&] { return ended(); }));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(panel::PanelLink::instance().activeLink(), panel::LinkKind::Tcp);
  auto* link = dynamic_cast<panel::CWorkSocket*>(panel::PanelLink::instance().currentConnection());
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->scrambled());
  EXPECT_NE(std::find(testseams::Beeps().beeps.begin(), testseams::Beeps().beeps.end(), testseams::Beep{500, 50}),
            testseams::Beeps().beeps.end());

  // The panel's first frames arrive readable, so the scrambling matches...
  EXPECT_TRUE(received({0x11, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_TRUE(received({0x15, 0x07, 0, 0, 0, 0x03, 0x7E}));
  // ...and so does ours: the user code reaches the panel, which arms.
  panel::SendPanelFrame(panel::KeystrokeFrame({1, 2, 3, 4, panel::key::kEnter}));
  EXPECT_TRUE(received({0x11, 0x03, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 01 02 03 04 11")));
}

TEST_F(ConnectEndToEndTest, ARefusedPasswordShowsItsText) {
  auto sim = startSim({"--password", "installer1"});
  connectDirect(QStringLiteral("installer2"));
  ASSERT_TRUE(failedWith(QStringLiteral("Password error")));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(window.frames.empty());
}

TEST_F(ConnectEndToEndTest, AnUnauthorisedPcIsToldSo) {
  auto sim = startSim({"--verdict", "not-authorised"});
  connectDirect(QStringLiteral("12345678"));
  ASSERT_TRUE(failedWith(QStringLiteral("Request from Not autorized PC")));
}

TEST_F(ConnectEndToEndTest, AuthorisedDirectLoginEndsWithOk) {
  auto sim = startSim();
  connectDirect(QString());
  ASSERT_TRUE(WaitFor([&] { return ended(); }));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("login-only (access code): verdict 71 00")));
}

TEST_F(ConnectEndToEndTest, AuthorisedDirectLoginRefusedByTheModule) {
  auto sim = startSim({"--login-verdict", "71fe00000000"});
  connectDirect(QString());
  ASSERT_TRUE(failedWith(QStringLiteral("Unit off-line")));
}

TEST_F(ConnectEndToEndTest, ReceiverSearchMovesOnToTheNextFilledReceiver) {
  pcPassword.stored = QStringLiteral("pc-password");
  connection::PcPasswordCheck::install(&pcPassword);
  auto sim = startSim();
  openDialog(port);
  type("account", QStringLiteral("0815"));
  type("receiver1", QStringLiteral("192.0.2.1"));  // a documentation address: nobody answers
  type("receiver3", QStringLiteral("127.0.0.1"));
  type("searchPassword", QStringLiteral("pc-password"));
  click("search");

  ASSERT_TRUE(WaitFor([&] { return ended(); }, 10000));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  const QString p = QString::number(port);
  EXPECT_EQ(titles, (QStringList{"Connecting to 192.0.2.1:" + p, "Error connect to 192.0.2.1:" + p + "  Reseiver not answer",
                                 "Connecting to 127.0.0.1:" + p}));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("login-only (account): verdict 89 00")));
}

TEST_F(ConnectEndToEndTest, ARefusingReceiverEndsTheSearch) {
  pcPassword.stored = QStringLiteral("pc-password");
  connection::PcPasswordCheck::install(&pcPassword);
  auto sim = startSim({"--login-verdict", "89fb00000000"});
  openDialog(port);
  type("account", QStringLiteral("0815"));
  type("receiver2", QStringLiteral("127.0.0.1"));
  type("searchPassword", QStringLiteral("pc-password"));
  click("search");
  ASSERT_TRUE(failedWith(QStringLiteral("Reseiver not found")));
  EXPECT_TRUE(button("search")->isEnabled());
}

}  // namespace
}  // namespace connecttest
