// tarnel: the virtual keypad and programmer of one alarm panel.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>
#include <cstring>
#include <memory>

#include "connect/CRequestConnect.h"
#include "connect/PcPasswordCheck.h"
#include "connect/SerialGsmRoute.h"
#include "console/AccessPasswordStore.h"
#include "console/CChPassDlg.h"
#include "console/CKeypadDlg.h"
#include "console/CtarnelApp.h"
#include "console/ProgramOptions.h"
#include "editors/ProgramEditors.h"
#include "events/EventDialogs.h"
#include "link/CListenSocket.h"
#include "link/LinkMonitor.h"
#include "link/LinkSettings.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialWorkerRecord.h"

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
  window.setConnectDialogFactory([](QWidget* parent) -> std::unique_ptr<QDialog> {
    auto dialog = std::make_unique<connection::CRequestConnect>(parent);
    dialog->setCallPort(console::ProgramOptions::current().callPort);
    return dialog;
  });
  window.setSerialLinkHook({[] { return serial::CurrentSerialWorker() != nullptr; },
                            [](QObject* owner) { serial::StopSerialWorker(owner); }});
  events::WireEventDialogs(window);
  editors::WireProgramModeEditors(window);
}

// The monitor and the help text need no display.
bool NeedsNoWindow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"--monitor", "--help", "-h", "--help-all"})
      if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<QCoreApplication> app =
      NeedsNoWindow(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                : std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Remote keypad and programmer for the alarm panel"));
  parser.addHelpOption();
  const QCommandLineOption listenPort(QStringLiteral("listen-port"),
                                      QStringLiteral("Port where the IP module calls in (default 4700)."),
                                      QStringLiteral("port"), QStringLiteral("4700"));
  const QCommandLineOption callPort(QStringLiteral("call-port"),
                                    QStringLiteral("Port that Connect calls on the IP module (default 4700)."),
                                    QStringLiteral("port"), QStringLiteral("4700"));
  const QCommandLineOption monitor(QStringLiteral("monitor"),
                                   QStringLiteral("No window: print every frame received."));
  const QCommandLineOption serialPorts(
      QStringLiteral("serial-ports"),
      QStringLiteral("Devices of port numbers 1 to 19, comma-separated (default: the system's serial ports in "
                     "natural order)."),
      QStringLiteral("paths"));
  parser.addOptions({listenPort, callPort, monitor, serialPorts});
  parser.process(*app);

  console::ProgramOptions options;
  bool listenOk = false;
  bool callOk = false;
  const uint listenValue = parser.value(listenPort).toUInt(&listenOk);
  const uint callValue = parser.value(callPort).toUInt(&callOk);
  if (!listenOk || !callOk || listenValue > 65535 || callValue == 0 || callValue > 65535) {
    std::fprintf(stderr, "Ports are numbers from 1 to 65535 (0 listens on any free port).\n");
    return 2;
  }
  options.listenPort = static_cast<quint16>(listenValue);
  options.callPort = static_cast<quint16>(callValue);
  options.monitor = parser.isSet(monitor);
  console::ProgramOptions::current() = options;
  if (parser.isSet(serialPorts))
    serial::SetModemPortPaths(parser.value(serialPorts).split(QLatin1Char(','), Qt::SkipEmptyParts));

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
