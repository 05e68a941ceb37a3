#include "sites/SitesDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTimeZone>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "sites/SitesText.h"

namespace sites {
namespace {

// SQLite's primary result codes, as the driver reports them.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqliteConstraint = 19;

int PrimaryCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xFF; }

bool IsBusy(const QSqlError& error) {
  const int code = PrimaryCode(error);
  return code == kSqliteBusy || code == kSqliteLocked;
}

// The driver binds a null QString as NULL; the text columns hold '' instead.
QString Text(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

QString ToStored(const QDateTime& when) {
  return when.isValid() ? when.toUTC().toString(Qt::ISODate) : QString();
}

QDateTime FromStored(const QVariant& value) {
  if (value.isNull()) return {};
  QDateTime when = QDateTime::fromString(value.toString(), Qt::ISODate);
  if (when.isValid()) when.setTimeZone(QTimeZone::utc());
  return when;
}

// Statements of a schema file: each ends with ';' at the end of a line, a
// trigger with its "END;". Comment lines are left out.
QStringList Statements(const QString& script) {
  QStringList statements;
  QString current;
  bool inTrigger = false;
  for (const QString& rawLine : script.split(QLatin1Char('\n'))) {
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1String("--"))) continue;
    if (current.isEmpty()) inTrigger = line.startsWith(QLatin1String("CREATE TRIGGER"), Qt::CaseInsensitive);
    current += rawLine + QLatin1Char('\n');
    const bool ends = inTrigger ? line.compare(QLatin1String("END;"), Qt::CaseInsensitive) == 0 : line.endsWith(QLatin1Char(';'));
    if (ends) {
      statements << current.trimmed();
      current.clear();
    }
  }
  if (!current.trimmed().isEmpty()) statements << current.trimmed();
  return statements;
}

// The file is made before SQLite opens it, so it is never readable by
// others, not even for a moment; SQLite gives its log files the same mode.
bool CreatePrivateFile(const QString& path, QString& error) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    error = Tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    return false;
  }
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (fd < 0) {
    if (errno == EEXIST) return true;
    error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  ::close(fd);
  return true;
#else
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists()) {
    error = file.errorString();
    return false;
  }
  return true;
#endif
}

std::atomic<int> g_connections{0};

}  // namespace

QString SitesDatabase::DefaultPath() {
  // tarnelctl and the tests run under names of their own; the list is tarnel's.
  const QString application = QCoreApplication::applicationName();
  const QString organisation = QCoreApplication::organizationName();
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QCoreApplication::setApplicationName(application);
  QCoreApplication::setOrganizationName(organisation);
  return folder + QStringLiteral("/sites.db");
}

SitesDatabase::SitesDatabase(QString path)
    : path_(std::move(path)), connectionName_(QStringLiteral("sites-%1").arg(++g_connections)) {}

