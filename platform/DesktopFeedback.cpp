#include "platform/DesktopFeedback.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtMath>

#include "platform/MessageBoxes.h"
#include "platform/SystemErrors.h"

namespace platform {
namespace {

class SilentBeeper final : public Beeper {
 public:
  void beep(int, int) override {}
};

// Pull-mode audio sink fed from one reusable buffer, so a beep per frame costs
// no more than filling a few hundred samples.
class ToneBeeper final : public Beeper {
 public:
  explicit ToneBeeper(const QAudioDevice& device) {
    format_.setSampleRate(kSampleRate);
    format_.setChannelCount(1);
    format_.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(device, format_);
    samples_.reserve(kSampleRate * 2 * 2);
    buffer_.setBuffer(&samples_);
  }

  void beep(int frequencyHz, int durationMs) override {
    sink_->stop();
    buffer_.close();
    const int count = qBound(0, kSampleRate * durationMs / 1000, kSampleRate * 2);
    samples_.resize(count * 2);
    auto* out = reinterpret_cast<qint16*>(samples_.data());
    for (int i = 0; i < count; ++i)
      out[i] = static_cast<qint16>(8000 * qSin(2 * M_PI * frequencyHz * i / kSampleRate));
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
  }

  void defaultBeep() override { QApplication::beep(); }

 private:
  static constexpr int kSampleRate = 22050;
  QAudioFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  QByteArray samples_;
  QBuffer buffer_;
};

// Opens the audio output only when the first tone is asked for.
class LazyToneBeeper final : public Beeper {
 public:
  void beep(int frequencyHz, int durationMs) override { tones().beep(frequencyHz, durationMs); }
  void defaultBeep() override { tones().defaultBeep(); }

 private:
  Beeper& tones() {
    if (!tones_) tones_ = MakeToneBeeper();
    return *tones_;
  }
  std::unique_ptr<Beeper> tones_;
};

}  // namespace

std::unique_ptr<Beeper> MakeToneBeeper() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return std::make_unique<SilentBeeper>();
  return std::make_unique<ToneBeeper>(device);
}

void UseDesktopFeedback() {
  static LazyToneBeeper beeper;
  Beeper::setFallback(&beeper);
  InstallSystemErrorReporter([](const QString& context, const QString& systemText) {
    ShowMessage(nullptr, context, systemText, MessageBoxes::Kind::Critical);
  });
}

}  // namespace platform
