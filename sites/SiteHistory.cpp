#include "sites/SiteHistory.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>

#include "core/panelfiles/PanelFile.h"
#include "sites/PcUser.h"
#include "sites/SitesDatabase.h"

namespace sites {
namespace {

QDateTime FromStamp(const QVariant& value) {
  if (value.isNull()) return {};
  QDateTime when = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
  if (when.isValid()) when.setTimeZone(QTimeZone::utc());
  return when;
}

// The newest snapshot first; two taken in the same millisecond by their ids.
constexpr char kNewestFirst[] = "ORDER BY taken_at DESC, id DESC";

}  // namespace

QString EntryName::text() const {
  return (kind == Kind::Snapshot ? QStringLiteral("S") : QStringLiteral("J")) + QString::number(id);
}

QString EntryKindText(const TimelineEntry& entry) {
  if (entry.name.kind == EntryName::Kind::Snapshot) return SiteHistory::tr("snapshot");
  return entry.sessionKind == QLatin1String("restore") ? SiteHistory::tr("restore") : SiteHistory::tr("session");
}

QString EntryDetailsText(const TimelineEntry& entry) {
  if (entry.name.kind == EntryName::Kind::Snapshot) {
    QStringList parts;
    if (!entry.software.isEmpty()) parts << SiteHistory::tr("software %1").arg(entry.software);
    if (!entry.route.isEmpty()) parts << entry.route;
    return parts.join(QStringLiteral(", "));
  }
  QStringList parts{SiteHistory::tr("changes: %1").arg(entry.changes)};
  if (entry.outcome == QLatin1String("link lost"))
    parts << SiteHistory::tr("link lost");
  else if (entry.outcome == QLatin1String("running") || !entry.ended.isValid())
    parts << SiteHistory::tr("not ended");
  else
    parts << SiteHistory::tr("ended %1").arg(entry.ended.toLocalTime().toString(QStringLiteral("HH:mm:ss")));
  if (!entry.source.isEmpty()) parts << SiteHistory::tr("from %1").arg(entry.source);
  return parts.join(QStringLiteral(", "));
}

QString SiteHistory::Stamp(const QDateTime& when) { return when.toUTC().toString(Qt::ISODateWithMs); }

SiteHistory::Stored SiteHistory::addSnapshot(qint64 siteId, const QByteArray& panelFile, const QString& software,
                                             const QString& route, const QDateTime& when, const QString& pcUser) {
  Stored stored;
  if (database_.state() != SitesDatabase::State::Ready) {
    lastError_ = database_.problem();
    return stored;
  }
  const QString hash = QString::fromLatin1(QCryptographicHash::hash(panelFile, QCryptographicHash::Sha256).toHex());
  QSqlDatabase db = database_.connection();
  QSqlQuery query(db);
  const auto failed = [&](const QSqlQuery& at) {
    lastError_ = at.lastError().text();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return stored;
  };
  // The write lock first: two backups of one site at once still compare
  // against the snapshot the other one stored.
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    lastError_ = query.lastError().text();
    return stored;
  }
  query.prepare(QStringLiteral("SELECT id, content_hash FROM snapshots WHERE site_id = ? %1 LIMIT 1").arg(QLatin1String(kNewestFirst)));
  query.addBindValue(siteId);
  if (!query.exec()) return failed(query);
  if (query.next() && query.value(1).toString() == hash) {
    stored = {Stored::Outcome::SameAsLatest, query.value(0).toLongLong()};
    query.finish();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return stored;
  }
  query.finish();
  query.prepare(QStringLiteral(
      "INSERT INTO snapshots (site_id, taken_at, pc_user, panel_software, route, content_hash, panel_file) "
      "VALUES (?, ?, ?, ?, ?, ?, ?)"));
  query.addBindValue(siteId);
  query.addBindValue(Stamp(when));
  query.addBindValue(pcUser.isNull() ? QStringLiteral("") : pcUser);
  query.addBindValue(software.isNull() ? QStringLiteral("") : software);
  query.addBindValue(route.isNull() ? QStringLiteral("") : route);
  query.addBindValue(hash);
  query.addBindValue(QString::fromUtf8(panelFile));
  if (!query.exec()) return failed(query);
  const qint64 id = query.lastInsertId().toLongLong();
  if (!query.exec(QStringLiteral("COMMIT"))) return failed(query);
  return {Stored::Outcome::Added, id};
}

SiteHistory::Stored SiteHistory::addBackup(const Site& site, const QByteArray& panelFile, const QString& software) {
  return addSnapshot(site.id, panelFile, software, RouteSummary(site), QDateTime::currentDateTimeUtc(), PcUserName());
}

