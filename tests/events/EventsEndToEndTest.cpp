// The event memory viewer and the diagnostics of the real keypad window
// against the simulator program, which calls in over loopback.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "events/CDiagnosticDlg.h"
#include "events/CEventMemoryDlg.h"
#include "core/events/EventRecord.h"
#include "link/CListenSocket.h"
#include "core/link/PanelFrames.h"
#include "tests/events/EventsTestSupport.h"
#include "tests/support/SimProcess.h"

namespace {

using testseams::WaitFor;

// Sits between the link and the keypad window and keeps every event record.
class RecordTap : public panel::LinkListener {
 public:
  explicit RecordTap(console::CKeypadDlg& window) : window_(window) {}
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    if (auto record = events::DecodeEventRecord(frame, length)) records.push_back(*record);
    window_.handlePanelFrame(frame, length);
  }
  void handleLinkClosed() override { window_.handleLinkClosed(); }
  std::vector<events::EventRecord> records;

 private:
  console::CKeypadDlg& window_;
};

class EventsEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    tap = std::make_unique<RecordTap>(*window);
    events::WireEventDialogs(*window);
    link().setMainWindow(tap.get());
    ASSERT_TRUE(listener.listen(0, QHostAddress::LocalHost));
    sim = std::make_unique<testseams::SimProcess>(
        QStringList{QStringLiteral("--connect"), QStringLiteral("127.0.0.1:%1").arg(listener.server().serverPort())});
    ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty(); }, 8000));
    window->setConnectDialogFactory([](QWidget*) { return std::make_unique<eventstest::ConnectedDialog>(); });
    window->commandAction(QStringLiteral("Connect"))->trigger();
    ASSERT_TRUE(window->isConnected());
  }
  void TearDown() override {
    sim.reset();
    link().setMainWindow(nullptr);
    link().closeCurrentConnection();
    window.reset();
  }
  static panel::PanelLink& link() { return panel::PanelLink::instance(); }

  static int LineCount(events::CEventMemoryDlg* viewer) {
    const QString text = viewer->textArea()->toPlainText();
    return text.isEmpty() ? 0 : static_cast<int>(text.count(QLatin1Char('\n')) + 1);
  }

  // Runs "Memory", reads `pages` pages and returns the lines shown.
  QStringList review(int pages, int lastPageLines = events::CEventMemoryDlg::kPageSize) {
    QStringList lines;
    eventstest::WhenModal<events::CEventMemoryDlg>([&](events::CEventMemoryDlg* viewer) {
      for (int page = 1; page <= pages; ++page) {
        const int expected = (page - 1) * events::CEventMemoryDlg::kPageSize +
                             (page == pages ? lastPageLines : events::CEventMemoryDlg::kPageSize);
        EXPECT_TRUE(WaitFor([&] { return LineCount(viewer) >= expected; }, 8000)) << page;
        if (page < pages) QTest::mouseClick(viewer->moreButton(), Qt::LeftButton);
      }
      QTest::qWait(300);  // nothing more may come
      lines = viewer->textArea()->toPlainText().split(QLatin1Char('\n'));
      QTest::mouseClick(viewer->exitButton(), Qt::LeftButton);
    });
    window->commandAction(QStringLiteral("Memory"))->trigger();
    return lines;
  }

  std::unique_ptr<console::CKeypadDlg> window;
  std::unique_ptr<RecordTap> tap;
  panel::CListenSocket listener{link()};
  std::unique_ptr<testseams::SimProcess> sim;
};

TEST_F(EventsEndToEnd, ThreePagesComeInOrderWithNoEventMissedOrRepeated) {
  const QStringList lines = review(3);
  ASSERT_EQ(lines.size(), 30);
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\tRestart unit"))) << lines[0].toStdString();

  // The panel numbers its events one after another (skipping 0x7E): every
  // index from the newest down must have arrived, the page ends twice.
  std::vector<events::EventRecord> distinct;
  for (const auto& r : tap->records)
    if (distinct.empty() || distinct.back().index != r.index) distinct.push_back(r);
  ASSERT_GE(distinct.size(), 31u);
  int hidden = 0;
  QStringList expected;
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    if (i > 0) {
      int step = distinct[i - 1].index - distinct[i].index;
      if (distinct[i - 1].index > 0x7E && distinct[i].index < 0x7E) --step;
      EXPECT_EQ((step + 256) % 256, 1) << i;
    }
    if (distinct[i].code == events::kHiddenEventCode) {
      ++hidden;
      continue;
    }
    if (expected.size() < 30) {
      std::string line = events::FormatEventLine(distinct[i]);
      expected << QString::fromLatin1(line.substr(0, line.size() - 2));
    }
  }
  EXPECT_GE(hidden, 1);
  EXPECT_EQ(lines, expected);
  // Newest first.
  for (int i = 1; i < lines.size(); ++i) {
    const QString a = lines[i - 1].left(19), b = lines[i].left(19);
    const QString ka = a.mid(6, 4) + a.mid(3, 2) + a.left(2) + a.mid(11);
    const QString kb = b.mid(6, 4) + b.mid(3, 2) + b.left(2) + b.mid(11);
    EXPECT_GE(ka, kb) << i;
  }
}

TEST_F(EventsEndToEnd, ClearMemoryAnsweredYesEmptiesTheMemory) {
  // The installer code puts the panel into program mode.
  panel::SendPanelFrame(panel::KeystrokeFrame({panel::key::kNo, 9, 9, 9, 9, panel::key::kEnter}), window.get());
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); }, 5000));

  QStringList diagnostics;
  testseams::Boxes().answers = {QMessageBox::Yes};
  eventstest::WhenModal<events::CDiagnosticDlg>([&](events::CDiagnosticDlg* dialog) {
    EXPECT_TRUE(WaitFor([&] { return !dialog->lineText(3).isEmpty() && !dialog->lineText(0).isEmpty(); }, 5000));
    for (int line = 0; line < 4; ++line) diagnostics << dialog->lineText(line);
    QTest::mouseClick(dialog->actionButton(events::MaintenanceAction::ClearMemory), Qt::LeftButton);
    QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
  });
  window->programAction(QStringLiteral("Diagnostics"))->trigger();
  ASSERT_EQ(diagnostics.size(), 4);
  EXPECT_EQ(diagnostics[0], QStringLiteral("Panel Software Version:\t\t2.10"));
  EXPECT_EQ(diagnostics[1], QStringLiteral("Areas Assigned To the Keypad:\t A B"));
  EXPECT_TRUE(diagnostics[2].startsWith(QStringLiteral("Time-Zones Currently Active:\t")));
  EXPECT_EQ(diagnostics[3], QStringLiteral("Battery Voltage:\t\t\t13.8 V"));
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);

  window->programAction(QStringLiteral("Exit from Install"))->trigger();
  ASSERT_FALSE(window->isProgramMode());

  // What is left: the clearing itself and leaving program mode, newest first.
  const QStringList lines = review(1, 2);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\tLeft program"))) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\tEvent Buffer Cleared from PC"))) << lines[1].toStdString();
}

}  // namespace
