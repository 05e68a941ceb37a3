#include "configurator/CquilbyApp.h"

#include <QSettings>
#include <cstdio>

#include "configurator/CquilbyDlg.h"
#include "configurator/QuilbyOptions.h"

namespace quilby {

int CquilbyApp::run(const QStringList& arguments) {
  // The socket layer needs no start-up here; what can fail is the options.
  const QSettings settings(QStringLiteral("Vell"), QStringLiteral("quilby"));
  QString error;
  const auto options = LoadQuilbyOptions(arguments, &settings, &error);
  if (!options) {
    std::fprintf(stderr, "quilby: %s\n", qPrintable(error));
    return 2;
  }
  CquilbyDlg dialog(*options);
  dialog.exec();
  return 0;
}

}  // namespace quilby
