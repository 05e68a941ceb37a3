#include "link/ReportLastError.h"

#include <QAbstractSocket>
#include <QTcpServer>

#include "platform/SystemErrors.h"

namespace panel {

int ReportLastError(const QString& context, int code, const QString& systemText) {
  platform::ReportSystemError(context, systemText);
  return code;
}

int ReportLastError(const QString& context, const QAbstractSocket& socket) {
  return ReportLastError(context, static_cast<int>(socket.error()), socket.errorString());
}

int ReportLastError(const QString& context, const QTcpServer& server) {
  return ReportLastError(context, static_cast<int>(server.serverError()), server.errorString());
}

}  // namespace panel
