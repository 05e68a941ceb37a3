#pragma once

#include "ctl/CtlOptions.h"

namespace ctl {

// Runs one command of tarnelctl to its end, program mode left and the link
// closed whatever happened; returns the exit status. Needs the application
// object and its event loop (not running yet).
int RunCtl(const CtlOptions& options);

}  // namespace ctl
