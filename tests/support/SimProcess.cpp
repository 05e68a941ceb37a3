#include "tests/support/SimProcess.h"

#include <QRegularExpression>
#include <QTcpServer>

#include "tests/support/TestSeams.h"

namespace testseams {

QString SimProcess::programPath() { return QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnel-sim"); }

SimProcess::SimProcess(QStringList arguments) : process_(std::make_unique<QProcess>()) {
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->start(programPath(), arguments);
  process_->waitForStarted(5000);
}

SimProcess::~SimProcess() {
  if (process_->state() != QProcess::NotRunning) {
    process_->kill();
    process_->waitForFinished(3000);
  }
}

QString SimProcess::output() {
  output_ += QString::fromUtf8(process_->readAll());
  return output_;
}

bool SimProcess::waitForOutput(const QString& text, int timeoutMs) {
  return WaitFor([&] { return output().contains(text); }, timeoutMs);
}

quint16 SimProcess::listeningPort(int timeoutMs) {
  static const QRegularExpression pattern(QStringLiteral("listening on (\\d+)"));
  QRegularExpressionMatch match;
  WaitFor([&] { return (match = pattern.match(output())).hasMatch(); }, timeoutMs);
  return match.hasMatch() ? static_cast<quint16>(match.captured(1).toUInt()) : 0;
}

quint16 FreeLoopbackPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

}  // namespace testseams
