#pragma once

#include <memory>

#include "platform/Beeper.h"

namespace platform {

// Plays generated tones on the default audio output; silent where there is
// none, or where the tone module (Qt Multimedia) cannot be loaded.
std::unique_ptr<Beeper> MakeToneBeeper();

// For the windowed programs: tones from the tone generator (made at the
// first beep) unless another beeper is installed, and system errors in a
// message box with one OK button. Call once the application object exists.
void UseDesktopFeedback();

}  // namespace platform
