#pragma once

#include <QDateTime>
#include <QObject>
#include <memory>
#include <optional>

#include "connect/CRequestConnect.h"
#include "console/RememberedCodes.h"

namespace console {
class CKeypadDlg;
}

namespace connection {

class SiteSessionJournal;

// How the keypad window reaches panels: Connect through the connection
// dialog, the "Sites" window and its Connect, Reconnect after a lost link
// (the same route with the same secrets, never by itself), the site's name in
// the window, when it was connected and the software it reported, and the
// code dialog's "Remember" kept in the keyring for the site connected.
class SiteConnections : public QObject, public console::RememberedCodes {
  Q_OBJECT
 public:
  // callPort: where a call goes for a link made without a site.
  SiteConnections(console::CKeypadDlg& window, quint16 callPort);
  ~SiteConnections() override;

  // Connects to the site of that name (tarnel --site); says so when there is none.
  void connectToSiteNamed(const QString& name);
  void connectToSite(const sites::Site& site);
  // The codes an older version remembered in tarnel.conf, into the keyring.
  void moveOldRememberedCodes();

  // RememberedCodes: under the site connected, or for links without one.
  void recall(const QString& title, QObject* context, std::function<void(const QString&)> done) override;
  void remember(const QString& title, const QString& code) override;
  bool canRemember() const override;

 private:
  std::unique_ptr<CRequestConnect> makeDialog() const;
  void onConnected(QDialog& dialog);
  void onVersion(const QString& text);
  void openSites();
  // The site's History window; "Write to panel…" while connected to that site.
  void openHistory(const sites::Site& site, QWidget* parent);
  std::optional<sites::Site> connectedSite() const;
  void reconnect();
  QString codeKey(const QString& title) const;

  console::CKeypadDlg& window_;
  SiteSessionJournal* journal_ = nullptr;
  quint16 callPort_;
  std::optional<ConnectionRoute> lastRoute_;
  QDateTime connectedAt_;
};

}  // namespace connection
