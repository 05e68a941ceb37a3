#pragma once

#include <QDialog>
#include <QSqlQueryModel>
#include <functional>
#include <optional>

#include "core/panelfiles/PanelImage.h"
#include "sites/Site.h"
#include "sites/SiteHistory.h"

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace sites {

// A site's timeline from one query: entry, time, PC user, kind, details
// (the query's further columns are for entry() and are hidden by the view).
// Rows are fetched as the view scrolls, so a long history opens at once.
class HistoryModel : public QSqlQueryModel {
  Q_OBJECT
 public:
  enum Column { Entry, Time, User, Kind, Details, kColumns };

  HistoryModel(qint64 siteId, QObject* parent = nullptr);

  TimelineEntry entry(int row) const;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
};

// The "History" window of one site: its snapshots and program-mode sessions,
// newest first. One session selected shows what it changed (before and
// after, as the panel reported them); one snapshot what changed since the
// site's snapshot before it; two snapshots are compared, older on the left.
// A snapshot may be saved as a panel file, or written to the panel while
// connected to the site.
class HistoryDlg : public QDialog {
  Q_OBJECT
 public:
  HistoryDlg(const Site& site, QWidget* parent = nullptr);

  // Offers "Write to panel…" while the site's panel is connected: runs the
  // restore of the snapshot's image, named by its entry ("S12").
  void setWriteToPanel(std::function<void(const panelfiles::PanelImage&, const QString&)> write);

  QTableView* timeline() const { return timeline_; }
  QTableWidget* details() const { return details_; }
  QLabel* summary() const { return summary_; }
  HistoryModel* model() const { return model_; }
  // The detail table's cells, row by row, for tests and for copying.
  QList<QStringList> detailRows() const;

 private:
  std::vector<TimelineEntry> selectedEntries() const;
  void showSelection();
  void showSession(const TimelineEntry& entry);
  void showComparison(const EntryName& older, const EntryName& newer);
  void fill(const QStringList& headers, const QList<QStringList>& rows);
  std::optional<panelfiles::PanelImage> readSnapshot(const EntryName& name, QString& problem) const;
  // The one snapshot selected, if that is the selection.
  std::optional<EntryName> selectedSnapshot() const;
  void saveAsPanelFile();
  void writeToPanel();
  void updateButtons();

  Site site_;
  HistoryModel* model_;
  QTableView* timeline_;
  QLabel* summary_;
  QTableWidget* details_;
  QPushButton* save_;
  QPushButton* write_;
  QPushButton* close_;
  std::function<void(const panelfiles::PanelImage&, const QString&)> writeCommand_;
};

}  // namespace sites
