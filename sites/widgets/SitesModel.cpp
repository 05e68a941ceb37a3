#include "sites/widgets/SitesModel.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

#include "sites/SitesDatabase.h"

namespace sites {

SitesModel::SitesModel(QObject* parent) : QSqlQueryModel(parent) { setFilter(QString()); }

bool SitesModel::IsShownColumn(int column) {
  return column == Name || column == Account || column == Route || column == LastConnected || column == Software;
}

void SitesModel::setFilter(const QString& text) {
  filter_ = text;
  SitesDatabase& database = SharedSites();
  if (database.state() != SitesDatabase::State::Ready) {
    clear();
    return;
  }
  QSqlQuery query(database.connection());
  const QString select = QStringLiteral("SELECT %1 FROM sites").arg(SitesDatabase::SelectColumns());
  if (text.isEmpty()) {
    query.prepare(select + QStringLiteral(" ORDER BY name"));
  } else {
    QString pattern = text;
    pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    query.prepare(select + QStringLiteral(" WHERE name LIKE :pattern ESCAPE '\\' OR account LIKE :pattern ESCAPE '\\' "
                                          "ORDER BY name"));
    query.bindValue(QStringLiteral(":pattern"), QLatin1Char('%') + pattern + QLatin1Char('%'));
  }
  query.exec();
  setQuery(std::move(query));
}

Site SitesModel::site(int row) const { return SitesDatabase::ReadSite(record(row)); }

int SitesModel::rowOf(qint64 id) {
  for (int row = 0;; ++row) {
    while (row >= rowCount() && canFetchMore()) fetchMore();
    if (row >= rowCount()) return -1;
    if (QSqlQueryModel::data(index(row, Id)).toLongLong() == id) return row;
  }
}

QVariant SitesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QSqlQueryModel::data(index, role);
  switch (index.column()) {
    case Route: return RouteSummary(site(index.row()));
    case LastConnected: {
      const QDateTime when = QDateTime::fromString(QSqlQueryModel::data(index).toString(), Qt::ISODate);
      return when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat) : QString();
    }
    case Name:
      if (role == Qt::ToolTipRole) return QSqlQueryModel::data(this->index(index.row(), 3));  // the notes
      break;
    default: break;
  }
  return QSqlQueryModel::data(index, role);
}

QVariant SitesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QSqlQueryModel::headerData(section, orientation, role);
  switch (section) {
    case Name: return tr("Name");
    case Account: return tr("Account");
    case Route: return tr("Route");
    case LastConnected: return tr("Last connected");
    case Software: return tr("Software");
    default: return QSqlQueryModel::headerData(section, orientation, role);
  }
}

}  // namespace sites
