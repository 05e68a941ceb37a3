#include "panelfiles/PanelTransferJob.h"

#include <algorithm>
#include <numeric>

namespace panelfiles {

PanelTransferJob::PanelTransferJob(std::function<void(const panel::FrameBytes&)> send, QObject* parent)
    : QObject(parent), send_(std::move(send)), timer_(this) {
  connect(&timer_, &platform::OneShotTimer::timeout, this, [this] {
    if (pausing_) {
      pausing_ = false;
      writeNext();
      return;
    }
    if (reader_) {
      reader_->timedOut();
      pump();
    }
  });
}

void PanelTransferJob::startBackup() {
  restoring_ = false;
  std::vector<int> all(AllSlots().size());
  std::iota(all.begin(), all.end(), 0);
  startReading(std::move(all), Stage::Reading);
}

void PanelTransferJob::startRestore(PanelImage wanted, bool dryRun) {
  restoring_ = true;
  dryRun_ = dryRun;
  wanted_ = std::move(wanted);
  std::vector<int> known;
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot)
    if (wanted_.at(slot)) known.push_back(slot);
  startReading(std::move(known), Stage::Reading);
}

void PanelTransferJob::startReading(std::vector<int> toRead, Stage stage) {
  running_ = true;
  stopRequested_ = false;
  stage_ = stage;
  // The replies to the writes' positioning reads hold the old values and may
  // still be on their way: reading back waits until they are past.
  reader_.emplace(std::move(toRead), stage == Stage::Verifying);
  emit progress(stage_, 0, reader_->total());
  if (running_) pump();
}

void PanelTransferJob::pump() {
  if (stopRequested_) {
    finish(Outcome::Cancelled);
    return;
  }
  if (reader_->finished()) {
    readingDone();
    return;
  }
  if (const std::optional<panel::FrameBytes> requests = reader_->nextRequest()) {
    send_(*requests);
    timer_.start(kReplyTimeoutMs);
  }
}

void PanelTransferJob::takeFrame(const std::uint8_t* frame, std::size_t length) {
  if (!running_ || !reader_ || pausing_ || !reader_->takeFrame(frame, length)) return;
  emit progress(stage_, reader_->answered(), reader_->total());
  // A handler of progress may have stopped the job.
  if (running_ && !reader_->waiting()) {
    timer_.stop();
    pump();
  }
}

void PanelTransferJob::readingDone() {
  const PanelReader reader = std::move(*reader_);
  reader_.reset();
  if (stage_ == Stage::Reading) {
    for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot)
      if (reader.image().at(slot)) panel_.set(slot, *reader.image().at(slot));
    report_.unanswered = reader.unanswered();
    report_.cutShort = reader.cutShort();
    if (!restoring_) {
      finish(Outcome::Done);
      return;
    }
    plan_ = PlanWrites(panel_, wanted_);
    report_.unread = plan_.unread;
    report_.kept = plan_.kept;
    if (dryRun_) {
      for (const WriteStep& step : plan_.steps) report_.notWritten.push_back(step.slot);
      finish(Outcome::Done);
      return;
    }
    stage_ = Stage::Writing;
    nextStep_ = 0;
    writeNext();
    return;
  }
  // Verifying: what the panel holds now decides what it took. Of an option
  // byte only the options an editor shows were written; a difference left in
  // the others is kept, as where nothing could be written.
  for (const WriteStep& step : plan_.steps) {
    const auto& now = reader.image().at(step.slot);
    const params::Value& want = *wanted_.at(step.slot);
    if (now) panel_.set(step.slot, *now);
    if (now == want)
      report_.written.push_back(step.slot);
    else if (now && !EditorsCanWrite(step.slot, *now, want))
      report_.kept.push_back(step.slot);
    else
      report_.notTaken.push_back(step.slot);
  }
  std::ranges::sort(report_.kept);
  for (const int slot : reader.unanswered()) report_.unanswered.push_back(slot);
  for (const int slot : reader.cutShort()) report_.cutShort.push_back(slot);
  finish(Outcome::Done);
}

void PanelTransferJob::writeNext() {
  if (stopRequested_) {
    finish(Outcome::Cancelled);
    return;
  }
  emit progress(Stage::Writing, static_cast<int>(nextStep_), static_cast<int>(plan_.steps.size()));
  if (!running_) return;
  if (nextStep_ >= plan_.steps.size()) {
    std::vector<int> written;
    for (const WriteStep& step : plan_.steps) written.push_back(step.slot);
    startReading(std::move(written), Stage::Verifying);
    return;
  }
  const WriteStep& step = plan_.steps[nextStep_++];
  send_(step.bytes);
  pausing_ = true;
  timer_.start(step.pauseMs);
}

void PanelTransferJob::cancel() {
  if (!running_) return;
  stopRequested_ = true;
  // Waiting for replies: stop now; a write's pause ends first.
  if (!pausing_) {
    timer_.stop();
    finish(Outcome::Cancelled);
  }
}

void PanelTransferJob::linkLost() {
  if (!running_) return;
  timer_.stop();
  pausing_ = false;
  finish(Outcome::LinkLost);
}

void PanelTransferJob::finish(Outcome outcome) {
  if (!running_) return;
  running_ = false;
  timer_.stop();
  if (outcome != Outcome::Done && restoring_ && stage_ != Stage::Reading) {
    const std::size_t sent = stage_ == Stage::Writing ? nextStep_ : plan_.steps.size();
    for (std::size_t i = 0; i < plan_.steps.size(); ++i)
      (i < sent ? report_.unconfirmed : report_.notWritten).push_back(plan_.steps[i].slot);
  }
  if (outcome != Outcome::Done && reader_ && stage_ == Stage::Reading) {
    report_.unanswered = reader_->unanswered();
    report_.cutShort = reader_->cutShort();
  }
  reader_.reset();
  emit finished(outcome);
}

}  // namespace panelfiles
