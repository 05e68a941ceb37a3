#pragma once

namespace ctl {

// tarnelctl's exit statuses; --help lists them and scripts rely on them.
enum ExitCode : int {
  kSuccess = 0,        // done; compare: the panel holds what the file holds
  kDifferent = 1,      // compare: the panel and the file differ
  kUsage = 2,          // a bad option or argument
  kNoConnection = 3,   // the panel could not be reached, or refused the login
  kFileRefused = 4,    // the file cannot be read or written, or was refused
  kLinkLost = 5,       // the link dropped while working, or program mode could not be left
  kNoProgramMode = 6,  // the panel did not take the installer code
  kIncomplete = 7,     // the panel left parameters unanswered or did not take a value
  kInterrupted = 130,  // Ctrl+C, SIGTERM, SIGHUP or SIGQUIT
};

}  // namespace ctl
