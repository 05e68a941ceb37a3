#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "sites/Site.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace sites {

class SitesModel;

// The "Sites" window: every site in a table (name, account, route, last
// connected, software) that a typed name or account narrows, with Connect,
// Add, Edit, Duplicate, Delete and History. Connect (also Enter or a double click on
// a row) closes the window with the chosen site for the caller to connect.
class SitesDlg : public QDialog {
  Q_OBJECT
 public:
  explicit SitesDlg(QWidget* parent = nullptr);

  // Connect is offered only while nothing else is connected.
  void setConnectAllowed(bool allowed);
  // "History…" runs this for the site selected; without one it opens the
  // site's History window on its own.
  void setHistoryCommand(std::function<void(const Site&)> command) { historyCommand_ = std::move(command); }
  // After the window ended with OK: the site to connect to.
  std::optional<Site> chosenSite() const { return chosen_; }

  SitesModel* model() const { return model_; }
  QTableView* table() const { return table_; }
  QLineEdit* searchField() const { return search_; }
  // Selects the site's row (the view scrolls to it); false when it is not shown.
  bool selectSite(qint64 id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<Site> current() const;
  void refresh(qint64 selectId = 0);
  void updateButtons();
  void onConnect();
  void onAdd();
  void onEdit();
  void onDuplicate();
  void onDelete();
  void onHistory();

  SitesModel* model_;
  QLineEdit* search_;
  QTableView* table_;
  QLabel* problem_;
  QPushButton* connect_;
  QPushButton* add_;
  QPushButton* edit_;
  QPushButton* duplicate_;
  QPushButton* delete_;
  QPushButton* history_;
  QPushButton* close_;
  bool connectAllowed_ = true;
  std::optional<Site> chosen_;
  std::function<void(const Site&)> historyCommand_;
};

// Opens the sites list for a window that needs it. A list that cannot be
// used is explained in a message; one that is damaged or from a newer
// version may be kept aside for a new, empty one, if the user says so.
// True when the list can be used.
bool EnsureSitesUsable(QWidget* parent);

}  // namespace sites
