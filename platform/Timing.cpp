#include "platform/Timing.h"

#include <QThread>

namespace platform {
namespace {
Timing* g_installed = nullptr;
}

void Timing::pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

Timing& Timing::current() {
  static Timing real;
  return g_installed ? *g_installed : real;
}

void Timing::install(Timing* timing) { g_installed = timing; }

OneShotTimer::OneShotTimer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &OneShotTimer::timeout);
}

void OneShotTimer::start(int requestedMs) {
  timer_.start(Timing::current().timerInterval(requestedMs));
}

}  // namespace platform
