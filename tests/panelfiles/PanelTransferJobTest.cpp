// Backups and restores run against the simulated panel in process: what is
// read, what is written with which pause, and what a stop leaves behind.
#include <gtest/gtest.h>

#include "panelfiles/PanelTransferJob.h"
#include "core/panelmodel/PanelModel.h"
#include "tests/support/TestSeams.h"

namespace {

using panelfiles::PanelImage;
using panelfiles::PanelTransferJob;
using panelfiles::SlotIndex;
using testseams::Times;
using testseams::WaitFor;
using Outcome = PanelTransferJob::Outcome;

int Slot(int p, int e) { return SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e)); }

class TransferJob : public testing::Test {
 protected:
  void SetUp() override {
    // Frames reach the job as the link delivers them: without the opening 0x7E.
    model.setFrameSink([this](sim::PanelModel::Bytes frame) {
      if (frame.size() < 2 || (silent && frame[1] != 0x54)) return;
      delivered.emplace_back(frame.begin() + 1, frame.end());
    });
    const std::uint8_t installer[] = {0x7A, 0x10, 9, 9, 9, 9, 0x11};
    model.receive(installer);
    ASSERT_TRUE(model.panel().programMode());
    newJob();
  }
  void newJob() {
    outcome.reset();
    sends = 0;
    job = std::make_unique<PanelTransferJob>([this](const panel::FrameBytes& bytes) { toPanel(bytes); });
    QObject::connect(job.get(), &PanelTransferJob::finished, [this](Outcome o) { outcome = o; });
  }
  // The panel's answers come back on the next turn of the event loop, as from a socket.
  void toPanel(const panel::FrameBytes& bytes) {
    ++sends;
    model.receive(bytes.view());
    QMetaObject::invokeMethod(
        job.get(),
        [this, target = job.get()] {
          std::vector<std::vector<std::uint8_t>> frames;
          frames.swap(delivered);
          for (const auto& f : frames) target->takeFrame(f.data(), f.size());
        },
        Qt::QueuedConnection);
  }
  const params::Value& stored(int p, int e) {
    return *model.panel().parameters().value(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e));
  }
  bool runToEnd() { return WaitFor([&] { return outcome.has_value(); }, 20000); }

  sim::PanelModel model{nullptr};
  std::vector<std::vector<std::uint8_t>> delivered;
  bool silent = false;
  int sends = 0;
  std::unique_ptr<PanelTransferJob> job;
  std::optional<Outcome> outcome;
};

TEST_F(TransferJob, BackupReadsEveryParameterInBatches) {
  job->startBackup();
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(*outcome, Outcome::Done);
  EXPECT_TRUE(job->report().unanswered.empty());
  EXPECT_EQ(job->panelImage().knownCount(), 2332u);
  // Parameter 126's replies lose their entity on TCP, so its eight zones are asked one by one.
  EXPECT_GE(sends, 292);
  EXPECT_LE(sends, 292 + 8);
  EXPECT_EQ(job->panelImage().at(Slot(1, 1)), stored(1, 1));
  EXPECT_EQ(job->panelImage().at(Slot(126, 8)), stored(126, 8));
  EXPECT_EQ(job->panelImage().at(Slot(0xAA, 1)), stored(0xAA, 1));
}

