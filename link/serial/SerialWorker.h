#pragma once

#include <QByteArray>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "link/PanelLink.h"
#include "link/serial/ModemPort.h"
#include "link/serial/SerialCommands.h"
#include "link/serial/SerialReceiveLoop.h"

namespace serial {

// The thread that owns the modem port. It runs the commands posted to it
// in order, answers each with a report to the window named in the command
// (on the UI thread, waiting until it was handled), and, once the call
// stands, reads envelopes between commands and hands their frames to the
// main window. Every message handed to transmit() is queued with its own
// copy, so frames sent back to back all go out.
class SerialWorker : public QThread, public SerialCommandSink, public panel::FrameTransport {
  Q_OBJECT
 public:
  // The most SendPanelFrame hands the serial link in one call.
  static constexpr std::size_t kMaxMessage = 260;
  // How long stop() waits for the thread as promised to the caller.
  static constexpr int kStopWaitMs = 3000;

  explicit SerialWorker(QObject* parent = nullptr);
  ~SerialWorker() override;

  // The dial request sent by command 6 (a copy is kept).
  void setDialRequest(std::vector<std::uint8_t> request);
  // Called on the UI thread when the port goes away while the call stands.
  void setPortLostHandler(std::function<void()> handler);

  // Commands of the table; other numbers are ignored.
  void post(int command, QObject* owner) override;
  bool running() const override { return isRunning(); }
  // Command 9 with a copy of the bytes.
  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) override;

  // Starts reading envelopes for the main window; false when the worker does
  // not run or has no open port.
  bool startReceiveLoop();
  // Command 13 (0x0F, wait for the answer, 500 ms, close) and waits for the
  // thread to end. Reads of commands still queued are cut short, and no
  // further report or frame is delivered.
  void stop();

  // The port the modem was found on, 0 when none is open.
  int portNumber() const { return portNumber_; }

 protected:
  void run() override;

 private:
  struct Command {
    int number = 0;
    QPointer<QObject> owner;
    QByteArray payload;
  };
  struct Delivery;

  void enqueue(Command command);
  // False when the thread is to end.
  bool execute(const Command& command);
  void closePort();
  bool sendPayload(std::span<const std::uint8_t> payload);
  // Reads a short answer: its length (a ReadSerialEnvelope result) and first byte.
  int readShortAnswer(int firstByteMs, bool interruptible, std::uint8_t* first);
  void receiveOnce();
  void report(const QPointer<QObject>& owner, int code, int value);
  // Runs onUiThread on the UI thread and waits for it, unless stopping;
  // with sendWhileWaiting, messages queued meanwhile go out at once.
  void deliver(std::function<void()> onUiThread, bool sendWhileWaiting = false);
  void sendQueuedMessages();
  // With mutex_ held, after every change of the queue.
  void queueChanged();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Command> queue_;
  std::vector<std::uint8_t> dialRequest_;
  std::shared_ptr<Delivery> delivery_;
  std::function<void()> portLost_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> commandsWaiting_{false};
  std::atomic<bool> sendFirst_{false};  // the next command is a message to send
  std::atomic<bool> portOpen_{false};
  std::atomic<int> portNumber_{0};

  // Worker thread only.
  ModemPort port_;
  SerialReceiveLoop receiver_;
  bool receiving_ = false;
};

}  // namespace serial
