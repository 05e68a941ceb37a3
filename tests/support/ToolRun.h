#pragma once

#include <QProcess>
#include <QString>

namespace testseams {

// What a program a test ran left behind: its exit status (-1 when it
// crashed, or did not end in time and was killed) and its output.
struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Waits at most timeoutMs for a started program to end, running the event
// loop meanwhile so that a simulator's output keeps flowing; kills it after.
ToolRun FinishRun(QProcess& tool, int timeoutMs);

}  // namespace testseams
