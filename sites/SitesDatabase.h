#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "sites/Site.h"

namespace sites {

// The sites list: an SQLite file in tarnel's data folder, for its owner only,
// shared by every tarnel window and tarnelctl run at once (write-ahead log,
// a busy timeout, each write one transaction). Its schema carries a version
// and is brought forward one numbered step at a time inside a transaction. A
// file it cannot use (written by a newer version, damaged, or held by another
// program) is refused with a message and never written to; only
// keepAsideAndStartFresh() moves it out of the way.
//
// One object is one connection, used on the thread that opened it.
class SitesDatabase {
  Q_DECLARE_TR_FUNCTIONS(sites::SitesDatabase)

 public:
  static constexpr int kSchemaVersion = 3;
  static constexpr int kDefaultBusyTimeoutMs = 5000;

  enum class State {
    Closed,
    Ready,
    Newer,     // written by a later version of the program
    Damaged,   // not an SQLite file, corrupt, or not a sites list
    Locked,    // another program holds it longer than the busy timeout
    Unusable,  // cannot be created or opened (folder, permissions)
  };

  enum class Write { Done, NameTaken, Invalid, NotFound, Failed };

  // sites.db in tarnel's data folder (QStandardPaths::AppDataLocation of
  // tarnel, whichever program asks).
  static QString DefaultPath();

  explicit SitesDatabase(QString path);
  ~SitesDatabase();
  SitesDatabase(const SitesDatabase&) = delete;
  SitesDatabase& operator=(const SitesDatabase&) = delete;

  // Opens the file, creating it (0600) where there is none, and brings its
  // schema up to date. Anything but Ready leaves the file as it was and
  // problem() says why, in a sentence for the user.
  State open(int busyTimeoutMs = kDefaultBusyTimeoutMs);
  State state() const { return state_; }
  QString problem() const { return problem_; }
  QString path() const { return path_; }
  // The version the file had when it was opened (0 for a new one).
  int versionFound() const { return versionFound_; }

  // After Newer or Damaged: renames the file (with its log) to
  // "<name>.kept-<time>" and opens a new, empty list. The name kept, or empty
  // when the file could not be moved (problem() says why).
  QString keepAsideAndStartFresh();

  // In name order.
  std::vector<Site> sites() const;
  std::optional<Site> find(qint64 id) const;
  std::optional<Site> findByName(const QString& name) const;
  int count() const;

  // Each write is one transaction. add() gives the site its id.
  Write add(Site& site);
  Write update(const Site& site);
  Write remove(qint64 id);
  // A link to the site's panel stood at `when` (software may be empty: not
  // reported yet, keeps what was seen before).
  Write recordConnection(qint64 id, const QDateTime& when, const QString& software);

  // Adds the sites, or updates the ones whose name exists already (keeping
  // their id, and so their secrets and history), all or none.
  struct Imported {
    int added = 0;
    int updated = 0;
  };
  Write import(const std::vector<Site>& list, Imported& result);

  // Why the last write was not Done.
  QString lastError() const { return lastError_; }

  // For models on this connection's thread.
  QSqlDatabase connection() const;

  // Columns of the sites table in the order ReadSite() takes them.
  static QString SelectColumns();
  // A row of a query over SelectColumns().
  static Site ReadSite(const class QSqlRecord& row);

 private:
  State refuse(State state, const QString& problem);
  State createOrUpgrade(int version);
  bool runScript(const QString& resource);
  bool begin();
  Write fail(const class QSqlError& error);
  Write fail(Write result, const QString& message);
  bool commit();
  void bind(class QSqlQuery& query, const Site& site) const;

  QString path_;
  QString connectionName_;
  State state_ = State::Closed;
  QString problem_;
  QString lastError_;
  int versionFound_ = 0;
  int busyTimeoutMs_ = kDefaultBusyTimeoutMs;
};

// The sites list of this program, opened at its first use (never at
// start-up). Tests install their own.
SitesDatabase& SharedSites();
void InstallSharedSites(SitesDatabase* database);

}  // namespace sites
