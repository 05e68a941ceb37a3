#include "sites/widgets/HistoryDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/panelfiles/PanelFile.h"
#include "panelfiles/PanelFileSave.h"
#include "panelfiles/SlotTexts.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "sites/SitesDatabase.h"
#include "sites/widgets/PlainButton.h"

namespace sites {
// ---- the timeline

HistoryModel::HistoryModel(qint64 siteId, QObject* parent) : QSqlQueryModel(parent) {
  SitesDatabase& database = SharedSites();
  if (database.state() != SitesDatabase::State::Ready) return;
  QSqlQuery query(database.connection());
  query.prepare(SiteHistory::TimelineQuery());
  query.bindValue(QStringLiteral(":site"), siteId);
  query.exec();
  setQuery(std::move(query));
}

TimelineEntry HistoryModel::entry(int row) const { return SiteHistory::ReadEntry(record(row)); }

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  // The query's own values stay there for record(); the first columns show them as people read them.
  if (!index.isValid() || role != Qt::DisplayRole) return QSqlQueryModel::data(index, role);
  if (index.column() >= kColumns) return {};
  const TimelineEntry e = entry(index.row());
  switch (index.column()) {
    case Entry: return e.name.text();
    case Time: return e.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case User: return e.pcUser;
    case Kind: return EntryKindText(e);
    case Details: return EntryDetailsText(e);
    default: return {};
  }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= kColumns)
    return QSqlQueryModel::headerData(section, orientation, role);
  switch (section) {
    case Entry: return HistoryDlg::tr("Entry");
    case Time: return HistoryDlg::tr("Time");
    case User: return HistoryDlg::tr("PC user");
    case Kind: return HistoryDlg::tr("Kind");
    case Details: return HistoryDlg::tr("Details");
    default: return {};
  }
}

// ---- the window

HistoryDlg::HistoryDlg(const Site& site, QWidget* parent)
    : QDialog(parent), site_(site), model_(new HistoryModel(site.id, this)) {
  setWindowTitle(tr("History of %1").arg(site.name));
  timeline_ = new QTableView(this);
  timeline_->setObjectName(QStringLiteral("timeline"));
  timeline_->setModel(model_);
  for (int column = HistoryModel::kColumns; column < model_->columnCount(); ++column) timeline_->setColumnHidden(column, true);
  timeline_->setSelectionBehavior(QAbstractItemView::SelectRows);
  timeline_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  timeline_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  timeline_->setTabKeyNavigation(false);
  timeline_->verticalHeader()->hide();
  timeline_->horizontalHeader()->setStretchLastSection(true);
  auto* timelineLabel = new QLabel(tr("Entries (select two snapshots to compare them):"), this);
  timelineLabel->setBuddy(timeline_);
  timeline_->setAccessibleName(timelineLabel->text());

  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  details_ = new QTableWidget(this);
  details_->setObjectName(QStringLiteral("details"));
  details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  details_->setSelectionBehavior(QAbstractItemView::SelectRows);
  details_->setTabKeyNavigation(false);
  details_->verticalHeader()->hide();
  details_->horizontalHeader()->setStretchLastSection(true);
  // The summary names the table, so it reads as its label.
  summary_->setBuddy(details_);

  save_ = PlainButton(this, tr("Save as panel file…"), "save");
  write_ = PlainButton(this, tr("Write to panel…"), "write");
  close_ = PlainButton(this, tr("Close"), "close");
  write_->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(write_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(timelineLabel);
  layout->addWidget(timeline_, 2);
  layout->addWidget(summary_);
  layout->addWidget(details_, 3);
  layout->addLayout(buttons);
  setTabOrder(timeline_, details_);
  setTabOrder(details_, save_);
  setTabOrder(save_, write_);
  setTabOrder(write_, close_);

  connect(timeline_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { showSelection(); });
  connect(save_, &QPushButton::clicked, this, &HistoryDlg::saveAsPanelFile);
  connect(write_, &QPushButton::clicked, this, &HistoryDlg::writeToPanel);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  QSize wanted(860, 600);
  if (const QScreen* shown = screen()) wanted = wanted.boundedTo(shown->availableSize() * 9 / 10);
  resize(wanted);
  if (model_->rowCount() > 0)
    timeline_->selectRow(0);
  else
    showSelection();
  timeline_->setFocus();
}

void HistoryDlg::setWriteToPanel(std::function<void(const panelfiles::PanelImage&, const QString&)> write) {
  writeCommand_ = std::move(write);
  write_->setVisible(static_cast<bool>(writeCommand_));
  updateButtons();
}

std::vector<TimelineEntry> HistoryDlg::selectedEntries() const {
  QModelIndexList rows = timeline_->selectionModel()->selectedRows();
  // Newest first, as the timeline shows them.
  std::ranges::sort(rows, {}, &QModelIndex::row);
  std::vector<TimelineEntry> entries;
  for (const QModelIndex& row : rows) entries.push_back(model_->entry(row.row()));
  return entries;
}

std::optional<EntryName> HistoryDlg::selectedSnapshot() const {
  const std::vector<TimelineEntry> entries = selectedEntries();
  if (entries.size() != 1 || entries[0].name.kind != EntryName::Kind::Snapshot) return std::nullopt;
  return entries[0].name;
}

void HistoryDlg::updateButtons() {
  const bool one = selectedSnapshot().has_value();
  save_->setEnabled(one);
  write_->setEnabled(one && writeCommand_);
}

void HistoryDlg::fill(const QStringList& headers, const QList<QStringList>& rows) {
  details_->clear();
  details_->setColumnCount(static_cast<int>(headers.size()));
  details_->setRowCount(static_cast<int>(rows.size()));
  details_->setHorizontalHeaderLabels(headers);
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size() && c < headers.size(); ++c) details_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
  details_->resizeColumnsToContents();
  details_->setAccessibleName(summary_->text());
}

