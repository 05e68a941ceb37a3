#include "panelfiles/CTransferProgressDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace panelfiles {

CTransferProgressDlg::CTransferProgressDlg(const QString& title, std::function<void(PanelTransferJob&)> start,
                                           QWidget* parent)
    : EditorDialog(parent),
      job_([this](const panel::FrameBytes& bytes) { send(bytes); }, this),
      start_(std::move(start)),
      stage_(new QLabel(tr("Reading the panel…"), this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  setWindowTitle(title);
  stage_->setBuddy(bar_);
  stage_->setMinimumWidth(320);
  bar_->setAccessibleName(title);
  bar_->setRange(0, 0);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(stage_);
  layout->addWidget(bar_);
  layout->addWidget(buttons);

  connect(cancel_, &QPushButton::clicked, this, &CTransferProgressDlg::cancel);
  connect(&job_, &PanelTransferJob::progress, this, &CTransferProgressDlg::showProgress);
  connect(&job_, &PanelTransferJob::finished, this, [this](PanelTransferJob::Outcome outcome) {
    outcome_ = outcome;
    if (isVisible()) accept();
  });
  connect(&startTimer_, &platform::OneShotTimer::timeout, this, [this] {
    if (start_) start_(job_);
  });
}

void CTransferProgressDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  startTimer_.start(1);
}

void CTransferProgressDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  job_.takeFrame(frame, length);
}

void CTransferProgressDlg::showProgress(PanelTransferJob::Stage stage, int done, int total) {
  if (job_.running() && !cancel_->isEnabled()) return;  // "Stopping…" stays until the job has stopped
  switch (stage) {
    case PanelTransferJob::Stage::Reading:
      stage_->setText(tr("Reading the panel: %1 of %2").arg(done).arg(total));
      break;
    case PanelTransferJob::Stage::Writing:
      stage_->setText(tr("Writing to the panel: %1 of %2").arg(done).arg(total));
      break;
    case PanelTransferJob::Stage::Verifying:
      stage_->setText(tr("Reading back what was written: %1 of %2").arg(done).arg(total));
      break;
  }
  bar_->setRange(0, std::max(total, 1));
  bar_->setValue(total == 0 ? 1 : done);
}

void CTransferProgressDlg::cancel() {
  if (!job_.running()) {
    // Not started yet (or already over): nothing to stop.
    startTimer_.stop();
    EditorDialog::reject();
    return;
  }
  cancel_->setEnabled(false);
  stage_->setText(tr("Stopping…"));
  // Waiting for replies it stops at once; in a write's pause once the pause is over.
  job_.cancel();
}

void CTransferProgressDlg::reject() {
  if (isVisible()) cancel();
}

void CTransferProgressDlg::closeRequest() {
  job_.linkLost();
  startTimer_.stop();
  EditorDialog::reject();
}

}  // namespace panelfiles
