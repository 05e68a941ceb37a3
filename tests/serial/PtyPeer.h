#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace serialtest {

using ByteVector = std::vector<std::uint8_t>;

ByteVector Envelope(const ByteVector& payload);

// The far end of a pseudo-terminal: the code under test opens path() as its
// serial port; the test talks through the master side. An optional
// responder thread answers each envelope the port sends.
class PtyPeer {
 public:
  // Replies to one received payload: raw bytes to write back (may be empty).
  using Responder = std::function<ByteVector(const ByteVector& payload)>;

  PtyPeer();
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  bool ok() const { return master_ >= 0; }
  QString path() const { return path_; }

  void write(const ByteVector& bytes);
  // Everything the port sent within timeoutMs (stops early after quietMs of silence once bytes came).
  ByteVector read(int timeoutMs, int quietMs = 100);

  // Answers every envelope from the port on a thread of its own.
  void respond(Responder responder);
  // Payloads of the envelopes received by the responder so far.
  std::vector<ByteVector> received();

  // The device goes away, as an unplugged modem does.
  void unplug();

 private:
  void respondLoop();

  int master_ = -1;
  int slave_ = -1;  // held open so the master never sees a hang-up between opens
  QString path_;
  Responder responder_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<ByteVector> received_;
};

}  // namespace serialtest
