#include "ctl/Progress.h"

#include <unistd.h>

namespace ctl {

Progress::Progress(bool enabled, std::FILE* stream) : enabled_(enabled && ::isatty(::fileno(stream)) == 1), stream_(stream) {}

namespace {
constexpr int kCountEveryMs = 100;
}

void Progress::show(const QString& text) {
  if (!enabled_) return;
  sinceShown_.start();
  const QByteArray bytes = text.toLocal8Bit();
  // Blanks over what a longer line left behind.
  const int width = static_cast<int>(text.size());
  std::fprintf(stream_, "\r%s%*s", bytes.constData(), shownWidth_ > width ? shownWidth_ - width : 0, "");
  std::fflush(stream_);
  shownWidth_ = width;
}

void Progress::count(const QString& what, int done, int total) {
  if (done != 0 && done != total && sinceShown_.isValid() && sinceShown_.elapsed() < kCountEveryMs) return;
  show(QStringLiteral("%1  %2/%3").arg(what).arg(done).arg(total));
}

void Progress::step(const QString& text) { show(text); }

void Progress::clear() {
  if (!enabled_ || shownWidth_ == 0) return;
  std::fprintf(stream_, "\r%*s\r", shownWidth_, "");
  std::fflush(stream_);
  shownWidth_ = 0;
}

void Say(Progress& progress, const QString& text) {
  progress.clear();
  std::fprintf(stderr, "tarnelctl: %s\n", text.toLocal8Bit().constData());
  std::fflush(stderr);
}

void Print(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  std::fflush(stdout);
}

}  // namespace ctl
