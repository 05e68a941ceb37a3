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

  // The installed beeper, else the fallback, else a silent one: programs
  // without a desktop (the command line, the simulator) stay quiet.
  static Beeper& current();
  // Installs b (not owned) for the whole process; nullptr removes it.
  static void install(Beeper* b);
  // What current() gives when nothing is installed (not owned; the windowed
  // programs set the tone generator, see UseDesktopFeedback).
  static void setFallback(Beeper* b);
};

}  // namespace platform
