#pragma once

#include <QSqlQueryModel>

#include "sites/Site.h"

namespace sites {

// The sites list as a table, from one query over the database (rows are
// fetched as the view scrolls, so a long list opens as fast as a short one).
// Shown columns: name, account, route, last connected, software; the others
// are there for site() and are hidden by the view.
class SitesModel : public QSqlQueryModel {
  Q_OBJECT
 public:
  // Columns of the query (SitesDatabase::SelectColumns).
  enum Column { Id = 0, Name = 1, Account = 2, Route = 4, LastConnected = 14, Software = 15, kColumns = 16 };

  explicit SitesModel(QObject* parent = nullptr);

  // Sites whose name or account holds text (all when empty), in name order.
  void setFilter(const QString& text);
  QString filter() const { return filter_; }

  Site site(int row) const;
  // The row of a site, fetching further rows as needed; -1 when it is not shown.
  int rowOf(qint64 id);

  static bool IsShownColumn(int column);

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QString filter_;
};

}  // namespace sites
