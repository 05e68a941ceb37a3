#include "platform/Timing.h"

#include <QThread>

namespace platform {
namespace {
Timing* g_timing = nullptr;
}

void Timing::pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

Timing& Timing::current() {
  static Timing real;
  return g_timing ? *g_timing : real;
}

void Timing::install(Timing* timing) { g_timing = timing; }

OneShotTimer::OneShotTimer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &OneShotTimer::timeout);
}

void OneShotTimer::start(int requestedMs) {
  timer_.start(Timing::current().timerInterval(requestedMs));
}

}  // namespace platform
