#include "connect/SerialGsmRoute.h"

#include "connect/CDialingDlg.h"
#include "connect/GsmCallSteps.h"
#include "link/serial/SerialWorker.h"
#include "link/serial/SerialWorkerRecord.h"

namespace connection {

GsmRoute::Outcome SerialGsmRoute::call(QWidget* parent, const GsmCall& call) {
  serial::SerialWorker* worker = StartGsmWorker(call);
  if (!worker) return Outcome::AlreadyRunning;
  CDialingDlg dialing(*worker, parent);
  if (dialing.exec() != QDialog::Accepted) {
    serial::StopSerialWorker(parent);
    return Outcome::Cancelled;
  }
  return TakeGsmCall(*worker, parent) ? Outcome::LinkUp : Outcome::NoReceiver;
}

}  // namespace connection
