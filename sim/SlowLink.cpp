#include "sim/SlowLink.h"

#include <QPointer>
#include <algorithm>

#include "platform/CommandLine.h"

namespace sim {
namespace {
constexpr std::int64_t kNsPerSecond = 1'000'000'000;
// A minute each way is already more than any real path; more is a typing error.
constexpr int kMaxLatencyMs = 60'000;
}  // namespace

std::int64_t LinkSchedule::arrivalUs(std::int64_t nowUs, std::int64_t bytes) {
  // Kept in nanoseconds, so that rounding each piece up adds no drift over a long transfer.
  const std::int64_t start = std::max(nowUs * 1000, sendingUntilNs_);
  const std::int64_t rate = shape_.bytesPerSecond;
  const std::int64_t sending = rate > 0 ? (bytes * kNsPerSecond + rate - 1) / rate : 0;
  sendingUntilNs_ = start + sending;
  return (sendingUntilNs_ + 999) / 1000 + std::int64_t{shape_.latencyMs} * 1000;
}

DelayLine::DelayLine(LinkShape shape, QObject* parent) : QObject(parent), shape_(shape), schedule_(shape) {
  clock_.start();
  next_.setSingleShot(true);
  next_.setTimerType(Qt::PreciseTimer);
  connect(&next_, &QTimer::timeout, this, &DelayLine::deliverDue);
}

void DelayLine::carry(std::int64_t bytes, std::function<void()> arrived) {
  if (!shape_.slow()) {
    arrived();
    return;
  }
  const std::int64_t nowUs = clock_.nsecsElapsed() / 1000;
  inFlight_.push_back({schedule_.arrivalUs(nowUs, bytes), std::move(arrived)});
  if (!next_.isActive()) deliverDue();
}

void DelayLine::clear() {
  inFlight_.clear();
  next_.stop();
}

void DelayLine::deliverDue() {
  const QPointer<DelayLine> alive(this);
  while (alive && !inFlight_.empty()) {
    const std::int64_t waitUs = inFlight_.front().arrivalUs - clock_.nsecsElapsed() / 1000;
    if (waitUs > 0) {
      next_.start(static_cast<int>((waitUs + 999) / 1000));
      return;
    }
    // Taken off first: the work may end the call and clear the line.
    const std::function<void()> arrived = std::move(inFlight_.front().arrived);
    inFlight_.pop_front();
    arrived();
  }
}

QCommandLineOption LatencyOption() {
  return {QStringLiteral("latency-ms"),
          QStringLiteral("Delay every byte between the PC and the panel by ms, each way (default 0)."),
          QStringLiteral("ms"), QStringLiteral("0")};
}

QCommandLineOption ByteRateOption() {
  return {QStringLiteral("bytes-per-s"),
          QStringLiteral("Carry at most n bytes a second between the PC and the panel, each way (default 0: no limit)."),
          QStringLiteral("n"), QStringLiteral("0")};
}

std::optional<LinkShape> ReadLinkShape(const platform::CommandLine& line, int* exitCode) {
  LinkShape shape;
  bool ok = false;
  shape.latencyMs = line.value(LatencyOption()).toInt(&ok);
  if (!ok || shape.latencyMs < 0 || shape.latencyMs > kMaxLatencyMs) {
    *exitCode = line.fail(QStringLiteral("--latency-ms: '%1' is not a number of milliseconds from 0 to %2")
                              .arg(line.value(LatencyOption()))
                              .arg(kMaxLatencyMs));
    return std::nullopt;
  }
  shape.bytesPerSecond = line.value(ByteRateOption()).toInt(&ok);
  if (!ok || shape.bytesPerSecond < 0) {
    *exitCode = line.fail(QStringLiteral("--bytes-per-s: '%1' is not a number of bytes (0: no limit)")
                              .arg(line.value(ByteRateOption())));
    return std::nullopt;
  }
  return shape;
}

}  // namespace sim
