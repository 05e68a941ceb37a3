#include "console/CtarnelApp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "Version.h"
#include "console/AccessPasswordStore.h"
#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "link/LinkSettings.h"
#include "link/ReportLastError.h"
#include "platform/MessageBoxes.h"
#include "platform/PrivateSettings.h"

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
// With TARNEL_EXIT_AFTER_SHOWN set (the start-up benchmark), the window's
// first paint prints the wall clock and the memory in use, and ends the run.
class FirstPaintReport : public QObject {
 public:
  explicit FirstPaintReport(QDialog& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_ || event->type() != QEvent::Paint || reported_) return false;
    reported_ = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("shown_at_us=%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    // CPU time as well: unlike the wall clock, a busy machine hardly moves it.
    std::printf("cpu_us=%lld\n", static_cast<long long>(static_cast<double>(std::clock()) * 1000000.0 / CLOCKS_PER_SEC));
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
      for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:")) std::printf("%s\n", line.simplified().constData());
    }
    std::fflush(stdout);
    QTimer::singleShot(0, &window_, [this] { window_.done(0); });
    return false;
  }

 private:
  QDialog& window_;
  bool reported_ = false;
};

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
    const QString context = IsCreateError(listener.server().serverError()) ? QCoreApplication::translate("console::CtarnelApp", "Create ")
                                                                           : QCoreApplication::translate("console::CtarnelApp", "Listen ");
    panel::ReportLastError(context, listener.server());
    return 1;
  }

  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  QSettings settings;
  // A file written by an older version may still be readable by everyone.
  platform::MakeSettingsFilePrivate(settings);
  link.setSecrets(panel::LoadLinkSecrets(settings));

  AccessPasswordStore passwords;
  if (!passwords.open()) {
    platform::ShowMessage(nullptr, QString(), QCoreApplication::translate("console::CtarnelApp", "RegCreateKeyEx"));
    return 1;
  }
  AccessPasswordStore::install(&passwords);

  {
    CKeypadDlg window(WindowTitle());
    window.setListenSocket(&listener);
    link.setMainWindow(&window);
    if (setup_) setup_(window);
    if (qEnvironmentVariableIsSet("TARNEL_EXIT_AFTER_SHOWN")) new FirstPaintReport(window);
    window.exec();
    link.setMainWindow(nullptr);
    // The window goes first; its link must not outlive it pointing at it.
    link.closeCurrentConnection();
  }
  AccessPasswordStore::install(nullptr);
  return 0;
}

}  // namespace console
