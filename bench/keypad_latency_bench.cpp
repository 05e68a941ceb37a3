// From a status frame written to the keypad window's socket to the window
// showing it: a client on loopback plays the IP module calling in, writes one
// output frame at a time and waits until the output indicator has flipped.
// Prints p50, p99 and the worst of many frames (steady clock, microseconds).
//
//   keypad_latency_bench [frames]     (default 20000; offscreen unless a platform is set)
#include <QApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "platform/DesktopFeedback.h"

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> sorted, double p) {
  const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[std::min(at, sorted.size() - 1)];
}

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The tone beeper, as in the program.
  platform::UseDesktopFeedback();
  const int frames = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;
  const int warmUp = std::min(500, frames / 10);

  panel::PanelLink& link = panel::PanelLink::instance();
  console::CKeypadDlg window(QStringLiteral("Keyridge"));
  link.setMainWindow(&window);
  panel::CListenSocket listener(link);
  if (!listener.listen(0, QHostAddress::LocalHost)) {
    std::fprintf(stderr, "cannot listen: %s\n", qPrintable(listener.server().errorString()));
    return 1;
  }
  window.setListenSocket(&listener);
  window.show();

  QTcpSocket module;
  module.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  module.connectToHost(QHostAddress::LocalHost, listener.server().serverPort());
  if (!RunUntil([&] { return module.state() == QAbstractSocket::ConnectedState && link.currentConnection(); }, 5000)) {
    std::fprintf(stderr, "the window's socket never took the call\n");
    return 1;
  }

  // 7E 1D 07 00 xx 7E: output 1 follows bit 0 of xx.
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(frames));
  for (int i = 0; i < warmUp + frames; ++i) {
    const bool on = i % 2 == 0;
    const char frame[] = {0x7E, 0x1D, 0x07, 0x00, static_cast<char>(on ? 0x01 : 0x00), 0x7E};
    const console::LedState wanted = on ? console::LedState::Open : console::LedState::Close;
    const Clock::time_point written = Clock::now();
    module.write(frame, sizeof frame);
    module.flush();
    if (!RunUntil([&] { return window.output(1)->state() == wanted; }, 5000)) {
      std::fprintf(stderr, "frame %d never reached the window\n", i);
      return 1;
    }
    const Clock::time_point shown = Clock::now();
    if (i >= warmUp) micros.push_back(std::chrono::duration<double, std::micro>(shown - written).count());
    // Let the repaint it asked for happen outside the measured span.
    QCoreApplication::processEvents();
  }

  std::sort(micros.begin(), micros.end());
  double sum = 0;
  for (double m : micros) sum += m;
  std::printf("keypad latency, socket write to window state, %d frames: p50 %.1f us, p99 %.1f us, max %.1f us, mean %.1f us\n",
              frames, Percentile(micros, 0.50), Percentile(micros, 0.99), micros.back(),
              sum / static_cast<double>(micros.size()));
  link.setMainWindow(nullptr);
  link.closeCurrentConnection();
  return 0;
}
