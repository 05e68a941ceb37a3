// The dialling dialog: what it shows and which command it posts for each
// report of the serial worker.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "connect/CDialingDlg.h"
#include "tests/support/TestSeams.h"
#include "tests/support/Accessibility.h"

namespace {

using testseams::WaitFor;

struct Posted {
  int command;
  QObject* owner;
  friend bool operator==(const Posted&, const Posted&) = default;
};

class RecordingWorker : public serial::SerialCommandSink {
 public:
  void post(int command, QObject* owner) override { posted.push_back({command, owner}); }
  bool running() const override { return isRunning; }
  std::vector<int> commands() const {
    std::vector<int> numbers;
    for (const Posted& p : posted) numbers.push_back(p.command);
    return numbers;
  }
  std::vector<Posted> posted;
  bool isRunning = true;
};

class CDialingDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog = std::make_unique<connection::CDialingDlg>(worker);
    dialog->show();
    ASSERT_TRUE(WaitFor([&] { return !worker.posted.empty(); }, 2000));
    worker.posted.clear();
  }
  bool closedWith(int result) const { return !dialog->isVisible() && dialog->result() == result; }

  RecordingWorker worker;
  std::unique_ptr<connection::CDialingDlg> dialog;
};

TEST(CDialingDlgOpening, StartsTheModemSearchFromAOneMillisecondTimer) {
  RecordingWorker worker;
  connection::CDialingDlg dialog(worker);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog"));
  testseams::ExpectEveryControlNamed(&dialog);
  EXPECT_EQ(dialog.statusText(), QStringLiteral("Dialing"));
  EXPECT_EQ(dialog.progress(), 0);
  EXPECT_TRUE(worker.posted.empty());
  ASSERT_FALSE(testseams::Times().timers.empty());
  EXPECT_EQ(testseams::Times().timers.back(), 1);
  dialog.show();
  ASSERT_TRUE(WaitFor([&] { return !worker.posted.empty(); }, 2000));
  EXPECT_EQ(worker.posted, (std::vector<Posted>{{serial::kFindModem, &dialog}}));
}

TEST_F(CDialingDlgTest, ModemFoundLogsTwoLinesAdvancesTwiceAndDials) {
  dialog->handleSerialResult(0, 3);
  EXPECT_EQ(dialog->logText(), QStringLiteral("\nFind modem on port 3\nCommand 0 3"));
  EXPECT_EQ(dialog->progress(), 1);  // shows the counter before each step: 0, then 1
  EXPECT_EQ(worker.posted, (std::vector<Posted>{{serial::kDial, dialog.get()}}));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CDialingDlgTest, NoModemClosesWithCancel) {
  QSignalSpy finished(dialog.get(), &QDialog::finished);
  dialog->handleSerialResult(0, 0);
  EXPECT_TRUE(closedWith(QDialog::Rejected));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_TRUE(dialog->logText().startsWith(QStringLiteral("\nFind modem on port 0")));
  // A report that was on its way changes nothing any more.
  worker.posted.clear();
  dialog->handleSerialResult(5, 0);
  EXPECT_TRUE(worker.posted.empty());
  EXPECT_EQ(dialog->statusText(), QStringLiteral("Dialing"));
}

TEST_F(CDialingDlgTest, EachStepOfTheCallShowsItsTextAndAsksForTheNext) {
  dialog->handleSerialResult(5, 0);
  dialog->handleSerialResult(5, 0);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("Dialing.."));
  const std::pair<int, const char*> steps[] = {
      {8, "Dailing!"},           {9, "Check password"},   {10, "Download parameters"}, {11, "Download InfoStruct"},
      {12, "Download Events"},   {13, "Download finished"}, {15, "Password error!"}};
  for (const auto& [status, text] : steps) {
    dialog->handleSerialResult(5, status);
    EXPECT_EQ(dialog->statusText(), QString::fromUtf8(text)) << status;
  }
  EXPECT_EQ(worker.commands(), std::vector<int>(9, serial::kNextStep));
  EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("status"))->text(), QStringLiteral("Password error!"));
  EXPECT_EQ(dialog->progress(), 8);
  EXPECT_TRUE(dialog->logText().endsWith(QStringLiteral("\nCommand 5 13\nCommand 5 15")));
}

