#include "link/serial/SerialWorker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QtDebug>
#include <array>

#include "link/serial/FindModemPort.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialEnvelopeIo.h"

namespace serial {
namespace {

// Not a command anyone may post: it switches the reading on.
constexpr int kStartReceiving = -1;

constexpr int kDialAnswerMs = 1000;
constexpr int kHangUpAnswerMs = 2000;
constexpr int kStepAnswerMs = 500;
constexpr int kPauseBeforeCloseMs = 500;
constexpr std::uint8_t kDialAccepted = 0x08;
constexpr std::uint8_t kEndOfCall = 0x0F;
constexpr std::uint8_t kGoOnline = 0x11;
// The modem's short answers.
constexpr std::size_t kShortAnswerBytes = 5;

bool IsTableCommand(int command) {
  switch (command) {
    case kFindModem:
    case kClosePort:
    case kDial:
    case kCancelCall:
    case kCallEstablished:
    case kSendMessage:
    case kNextStep:
    case kStopWorker: return true;
    default: return false;
  }
}

}  // namespace

struct SerialWorker::Delivery {
  std::mutex mutex;
  std::condition_variable changed;
  bool started = false;
  bool done = false;
  bool released = false;   // the worker stops waiting: it is being stopped
  bool abandoned = false;  // not run at all
};

SerialWorker::SerialWorker(QObject* parent) : QThread(parent) {}

SerialWorker::~SerialWorker() {
  stop();
  // A QThread must not be destroyed while it runs.
  wait();
}

void SerialWorker::setDialRequest(std::vector<std::uint8_t> request) {
  const std::lock_guard lock(mutex_);
  dialRequest_ = std::move(request);
}

void SerialWorker::setPortLostHandler(std::function<void()> handler) {
  const std::lock_guard lock(mutex_);
  portLost_ = std::move(handler);
}

void SerialWorker::queueChanged() {
  commandsWaiting_ = !queue_.empty();
  sendFirst_ = !queue_.empty() && queue_.front().number == kSendMessage;
}

void SerialWorker::enqueue(Command command) {
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(command));
    queueChanged();
    if (delivery_) {
      const std::lock_guard deliveryLock(delivery_->mutex);
      delivery_->changed.notify_all();
    }
  }
  wake_.notify_all();
}

void SerialWorker::post(int command, QObject* owner) {
  // Command 9 carries its message; on its own it has nothing to send.
  if (!IsTableCommand(command) || command == kSendMessage) return;
  enqueue({command, owner, {}});
}

void SerialWorker::transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) {
  if (length > kMaxMessage) {
    qWarning("serial link: a message of %u bytes is longer than %zu and was not sent", length, kMaxMessage);
    return;
  }
  enqueue({kSendMessage, owner, QByteArray(reinterpret_cast<const char*>(bytes), length)});
}

bool SerialWorker::startReceiveLoop() {
  if (!isRunning() || stopping_ || !portOpen_) return false;
  enqueue({kStartReceiving, nullptr, {}});
  return true;
}

void SerialWorker::stop() {
  if (!isRunning()) return;
  {
    const std::lock_guard lock(mutex_);
    if (!stopping_) {
      stopping_ = true;
      queue_.push_back({kStopWorker, nullptr, {}});
      queueChanged();
    }
    if (delivery_) {
      const std::lock_guard deliveryLock(delivery_->mutex);
      delivery_->released = true;
      delivery_->changed.notify_all();
    }
  }
  wake_.notify_all();
  if (!wait(QDeadlineTimer(kStopWaitMs))) {
    qWarning("serial link: the worker did not end within %d ms; waiting for it", kStopWaitMs);
    wait();
  }
}

void SerialWorker::run() {
  for (;;) {
    Command next;
    bool haveCommand = false;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return !queue_.empty() || receiving_; });
      if (!queue_.empty()) {
        next = std::move(queue_.front());
        queue_.pop_front();
        queueChanged();
        haveCommand = true;
      }
    }
    if (!haveCommand) {
      receiveOnce();
      continue;
    }
    if (!execute(next)) break;
  }
  closePort();
}

void SerialWorker::closePort() {
  port_.close();
  receiving_ = false;
  portOpen_ = false;
  portNumber_ = 0;
}

bool SerialWorker::sendPayload(std::span<const std::uint8_t> payload) {
  return port_.isOpen() && WriteSerialEnvelope(port_, payload);
}

int SerialWorker::readShortAnswer(int firstByteMs, bool interruptible, std::uint8_t* first) {
  std::array<std::uint8_t, kShortAnswerBytes + 1> answer{};
  ModemPort::Interrupt interrupt;
  if (interruptible) interrupt = [this] { return stopping_.load(); };
  const int length = ReadSerialEnvelope(port_, firstByteMs, answer, interrupt);
  *first = answer[0];
  return length;
}

