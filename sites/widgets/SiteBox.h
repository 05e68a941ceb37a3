#pragma once

#include <QWidget>
#include <optional>

#include "sites/Site.h"

class QComboBox;
class QPushButton;

namespace sites {

// The connection dialog's site box: "Site:" with every site by name (and
// none), and "Save as site…". Choosing a site hands it on to fill the fields.
class SiteBox : public QWidget {
  Q_OBJECT
 public:
  explicit SiteBox(QWidget* parent = nullptr);

  // Reads the list again and selects the site with id (0: none).
  void reload(qint64 selectId = 0);
  // The site chosen, if any.
  std::optional<Site> chosen() const;
  void choose(qint64 id);

  QComboBox* list() const { return list_; }
  QPushButton* saveButton() const { return save_; }

 signals:
  void siteChosen(const sites::Site& site);
  void noSiteChosen();
  void saveRequested();

 private:
  QComboBox* list_;
  QPushButton* save_;
};

}  // namespace sites
