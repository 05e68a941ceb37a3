#include "connect/GsmCallSteps.h"

#include "core/link/DialRecord.h"
#include "link/serial/SerialWorker.h"
#include "link/serial/SerialWorkerRecord.h"

namespace connection {

serial::SerialWorker* StartGsmWorker(const GsmCall& call) {
  const QByteArray phone = call.phone.toLatin1();
  const QByteArray password = call.password.toLatin1();
  std::vector<std::uint8_t> record =
      serial::BuildDialRecord(std::string_view(phone.constData(), static_cast<std::size_t>(phone.size())),
                              std::string_view(password.constData(), static_cast<std::size_t>(password.size())),
                              static_cast<std::uint8_t>(call.protocol));
  if (serial::CurrentSerialWorker()) return nullptr;
  serial::SerialWorker& worker = serial::StartSerialWorker();
  worker.setDialRequest(std::move(record));
  return &worker;
}

bool TakeGsmCall(serial::SerialWorker& worker, QObject* owner) {
  if (worker.running()) worker.post(serial::kCallEstablished, owner);
  if (worker.startReceiveLoop()) return true;
  serial::StopSerialWorker(owner);
  return false;
}

}  // namespace connection
