#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// One-shot timers and fixed pauses go through here: the real programs wait
// the requested time, tests run them scaled and read what was asked for.
class Timing {
 public:
  virtual ~Timing() = default;
  // How long a timer asked for requestedMs really runs.
  virtual int timerInterval(int requestedMs) { return requestedMs; }
  // Blocks the calling thread; data that arrives meanwhile waits in the
  // socket or port and is handled afterwards, in order.
  virtual void pause(int ms);
  // How long a pause that holds an editor back (without blocking) really lasts.
  virtual int pauseInterval(int requestedMs) { return requestedMs; }

  static Timing& current();
  // Installs timing (not owned) for the whole process; nullptr restores real time.
  static void install(Timing* timing);
};

inline void Pause(int ms) { Timing::current().pause(ms); }

// A single-shot timer whose duration goes through Timing. Starting it again
// restarts it, which is what "N ms after the last change" needs.
class OneShotTimer : public QObject {
  Q_OBJECT
 public:
  explicit OneShotTimer(QObject* parent = nullptr);
  void start(int requestedMs);
  void stop() { timer_.stop(); }
  bool isActive() const { return timer_.isActive(); }

 signals:
  void timeout();

 private:
  QTimer timer_;
};

}  // namespace platform
