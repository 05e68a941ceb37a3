#include "connect/SiteSessionJournal.h"

#include <QEventLoop>

#include "console/CKeypadDlg.h"
#include "link/PanelLink.h"
#include "sites/SitesDatabase.h"

namespace connection {

SiteSessionJournal::SiteSessionJournal(console::CKeypadDlg& window) : QObject(&window), window_(window) {
  connect(&window_, &console::CKeypadDlg::programModeEntered, this, [this] {
    if (!session_) start(sites::SessionLog::Kind::Editors, QString());
  });
  connect(&window_, &console::CKeypadDlg::linkClosed, this, &SiteSessionJournal::linkClosed);
  window_.setFrameWatcher([this](const std::uint8_t* frame, std::size_t length) {
    if (session_) session_->received(frame, length);
  });
  window_.setBeforeLeavingProgramMode([this](std::function<void()> leave) { finish(std::move(leave)); });
  console::RestoreJournal::install(this);
}

SiteSessionJournal::~SiteSessionJournal() {
  if (console::RestoreJournal::current() == this) console::RestoreJournal::install(nullptr);
  // The program ends with the session open (the panel closed it, or the
  // window went): it is kept as far as it got.
  if (session_) session_->end(sites::SessionLog::Outcome::LinkLost);
  drop();
}

void SiteSessionJournal::start(sites::SessionLog::Kind kind, const QString& source) {
  if (siteId_ == 0 || !window_.isConnected()) return;
  session_ = std::make_unique<sites::SessionJournal>(
      sites::SharedSites(), siteId_, kind, source, [this](const QString& notice) { window_.showNotice(notice); },
      this);
  panel::PanelLink::instance().setSendWatcher([this](std::span<const std::uint8_t> bytes) {
    if (session_) session_->sent(bytes);
  });
}

void SiteSessionJournal::drop() {
  panel::PanelLink::instance().setSendWatcher(nullptr);
  // It may be the caller of this, through its read-back's end; a child
  // until then, so that one the event loop never deletes goes with us.
  if (session_) session_.release()->deleteLater();
}

void SiteSessionJournal::finish(std::function<void()> next) {
  if (!session_) {
    next();
    return;
  }
  session_->readBack([this](const panel::FrameBytes& reads) { panel::SendPanelFrame(reads, &window_); },
                     [this, next = std::move(next)] {
                       if (session_) session_->end(sites::SessionLog::Outcome::Ended);
                       drop();
                       next();
                     });
}

void SiteSessionJournal::finishNow() {
  if (!session_) return;
  bool done = false;
  QEventLoop loop;
  finish([&] {
    done = true;
    loop.quit();
  });
  if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SiteSessionJournal::linkClosed() {
  // An end asked for was put down before the link went: this is a lost one.
  if (session_) session_->end(sites::SessionLog::Outcome::LinkLost);
  drop();
  siteId_ = 0;
}

void SiteSessionJournal::restoreStarting(const QString& source) {
  if (!session_ || !window_.isProgramMode()) return;
  finishNow();
  start(sites::SessionLog::Kind::Restore, source);
}

void SiteSessionJournal::restoreEnded() {
  if (!session_) return;
  const bool goesOn = window_.isProgramMode();
  finishNow();
  // Program mode goes on after the restore: what follows is the installer's again.
  if (goesOn && window_.isProgramMode()) start(sites::SessionLog::Kind::Editors, QString());
}

}  // namespace connection
