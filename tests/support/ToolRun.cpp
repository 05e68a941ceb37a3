#include "tests/support/ToolRun.h"

#include "tests/support/TestSeams.h"

namespace testseams {

ToolRun FinishRun(QProcess& tool, int timeoutMs) {
  ToolRun run;
  if (!WaitFor([&] { return tool.state() == QProcess::NotRunning; }, timeoutMs)) {
    tool.kill();
    tool.waitForFinished();
    return run;
  }
  run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
  run.out = QString::fromUtf8(tool.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(tool.readAllStandardError());
  return run;
}

}  // namespace testseams
