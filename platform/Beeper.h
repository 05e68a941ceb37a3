#pragma once

#include <memory>

namespace platform {

// Short tones: 2000 Hz / 20 ms per frame sent, 500 Hz / 50 ms on a login,
// 400 Hz / 50 ms on a failed attempt. Never blocks the caller.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void beep(int frequencyHz, int durationMs) = 0;
  // The platform's default notification sound (a plain beep).
  virtual void defaultBeep() { beep(800, 100); }

  // The process-wide beeper; a tone generator unless another was installed.
  static Beeper& current();
  // Installs b (not owned) for the whole process; nullptr restores the default.
  static void install(Beeper* b);
};

// Plays generated tones on the default audio output; silent where there is none.
std::unique_ptr<Beeper> MakeToneBeeper();

}  // namespace platform
