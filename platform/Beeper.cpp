#include "platform/Beeper.h"

namespace platform {
namespace {

class SilentBeeper final : public Beeper {
 public:
  void beep(int, int) override {}
  void defaultBeep() override {}
};

Beeper* g_beeper = nullptr;
Beeper* g_fallback = nullptr;

}  // namespace

Beeper& Beeper::current() {
  static SilentBeeper silent;
  if (g_beeper) return *g_beeper;
  return g_fallback ? *g_fallback : silent;
}

void Beeper::install(Beeper* b) { g_beeper = b; }
void Beeper::setFallback(Beeper* b) { g_fallback = b; }

}  // namespace platform