SitesDatabase::~SitesDatabase() {
  if (QSqlDatabase::contains(connectionName_)) {
    QSqlDatabase::database(connectionName_, false).close();
  }
  QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase SitesDatabase::connection() const { return QSqlDatabase::database(connectionName_, false); }

SitesDatabase::State SitesDatabase::refuse(State state, const QString& problem) {
  // Nothing more goes to a file we refused.
  if (QSqlDatabase::contains(connectionName_)) connection().close();
  state_ = state;
  problem_ = problem;
  return state_;
}

SitesDatabase::State SitesDatabase::open(int busyTimeoutMs) {
  busyTimeoutMs_ = busyTimeoutMs;
  problem_.clear();
  const QString shown = QDir::toNativeSeparators(path_);
  QString error;
  if (!CreatePrivateFile(path_, error))
    return refuse(State::Unusable, tr("The sites list %1 cannot be created: %2.").arg(shown, error));

  QSqlDatabase db = QSqlDatabase::contains(connectionName_) ? connection()
                                                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  if (!db.isValid())
    return refuse(State::Unusable, tr("The sites list cannot be opened: Qt's SQLite driver is missing."));
  db.setDatabaseName(path_);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
  if (!db.open()) return refuse(State::Unusable, tr("The sites list %1 cannot be opened: %2.").arg(shown, db.lastError().text()));

  // Only reads until the file is known to be ours and fit to use.
  QSqlQuery query(db);
  const auto failedRead = [&](const QSqlError& e) {
    if (IsBusy(e))
      return refuse(State::Locked, tr("The sites list %1 is held by another program. Close it and try again.").arg(shown));
    return refuse(State::Damaged, tr("The sites list %1 is damaged or is not a sites list (%2).").arg(shown, e.databaseText()));
  };
  if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) return failedRead(query.lastError());
  versionFound_ = query.value(0).toInt();
  if (versionFound_ > kSchemaVersion)
    return refuse(State::Newer, tr("The sites list %1 was written by a newer version of tarnel (list version %2, this "
                                   "version reads up to %3). Use the newer version, or keep this file aside and "
                                   "start a new list.")
                                    .arg(shown)
                                    .arg(versionFound_)
                                    .arg(kSchemaVersion));
  if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) return failedRead(query.lastError());
  if (query.value(0).toString() != QLatin1String("ok"))
    return refuse(State::Damaged, tr("The sites list %1 is damaged (%2).").arg(shown, query.value(0).toString()));
  if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")))
    return failedRead(query.lastError());
  QStringList tables;
  while (query.next()) tables << query.value(0).toString();
  if (versionFound_ == 0 && !tables.isEmpty())
    return refuse(State::Damaged, tr("The file %1 is a database, but not a sites list.").arg(shown));
  if (versionFound_ > 0 && !tables.contains(QLatin1String("sites")))
    return refuse(State::Damaged, tr("The sites list %1 is damaged (its table of sites is missing).").arg(shown));
  query.finish();

  if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) return failedRead(query.lastError());
  // With the log, NORMAL keeps the file consistent through a crash; only
  // the last writes before a power cut may be lost.
  query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
  query.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
  query.finish();
  if (versionFound_ < kSchemaVersion) return createOrUpgrade(versionFound_);
  state_ = State::Ready;
  return state_;
}

SitesDatabase::State SitesDatabase::createOrUpgrade(int version) {
  const QString shown = QDir::toNativeSeparators(path_);
  if (!begin()) {
    if (IsBusy(connection().lastError()))
      return refuse(State::Locked, tr("The sites list %1 is held by another program. Close it and try again.").arg(shown));
    return refuse(State::Unusable, tr("The sites list %1 cannot be written: %2.").arg(shown, lastError_));
  }
  QSqlDatabase db = connection();
  QSqlQuery query(db);
  bool ok = true;
  if (version == 0) {
    ok = runScript(QStringLiteral(":/sites/schema/schema.sql"));
  } else {
    for (int step = version + 1; ok && step <= kSchemaVersion; ++step)
      ok = runScript(QStringLiteral(":/sites/schema/upgrade-%1.sql").arg(step));
  }
  ok = ok && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
  if (!ok || !commit()) {
    const QString why = lastError_.isEmpty() ? query.lastError().text() : lastError_;
    db.rollback();
    if (version == 0) return refuse(State::Unusable, tr("The sites list %1 cannot be created: %2.").arg(shown, why));
    return refuse(State::Damaged,
                  tr("The sites list %1 (version %2) cannot be brought up to date: %3. It was left as it was.")
                      .arg(shown)
                      .arg(version)
                      .arg(why));
  }
  state_ = State::Ready;
  return state_;
}

bool SitesDatabase::runScript(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) {
    lastError_ = tr("the schema step %1 is missing from the program").arg(resource);
    return false;
  }
  QSqlQuery query(connection());
  for (const QString& statement : Statements(QString::fromUtf8(file.readAll()))) {
    if (!query.exec(statement)) {
      lastError_ = query.lastError().text();
      return false;
    }
  }
  return true;
}

