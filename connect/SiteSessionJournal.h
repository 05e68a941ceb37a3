#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "console/RestoreJournal.h"
#include "sites/SessionJournal.h"

namespace console {
class CKeypadDlg;
}

namespace connection {

// The keypad window's program-mode sessions on a connected site, put down in
// the site's history: a session from the panel's answer to the installer
// code until program mode is left or the link ends, and each restore as a
// session of its own. It watches the one send path and the window's frames;
// before program mode is left it reads back what was written.
class SiteSessionJournal : public QObject, public console::RestoreJournal {
  Q_OBJECT
 public:
  explicit SiteSessionJournal(console::CKeypadDlg& window);
  ~SiteSessionJournal() override;

  // The site the window's link reaches; 0 for none (nothing is journalled).
  void setSite(qint64 siteId) { siteId_ = siteId; }

  void restoreStarting(const QString& source) override;
  void restoreEnded() override;

  // The session being journalled, or null.
  const sites::SessionJournal* session() const { return session_.get(); }

 private:
  void start(sites::SessionLog::Kind kind, const QString& source);
  // Reads back, ends the session and drops it; then `next`.
  void finish(std::function<void()> next);
  // The same, waiting here (without taking user input) until it is done.
  void finishNow();
  void linkClosed();
  void drop();

  console::CKeypadDlg& window_;
  qint64 siteId_ = 0;
  std::unique_ptr<sites::SessionJournal> session_;
};

}  // namespace connection
