#include "ctl/Interrupts.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace ctl {
namespace {

int g_writeEnd = -1;

// A closed terminal (a dropped SSH session) and Ctrl+\ as well: the panel
// must not stay in program mode, and a core dump is no use to anyone here.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void OnSignal(int number) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(number);
  // Async-signal-safe; a full pipe only loses a repeated signal.
  [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
  errno = saved;
}

void Handle(int number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(number, &action, nullptr);
}

}  // namespace

Interrupts::Interrupts(QObject* parent) : QObject(parent) {
  if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_writeEnd = fds_[1];
  notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &Interrupts::onReadable);
  for (const int signal : kSignals) Handle(signal, OnSignal);
}

Interrupts::~Interrupts() {
  for (const int signal : kSignals) Handle(signal, SIG_DFL);
  g_writeEnd = -1;
  for (const int fd : fds_)
    if (fd >= 0) ::close(fd);
}

void Interrupts::onReadable() {
  unsigned char numbers[16];
  ssize_t got;
  while ((got = ::read(fds_[0], numbers, sizeof numbers)) > 0) {
    for (ssize_t i = 0; i < got; ++i) {
      ++count_;
      emit interrupted(numbers[i]);
    }
  }
}

}  // namespace ctl