QString SitesDatabase::keepAsideAndStartFresh() {
  if (QSqlDatabase::contains(connectionName_)) connection().close();
  const QString kept =
      path_ + QStringLiteral(".kept-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  // The log belongs to the file: what it holds is part of the list kept.
  for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
    if (QFile::exists(path_ + suffix)) QFile::rename(path_ + suffix, kept + suffix);
  if (!QFile::rename(path_, kept)) {
    problem_ = tr("The sites list %1 could not be moved aside.").arg(QDir::toNativeSeparators(path_));
    return {};
  }
  open(busyTimeoutMs_);
  return kept;
}

// ---- reading

QString SitesDatabase::SelectColumns() {
  return QStringLiteral(
      "id, name, account, notes, route, address, port, module_password, receiver1, receiver2, receiver3, receiver4, "
      "phone, protocol, last_connected, panel_software");
}

Site SitesDatabase::ReadSite(const QSqlRecord& row) {
  Site site;
  site.id = row.value(0).toLongLong();
  site.name = row.value(1).toString();
  site.account = row.value(2).toString();
  site.notes = row.value(3).toString();
  RouteFromWord(row.value(4).toString(), site.route);
  site.address = row.value(5).toString();
  site.port = row.value(6).toInt();
  site.modulePassword = row.value(7).toInt() != 0;
  for (int i = 0; i < kReceiverCount; ++i) site.receivers[static_cast<std::size_t>(i)] = row.value(8 + i).toString();
  site.phone = row.value(12).toString();
  site.protocol = row.value(13).toInt();
  site.lastConnected = FromStored(row.value(14));
  site.panelSoftware = row.value(15).toString();
  return site;
}

std::vector<Site> SitesDatabase::sites() const {
  std::vector<Site> list;
  if (state_ != State::Ready) return list;
  QSqlQuery query(connection());
  query.setForwardOnly(true);
  if (!query.exec(QStringLiteral("SELECT %1 FROM sites ORDER BY name").arg(SelectColumns()))) return list;
  while (query.next()) list.push_back(ReadSite(query.record()));
  return list;
}

std::optional<Site> SitesDatabase::find(qint64 id) const {
  if (state_ != State::Ready) return std::nullopt;
  QSqlQuery query(connection());
  query.prepare(QStringLiteral("SELECT %1 FROM sites WHERE id = ?").arg(SelectColumns()));
  query.addBindValue(id);
  if (!query.exec() || !query.next()) return std::nullopt;
  return ReadSite(query.record());
}

std::optional<Site> SitesDatabase::findByName(const QString& name) const {
  if (state_ != State::Ready) return std::nullopt;
  QSqlQuery query(connection());
  query.prepare(QStringLiteral("SELECT %1 FROM sites WHERE name = ?").arg(SelectColumns()));
  query.addBindValue(name);
  if (!query.exec() || !query.next()) return std::nullopt;
  return ReadSite(query.record());
}

int SitesDatabase::count() const {
  if (state_ != State::Ready) return 0;
  QSqlQuery query(connection());
  return query.exec(QStringLiteral("SELECT count(*) FROM sites")) && query.next() ? query.value(0).toInt() : 0;
}

// ---- writing

bool SitesDatabase::begin() {
  // IMMEDIATE takes the write lock at once, so a writer waits out another
  // one within the busy timeout instead of failing half-way.
  QSqlQuery query(connection());
  if (query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return true;
  lastError_ = IsBusy(query.lastError()) ? tr("the sites list is held by another program") : query.lastError().text();
  return false;
}

bool SitesDatabase::commit() {
  QSqlQuery query(connection());
  if (query.exec(QStringLiteral("COMMIT"))) return true;
  lastError_ = IsBusy(query.lastError()) ? tr("the sites list is held by another program") : query.lastError().text();
  return false;
}

SitesDatabase::Write SitesDatabase::fail(const QSqlError& error) {
  QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
  if (PrimaryCode(error) == kSqliteConstraint && error.databaseText().contains(QLatin1String("sites.name"))) {
    lastError_ = tr("a site of that name exists already");
    return Write::NameTaken;
  }
  lastError_ = IsBusy(error) ? tr("the sites list is held by another program") : error.text();
  if (PrimaryCode(error) == kSqliteCorrupt || PrimaryCode(error) == kSqliteNotADatabase)
    lastError_ = tr("the sites list is damaged");
  return Write::Failed;
}

SitesDatabase::Write SitesDatabase::fail(Write result, const QString& message) {
  lastError_ = message;
  return result;
}

void SitesDatabase::bind(QSqlQuery& query, const Site& site) const {
  query.bindValue(QStringLiteral(":name"), Text(site.name));
  query.bindValue(QStringLiteral(":account"), Text(site.account));
  query.bindValue(QStringLiteral(":notes"), Text(site.notes));
  query.bindValue(QStringLiteral(":route"), RouteWord(site.route));
  query.bindValue(QStringLiteral(":address"), Text(site.address));
  query.bindValue(QStringLiteral(":port"), site.port);
  query.bindValue(QStringLiteral(":module_password"), site.modulePassword ? 1 : 0);
  for (int i = 0; i < kReceiverCount; ++i)
    query.bindValue(QStringLiteral(":receiver%1").arg(i + 1), Text(site.receivers[static_cast<std::size_t>(i)]));
  query.bindValue(QStringLiteral(":phone"), Text(site.phone));
  query.bindValue(QStringLiteral(":protocol"), site.protocol);
  query.bindValue(QStringLiteral(":last_connected"),
                  site.lastConnected.isValid() ? QVariant(ToStored(site.lastConnected)) : QVariant());
  query.bindValue(QStringLiteral(":panel_software"), Text(site.panelSoftware));
}

namespace {
const char kInsert[] =
    "INSERT INTO sites (name, account, notes, route, address, port, module_password, receiver1, receiver2, "
    "receiver3, receiver4, phone, protocol, last_connected, panel_software) VALUES (:name, :account, :notes, "
    ":route, :address, :port, :module_password, :receiver1, :receiver2, :receiver3, :receiver4, :phone, :protocol, "
    ":last_connected, :panel_software)";
const char kUpdate[] =
    "UPDATE sites SET name = :name, account = :account, notes = :notes, route = :route, address = :address, "
    "port = :port, module_password = :module_password, receiver1 = :receiver1, receiver2 = :receiver2, receiver3 = "
    ":receiver3, receiver4 = :receiver4, phone = :phone, protocol = :protocol, last_connected = :last_connected, "
    "panel_software = :panel_software WHERE id = :id";
}  // namespace

SitesDatabase::Write SitesDatabase::add(Site& site) {
  if (state_ != State::Ready) return fail(Write::Failed, problem_);
  if (const QString problem = SiteProblem(site); !problem.isEmpty()) return fail(Write::Invalid, problem);
  if (!begin()) return Write::Failed;
  QSqlQuery query(connection());
  query.prepare(QString::fromLatin1(kInsert));
  bind(query, site);
  if (!query.exec()) return fail(query.lastError());
  const qint64 id = query.lastInsertId().toLongLong();
  if (!commit()) return fail(connection().lastError());
  site.id = id;
  return Write::Done;
}

SitesDatabase::Write SitesDatabase::update(const Site& site) {
  if (state_ != State::Ready) return fail(Write::Failed, problem_);
  if (const QString problem = SiteProblem(site); !problem.isEmpty()) return fail(Write::Invalid, problem);
  if (!begin()) return Write::Failed;
  QSqlQuery query(connection());
  query.prepare(QString::fromLatin1(kUpdate));
  bind(query, site);
  query.bindValue(QStringLiteral(":id"), site.id);
  if (!query.exec()) return fail(query.lastError());
  if (query.numRowsAffected() != 1) {
    QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
    return fail(Write::NotFound, tr("the site is no longer in the list"));
  }
  return commit() ? Write::Done : fail(connection().lastError());
}

SitesDatabase::Write SitesDatabase::remove(qint64 id) {
  if (state_ != State::Ready) return fail(Write::Failed, problem_);
  if (!begin()) return Write::Failed;
  QSqlQuery query(connection());
  query.prepare(QStringLiteral("DELETE FROM sites WHERE id = ?"));
  query.addBindValue(id);
  if (!query.exec()) return fail(query.lastError());
  const bool removed = query.numRowsAffected() == 1;
  if (!commit()) return fail(connection().lastError());
  return removed ? Write::Done : fail(Write::NotFound, tr("the site is no longer in the list"));
}

SitesDatabase::Write SitesDatabase::recordConnection(qint64 id, const QDateTime& when, const QString& software) {
  if (state_ != State::Ready) return fail(Write::Failed, problem_);
  if (!begin()) return Write::Failed;
  QSqlQuery query(connection());
  query.prepare(software.isEmpty() ? QStringLiteral("UPDATE sites SET last_connected = ? WHERE id = ?")
                                   : QStringLiteral("UPDATE sites SET last_connected = ?, panel_software = ? WHERE id = ?"));
  query.addBindValue(ToStored(when));
  if (!software.isEmpty()) query.addBindValue(software);
  query.addBindValue(id);
  if (!query.exec()) return fail(query.lastError());
  const bool found = query.numRowsAffected() == 1;
  if (!commit()) return fail(connection().lastError());
  return found ? Write::Done : fail(Write::NotFound, tr("the site is no longer in the list"));
}

SitesDatabase::Write SitesDatabase::import(const std::vector<Site>& list, Imported& result) {
  result = {};
  if (state_ != State::Ready) return fail(Write::Failed, problem_);
  for (const Site& site : list)
    if (const QString problem = SiteProblem(site); !problem.isEmpty())
      return fail(Write::Invalid, QStringLiteral("%1: %2").arg(site.name, problem));
  if (!begin()) return Write::Failed;
  Imported counted;
  for (const Site& site : list) {
    QSqlQuery find(connection());
    find.prepare(QStringLiteral("SELECT id FROM sites WHERE name = ?"));
    find.addBindValue(site.name);
    if (!find.exec()) return fail(find.lastError());
    QSqlQuery query(connection());
    if (find.next()) {
      query.prepare(QString::fromLatin1(kUpdate));
      bind(query, site);
      query.bindValue(QStringLiteral(":id"), find.value(0));
      ++counted.updated;
    } else {
      query.prepare(QString::fromLatin1(kInsert));
      bind(query, site);
      ++counted.added;
    }
    if (!query.exec()) return fail(query.lastError());
  }
  if (!commit()) return fail(connection().lastError());
  result = counted;
  return Write::Done;
}

// ---- the program's list

namespace {
std::unique_ptr<SitesDatabase>& OwnSites() {
  static std::unique_ptr<SitesDatabase> database;
  return database;
}
SitesDatabase* g_installed = nullptr;
}  // namespace

SitesDatabase& SharedSites() {
  if (g_installed) return *g_installed;
  std::unique_ptr<SitesDatabase>& own = OwnSites();
  if (!own) {
    own = std::make_unique<SitesDatabase>(SitesDatabase::DefaultPath());
    own->open();
    // Closed while Qt's SQL drivers are still there, not among the statics at exit.
    qAddPostRoutine([] { OwnSites().reset(); });
  }
  return *own;
}

void InstallSharedSites(SitesDatabase* database) { g_installed = database; }

}  // namespace sites
