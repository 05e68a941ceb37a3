#include "connect/SerialGsmRoute.h"

#include "connect/CDialingDlg.h"
#include "link/serial/DialRecord.h"
#include "link/serial/SerialWorker.h"
#include "link/serial/SerialWorkerRecord.h"

namespace connection {

GsmRoute::Outcome SerialGsmRoute::call(QWidget* parent, const GsmCall& call) {
  const QByteArray phone = call.phone.toLatin1();
  const QByteArray password = call.password.toLatin1();
  std::vector<std::uint8_t> record =
      serial::BuildDialRecord(std::string_view(phone.constData(), static_cast<std::size_t>(phone.size())),
                              std::string_view(password.constData(), static_cast<std::size_t>(password.size())),
                              static_cast<std::uint8_t>(call.protocol));
  if (serial::CurrentSerialWorker()) return Outcome::AlreadyRunning;

  serial::SerialWorker& worker = serial::StartSerialWorker();
  worker.setDialRequest(std::move(record));
  CDialingDlg dialing(worker, parent);
  if (dialing.exec() != QDialog::Accepted) {
    serial::StopSerialWorker(parent);
    return Outcome::Cancelled;
  }
  if (worker.running()) worker.post(serial::kCallEstablished, parent);
  if (!worker.startReceiveLoop()) {
    // The port went away after the call was made: nothing would read it.
    serial::StopSerialWorker(parent);
    return Outcome::NoReceiver;
  }
  return Outcome::LinkUp;
}

}  // namespace connection
