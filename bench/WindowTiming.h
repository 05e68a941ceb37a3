#pragma once

// What the window benchmarks share: the moment a widget is first painted,
// and percentiles of the times measured, as benchmark counters.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <vector>

namespace benchwindow {

using Clock = std::chrono::steady_clock;

// Notes the moment a widget is painted.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  bool painted = false;
  Clock::time_point at;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted) {
      painted = true;
      at = Clock::now();
    }
    return false;
  }
};

// Runs the event loop until the watched widget has painted.
inline Clock::time_point UntilPainted(PaintWatch& watch) {
  while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return watch.at;
}

inline double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

// p50, p99 and max of the times, in milliseconds.
inline void Report(benchmark::State& state, const std::vector<double>& millis) {
  if (millis.empty()) return;
  state.counters["p50_ms"] = Percentile(millis, 0.50);
  state.counters["p99_ms"] = Percentile(millis, 0.99);
  state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
}

}  // namespace benchwindow
