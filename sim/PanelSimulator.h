#pragma once

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTimer>
#include <memory>

#include "sim/ModuleEndpoint.h"
#include "sim/PanelModel.h"

namespace sim {

struct PanelSimulatorOptions {
  QString callInHost;        // call in to the PC at this host...
  quint16 callInPort = 0;    // ...and port (0: do not call in)
  bool listen = false;       // wait for the PC to call out
  quint16 listenPort = 4700; // 0 picks a free port
  bool splitWrites = false;
  bool exitWhenLinkCloses = false;
  LoginPolicy policy;
};

// The panel behind its IP module, on TCP: one panel model, one link at a time.
// Commands on standard input steer it (see README).
class PanelSimulator : public QObject {
  Q_OBJECT
 public:
  PanelSimulator(PanelSimulatorOptions options, std::unique_ptr<PanelModel> model, QObject* parent = nullptr);

  // False when the listening port cannot be opened.
  bool start();
  // A command line such as "drop" or "raw 7E 10 ... 7E"; returns false if unknown.
  bool command(const QString& line);
  quint16 listeningPort() const { return server_.serverPort(); }

 private:
  void attach(QTcpSocket* socket, ModuleEndpoint::Role role);
  void callIn();
  void onNewConnection();
  void onStdin();
  void print(const QString& line);

  PanelSimulatorOptions options_;
  std::unique_ptr<PanelModel> model_;
  QTcpServer server_;
  QPointer<ModuleEndpoint> link_;
  QTimer clock_;
  std::unique_ptr<QSocketNotifier> stdin_;
  QByteArray stdinPending_;
};

}  // namespace sim
