#pragma once

#include <QCoreApplication>
#include <QString>

#include "link/serial/SerialCommands.h"

class QObject;

namespace connection {

// The steps of a GSM call without a window: tells the serial worker to find
// the modem and dial, answers each report it sends with the next command,
// and keeps the status line, the log and the progress counter that a
// window or a terminal shows. The call is ready at the modem's progress
// code 16; it is given up when no modem answered or the worker confirms a
// cancel.
class GsmDial {
  Q_DECLARE_TR_FUNCTIONS(connection::GsmDial)

 public:
  enum class Outcome { Going, Ready, Cancelled };

  // Commands go to the worker in the name of owner, which receives its reports.
  GsmDial(serial::SerialCommandSink& worker, QObject* owner);

  // Command 0: look for the modem.
  void start();
  // Command 7: asks the worker to hang up; the end comes with its report.
  void cancel();
  // A report of the worker (code, value); reports after the end change nothing.
  Outcome report(int code, int value);
  // No report is taken any more.
  void finish() { outcome_ = outcome_ == Outcome::Going ? Outcome::Cancelled : outcome_; }

  Outcome outcome() const { return outcome_; }
  // The last report asked for nothing more ("No carrier" and the like): the
  // call will not go on, and only a cancel ends it.
  bool stalled() const { return outcome_ == Outcome::Going && reported_ && !posted_; }
  QString statusText() const { return status_; }
  // Why a call that will not go on failed: the first failure the modem
  // reported ("Password error!"), not the "No carrier" of the hang-up that
  // follows it; the status line where it reported none.
  QString failureText() const { return cause_.isEmpty() ? status_ : cause_; }
  // Every report so far, each line after a CR LF.
  QString logText() const { return log_; }
  // The value the progress bar shows (0 to 100).
  int progress() const { return progress_; }

 private:
  void post(int command);
  void advanceProgress();
  void callStatus(int status);

  serial::SerialCommandSink& worker_;
  QObject* owner_;
  QString status_;
  QString cause_;
  QString log_;
  int counter_ = 0;
  int progress_ = 0;
  Outcome outcome_ = Outcome::Going;
  bool reported_ = false;
  bool posted_ = false;  // a command went out since the last report
};

}  // namespace connection