QString SiteHistory::TimelineQuery() {
  // Sessions count their changes in the same statement: one query for a
  // timeline of any length, never one per row.
  return QStringLiteral(
      "SELECT 'S', id, taken_at AS at, NULL, pc_user, panel_software, route, '', '', '', 0 "
      "FROM snapshots WHERE site_id = :site "
      "UNION ALL "
      "SELECT 'J', id, started_at AS at, ended_at, pc_user, '', '', kind, outcome, source, "
      "(SELECT count(*) FROM session_changes WHERE session_id = sessions.id) "
      "FROM sessions WHERE site_id = :site "
      "ORDER BY at DESC, 1 DESC, 2 DESC");
}

TimelineEntry SiteHistory::ReadEntry(const QSqlRecord& row) {
  TimelineEntry entry;
  entry.name.kind = row.value(Kind).toString() == QLatin1String("S") ? EntryName::Kind::Snapshot : EntryName::Kind::Session;
  entry.name.id = row.value(Id).toLongLong();
  entry.when = FromStamp(row.value(When));
  entry.ended = FromStamp(row.value(Ended));
  entry.pcUser = row.value(PcUser).toString();
  entry.software = row.value(Software).toString();
  entry.route = row.value(Route).toString();
  entry.sessionKind = row.value(SessionKind).toString();
  entry.outcome = row.value(Outcome).toString();
  entry.source = row.value(Source).toString();
  entry.changes = row.value(Changes).toInt();
  return entry;
}

std::vector<TimelineEntry> SiteHistory::timeline(qint64 siteId) const {
  std::vector<TimelineEntry> entries;
  if (database_.state() != SitesDatabase::State::Ready) return entries;
  QSqlQuery query(database_.connection());
  query.setForwardOnly(true);
  query.prepare(TimelineQuery());
  query.bindValue(QStringLiteral(":site"), siteId);
  if (!query.exec()) return entries;
  while (query.next()) entries.push_back(ReadEntry(query.record()));
  return entries;
}

std::optional<EntryName> SiteHistory::resolve(qint64 siteId, const QString& text) const {
  if (database_.state() != SitesDatabase::State::Ready) return std::nullopt;
  const QString word = text.trimmed().toLower();
  QSqlQuery query(database_.connection());
  if (word == QLatin1String("latest") || word == QLatin1String("previous")) {
    query.prepare(QStringLiteral("SELECT id FROM snapshots WHERE site_id = ? %1 LIMIT 1 OFFSET ?").arg(QLatin1String(kNewestFirst)));
    query.addBindValue(siteId);
    query.addBindValue(word == QLatin1String("latest") ? 0 : 1);
    if (!query.exec() || !query.next()) return std::nullopt;
    return EntryName{EntryName::Kind::Snapshot, query.value(0).toLongLong()};
  }
  static const QRegularExpression kName(QStringLiteral("^([sj])([0-9]{1,18})$"));
  const QRegularExpressionMatch match = kName.match(word);
  if (!match.hasMatch()) return std::nullopt;
  const bool snapshot = match.captured(1) == QLatin1String("s");
  const EntryName name{snapshot ? EntryName::Kind::Snapshot : EntryName::Kind::Session, match.captured(2).toLongLong()};
  query.prepare(snapshot ? QStringLiteral("SELECT 1 FROM snapshots WHERE id = ? AND site_id = ?")
                         : QStringLiteral("SELECT 1 FROM sessions WHERE id = ? AND site_id = ?"));
  query.addBindValue(name.id);
  query.addBindValue(siteId);
  if (!query.exec() || !query.next()) return std::nullopt;
  return name;
}

std::optional<QByteArray> SiteHistory::snapshotText(qint64 siteId, qint64 snapshotId) const {
  if (database_.state() != SitesDatabase::State::Ready) return std::nullopt;
  QSqlQuery query(database_.connection());
  query.prepare(QStringLiteral("SELECT panel_file FROM snapshots WHERE id = ? AND site_id = ?"));
  query.addBindValue(snapshotId);
  query.addBindValue(siteId);
  if (!query.exec() || !query.next()) return std::nullopt;
  return query.value(0).toString().toUtf8();
}

