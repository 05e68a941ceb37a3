#pragma once

#include <QString>

namespace console {

// Where a restore is put down as a session of its own (in tarnel: the
// connected site's history). With none installed a restore runs unrecorded.
class RestoreJournal {
 public:
  virtual ~RestoreJournal() = default;

  // Before a restore from `source` (the file's name) writes anything; what
  // program mode did before it is put down first. Returns when ready.
  virtual void restoreStarting(const QString& source) = 0;
  // After it has ended, however it ended. Returns when put down.
  virtual void restoreEnded() = 0;

  static RestoreJournal* current();
  // Not owned; nullptr removes it.
  static void install(RestoreJournal* journal);
};

}  // namespace console
