#pragma once

#include <QString>

class QAbstractSocket;
class QTcpServer;

namespace panel {

// Shows the system's text of an error in a box titled with the context and
// an OK button only; returns the code.
int ReportLastError(const QString& context, int code, const QString& systemText);
int ReportLastError(const QString& context, const QAbstractSocket& socket);
int ReportLastError(const QString& context, const QTcpServer& server);

}  // namespace panel
