#pragma once

#include <QStringList>
#include <QtGlobal>

namespace console {

// What tarnel's command line chose; the connection dialog reads callPort.
struct ProgramOptions {
  quint16 listenPort = 4700;  // where the IP module calls in
  quint16 callPort = 4700;    // where Connect calls the module
  bool monitor = false;       // no window: print every frame received
  QStringList serialPorts;    // devices of port numbers 1 to 19; empty: the system's
  QString site;               // a site to connect to at start

  static ProgramOptions& current() {
    static ProgramOptions options;
    return options;
  }
};

}  // namespace console
