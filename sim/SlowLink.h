#pragma once

#include <QCommandLineOption>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace platform {
class CommandLine;
}

namespace sim {

// How slow the path between the PC and the panel is: a one-way delay and a
// byte rate, as on a GSM data call or to a distant IP module. Zero is no
// delay and no limit.
struct LinkShape {
  int latencyMs = 0;
  int bytesPerSecond = 0;

  bool slow() const { return latencyMs > 0 || bytesPerSecond > 0; }
};

// When what is handed to one end of the path arrives at the other: the
// bytes go out one after another at the byte rate, behind what went before,
// and arrive the delay after the last of them has gone out. Times in
// microseconds on any clock that only moves forward.
class LinkSchedule {
 public:
  explicit LinkSchedule(LinkShape shape) : shape_(shape) {}
  std::int64_t arrivalUs(std::int64_t nowUs, std::int64_t bytes);

 private:
  LinkShape shape_;
  std::int64_t sendingUntilNs_ = 0;
};

// One direction of a slowed path. Each piece of work stands for bytes
// crossing it and runs when they have arrived, in the order handed in; on a
// path that is not slow it runs at once.
class DelayLine : public QObject {
  Q_OBJECT
 public:
  explicit DelayLine(LinkShape shape, QObject* parent = nullptr);

  // arrived runs once bytes (0 for a hang-up) have crossed.
  void carry(std::int64_t bytes, std::function<void()> arrived);
  // What is on the way is lost (a call that ends).
  void clear();

 private:
  void deliverDue();

  LinkShape shape_;
  LinkSchedule schedule_;
  QElapsedTimer clock_;
  struct InFlight {
    std::int64_t arrivalUs;
    std::function<void()> arrived;
  };
  std::deque<InFlight> inFlight_;
  QTimer next_;
};

// --latency-ms and --bytes-per-s, for each simulator that carries the panel's frames.
QCommandLineOption LatencyOption();
QCommandLineOption ByteRateOption();
// The shape asked for; nothing after a bad value was reported, with the exit code in *exitCode.
std::optional<LinkShape> ReadLinkShape(const platform::CommandLine& line, int* exitCode);

}  // namespace sim
