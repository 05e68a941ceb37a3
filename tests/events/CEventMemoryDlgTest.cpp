// The event memory viewer driven as a person would, with the panel's
// records fed in as the keypad window forwards them.
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <QTranslator>

#include "events/CEventMemoryDlg.h"
#include "tests/events/EventsTestSupport.h"
#include "tests/support/Accessibility.h"

namespace {

using eventstest::Bytes;
using testseams::WaitFor;

const Bytes kStartReview{0x7E, 0xA1, 0x07, 0x16, 0x7E};
const Bytes kEndReview{0x7E, 0xA1, 0x07, 0x11, 0x7E};
Bytes Next(std::uint8_t index) { return {0x7E, 0xA9, 0x07, index, 0x7E}; }

// A record of zone `number` activated in area A at 17:04:00 on 01/01/2013.
Bytes Record(std::uint8_t index, std::uint8_t code = 1, std::uint8_t number = 5) {
  return {0x20, 0x07, index, code, 0x80, 0x00, 0x1A, 0x21, 0x01, number, 0x7E};
}

class EventMemoryDialog : public eventstest::RecordingLinkTest {
 protected:
  void SetUp() override {
    RecordingLinkTest::SetUp();
    dialog = std::make_unique<events::CEventMemoryDlg>();
    dialog->show();
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
  }
  void feed(const Bytes& frame) { dialog->handlePanelFrame(frame.data(), frame.size()); }
  QStringList lines() const {
    const QString text = dialog->textArea()->toPlainText();
    return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
  }

  std::unique_ptr<events::CEventMemoryDlg> dialog;
};

TEST_F(EventMemoryDialog, EveryControlIsNamedForScreenReaders) { testseams::ExpectEveryControlNamed(dialog.get()); }

TEST_F(EventMemoryDialog, StartsTheReviewOneMillisecondAfterOpening) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Event memory"));
  EXPECT_EQ(sent()[0], kStartReview);
  EXPECT_EQ(conn.owners[0], dialog.get());
  EXPECT_EQ(testseams::Times().timers, (std::vector<int>{1}));
  EXPECT_TRUE(lines().isEmpty());
}

TEST_F(EventMemoryDialog, ShowsARecordAndAsksForTheOneAfterIt) {
  feed(Record(0x35));
  EXPECT_EQ(lines(), QStringList{QStringLiteral("01/01/2013 17:04:00\tArea A Zone 5 Activated")});
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Next(0x35));
}

// A translator's catalogue: the event texts come from the core, marked for
// lupdate, and are translated where the window shows them.
class GermanEventTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (QByteArrayView(context) == "EventText" && QByteArrayView(source) == "Area %c Zone %d Activated")
      return QStringLiteral("Bereich %c Zone %d ausgelöst");
    return {};
  }
  bool isEmpty() const override { return false; }
};

TEST_F(EventMemoryDialog, EventTextsAreShownInTheReadersLanguage) {
  GermanEventTexts german;
  QCoreApplication::installTranslator(&german);
  feed(Record(0x35));
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(lines(), QStringList{QStringLiteral("01/01/2013 17:04:00\tBereich A Zone 5 ausgelöst")});
}

TEST_F(EventMemoryDialog, PagesHoldTenShownEventsAndSkipHiddenRecordsWithoutCounting) {
  std::uint8_t index = 100;
  for (int shown = 0; shown < 10; ++shown) {
    if (shown == 3 || shown == 7) feed(Record(index++, 0x70));
    feed(Record(index++, 1, static_cast<std::uint8_t>(shown + 1)));
  }
  ASSERT_EQ(lines().size(), 10);
  EXPECT_TRUE(lines()[9].endsWith(QStringLiteral("Zone 10 Activated")));
  // One request per accepted record, hidden ones included.
  ASSERT_EQ(sent().size(), 1u + 12u);
  EXPECT_EQ(sent().back(), Next(111));
  EXPECT_EQ(dialog->remainingOnPage(), 0);

  // The answer to the last request arrives on a full page: dropped, no request.
  feed(Record(112, 1, 11));
  EXPECT_EQ(lines().size(), 10);
  EXPECT_EQ(sent().size(), 13u);

  // "+10" asks again after the last shown one, so the dropped record comes first.
  QTest::mouseClick(dialog->moreButton(), Qt::LeftButton);
  ASSERT_EQ(sent().size(), 14u);
  EXPECT_EQ(sent().back(), Next(111));
  feed(Record(112, 1, 11));
  EXPECT_EQ(lines().size(), 11);
  EXPECT_TRUE(lines()[10].endsWith(QStringLiteral("Zone 11 Activated")));
  EXPECT_EQ(sent().back(), Next(112));
}

TEST_F(EventMemoryDialog, PlusTenBeforeThePageEndAnswerArrivesShowsNothingTwice) {
  for (std::uint8_t i = 50; i > 40; --i) feed(Record(i));
  ASSERT_EQ(sent().back(), Next(41));
  // The user is quicker than the panel: the same request goes out twice...
  QTest::mouseClick(dialog->moreButton(), Qt::LeftButton);
  EXPECT_EQ(sent().back(), Next(41));
  const std::size_t requests = sent().size();
  // ...and both answers come.
  feed(Record(40, 1, 1));
  feed(Record(40, 1, 1));
  feed(Record(39, 1, 2));
  EXPECT_EQ(lines().size(), 12);
  EXPECT_TRUE(lines()[10].endsWith(QStringLiteral("Zone 1 Activated")));
  EXPECT_TRUE(lines()[11].endsWith(QStringLiteral("Zone 2 Activated")));
  // One request per distinct record, so one chain of requests.
  EXPECT_EQ(sent().size(), requests + 2);
  EXPECT_EQ(sent().back(), Next(39));
}

