#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/panelfiles/PanelTransfer.h"
#include "platform/Timing.h"

namespace panelfiles {

// A backup or a restore of the whole panel, run on the UI thread: it reads
// in batches and waits for the replies, writes one parameter at a time with
// the pause the panel needs after it, and reads back what it wrote. The host
// sends its bytes (`send`) and hands it every frame from the panel. Cancel
// and a lost link stop it between two parameters; what was done is kept.
class PanelTransferJob : public QObject {
  Q_OBJECT
 public:
  enum class Stage { Reading, Writing, Verifying };
  enum class Outcome { Done, Cancelled, LinkLost };

  // What became of each slot, in slot order per list. "Equal" is equal in
  // every byte and bit, as Compare has it.
  struct RestoreReport {
    std::vector<int> written;      // written, and read back holding exactly the wanted value
    std::vector<int> notTaken;     // written, but read back holding something else, or not read back
    std::vector<int> unconfirmed;  // written, but the job stopped before reading them back
    std::vector<int> notWritten;   // still to write when the job stopped (all of a dry run)
    std::vector<int> unread;       // not written: the panel's value was not read (see WritePlan)
    // Differing where no editor can write the difference (a value no editor
    // types, option bits no editor shows), before or after writing the rest:
    // the panel keeps its value there.
    std::vector<int> kept;
    std::vector<int> unanswered;   // slots the panel did not answer, in any reading
    std::vector<int> cutShort;     // slots whose reply, holding 0x7E, came cut short over TCP
  };

  // A reply batch gets this long before its open reads are asked again.
  static constexpr int kReplyTimeoutMs = 2000;

  explicit PanelTransferJob(std::function<void(const panel::FrameBytes&)> send, QObject* parent = nullptr);

  // Reads every parameter; panelImage() then holds the panel.
  void startBackup();
  // Reads what `wanted` knows, writes where the panel differs (nothing when
  // dryRun), then reads the written parameters back.
  void startRestore(PanelImage wanted, bool dryRun);

  void takeFrame(const std::uint8_t* frame, std::size_t length);
  void cancel();
  void linkLost();

  bool running() const { return running_; }
  const PanelImage& panelImage() const { return panel_; }
  // The writes planned after reading (all of them for a dry run).
  const WritePlan& plan() const { return plan_; }
  const RestoreReport& report() const { return report_; }

 signals:
  void progress(Stage stage, int done, int total);
  void finished(Outcome outcome);

 private:
  void startReading(std::vector<int> toRead, Stage stage);
  void pump();
  void readingDone();
  void writeNext();
  void finish(Outcome outcome);

  std::function<void(const panel::FrameBytes&)> send_;
  platform::OneShotTimer timer_;
  std::optional<PanelReader> reader_;
  Stage stage_ = Stage::Reading;
  bool running_ = false;
  bool stopRequested_ = false;
  bool restoring_ = false;
  bool dryRun_ = false;
  bool pausing_ = false;
  PanelImage wanted_;
  PanelImage panel_;
  WritePlan plan_;
  std::size_t nextStep_ = 0;
  RestoreReport report_;
};

}  // namespace panelfiles
