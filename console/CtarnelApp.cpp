#include "console/CtarnelApp.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTcpServer>

#include "Version.h"
#include "console/AccessPasswordStore.h"
#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "link/LinkSettings.h"
#include "link/ReportLastError.h"
#include "platform/MessageBoxes.h"

namespace console {

namespace {
// Errors of making the socket and binding its port, as opposed to listening on it.
bool IsCreateError(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::AddressInUseError:
    case QAbstractSocket::SocketAccessError:
    case QAbstractSocket::SocketAddressNotAvailableError:
    case QAbstractSocket::SocketResourceError:
    case QAbstractSocket::UnsupportedSocketOperationError:
      return true;
    default:
      return false;
  }
}
}  // namespace

CtarnelApp::CtarnelApp(ProgramOptions options, WindowSetup setup)
    : options_(options), setup_(std::move(setup)) {}

QString CtarnelApp::WindowTitle() {
  return QString::asprintf("Keyridge %d.%02d", build_info::kVersionMajor, build_info::kVersionMinor);
}

int CtarnelApp::run() {
  ProgramOptions::current() = options_;
  panel::PanelLink& link = panel::PanelLink::instance();

  panel::CListenSocket listener(link);
  if (!listener.listen(options_.listenPort)) {
    const QString context = IsCreateError(listener.server().serverError()) ? QStringLiteral("Create ")
                                                                           : QStringLiteral("Listen ");
    panel::ReportLastError(context, listener.server());
    return 1;
  }

  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  QSettings settings;
  link.setSecrets(panel::LoadLinkSecrets(settings));

  AccessPasswordStore passwords;
  if (!passwords.open()) {
    platform::ShowMessage(nullptr, QString(), QStringLiteral("RegCreateKeyEx"));
    return 1;
  }
  AccessPasswordStore::install(&passwords);

  {
    CKeypadDlg window(WindowTitle());
    window.setListenSocket(&listener);
    link.setMainWindow(&window);
    if (setup_) setup_(window);
    window.exec();
    link.setMainWindow(nullptr);
    // The window goes first; its link must not outlive it pointing at it.
    link.closeCurrentConnection();
  }
  AccessPasswordStore::install(nullptr);
  return 0;
}

}  // namespace console