TEST_F(TransferJob, RestoreWritesWhatDiffersWithThePanelsPausesAndReadsItBack) {
  PanelImage wanted;
  wanted.set(Slot(60, 1), {45, {}});           // differs
  wanted.set(Slot(60, 2), stored(60, 2));       // equal: not written
  wanted.set(Slot(122, 5), {stored(122, 5).number ^ 0x81u, {}});
  wanted.set(Slot(1, 7), {0, "987"});
  // Option 1 shown, 0x10 hidden: only the shown option is written, and the hidden one is kept.
  wanted.set(Slot(45, 1), {stored(45, 1).number ^ 0x11u, {}});
  Times().timers.clear();
  job->startRestore(wanted, false);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(*outcome, Outcome::Done);
  EXPECT_EQ(job->report().written, (std::vector<int>{Slot(1, 7), Slot(60, 1), Slot(122, 5)}));
  EXPECT_EQ(job->report().kept, (std::vector<int>{Slot(45, 1)}));
  EXPECT_EQ(stored(45, 1).number, wanted.at(Slot(45, 1))->number ^ 0x10u);
  EXPECT_TRUE(job->report().notTaken.empty());
  EXPECT_EQ(stored(60, 1), (params::Value{45, {}}));
  EXPECT_EQ(stored(1, 7), (params::Value{0, "987"}));
  EXPECT_EQ(stored(122, 5), *wanted.at(Slot(122, 5)));
  // The code's 1000 ms, the two toggles' 750 ms, the value's 100 ms between the reply waits.
  const std::vector<int> pauses(Times().timers.begin(), Times().timers.end());
  EXPECT_NE(std::find(pauses.begin(), pauses.end(), 1000), pauses.end());
  EXPECT_NE(std::find(pauses.begin(), pauses.end(), 750), pauses.end());
  EXPECT_NE(std::find(pauses.begin(), pauses.end(), 100), pauses.end());
}

TEST_F(TransferJob, ADryRunWritesNothing) {
  PanelImage wanted;
  wanted.set(Slot(60, 1), {45, {}});
  job->startRestore(wanted, true);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(job->report().notWritten, (std::vector<int>{Slot(60, 1)}));
  EXPECT_EQ(sends, 1);
  EXPECT_EQ(stored(60, 1).number, 60u);
}

TEST_F(TransferJob, APanelThatDoesNotAnswerIsAskedThreeTimesThenReported) {
  silent = true;
  PanelImage wanted;
  wanted.set(Slot(60, 1), {45, {}});
  job->startRestore(wanted, false);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(sends, 3);
  EXPECT_EQ(std::count(Times().timers.begin(), Times().timers.end(), 2000), 3);
  EXPECT_EQ(job->report().unanswered, (std::vector<int>{Slot(60, 1)}));
  EXPECT_EQ(job->report().unread, (std::vector<int>{Slot(60, 1)}));
  EXPECT_TRUE(job->report().written.empty());
}

TEST_F(TransferJob, ALinkLostHalfwayReportsWhatWasWrittenAndTheNextRunWritesTheRest) {
  PanelImage wanted;
  for (int zone = 1; zone <= 4; ++zone) wanted.set(Slot(144, zone), {static_cast<std::uint32_t>(40 + zone), {}});
  int writes = 0;
  QObject::connect(job.get(), &PanelTransferJob::progress, [&](PanelTransferJob::Stage stage, int done, int) {
    if (stage == PanelTransferJob::Stage::Writing && done == 2 && writes++ == 0) job->linkLost();
  });
  job->startRestore(wanted, false);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(*outcome, Outcome::LinkLost);
  EXPECT_EQ(job->report().unconfirmed, (std::vector<int>{Slot(144, 1), Slot(144, 2)}));
  EXPECT_EQ(job->report().notWritten, (std::vector<int>{Slot(144, 3), Slot(144, 4)}));
  newJob();
  job->startRestore(wanted, false);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(job->report().written, (std::vector<int>{Slot(144, 3), Slot(144, 4)}));
  for (int zone = 1; zone <= 4; ++zone) EXPECT_EQ(stored(144, zone).number, 40u + zone);
}

TEST_F(TransferJob, CancelStopsBetweenParameters) {
  PanelImage wanted;
  for (int zone = 1; zone <= 3; ++zone) wanted.set(Slot(145, zone), {static_cast<std::uint32_t>(50 + zone), {}});
  QObject::connect(job.get(), &PanelTransferJob::progress, [&](PanelTransferJob::Stage stage, int done, int) {
    if (stage == PanelTransferJob::Stage::Writing && done == 1) job->cancel();
  });
  job->startRestore(wanted, false);
  ASSERT_TRUE(runToEnd());
  EXPECT_EQ(*outcome, Outcome::Cancelled);
  EXPECT_EQ(job->report().unconfirmed, (std::vector<int>{Slot(145, 1)}));
  EXPECT_EQ(job->report().notWritten, (std::vector<int>{Slot(145, 2), Slot(145, 3)}));
  EXPECT_EQ(stored(145, 1).number, 51u);
  EXPECT_EQ(stored(145, 2).number, 30u);
}

}  // namespace
