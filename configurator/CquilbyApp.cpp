#include "configurator/CquilbyApp.h"

#include "configurator/CquilbyDlg.h"

namespace quilby {

int CquilbyApp::run(const QuilbyOptions& options) {
  // The socket layer needs no start-up here.
  CquilbyDlg dialog(options);
  dialog.exec();
  return 0;
}

}  // namespace quilby
