#include "platform/DesktopFeedback.h"

#include <QApplication>
#include <QLibrary>

#include "platform/MessageBoxes.h"
#include "platform/SystemErrors.h"

namespace platform {
namespace {

class SilentBeeper final : public Beeper {
 public:
  void beep(int, int) override {}
};

// Loads the tone generator's module when the first tone is asked for.
class LazyToneBeeper final : public Beeper {
 public:
  void beep(int frequencyHz, int durationMs) override { tones().beep(frequencyHz, durationMs); }
  void defaultBeep() override { QApplication::beep(); }

 private:
  Beeper& tones() {
    if (!tones_) tones_ = MakeToneBeeper();
    return *tones_;
  }
  std::unique_ptr<Beeper> tones_;
};

}  // namespace

std::unique_ptr<Beeper> MakeToneBeeper() {
  // Beside the program in the build, under the library folder once installed;
  // never unloaded, as the beeper's code lives there.
  QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/" TARNEL_MODULE_DIR "/tarnel-tones"));
  using Make = Beeper* (*)();
  if (const auto make = reinterpret_cast<Make>(module.resolve("tarnel_make_tone_beeper")))
    return std::unique_ptr<Beeper>(make());
  return std::make_unique<SilentBeeper>();
}

void UseDesktopFeedback() {
  static LazyToneBeeper beeper;
  Beeper::setFallback(&beeper);
  InstallSystemErrorReporter([](const QString& context, const QString& systemText) {
    ShowMessage(nullptr, context, systemText, MessageBoxes::Kind::Critical);
  });
}

}  // namespace platform
