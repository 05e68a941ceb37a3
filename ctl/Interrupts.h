#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace ctl {

// Ctrl+C (SIGINT), SIGTERM, SIGHUP and SIGQUIT as a Qt signal: the handler only writes the
// signal's number to a pipe, whose reading end the event loop watches, so
// everything the program does about it runs on the main thread as usual.
// One per process.
class Interrupts : public QObject {
  Q_OBJECT
 public:
  explicit Interrupts(QObject* parent = nullptr);
  ~Interrupts() override;

  int count() const { return count_; }

 signals:
  void interrupted(int signalNumber);

 private:
  void onReadable();

  int fds_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  int count_ = 0;
};

}  // namespace ctl
