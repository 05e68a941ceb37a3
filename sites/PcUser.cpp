#include "sites/PcUser.h"

#include <QDir>
#include <QtGlobal>

namespace sites {

QString PcUserName() {
  // USER on Unix, USERNAME on Windows; a service started without either
  // still has a home folder named after its account.
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    const QString name = qEnvironmentVariable(variable).trimmed();
    if (!name.isEmpty()) return name;
  }
  return QDir::home().dirName();
}

}  // namespace sites