std::variant<panelfiles::PanelImage, QString> SiteHistory::snapshotImage(qint64 siteId, const EntryName& name) const {
  const std::optional<QByteArray> text = snapshotText(siteId, name.id);
  if (!text) return tr("The snapshot %1 is not in the history.").arg(name.text());
  auto read = panelfiles::ReadPanelFile(std::string_view(text->constData(), static_cast<std::size_t>(text->size())));
  if (const auto* error = std::get_if<panelfiles::FileError>(&read))
    return tr("The snapshot %1 cannot be read: %2").arg(name.text(), QString::fromStdString(panelfiles::Describe(*error)));
  return std::get<panelfiles::PanelImage>(std::move(read));
}

std::variant<std::vector<panelfiles::Difference>, QString> SiteHistory::compareSnapshots(qint64 siteId,
                                                                                         const EntryName& left,
                                                                                         const EntryName& right) const {
  const std::optional<QByteArray> a = snapshotText(siteId, left.id);
  const std::optional<QByteArray> b = snapshotText(siteId, right.id);
  if (!a || !b) return tr("The snapshot %1 is not in the history.").arg((a ? right : left).text());
  // Two snapshots of one panel share nearly every line: only the others are read.
  const panelfiles::FilePair pair = panelfiles::WithoutSharedLines(std::string_view(a->constData(), static_cast<std::size_t>(a->size())),
                                                                   std::string_view(b->constData(), static_cast<std::size_t>(b->size())));
  std::vector<panelfiles::PanelImage> images;
  for (const auto& [text, name] : {std::pair{&pair.left, left}, std::pair{&pair.right, right}}) {
    auto read = panelfiles::ReadPanelFile(*text);
    if (const auto* error = std::get_if<panelfiles::FileError>(&read))
      return tr("The snapshot %1 cannot be read: %2").arg(name.text(), QString::fromStdString(panelfiles::Describe(*error)));
    images.push_back(std::get<panelfiles::PanelImage>(std::move(read)));
  }
  return panelfiles::Compare(images[0], images[1]);
}

std::optional<qint64> SiteHistory::previousSnapshot(qint64 siteId, qint64 snapshotId) const {
  if (database_.state() != SitesDatabase::State::Ready) return std::nullopt;
  QSqlQuery query(database_.connection());
  query.prepare(QStringLiteral(
      "SELECT s.id FROM snapshots s, snapshots t WHERE t.id = :id AND t.site_id = :site AND s.site_id = :site "
      "AND (s.taken_at < t.taken_at OR (s.taken_at = t.taken_at AND s.id < t.id)) "
      "ORDER BY s.taken_at DESC, s.id DESC LIMIT 1"));
  query.bindValue(QStringLiteral(":id"), snapshotId);
  query.bindValue(QStringLiteral(":site"), siteId);
  if (!query.exec() || !query.next()) return std::nullopt;
  return query.value(0).toLongLong();
}

std::vector<SessionChange> SiteHistory::sessionChanges(qint64 sessionId) const {
  std::vector<SessionChange> changes;
  if (database_.state() != SitesDatabase::State::Ready) return changes;
  QSqlQuery query(database_.connection());
  query.setForwardOnly(true);
  query.prepare(QStringLiteral("SELECT parameter, entity, before_value, after_value FROM session_changes "
                               "WHERE session_id = ? ORDER BY parameter, entity"));
  query.addBindValue(sessionId);
  if (!query.exec()) return changes;
  while (query.next())
    changes.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(), query.value(3).toString()});
  return changes;
}

std::optional<int> SiteHistory::prune(qint64 siteId, const QDateTime& before) {
  if (database_.state() != SitesDatabase::State::Ready) {
    lastError_ = database_.problem();
    return std::nullopt;
  }
  QSqlDatabase db = database_.connection();
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    lastError_ = query.lastError().text();
    return std::nullopt;
  }
  // Sessions and their changes are no snapshots: the journal is kept whole.
  query.prepare(QStringLiteral(
      "DELETE FROM snapshots WHERE taken_at < :before AND (:site = 0 OR site_id = :site) "
      "AND id <> (SELECT newest.id FROM snapshots newest WHERE newest.site_id = snapshots.site_id "
      "ORDER BY newest.taken_at DESC, newest.id DESC LIMIT 1)"));
  query.bindValue(QStringLiteral(":before"), Stamp(before));
  query.bindValue(QStringLiteral(":site"), siteId);
  if (!query.exec()) {
    lastError_ = query.lastError().text();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return std::nullopt;
  }
  const int removed = query.numRowsAffected();
  if (!query.exec(QStringLiteral("COMMIT"))) {
    lastError_ = query.lastError().text();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return std::nullopt;
  }
  return removed;
}

}  // namespace sites
