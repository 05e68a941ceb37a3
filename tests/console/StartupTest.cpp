// Start-up of the whole program, in-process: the listening port, the title,
// and the end by the panel's close frame.
#include <QTcpServer>
#include <QTimer>

#include "console/CtarnelApp.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/SimProcess.h"

namespace {

TEST(Startup, SecondCopyOnTheSamePortReportsAndEnds) {
  QTcpServer first;
  ASSERT_TRUE(first.listen(QHostAddress::Any, testseams::FreeLoopbackPort()));
  console::ProgramOptions options;
  options.listenPort = first.serverPort();
  bool windowRan = false;
  const int code = console::CtarnelApp(options, [&](console::CKeypadDlg&) { windowRan = true; }).run();
  EXPECT_EQ(code, 1);
  EXPECT_FALSE(windowRan);
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].caption, QStringLiteral("Create "));
  EXPECT_FALSE(testseams::Boxes().shown[0].text.isEmpty());
}

TEST(Startup, RunsTheKeypadWindowUntilThePanelEndsTheProgram) {
  console::ProgramOptions options;
  options.listenPort = testseams::FreeLoopbackPort();
  options.callPort = 4711;
  QString title;
  bool listening = false;
  const int code = console::CtarnelApp(options, [&](console::CKeypadDlg& window) {
                     title = window.windowTitle();
                     QTcpServer probe;
                     listening = !probe.listen(QHostAddress::Any, options.listenPort);
                     QTimer::singleShot(0, &window, [&window] {
                       const std::uint8_t close = 0x15;
                       window.handlePanelFrame(&close, 1);
                     });
                   }).run();
  EXPECT_EQ(code, 0);
  EXPECT_EQ(title, console::CtarnelApp::WindowTitle());
  EXPECT_TRUE(title.startsWith(QStringLiteral("Keyridge ")));
  EXPECT_TRUE(listening);
  EXPECT_EQ(console::ProgramOptions::current().callPort, 4711);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
}

}  // namespace
