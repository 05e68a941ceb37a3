#pragma once

#include <QObject>

namespace serial {

class SerialWorker;

// The process's one serial worker (none most of the time). While it exists
// it is the link's serial transport.
SerialWorker* CurrentSerialWorker();

// Makes the worker, starts its thread and installs it as the serial
// transport. When its port goes away while a call stands, the worker is
// stopped and dropped and the main window is told the link closed, as for
// a lost TCP link. Returns the existing worker if there is one.
SerialWorker& StartSerialWorker();

// Closes the port (command 5, reported to owner) if the worker runs, stops
// it (command 13, up to 3000 ms), uninstalls and drops it.
void StopSerialWorker(QObject* owner);

}  // namespace serial
