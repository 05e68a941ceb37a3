#pragma once

#include <QDialog>

#include "connect/GsmDial.h"
#include "link/serial/SerialCommands.h"
#include "platform/ElidedLabel.h"
#include "platform/Timing.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace connection {

// The progress window of a GSM call: tells the serial worker to find the
// modem and dial, shows every step it reports, and ends with OK when the
// call is ready, or with Cancel when there is no modem or the worker
// confirmed the user's cancel.
class CDialingDlg : public QDialog, public serial::SerialResultHandler {
  Q_OBJECT
 public:
  explicit CDialingDlg(serial::SerialCommandSink& worker, QWidget* parent = nullptr);

  void handleSerialResult(int code, int value) override;

  QString statusText() const;
  QString logText() const;
  int progress() const;

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void requestCancel();
  // Shows the call's status line, progress and log.
  void showDial();

  GsmDial dial_;
  platform::OneShotTimer start_;
  platform::ElidedLabel* status_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool finished_ = false;
};

}  // namespace connection
