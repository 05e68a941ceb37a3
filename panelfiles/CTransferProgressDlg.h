#pragma once

#include <functional>
#include <optional>

#include "console/EditorDialog.h"
#include "panelfiles/PanelTransferJob.h"
#include "platform/Timing.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace panelfiles {

// Runs one backup or restore as the keypad window's open editor: frames
// from the panel reach the job, and a lost link or the panel's 0x15 stop it.
// Shows the stage and how far it got; Cancel (also Escape and the close
// box) stops the job between two parameters, and the window closes once it
// has stopped.
class CTransferProgressDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  // `start` begins the job (startBackup or startRestore) once the window is up.
  CTransferProgressDlg(const QString& title, std::function<void(PanelTransferJob&)> start, QWidget* parent = nullptr);

  PanelTransferJob& job() { return job_; }
  // How the job ended; nothing when it never finished.
  std::optional<PanelTransferJob::Outcome> outcome() const { return outcome_; }

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  void closeRequest() override;
  void reject() override;

  QProgressBar* progressBar() const { return bar_; }
  QLabel* stageLabel() const { return stage_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showProgress(PanelTransferJob::Stage stage, int done, int total);
  void cancel();

  PanelTransferJob job_;
  std::function<void(PanelTransferJob&)> start_;
  std::optional<PanelTransferJob::Outcome> outcome_;
  QLabel* stage_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  platform::OneShotTimer startTimer_;
  bool started_ = false;
};

}  // namespace panelfiles