QList<QStringList> HistoryDlg::detailRows() const {
  QList<QStringList> cells;
  for (int r = 0; r < details_->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < details_->columnCount(); ++c) row << (details_->item(r, c) ? details_->item(r, c)->text() : QString());
    cells << row;
  }
  return cells;
}

void HistoryDlg::showSelection() {
  const std::vector<TimelineEntry> entries = selectedEntries();
  updateButtons();
  const bool twoSnapshots = entries.size() == 2 && std::ranges::all_of(entries, [](const TimelineEntry& e) {
                              return e.name.kind == EntryName::Kind::Snapshot;
                            });
  if (twoSnapshots) {
    showComparison(entries[1].name, entries[0].name);
    return;
  }
  if (entries.size() == 1 && entries[0].name.kind == EntryName::Kind::Session) {
    showSession(entries[0]);
    return;
  }
  if (entries.size() == 1) {
    const std::optional<qint64> previous = SiteHistory(SharedSites()).previousSnapshot(site_.id, entries[0].name.id);
    if (previous) {
      showComparison({EntryName::Kind::Snapshot, *previous}, entries[0].name);
      return;
    }
    summary_->setText(tr("%1 is the site's first snapshot: nothing earlier to compare it with.").arg(entries[0].name.text()));
  } else if (model_->rowCount() == 0) {
    summary_->setText(tr("The history of %1 is empty: it begins with the first backup of the site's panel.").arg(site_.name));
  } else {
    summary_->setText(tr("Select one entry to see its changes, or two snapshots to compare them."));
  }
  fill({}, {});
}

