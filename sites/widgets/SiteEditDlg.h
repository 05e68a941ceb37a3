#pragma once

#include <QDialog>
#include <array>

#include "sites/Site.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QStackedWidget;

namespace sites {

class SitesDatabase;

// A site's name, account, route and notes, and its secrets (module password,
// GSM password, installer code), which go to the keyring, never to the list.
// OK stores it: a new site is added, a known one updated (a new name takes
// its secrets along); a name in use or a route the connection dialog could
// not take keeps the dialog open with the reason.
class SiteEditDlg : public QDialog {
  Q_OBJECT
 public:
  // The secrets typed where the site comes from (the connection dialog).
  struct Secrets {
    QString modulePassword;
    QString gsmPassword;
  };

  // site.id 0: a new site. secretsOf: the site whose keyring entries fill
  // the secret fields (a site's own name when editing, the original when
  // duplicating; empty for none).
  SiteEditDlg(SitesDatabase& database, const Site& site, const QString& secretsOf, QWidget* parent = nullptr);
  // Fills the secret fields as if typed.
  void setSecrets(const Secrets& secrets);

  // After OK: the site as stored, with its id.
  const Site& site() const { return site_; }

  void accept() override;

 private:
  void buildLayout();
  void fill(const Site& site);
  Site edited() const;
  void loadSecrets(const QString& siteName);
  void storeSecrets(const QString& oldName);

  SitesDatabase& database_;
  Site site_;
  QString secretsOf_;

  QLineEdit* name_;
  QLineEdit* account_;
  QComboBox* route_;
  QStackedWidget* pages_;
  QLineEdit* address_;
  QSpinBox* port_;
  QCheckBox* notAuthorised_;
  QLineEdit* modulePassword_;
  std::array<QLineEdit*, kReceiverCount> receivers_{};
  QLineEdit* phone_;
  QLineEdit* gsmPassword_;
  QComboBox* protocol_;
  QLineEdit* installerCode_;
  QPlainTextEdit* notes_;
};

// A name no site has yet: "Shop (copy)", "Shop (copy 2)", ...
QString CopyName(SitesDatabase& database, const QString& name);

}  // namespace sites