TEST_F(EventMemoryDialog, TheFirstRecordMayHaveIndexZero) {
  QTest::mouseClick(dialog->moreButton(), Qt::LeftButton);
  feed(Record(0));
  EXPECT_EQ(lines().size(), 1);
  EXPECT_EQ(sent().back(), Next(0));
}

TEST_F(EventMemoryDialog, AHiddenRecordOnAFullPageIsDroppedToo) {
  for (std::uint8_t i = 1; i <= 10; ++i) feed(Record(i));
  feed(Record(11, 0x70));
  EXPECT_EQ(sent().size(), 11u);
  EXPECT_EQ(sent().back(), Next(10));
}

TEST_F(EventMemoryDialog, PlusTenBeforeAnyRecordAsksAfterIndexZero) {
  QTest::mouseClick(dialog->moreButton(), Qt::LeftButton);
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Next(0));
}

TEST_F(EventMemoryDialog, ShortForeignAndUnmarkedFramesAreIgnored) {
  const Bytes full = Record(0x35);
  for (std::size_t length = 1; length < 10; ++length) {
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    feed(cut);
  }
  feed({0x20, 0x00, 0x35, 0x01, 0x80, 0x00, 0x1A, 0x21, 0x01, 0x05, 0x7E});
  feed({0x10, 0x07, 0x00, 0x00, 0x00, 0x7E});
  EXPECT_TRUE(lines().isEmpty());
  EXPECT_EQ(sent().size(), 1u);
  EXPECT_EQ(dialog->remainingOnPage(), 10);
}

TEST_F(EventMemoryDialog, CodesBeyondTheTableShowTheirNumber) {
  feed(Record(1, 200));
  EXPECT_EQ(lines(), QStringList{QStringLiteral("01/01/2013 17:04:00\t200")});
}

TEST_F(EventMemoryDialog, SaveWritesTheShownEventsAsCsvAndSaysWhenItCannot) {
  feed(Record(0x35));
  feed(Record(0x34, 0x70));  // hidden: not shown, not saved
  feed(Record(0x33, 1, 12));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("events.csv"));
  testseams::Files().answers = {path};
  QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
  ASSERT_EQ(testseams::Files().asked.size(), 1u);
  EXPECT_EQ(testseams::Files().asked[0].defaultSuffix, QStringLiteral("csv"));
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().toStdString(),
            "time,event,code,area,number,index\r\n"
            "2013-01-01T17:04:00,Area A Zone 5 Activated,1,1,5,53\r\n"
            "2013-01-01T17:04:00,Area A Zone 12 Activated,1,1,12,51\r\n");
  EXPECT_TRUE(testseams::Boxes().shown.empty());

  // A cancelled choice writes nothing; a place that cannot be written is named.
  QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
  testseams::Files().answers = {dir.filePath(QStringLiteral("missing/events.csv"))};
  QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_TRUE(testseams::Boxes().shown[0].text.contains(QStringLiteral("missing/events.csv")));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EventMemoryDialog, ExitEndsTheReviewAndCloses) {
  QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], kEndReview);
}

TEST_F(EventMemoryDialog, TheCloseBoxEndsTheReviewOnce) {
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  dialog->close();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], kEndReview);
}

TEST_F(EventMemoryDialog, EnterClosesWithoutEndingTheReview) {
  feed(Record(1));
  QTest::keyClick(dialog->textArea(), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(sent().size(), 2u);
  EXPECT_NE(sent().back(), kEndReview);
}

TEST(EventMemoryDialogTiming, AWindowClosedBeforeItsFirstMillisecondStartsNoReview) {
  testseams::RecordingConnection conn;
  panel::PanelLink::instance().setCurrentConnection(&conn);
  testseams::Times().scale = 5.0;  // 5 ms, so the close comes first
  {
    events::CEventMemoryDlg dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QTest::qWait(30);
  }
  EXPECT_TRUE(conn.writes.empty());
  panel::PanelLink::instance().setCurrentConnection(nullptr);
}

// The "Memory" command of the keypad window runs the viewer for every frame
// and ends the review once more after it.
class MemoryCommand : public eventstest::KeypadTest {};

TEST_F(MemoryCommand, ExitSendsTheEndOfReviewTwice) {
  bool shown = false;
  eventstest::WhenModal<events::CEventMemoryDlg>([&](events::CEventMemoryDlg* viewer) {
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    // A record reaches the viewer through the keypad window.
    feed(Record(0x35));
    shown = viewer->textArea()->toPlainText() == QStringLiteral("01/01/2013 17:04:00\tArea A Zone 5 Activated");
    QTest::mouseClick(viewer->exitButton(), Qt::LeftButton);
  });
  window->commandAction(QStringLiteral("Memory"))->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(sent(), (std::vector<Bytes>{kStartReview, Next(0x35), kEndReview, kEndReview}));
  EXPECT_EQ(window->editorFrameType(), -1);
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
}

TEST_F(MemoryCommand, EnterLeavesTheEndOfReviewToTheCommand) {
  eventstest::WhenModal<events::CEventMemoryDlg>([&](events::CEventMemoryDlg* viewer) {
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    QTest::keyClick(viewer->textArea(), Qt::Key_Return);
  });
  window->commandAction(QStringLiteral("Memory"))->trigger();
  EXPECT_EQ(sent(), (std::vector<Bytes>{kStartReview, kEndReview}));
}

TEST_F(MemoryCommand, ALostLinkClosesTheViewer) {
  eventstest::WhenModal<events::CEventMemoryDlg>([&](events::CEventMemoryDlg*) {
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    window->handleLinkClosed();
  });
  window->commandAction(QStringLiteral("Memory"))->trigger();
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
  EXPECT_FALSE(window->isConnected());
}

}  // namespace