void HistoryDlg::showSession(const TimelineEntry& entry) {
  QList<QStringList> rows;
  for (const SessionChange& change : SiteHistory(SharedSites()).sessionChanges(entry.name.id)) {
    const int slot = panelfiles::SlotIndex(static_cast<std::uint8_t>(change.parameter), static_cast<std::uint8_t>(change.entity));
    if (slot < 0 || change.parameter > 0xFF || change.entity > 0xFF) {
      // A parameter this version does not know: its address and bytes as they are.
      const auto raw = [](const QString& hex) {
        return hex.isEmpty() ? tr("(no answer)") : QStringLiteral("raw ") + QString::fromLatin1(QByteArray::fromHex(hex.toLatin1()).toHex(' ').toUpper());
      };
      rows << QStringList{QStringLiteral("P%1").arg(change.parameter), QString::number(change.entity), raw(change.before),
                          raw(change.after), QString()};
      continue;
    }
    const auto value = [slot](const QString& hex) -> std::optional<params::Value> {
      const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
      return params::ValueFromBytes(*panelfiles::AllSlots()[static_cast<std::size_t>(slot)].parameter,
                                    {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    };
    rows << QStringList{QString::fromStdString(panelfiles::SlotTitle(slot)), QString::fromStdString(panelfiles::EntityText(slot)),
                        panelfiles::ReplyBytesText(slot, change.before, tr("(no answer)")),
                        panelfiles::ReplyBytesText(slot, change.after, tr("(no answer)")),
                        panelfiles::OptionChanges(slot, value(change.before), value(change.after))};
  }
  QString text = tr("%1: %n parameter(s) changed in this session.", "", static_cast<int>(rows.size())).arg(entry.name.text());
  if (entry.outcome == QLatin1String("link lost")) text += QLatin1Char(' ') + tr("The link was lost: the session is recorded as far as it got.");
  summary_->setText(text);
  fill({tr("Menu title"), tr("Entity"), tr("Before"), tr("After"), tr("Options that differ")}, rows);
}

std::optional<panelfiles::PanelImage> HistoryDlg::readSnapshot(const EntryName& name, QString& problem) const {
  auto image = SiteHistory(SharedSites()).snapshotImage(site_.id, name);
  if (const QString* why = std::get_if<QString>(&image)) {
    problem = *why;
    return std::nullopt;
  }
  return std::get<panelfiles::PanelImage>(std::move(image));
}

void HistoryDlg::showComparison(const EntryName& older, const EntryName& newer) {
  const auto compared = SiteHistory(SharedSites()).compareSnapshots(site_.id, older, newer);
  if (const QString* problem = std::get_if<QString>(&compared)) {
    summary_->setText(*problem);
    fill({}, {});
    return;
  }
  QList<QStringList> rows;
  for (const panelfiles::Difference& d : std::get<std::vector<panelfiles::Difference>>(compared))
    rows << panelfiles::DifferenceRow(d, tr("(none)"));
  summary_->setText(rows.isEmpty() ? tr("%1 and %2 hold the same.").arg(older.text(), newer.text())
                                   : tr("From %1 to %2: %n parameter(s) differ.", "", static_cast<int>(rows.size()))
                                         .arg(older.text(), newer.text()));
  fill({tr("Menu title"), tr("Entity"), tr("%1 value").arg(older.text()), tr("%1 value").arg(newer.text()),
        tr("Options that differ")},
       rows);
}

void HistoryDlg::saveAsPanelFile() {
  const std::optional<EntryName> name = selectedSnapshot();
  if (!name) return;
  const QString caption = tr("Save as panel file");
  QString problem;
  const std::optional<panelfiles::PanelImage> image = readSnapshot(*name, problem);
  if (!image) {
    platform::ShowMessage(this, caption, problem);
    return;
  }
  const QString path = platform::ChooseFileToSave(this, caption, tr("Panel files (*.toml)"), QStringLiteral("toml"));
  if (path.isEmpty()) return;
  QString error;
  if (!panelfiles::SavePanelFile(path, *image, error)) {
    platform::ShowMessage(this, caption, tr("The panel file %1 could not be written:\n%2").arg(path, error));
    return;
  }
  platform::ShowMessage(this, caption,
                        tr("Snapshot %1 saved to %2 (%n parameter(s)).", "", static_cast<int>(image->knownCount()))
                            .arg(name->text(), path),
                        platform::MessageBoxes::Kind::Information);
}

void HistoryDlg::writeToPanel() {
  const std::optional<EntryName> name = selectedSnapshot();
  if (!name || !writeCommand_) return;
  QString problem;
  const std::optional<panelfiles::PanelImage> image = readSnapshot(*name, problem);
  if (!image) {
    platform::ShowMessage(this, tr("Write to panel"), problem);
    return;
  }
  writeCommand_(*image, name->text());
}

}  // namespace sites
