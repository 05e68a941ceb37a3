#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <memory>

#include "sim/ModuleEndpoint.h"
#include "core/panelmodel/PanelModel.h"
#include "sim/SimConsole.h"

namespace sim {

struct PanelSimulatorOptions {
  QString callInHost;        // call in to the PC at this host...
  quint16 callInPort = 0;    // ...and port (0: do not call in)
  int redialMs = 3000;       // calling in again after a failed call or a dropped link
  bool listen = false;       // wait for the PC to call out
  quint16 listenPort = 4700; // 0 picks a free port
  bool splitWrites = false;
  bool exitWhenLinkCloses = false;  // and when a call in fails; nor is it made again
  quint16 callBackPort = 0;  // after an accepted login-only call, ring the PC back here (0: never)
  LoginPolicy policy;
  LinkShape linkShape;       // every link, whichever end called
};

// The panel behind its IP module, on TCP: one panel model, one link at a time.
// Commands on standard input steer it, one per line (zones 1-16, outputs 1-8,
// areas A or B, both when left out):
//   zone open N | zone close N        a detector opens or closes (alarm when armed)
//   zone alarm N                       raise an alarm on the zone (bell on)
//   zone tamper N [on|off]             tamper on (default) or off
//   trouble battery|power|fuse|line on|off
//   output on N | output off N         switch an output (output 1 is the bell)
//   arm [A|B] | stay [A|B] | disarm [A|B]   as another keypad would, no code asked
//   clock YYYY-MM-DD HH:MM:SS          set the panel clock and send it
//   param P E [VALUE]                  print or set an installer parameter
//   user N | phone N                   print every parameter of user N / phone slot N
//   status                             print the panel's state
//   drop                               close the link to the PC
//   raw HEX...                         send bytes to the PC as they are (scrambled on a PC-opened link)
//   quit                               end the simulator
// A command it cannot take is answered with "unknown command: ...".
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
  enum class Redial { No, Yes };
  void callIn(const QString& host, quint16 port, Redial redial);
  void redialLater();
  bool linkInUse() const;
  void onNewConnection();
  void print(const QString& line);

  PanelSimulatorOptions options_;
  std::unique_ptr<PanelModel> model_;
  QTcpServer server_;
  QPointer<ModuleEndpoint> link_;
  QTimer clock_;
  QTimer redial_;
  std::unique_ptr<StdinCommands> stdin_;
};

}  // namespace sim
