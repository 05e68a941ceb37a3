// The keypad window against the simulated panel calling in over loopback.
#include <QTcpServer>

#include "link/CListenSocket.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/SimProcess.h"

namespace {

TEST(KeypadEndToEnd, PanelFramesShowAndADroppedLinkResets) {
  panel::PanelLink& link = panel::PanelLink::instance();
  console::CKeypadDlg window(QStringLiteral("Keyridge 1.00"));
  link.setMainWindow(&window);
  panel::CListenSocket listener(link);
  ASSERT_TRUE(listener.listen(0, QHostAddress::LocalHost));
  window.setListenSocket(&listener);

  testseams::SimProcess sim(
      {QStringLiteral("--connect"), QStringLiteral("127.0.0.1:%1").arg(listener.server().serverPort())});
  ASSERT_TRUE(testseams::WaitFor([&] { return !window.versionText().isEmpty() && !window.clockText().isEmpty(); }, 10000))
      << sim.output().toStdString();
  EXPECT_TRUE(window.clockText().contains(QStringLiteral("   ")));

  sim.process().write("raw 7E 23 07 01 2C 00 00 00 00 09 7E\n");
  sim.process().write("raw 7E 1D 07 00 81 7E\n");
  EXPECT_TRUE(testseams::WaitFor([&] { return window.versionText() == QStringLiteral("3.00 [009]"); }))
      << window.versionText().toStdString();
  EXPECT_TRUE(testseams::WaitFor([&] { return window.output(8)->state() == console::LedState::Open; }));
  EXPECT_EQ(window.output(1)->state(), console::LedState::Open);

  sim.process().write("drop\n");
  EXPECT_TRUE(testseams::WaitFor([&] { return window.versionText().isEmpty() && window.clockText().isEmpty(); }));
  EXPECT_EQ(window.output(1)->state(), console::LedState::Unknown);
  EXPECT_EQ(window.modeText(), QStringLiteral("Disconnect"));
  link.setMainWindow(nullptr);
  link.closeCurrentConnection();
}

}  // namespace
