#pragma once

#include <QString>
#include <functional>

#include "console/ProgramOptions.h"

namespace console {

class CKeypadDlg;

// Brings tarnel up in its fixed order (listening socket, settings root,
// password store, title) and runs the keypad window until it ends.
class CtarnelApp {
 public:
  // Lets the program wire the dialogs that live outside the console.
  using WindowSetup = std::function<void(CKeypadDlg&)>;

  explicit CtarnelApp(ProgramOptions options, WindowSetup setup = {});

  // Needs a QApplication. Returns the program's exit code: 0 once the
  // keypad window has ended, 1 when start-up failed (the box was shown).
  int run();

  // "Keyridge %d.%02d" of the version built in.
  static QString WindowTitle();

 private:
  ProgramOptions options_;
  WindowSetup setup_;
};

}  // namespace console
