#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "core/panelfiles/PanelImage.h"
#include "sites/Site.h"

class QSqlRecord;

namespace sites {

class SitesDatabase;

// One entry of a site's history as people and scripts name it: "S12" is
// snapshot 12, "J7" program-mode session 7 of the journal. Ids are never
// given twice, so a name keeps meaning the same entry after pruning.
struct EntryName {
  enum class Kind { Snapshot, Session };
  Kind kind = Kind::Snapshot;
  qint64 id = 0;

  QString text() const;
  friend bool operator==(const EntryName&, const EntryName&) = default;
};

// A line of the timeline. Snapshots carry software and route; sessions their
// kind ("editors", "restore"), outcome, source and the number of changes.
struct TimelineEntry {
  EntryName name;
  QDateTime when;   // taken, or started
  QDateTime ended;  // sessions; invalid while running or never closed
  QString pcUser;
  QString software;
  QString route;
  QString sessionKind;
  QString outcome;
  QString source;
  int changes = 0;
};

// The kind of an entry as lists name it ("snapshot", "session", "restore"),
// and what else there is to say about it ("software 2.10 [005], 127.0.0.1:4701";
// "3 changes, ended 14:35:02").
QString EntryKindText(const TimelineEntry& entry);
QString EntryDetailsText(const TimelineEntry& entry);

// One parameter a session changed, as the journal holds it: the value bytes
// of the panel's replies in hex, empty where the panel gave none.
struct SessionChange {
  int parameter = 0;
  int entity = 0;
  QString before;
  QString after;
};

// Each site's configuration history in the sites list: whole-panel
// snapshots (panel files exactly as written) and the program-mode sessions
// the journal records. Works on the list's own connection; every write is
// one transaction, so a program killed half-way leaves the history as it was.
class SiteHistory {
  Q_DECLARE_TR_FUNCTIONS(sites::SiteHistory)

 public:
  explicit SiteHistory(SitesDatabase& database) : database_(database) {}

  struct Stored {
    enum class Outcome { Added, SameAsLatest, Failed };
    Outcome outcome = Outcome::Failed;
    // The snapshot added, or the latest one the backup equals.
    qint64 id = 0;
  };
  // Stores a backup as the site's newest snapshot, unless its text equals
  // the latest snapshot's (by SHA-256): a nightly backup of an unchanged
  // panel adds nothing.
  Stored addSnapshot(qint64 siteId, const QByteArray& panelFile, const QString& software, const QString& route,
                     const QDateTime& when, const QString& pcUser);
  // The same at this moment, by this PC's user, over the site's route.
  Stored addBackup(const Site& site, const QByteArray& panelFile, const QString& software);

  // Snapshots and sessions of a site, newest first, in one query.
  std::vector<TimelineEntry> timeline(qint64 siteId) const;
  // That query, for models: one row per entry with the columns of TimelineColumn; binds :site.
  static QString TimelineQuery();
  enum TimelineColumn {
    Kind = 0,  // 'S' or 'J'
    Id,
    When,
    Ended,
    PcUser,
    Software,
    Route,
    SessionKind,
    Outcome,
    Source,
    Changes,
    kTimelineColumns
  };
  static TimelineEntry ReadEntry(const QSqlRecord& row);

  // "S12", "J7", "latest" (the newest snapshot) or "previous" (the one
  // before it), in any case; nothing when the site has no such entry.
  std::optional<EntryName> resolve(qint64 siteId, const QString& text) const;
  // The panel file a snapshot of the site holds.
  std::optional<QByteArray> snapshotText(qint64 siteId, qint64 snapshotId) const;
  // The image a snapshot of the site holds, or why there is none (in a sentence).
  std::variant<panelfiles::PanelImage, QString> snapshotImage(qint64 siteId, const EntryName& name) const;
  // Where two snapshots of the site differ, left to right, or why they cannot be compared.
  std::variant<std::vector<panelfiles::Difference>, QString> compareSnapshots(qint64 siteId, const EntryName& left,
                                                                              const EntryName& right) const;
  // The snapshot taken just before this one, if any.
  std::optional<qint64> previousSnapshot(qint64 siteId, qint64 snapshotId) const;
  // The parameters a session changed, in parameter and entity order.
  std::vector<SessionChange> sessionChanges(qint64 sessionId) const;

  // Removes the snapshots taken before `before`, of one site (siteId) or of
  // all (0), never the newest snapshot of a site and never a session or
  // its changes. The number removed, or nothing after a failure.
  std::optional<int> prune(qint64 siteId, const QDateTime& before);

  QString lastError() const { return lastError_; }

  // A moment as the history stores it: UTC, ISO 8601 with milliseconds.
  static QString Stamp(const QDateTime& when);

 private:
  SitesDatabase& database_;
  QString lastError_;
};

}  // namespace sites
