#include "link/serial/SerialWorkerRecord.h"

#include <memory>

#include "link/PanelLink.h"
#include "link/serial/SerialWorker.h"

namespace serial {
namespace {

std::unique_ptr<SerialWorker> g_worker;

void OnPortLost() {
  StopSerialWorker(nullptr);
  if (panel::LinkListener* window = panel::PanelLink::instance().mainWindow()) window->handleLinkClosed();
}

}  // namespace

SerialWorker* CurrentSerialWorker() { return g_worker.get(); }

SerialWorker& StartSerialWorker() {
  if (g_worker) return *g_worker;
  g_worker = std::make_unique<SerialWorker>();
  g_worker->setPortLostHandler(OnPortLost);
  g_worker->start();
  panel::PanelLink::instance().setSerialTransport(g_worker.get());
  return *g_worker;
}

void StopSerialWorker(QObject* owner) {
  if (!g_worker) return;
  // Dropped from the record first, so that nothing reaches it while it ends.
  const std::unique_ptr<SerialWorker> worker = std::move(g_worker);
  panel::PanelLink& link = panel::PanelLink::instance();
  if (link.serialTransport() == worker.get()) link.setSerialTransport(nullptr);
  if (worker->running()) worker->post(kClosePort, owner);
  worker->stop();
}

}  // namespace serial
