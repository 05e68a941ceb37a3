#pragma once

#include <QStringList>

namespace quilby {

// Start-up: options from the settings and the command line, then the one
// dialog, run modally; its end is the program's end.
class CquilbyApp {
 public:
  // arguments[0] is the program. Returns the exit code.
  int run(const QStringList& arguments);
};

}  // namespace quilby
