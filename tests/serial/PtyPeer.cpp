#include "tests/serial/PtyPeer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "core/link/SerialEnvelope.h"

namespace serialtest {

ByteVector Envelope(const ByteVector& payload) {
  ByteVector out(payload.size() + panel::kEnvelopeOverhead);
  out.resize(panel::EncodeSerialEnvelope(payload, out));
  return out;
}

PtyPeer::PtyPeer() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) return;
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    ::close(master_);
    master_ = -1;
    return;
  }
  path_ = QString::fromLocal8Bit(ptsname(master_));
  slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
  termios raw{};
  if (slave_ >= 0 && tcgetattr(slave_, &raw) == 0) {
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
  }
}

PtyPeer::~PtyPeer() { unplug(); }

void PtyPeer::unplug() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void PtyPeer::write(const ByteVector& bytes) {
  std::size_t done = 0;
  while (master_ >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

ByteVector PtyPeer::read(int timeoutMs, int quietMs) {
  ByteVector bytes;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (master_ >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd fd{master_, POLLIN, 0};
    const int wait = bytes.empty() ? static_cast<int>(left.count()) : std::min<int>(quietMs, static_cast<int>(left.count()));
    if (poll(&fd, 1, wait) <= 0 || !(fd.revents & POLLIN)) {
      if (!bytes.empty()) break;
      continue;
    }
    std::uint8_t chunk[512];
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

void PtyPeer::respond(Responder responder) {
  responder_ = std::move(responder);
  thread_ = std::thread([this] { respondLoop(); });
}

std::vector<ByteVector> PtyPeer::received() {
  const std::lock_guard lock(mutex_);
  return received_;
}

void PtyPeer::respondLoop() {
  ByteVector pending;
  while (!stop_ && master_ >= 0) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, 20) <= 0 || !(fd.revents & POLLIN)) continue;
    std::uint8_t chunk[512];
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0) continue;
    pending.insert(pending.end(), chunk, chunk + n);
    for (;;) {
      const panel::DecodedEnvelope decoded = panel::DecodeSerialEnvelope(pending, 0xFFFF);
      if (decoded.status == panel::EnvelopeStatus::NeedMore) break;
      if (decoded.status != panel::EnvelopeStatus::Complete) {
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(std::max<std::size_t>(decoded.consumed, 1)));
        continue;
      }
      const ByteVector payload(decoded.payload.begin(), decoded.payload.end());
      pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(decoded.consumed));
      {
        const std::lock_guard lock(mutex_);
        received_.push_back(payload);
      }
      write(responder_(payload));
    }
  }
}

}  // namespace serialtest
