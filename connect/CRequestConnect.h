#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "connect/ConnectAttempt.h"
#include "sites/Site.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace sites {
class SiteBox;
}

namespace connection {

// What a link was made with: the site chosen (if any), the route as it was
// used and the secrets typed or read for it. Reconnect repeats it.
struct ConnectionRoute {
  std::optional<sites::Site> site;
  sites::Site route;  // the route's fields; its name is empty
  QString modulePassword;
  QString gsmPassword;
};

// The connection dialog: calls the panel's IP module directly (authorised
// PC, or "Not Autorized PC" with a password), asks up to four TCP receivers
// in turn to reach it, or hands a GSM call to the serial side. Ends with OK
// as soon as a link stands; both endings save what was typed. The site box
// at its top fills the fields from a site (its secrets from the keyring) and
// stores what is typed as a site.
class CRequestConnect : public QDialog {
  Q_OBJECT
 public:
  static constexpr quint16 kDefaultCallPort = kModulePort;
  static constexpr int kReceivers = 4;
  using Mode = ConnectAttempt::Mode;

  explicit CRequestConnect(QWidget* parent = nullptr);
  ~CRequestConnect() override;

  // The module port that attempts call (4700 unless changed); a site
  // brings its own.
  void setCallPort(quint16 port) { port_ = defaultPort_ = port; }
  quint16 callPort() const { return port_; }

  // Fills the fields from a site, as choosing it in the site box does; its
  // secrets follow from the keyring.
  void fillFrom(const sites::Site& site);
  // Fills the fields from a route used before, secrets included.
  void fillFrom(const ConnectionRoute& route);
  // Once shown (and the keyring has answered), starts the route's call as
  // its button would; a secret the route needs and nobody gave leaves the
  // dialog waiting in that field.
  void startOnShow() { startOnShow_ = true; }

  // After OK: what the link was made with.
  ConnectionRoute usedRoute() const;

  void done(int result) override;

  // The text shown for the code of a refused attempt.
  static QString resultText(int code);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildLayout();
  void loadSettings();
  void saveSettings();
  void setTcpButtonsEnabled(bool enabled);
  void fillRoute(const sites::Site& route);
  void readSecret(QLineEdit* field, const QString& siteName, int secret);
  void startIfReady();
  void onSaveAsSite();

  void onDirectConnect();
  void onSearch();
  void onChange();
  void onGsmConnect();

  // Starts one attempt at target_ on port_; it ends in accept() or attemptFailed.
  void attempt(Mode mode);
  void attemptFailed(int code);
  // Tries the receivers from index `from` on; false when none is filled in.
  bool tryReceiversFrom(int from);

  sites::SiteBox* siteBox_;
  // "Direct connection:"
  QCheckBox* notAuthorised_;
  QLineEdit* unit_;
  QLineEdit* directPassword_;
  QPushButton* directConnect_;
  // "Direct to GSM unit:"
  QLineEdit* phone_;
  QLineEdit* gsmPassword_;
  QComboBox* protocol_;
  QPushButton* gsmConnect_;
  // "Search on TCP Receivers:"
  QLineEdit* account_;
  QLineEdit* searchPassword_;
  QPushButton* change_;
  std::array<QLineEdit*, kReceivers> receivers_;
  QPushButton* search_;
  QPushButton* exit_;

  ConnectAttempt attempt_;
  QString target_;
  quint16 port_ = kDefaultCallPort;
  quint16 defaultPort_ = kDefaultCallPort;
  sites::RouteKind usedRoute_ = sites::RouteKind::Direct;
  bool startOnShow_ = false;
  bool started_ = false;
  int secretsAwaited_ = 0;
  QString accountText_;
  bool searching_ = false;
  int receiverIndex_ = 0;
};

}  // namespace connection
