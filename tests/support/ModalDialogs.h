#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace testseams {

// Runs fn on the next modal dialog of type D once it is up, so a test can
// drive it like a person while exec() blocks the test's own code.
template <typename D>
void WhenModal(std::function<void(D*)> fn) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, fn] {
    if (auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      fn(dialog);
    }
  });
  poll->start();
}

}  // namespace testseams
