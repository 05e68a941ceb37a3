// tarnel: the virtual keypad and programmer of one alarm panel.
#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <variant>

#include "connect/CRequestConnect.h"
#include "connect/PcPasswordCheck.h"
#include "connect/SerialGsmRoute.h"
#include "connect/SiteConnections.h"
#include "console/AccessPasswordStore.h"
#include "console/CChPassDlg.h"
#include "console/CKeypadDlg.h"
#include "console/CtarnelApp.h"
#include "console/ProgramOptions.h"
#include "console/TarnelIcon.h"
#include "editors/ProgramEditors.h"
#include "events/EventDialogs.h"
#include "link/CListenSocket.h"
#include "link/LinkMonitor.h"
#include "link/LinkSettings.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialWorkerRecord.h"
#include "panelfiles/PanelFileCommands.h"
#include "platform/CommandLine.h"
#include "platform/DesktopFeedback.h"
#include "platform/QuickStartStyle.h"
#include "platform/Translations.h"

namespace {

// Headless: print every frame that arrives on the listening port.
int RunMonitor(const console::ProgramOptions& options) {
  QSettings settings;
  panel::PanelLink& link = panel::PanelLink::instance();
  link.setSecrets(panel::LoadLinkSecrets(settings));
  panel::LinkMonitor printer(stdout);
  link.setMainWindow(&printer);
  panel::CListenSocket listener(link);
  if (!listener.listen(options.listenPort)) {
    std::fprintf(stderr, "Listen : %s\n", listener.server().errorString().toLocal8Bit().constData());
    return 1;
  }
  std::printf("listening on %u\n", listener.server().serverPort());
  std::fflush(stdout);
  return QCoreApplication::exec();
}

// The connection dialog's view of the PC password: the console's store and dialog.
class ConsolePcPassword : public connection::PcPasswordCheck {
 public:
  int verify(const QString& password) override {
    return console::AccessPasswordStore::current().verify(password.toStdString());
  }
  void runChangeDialog(QWidget* parent) override { console::CChPassDlg(parent).exec(); }
  QString password() const override { return console::g_strPcPassword; }
  void setPassword(const QString& password) override { console::g_strPcPassword = password; }
};

void WireWindow(console::CKeypadDlg& window) {
  const console::ProgramOptions& options = console::ProgramOptions::current();
  auto* connections = new connection::SiteConnections(window, options.callPort);
  // Once the window is up: nothing here may hold up its first paint.
  QTimer::singleShot(0, connections, [connections, site = options.site] {
    connections->moveOldRememberedCodes();
    if (!site.isEmpty()) connections->connectToSiteNamed(site);
  });
  window.setSerialLinkHook({[] { return serial::CurrentSerialWorker() != nullptr; },
                            [](QObject* owner) { serial::StopSerialWorker(owner); }});
  events::WireEventDialogs(window);
  editors::WireProgramModeEditors(window);
  panelfiles::WirePanelFileCommands(window);
}

// Options from the command line, or the exit code when it is answered
// without running (help, version, a bad argument).
std::variant<console::ProgramOptions, int> ParseCommandLine(const QStringList& arguments) {
  platform::CommandLine commandLine(QStringLiteral("tarnel"),
                                    QCoreApplication::translate("tarnel", "Remote keypad and programmer for the alarm panel"));
  const QCommandLineOption listenPort(QStringLiteral("listen-port"),
                                      QCoreApplication::translate("tarnel", "Port where the IP module calls in (default 4700; 0: any free port)."),
                                      QStringLiteral("port"), QStringLiteral("4700"));
  const QCommandLineOption callPort(QStringLiteral("call-port"),
                                    QCoreApplication::translate("tarnel", "Port that Connect calls on the IP module (default 4700)."),
                                    QStringLiteral("port"), QStringLiteral("4700"));
  const QCommandLineOption monitor(QStringLiteral("monitor"),
                                   QCoreApplication::translate("tarnel", "No window: print every frame received."));
  const QCommandLineOption serialPorts(
      QStringLiteral("serial-ports"),
      QCoreApplication::translate("tarnel", "Devices of port numbers 1 to 19, comma-separated (default: the system's serial ports in "
                                  "natural order)."),
      QStringLiteral("paths"));
  const QCommandLineOption site(QStringLiteral("site"),
                                QCoreApplication::translate("tarnel", "Connect to the site of that name at start."),
                                QStringLiteral("name"));
  commandLine.addOptions({listenPort, callPort, monitor, serialPorts, site});
  if (const auto end = commandLine.parse(arguments)) return *end;

  console::ProgramOptions options;
  const auto listen = platform::ParsePort(commandLine.value(listenPort), 0);
  if (!listen)
    return commandLine.fail(QCoreApplication::translate("tarnel", "--listen-port: '%1' is not a port number from 0 to 65535")
                                .arg(commandLine.value(listenPort)));
  const auto call = platform::ParsePort(commandLine.value(callPort), 1);
  if (!call)
    return commandLine.fail(QCoreApplication::translate("tarnel", "--call-port: '%1' is not a port number from 1 to 65535")
                                .arg(commandLine.value(callPort)));
  options.listenPort = *listen;
  options.callPort = *call;
  options.monitor = commandLine.isSet(monitor);
  options.site = commandLine.value(site);
  if (commandLine.isSet(site) && options.site.trimmed().isEmpty())
    return commandLine.fail(QCoreApplication::translate("tarnel", "--site: no name given"));
  if (options.monitor && commandLine.isSet(site))
    return commandLine.fail(QCoreApplication::translate("tarnel", "--site: not with --monitor"));
  if (commandLine.isSet(serialPorts)) {
    options.serialPorts = commandLine.value(serialPorts).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (options.serialPorts.isEmpty())
      return commandLine.fail(QCoreApplication::translate("tarnel", "--serial-ports: no device path given"));
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window system is asked for, so that help, version
  // and bad arguments work without a display.
  const auto parsed = ParseCommandLine(platform::WithoutQtGuiOptions(platform::ArgumentsAfterProgram(argc, argv)));
  if (const int* end = std::get_if<int>(&parsed)) return *end;
  const console::ProgramOptions options = std::get<console::ProgramOptions>(parsed);

  const std::unique_ptr<QCoreApplication> app =
      options.monitor ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  QCoreApplication::setApplicationVersion(platform::ProgramVersion());
  platform::LoadTranslations();
  if (!options.monitor) {
    platform::UseDesktopFeedback();
    platform::UseQuickStartStyle();
    QApplication::setWindowIcon(console::TarnelIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnel"));
  }
  console::ProgramOptions::current() = options;
  if (!options.serialPorts.isEmpty()) serial::SetModemPortPaths(options.serialPorts);

  if (options.monitor) return RunMonitor(options);
  ConsolePcPassword passwords;
  connection::PcPasswordCheck::install(&passwords);
  connection::SerialGsmRoute gsmRoute;
  connection::GsmRoute::install(&gsmRoute);
  const int code = console::CtarnelApp(options, WireWindow).run();
  // The panel's 0x15 ends the program without Disconnect: hang up cleanly.
  serial::StopSerialWorker(nullptr);
  connection::GsmRoute::install(nullptr);
  connection::PcPasswordCheck::install(nullptr);
  return code;
}
