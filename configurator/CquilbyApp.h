#pragma once

#include "configurator/QuilbyOptions.h"

namespace quilby {

// Start-up once the options are known: the one dialog, run modally; its end
// is the program's end.
class CquilbyApp {
 public:
  // Returns the exit code.
  int run(const QuilbyOptions& options);
};

}  // namespace quilby