bool SerialWorker::execute(const Command& command) {
  std::uint8_t first = 0;
  switch (command.number) {
    case kStartReceiving:
      receiving_ = port_.isOpen();
      return true;
    case kFindModem: {
      closePort();
      const int number = FindModemPort(port_, ModemPortPaths(), [this] { return stopping_.load(); });
      portOpen_ = number != 0;
      portNumber_ = number;
      report(command.owner, kModemSearched, number);
      return true;
    }
    case kClosePort:
      closePort();
      return true;
    case kDial: {
      std::vector<std::uint8_t> request;
      {
        const std::lock_guard lock(mutex_);
        request = dialRequest_;
      }
      const bool accepted = !request.empty() && sendPayload(request) &&
                            readShortAnswer(kDialAnswerMs, true, &first) == 1 && first == kDialAccepted;
      report(command.owner, kCallStatus, accepted ? kDialAccepted : 0);
      return true;
    }
    case kCancelCall: {
      const std::uint8_t hangUp[] = {kEndOfCall};
      if (sendPayload(hangUp)) readShortAnswer(kHangUpAnswerMs, true, &first);
      if (command.owner) report(command.owner, kCallEnded, 1);
      return true;
    }
    case kCallEstablished: {
      const std::uint8_t online[] = {kGoOnline};
      sendPayload(online);
      if (command.owner) report(command.owner, kLinkStarted, 1);
      return true;
    }
    case kSendMessage:
      sendPayload(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(command.payload.constData()),
                                                static_cast<std::size_t>(command.payload.size())));
      return true;
    case kNextStep: {
      int length = kNoEnvelope;
      if (port_.isOpen()) {
        length = readShortAnswer(kStepAnswerMs, true, &first);
      } else {
        // Without a port the answer is "nothing" at once; waiting the
        // step's time keeps the dialog from spinning on it.
        QDeadlineTimer step(kStepAnswerMs);
        while (!step.hasExpired() && !stopping_) QThread::msleep(10);
      }
      if (command.owner) report(command.owner, kCallStatus, length == 1 ? static_cast<std::int8_t>(first) : 0);
      return true;
    }
    case kStopWorker: {
      const std::uint8_t hangUp[] = {kEndOfCall};
      if (sendPayload(hangUp)) readShortAnswer(kHangUpAnswerMs, false, &first);
      QThread::msleep(kPauseBeforeCloseMs);
      closePort();
      return false;
    }
    default: return true;
  }
}

void SerialWorker::receiveOnce() {
  const auto deliverFrame = [this](std::span<const std::uint8_t> frame) {
    const QByteArray copy(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size()));
    deliver(
        [copy] {
          if (panel::LinkListener* window = panel::PanelLink::instance().mainWindow())
            window->handlePanelFrame(reinterpret_cast<const std::uint8_t*>(copy.constData()),
                                     static_cast<std::size_t>(copy.size()));
        },
        true);
  };
  const bool open =
      receiver_.readOnce(port_, deliverFrame, [this] { return stopping_.load() || commandsWaiting_.load(); });
  if (open) return;
  const bool lost = port_.lost();
  closePort();
  if (!lost) return;
  std::function<void()> handler;
  {
    const std::lock_guard lock(mutex_);
    handler = portLost_;
  }
  if (handler) deliver(std::move(handler));
}

void SerialWorker::report(const QPointer<QObject>& owner, int code, int value) {
  deliver([owner, code, value] {
    if (auto* handler = dynamic_cast<SerialResultHandler*>(owner.data())) handler->handleSerialResult(code, value);
  });
}

void SerialWorker::sendQueuedMessages() {
  for (;;) {
    Command next;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty() || queue_.front().number != kSendMessage) return;
      next = std::move(queue_.front());
      queue_.pop_front();
      queueChanged();
    }
    execute(next);
  }
}

void SerialWorker::deliver(std::function<void()> onUiThread, bool sendWhileWaiting) {
  auto delivery = std::make_shared<Delivery>();
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    delivery_ = delivery;
  }
  // The application object lives on the UI thread; nothing here refers to
  // the worker, which may be gone by the time a released call runs.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [delivery, call = std::move(onUiThread)] {
        {
          const std::lock_guard lock(delivery->mutex);
          if (delivery->abandoned) return;
          delivery->started = true;
        }
        call();
        {
          const std::lock_guard lock(delivery->mutex);
          delivery->done = true;
        }
        delivery->changed.notify_all();
      },
      Qt::QueuedConnection);
  for (;;) {
    std::unique_lock lock(delivery->mutex);
    delivery->changed.wait(
        lock, [&] { return delivery->done || delivery->released || (sendWhileWaiting && sendFirst_.load()); });
    if (delivery->done || delivery->released) {
      if (!delivery->started) delivery->abandoned = true;
      break;
    }
    // A window that sends and then pauses while handling a frame (an
    // editor giving the panel time to act) must not hold its frame back.
    lock.unlock();
    sendQueuedMessages();
  }
  const std::lock_guard lock(mutex_);
  delivery_.reset();
}

}  // namespace serial
