#pragma once

#include <QString>

class QAbstractSocket;
class QTcpServer;

namespace panel {

// Reports the system's text of an error under the context (a box with an OK
// button in the windowed programs, see platform::ReportSystemError); returns the code.
int ReportLastError(const QString& context, int code, const QString& systemText);
int ReportLastError(const QString& context, const QAbstractSocket& socket);
int ReportLastError(const QString& context, const QTcpServer& server);

}  // namespace panel
