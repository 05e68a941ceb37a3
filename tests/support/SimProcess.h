#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace testseams {

// The simulator program, run for an end-to-end test and ended with it.
class SimProcess {
 public:
  explicit SimProcess(QStringList arguments);
  ~SimProcess();

  // Waits until the simulator printed a line containing text; false on time-out.
  bool waitForOutput(const QString& text, int timeoutMs = 5000);
  // Everything the simulator printed so far.
  QString output();
  // The port the simulator printed as "listening on N", or 0.
  quint16 listeningPort(int timeoutMs = 5000);

  QProcess& process() { return *process_; }

  static QString programPath();

 private:
  std::unique_ptr<QProcess> process_;
  QString output_;
};

// A loopback port that was free a moment ago.
quint16 FreeLoopbackPort();

}  // namespace testseams
