// tarnel: reaches one alarm panel through its IP module.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>

#include "link/CListenSocket.h"
#include "link/LinkMonitor.h"
#include "link/LinkSettings.h"
#include "link/ReportLastError.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Remote keypad and programmer for the alarm panel"));
  parser.addHelpOption();
  const QCommandLineOption listenPort(QStringLiteral("listen-port"),
                                      QStringLiteral("Port where the IP module calls in (default 4700)."),
                                      QStringLiteral("port"), QStringLiteral("4700"));
  const QCommandLineOption monitor(QStringLiteral("monitor"),
                                   QStringLiteral("No window: print every frame received."));
  parser.addOptions({listenPort, monitor});
  parser.process(app);

  QSettings settings;
  panel::PanelLink& link = panel::PanelLink::instance();
  link.setSecrets(panel::LoadLinkSecrets(settings));

  panel::LinkMonitor printer(stdout);
  link.setMainWindow(&printer);
  panel::CListenSocket listener(link);
  if (!listener.listen(static_cast<quint16>(parser.value(listenPort).toUInt()))) {
    std::fprintf(stderr, "Listen : %s\n", listener.server().errorString().toLocal8Bit().constData());
    return 1;
  }
  std::printf("listening on %u\n", listener.server().serverPort());
  std::fflush(stdout);
  return QCoreApplication::exec();
}