TEST_F(CDialingDlgTest, CallReadyClosesWithOkAndKeepsTheStatus) {
  dialog->handleSerialResult(5, 13);
  dialog->handleSerialResult(5, 16);
  EXPECT_TRUE(closedWith(QDialog::Accepted));
  EXPECT_EQ(dialog->statusText(), QStringLiteral("Download finished"));
}

TEST_F(CDialingDlgTest, FailuresAreShownAndWaitForTheUser) {
  dialog->handleSerialResult(5, 17);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("No carrier"));
  dialog->handleSerialResult(5, 19);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("I don't know your phone number!"));
  dialog->handleSerialResult(5, 18);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("No carrier"));
  dialog->handleSerialResult(5, 21);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("No carrier  Error communication. Try again"));
  for (int ignored : {1, 7, 14, 22, 120, -3}) dialog->handleSerialResult(5, ignored);
  EXPECT_EQ(dialog->statusText(), QStringLiteral("No carrier  Error communication. Try again"));
  EXPECT_TRUE(worker.posted.empty());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CDialingDlgTest, StartAgainEmptiesStatusLogAndProgress) {
  dialog->handleSerialResult(0, 2);
  dialog->handleSerialResult(5, 8);
  dialog->handleSerialResult(5, 20);
  EXPECT_EQ(dialog->statusText(), QString());
  EXPECT_EQ(dialog->logText(), QString());
  EXPECT_EQ(dialog->progress(), 0);
  dialog->handleSerialResult(5, 9);
  EXPECT_EQ(dialog->progress(), 0);
  EXPECT_EQ(dialog->logText(), QStringLiteral("\nCommand 5 9"));
}

TEST_F(CDialingDlgTest, OtherReportsAreOnlyLogged) {
  dialog->handleSerialResult(2, 7);
  EXPECT_EQ(dialog->logText(), QStringLiteral("\nCommand 2 7"));
  EXPECT_EQ(dialog->statusText(), QStringLiteral("Dialing"));
  EXPECT_TRUE(worker.posted.empty());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CDialingDlgTest, ProgressStopsAtTheEndOfTheBar) {
  for (int i = 0; i < 150; ++i) dialog->handleSerialResult(2, i);
  EXPECT_EQ(dialog->progress(), 100);
}

// A modem that stops answering adds a dot every half second, for ever.
TEST_F(CDialingDlgTest, AGrowingStatusLineKeepsTheWindowsSizeAndCancelInReach) {
  QApplication::processEvents();
  const QSize size = dialog->size();
  auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancel"));
  const QRect cancelPlace = cancel->geometry();
  for (int i = 0; i < 600; ++i) dialog->handleSerialResult(5, 0);
  QApplication::processEvents();
  EXPECT_EQ(dialog->statusText(), QStringLiteral("Dialing") + QString(600, QLatin1Char('.')));
  EXPECT_EQ(dialog->size(), size);
  EXPECT_EQ(cancel->geometry(), cancelPlace);
  EXPECT_TRUE(dialog->rect().contains(cancel->geometry()));
  auto* status = dialog->findChild<QLabel*>(QStringLiteral("status"));
  EXPECT_LE(status->width(), dialog->width());
}

TEST_F(CDialingDlgTest, CancelOnlyAsksTheWorkerAndClosesOnItsAnswer) {
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  dialog->close();
  EXPECT_EQ(worker.commands(), (std::vector<int>{serial::kCancelCall, serial::kCancelCall, serial::kCancelCall}));
  EXPECT_TRUE(dialog->isVisible());

  const QString logBefore = dialog->logText();
  dialog->handleSerialResult(4, 1);
  EXPECT_TRUE(closedWith(QDialog::Rejected));
  EXPECT_EQ(dialog->logText(), logBefore);
}

TEST_F(CDialingDlgTest, NothingIsPostedWhenTheWorkerDoesNotRun) {
  worker.isRunning = false;
  dialog->handleSerialResult(0, 1);
  dialog->handleSerialResult(5, 8);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
  EXPECT_TRUE(worker.posted.empty());
}

}  // namespace
