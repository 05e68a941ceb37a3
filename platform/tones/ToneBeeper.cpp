// The tone generator, a module of its own: Qt Multimedia and the sound
// libraries behind it are loaded only when the first tone is asked for, so
// that a program's start-up does not pay for them.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtMath>
#include <memory>

#include "platform/Beeper.h"

namespace {

class SilentBeeper final : public platform::Beeper {
 public:
  void beep(int, int) override {}
};

// Pull-mode audio sink fed from one reusable buffer, so a beep per frame costs
// no more than filling a few hundred samples.
class ToneBeeper final : public platform::Beeper {
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

 private:
  static constexpr int kSampleRate = 22050;
  QAudioFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  QByteArray samples_;
  QBuffer buffer_;
};

}  // namespace

// Tones on the default audio output; a silent beeper where there is none.
extern "C" Q_DECL_EXPORT platform::Beeper* tarnel_make_tone_beeper() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return new SilentBeeper;
  return new ToneBeeper(device);
}
