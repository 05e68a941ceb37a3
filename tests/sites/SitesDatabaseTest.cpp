// The sites list on a real SQLite file: created for its owner only, brought
// forward from version 1, read and written; files it cannot use refused and
// left byte for byte; two connections writing at once.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>
#include <atomic>
#include <functional>

#include "sites/SessionJournal.h"
#include "sites/SitesDatabase.h"

namespace {

using sites::Site;
using sites::SitesDatabase;
using State = SitesDatabase::State;
using Write = SitesDatabase::Write;

Site ShopSite() {
  Site site;
  site.name = QStringLiteral("Shop, Rue d'Été 12");
  site.account = QStringLiteral("0815");
  site.notes = QStringLiteral("Key safe at the back door.\nCode \"A\" first.");
  site.route = sites::RouteKind::Direct;
  site.address = QStringLiteral("10.20.30.40");
  site.port = 4701;
  site.modulePassword = true;
  site.receivers = {QStringLiteral("192.0.2.1"), QString(), QStringLiteral("192.0.2.3"), QString()};
  site.phone = QStringLiteral("0612345678");
  site.protocol = 3;
  return site;
}

QByteArray Digest(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A connection of the test's own, beside the list's.
class RawFile {
 public:
  explicit RawFile(const QString& path) : name_(QStringLiteral("raw-%1").arg(++count_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.open();
  }
  ~RawFile() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  // Runs the statements (';' between them); the rows of the last, cells joined by '|'.
  QStringList exec(const QString& statements) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    QStringList rows;
    for (const QString& statement : statements.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      if (statement.trimmed().isEmpty()) continue;
      EXPECT_TRUE(query.exec(statement)) << statement.toStdString() << ": " << query.lastError().text().toStdString();
      rows.clear();
      while (query.next()) {
        QStringList cells;
        for (int i = 0; i < query.record().count(); ++i) cells << query.value(i).toString();
        rows << cells.join(QLatin1Char('|'));
      }
    }
    return rows;
  }

 private:
  QString name_;
  static inline int count_ = 0;
};

class SitesList : public testing::Test {
 protected:
  QString path(const QString& name = QStringLiteral("sites.db")) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(SitesList, NewListIsOwnerOnlyAndKeepsWhatIsWrittenAcrossConnections) {
  const QString file = dir.filePath(QStringLiteral("Vell/tarnel/sites.db"));
  Site shop = ShopSite();
  Site barn = ShopSite();
  barn.name = QStringLiteral("Barn");
  barn.route = sites::RouteKind::Gsm;
  {
    SitesDatabase db(file);
    ASSERT_EQ(db.open(), State::Ready) << db.problem().toStdString();
    EXPECT_EQ(db.versionFound(), 0);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    ASSERT_EQ(db.add(shop), Write::Done) << db.lastError().toStdString();
    ASSERT_EQ(db.add(barn), Write::Done);
    EXPECT_GT(shop.id, 0);
    EXPECT_NE(shop.id, barn.id);
  }
  SitesDatabase db(file);
  ASSERT_EQ(db.open(), State::Ready);
  EXPECT_EQ(db.versionFound(), 3);
  EXPECT_EQ(db.find(shop.id), shop);
  EXPECT_EQ(db.findByName(QStringLiteral("barn")), barn);  // names match regardless of case

  shop.notes = QStringLiteral("New key safe.");
  shop.route = sites::RouteKind::Receivers;
  ASSERT_EQ(db.update(shop), Write::Done);
  const QDateTime christmas(QDate(2026, 12, 25), QTime(18, 30, 5), QTimeZone::utc());
  ASSERT_EQ(db.recordConnection(shop.id, christmas, QStringLiteral("2.10 [005]")), Write::Done);
  ASSERT_EQ(db.recordConnection(shop.id, christmas.addSecs(60), QString()), Write::Done);
  const Site stored = *db.find(shop.id);
  EXPECT_EQ(stored.notes, QStringLiteral("New key safe."));
  EXPECT_EQ(stored.route, sites::RouteKind::Receivers);
  EXPECT_EQ(stored.lastConnected, christmas.addSecs(60));
  EXPECT_EQ(stored.panelSoftware, QStringLiteral("2.10 [005]"));  // kept while none is reported

  ASSERT_EQ(db.remove(barn.id), Write::Done);
  EXPECT_FALSE(db.find(barn.id));
  EXPECT_EQ(db.remove(barn.id), Write::NotFound);
  // An id once given is never given again: history may still name it.
  Site next = ShopSite();
  next.name = QStringLiteral("Next");
  ASSERT_EQ(db.add(next), Write::Done);
  EXPECT_GT(next.id, barn.id);
  EXPECT_EQ(db.count(), 2);
}

TEST_F(SitesList, RefusedWritesSayWhyAndChangeNothing) {
  SitesDatabase db(path());
  ASSERT_EQ(db.open(), State::Ready);
  Site shop = ShopSite();
  ASSERT_EQ(db.add(shop), Write::Done);
  Site again = ShopSite();
  again.name = QStringLiteral("SHOP, Rue d'Été 12");  // the same name in other letter case
  EXPECT_EQ(db.add(again), Write::NameTaken);
  EXPECT_EQ(db.lastError(), QStringLiteral("a site of that name exists already"));
  Site bad = ShopSite();
  bad.name = QStringLiteral("Bad");
  bad.address = QStringLiteral("10.20.30.256");
  EXPECT_EQ(db.add(bad), Write::Invalid);
  EXPECT_EQ(db.lastError(), QStringLiteral("the address '10.20.30.256' is not an IPv4 address"));
  Site gone = shop;
  gone.id = shop.id + 100;
  EXPECT_EQ(db.update(gone), Write::NotFound);
  EXPECT_EQ(db.count(), 1);
  EXPECT_EQ(db.find(shop.id), shop);
}

TEST_F(SitesList, ImportAddsNewNamesUpdatesKnownOnesAndIsAllOrNothing) {
  SitesDatabase db(path());
  ASSERT_EQ(db.open(), State::Ready);
  Site shop = ShopSite();
  ASSERT_EQ(db.add(shop), Write::Done);
  Site moved = ShopSite();
  moved.address = QStringLiteral("10.20.30.41");
  Site barn = ShopSite();
  barn.name = QStringLiteral("Barn");
  SitesDatabase::Imported imported;
  ASSERT_EQ(db.import({moved, barn}, imported), Write::Done);
  EXPECT_EQ(imported.added, 1);
  EXPECT_EQ(imported.updated, 1);
  EXPECT_EQ(db.find(shop.id)->address, QStringLiteral("10.20.30.41"));  // same id: secrets and history stay

  Site broken = ShopSite();
  broken.name = QStringLiteral("Cellar");
  broken.port = 0;
  moved.address = QStringLiteral("10.20.30.42");
  EXPECT_EQ(db.import({moved, broken}, imported), Write::Invalid);
  EXPECT_EQ(db.find(shop.id)->address, QStringLiteral("10.20.30.41"));
  EXPECT_EQ(db.count(), 2);
}

TEST_F(SitesList, VersionOneListIsBroughtForwardWithItsSites) {
  {
    QFile version1(QStringLiteral(":/sites/schema/upgrade-1.sql"));
    ASSERT_TRUE(version1.open(QIODevice::ReadOnly));
    QString script = QString::fromUtf8(version1.readAll());
    script.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    RawFile(path()).exec(script + QStringLiteral(";PRAGMA user_version = 1;"
                                                 "INSERT INTO sites (name, account, route, address, port, module_password) "
                                                 "VALUES ('Old shop', '0042', 'direct', '10.0.0.9', 4702, 1)"));
  }
  SitesDatabase db(path());
  ASSERT_EQ(db.open(), State::Ready) << db.problem().toStdString();
  EXPECT_EQ(db.versionFound(), 1);
  const std::optional<Site> old = db.findByName(QStringLiteral("Old shop"));
  ASSERT_TRUE(old);
  EXPECT_EQ(old->account, QStringLiteral("0042"));
  EXPECT_EQ(old->port, 4702);
  EXPECT_TRUE(old->modulePassword);
  EXPECT_FALSE(old->lastConnected.isValid());
  const QDateTime christmas(QDate(2026, 12, 25), QTime(18, 30), QTimeZone::utc());
  EXPECT_EQ(db.recordConnection(old->id, christmas, QStringLiteral("2.10 [005]")), Write::Done);

  // The steps from version 1 end where a new list begins.
  SitesDatabase fresh(path(QStringLiteral("fresh.db")));
  ASSERT_EQ(fresh.open(), State::Ready);
  RawFile upgraded(path());
  RawFile created(path(QStringLiteral("fresh.db")));
  EXPECT_EQ(upgraded.exec(QStringLiteral("PRAGMA user_version")), QStringList{"3"});
  for (const char* query : {"PRAGMA table_info(sites)", "PRAGMA index_list(sites)", "SELECT name FROM sqlite_master ORDER BY name",
                            "SELECT sql FROM sqlite_master WHERE tbl_name != 'sites' ORDER BY name"})
    EXPECT_EQ(upgraded.exec(QString::fromLatin1(query)), created.exec(QString::fromLatin1(query))) << query;
}

// Each kind of file the list cannot use: refused with a clear message, not a
// byte changed, and only an explicit fresh start moves it aside, whole.
TEST_F(SitesList, FilesItCannotUseAreRefusedAndLeftByteForByte) {
  struct Case {
    const char* what;
    std::function<void(const QString&)> make;
    State state;
    const char* message;
  };
  const auto sqlite = [](const char* statements) {
    return [statements](const QString& file) { RawFile(file).exec(QString::fromLatin1(statements)); };
  };
  const Case cases[] = {
      {"text, not a database",
       [](const QString& file) {
         QFile f(file);
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray("name,account\nShop,0815\n").repeated(200));
       },
       State::Damaged, "is damaged or is not a sites list"},
      {"a database cut short",
       [&](const QString& file) {
         {
           SitesDatabase db(file);
           ASSERT_EQ(db.open(), State::Ready);
           std::vector<Site> many(200, ShopSite());
           for (std::size_t i = 0; i < many.size(); ++i) {
             many[i].name = QStringLiteral("Site %1").arg(i);
             many[i].notes = QString(500, QLatin1Char('x'));
           }
           SitesDatabase::Imported imported;
           ASSERT_EQ(db.import(many, imported), Write::Done);
         }
         // Everything checkpointed into the file, then its second half lost.
         { RawFile(file).exec(QStringLiteral("PRAGMA journal_mode = DELETE")); }
         QFile f(file);
         ASSERT_TRUE(f.resize(f.size() / 2));
       },
       State::Damaged, "is damaged"},
      {"a later version",
       sqlite("CREATE TABLE sites (id INTEGER PRIMARY KEY, name TEXT, colour TEXT); PRAGMA user_version = 4"),
       State::Newer, "was written by a newer version of tarnel (list version 4, this version reads up to 3)"},
      {"another program's database",
       sqlite("CREATE TABLE invoices (id INTEGER PRIMARY KEY)"),
       State::Damaged, "is a database, but not a sites list"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString file = path(QString::fromLatin1(c.what).replace(QLatin1Char(' '), QLatin1Char('-')) + ".db");
    c.make(file);
    const QByteArray before = Digest(file);
    ASSERT_FALSE(before.isEmpty());
    {
      SitesDatabase db(file);
      EXPECT_EQ(db.open(), c.state);
      EXPECT_TRUE(db.problem().contains(QString::fromLatin1(c.message))) << db.problem().toStdString();
      EXPECT_TRUE(db.problem().contains(QDir::toNativeSeparators(file)));
      Site site = ShopSite();
      EXPECT_EQ(db.add(site), Write::Failed);
      EXPECT_TRUE(db.sites().empty());
    }
    EXPECT_EQ(Digest(file), before);

    SitesDatabase db(file);
    db.open();
    const QString kept = db.keepAsideAndStartFresh();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_EQ(Digest(kept), before);
    EXPECT_EQ(db.state(), State::Ready);
    EXPECT_EQ(db.count(), 0);
  }
}

TEST_F(SitesList, ListHeldByAnotherProgramIsRefusedUntilItLetsGo) {
  {
    SitesDatabase db(path());
    ASSERT_EQ(db.open(), State::Ready);
    Site shop = ShopSite();
    ASSERT_EQ(db.add(shop), Write::Done);
  }
  auto holder = std::make_unique<RawFile>(path());
  holder->exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE sites SET notes = 'held'"));
  {
    SitesDatabase db(path());
    EXPECT_EQ(db.open(100), State::Locked);
    EXPECT_TRUE(db.problem().contains(QStringLiteral("is held by another program"))) << db.problem().toStdString();
  }
  holder->exec(QStringLiteral("ROLLBACK"));
  holder.reset();
  SitesDatabase db(path());
  ASSERT_EQ(db.open(100), State::Ready);
  EXPECT_EQ(db.sites().front().notes, ShopSite().notes);
}

TEST_F(SitesList, SessionsGoOnUnjournalledWhereTheListCannotBeUsedAndSaySoOnce) {
  {
    SitesDatabase db(path());
    ASSERT_EQ(db.open(), State::Ready);
  }
  RawFile(path()).exec(QStringLiteral("PRAGMA user_version = 99"));
  SitesDatabase newer(path());
  ASSERT_EQ(newer.open(), State::Newer);

  QStringList told;
  std::vector<std::vector<std::uint8_t>> sent;
  for (int session = 0; session < 2; ++session) {
    sites::SessionJournal journal(newer, 1, sites::SessionLog::Kind::Editors, {},
                                  [&](const QString& notice) { told << notice; });
    // A write, then the end: no read-back goes out for a session nobody records.
    journal.sent(std::vector<std::uint8_t>{0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E, 0x7A, 0x04, 0x05, 0x11});
    bool done = false;
    journal.readBack([&](const panel::FrameBytes& bytes) { sent.emplace_back(bytes.view().begin(), bytes.view().end()); },
                     [&] { done = true; });
    EXPECT_TRUE(done);
    journal.end(sites::SessionLog::Outcome::Ended);
  }
  EXPECT_TRUE(sent.empty());
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].startsWith(QStringLiteral("Program-mode sessions are not put down in the site's history: The "
                                                "sites list")))
      << told[0].toStdString();
}

TEST_F(SitesList, TwoConnectionsWritingAtOnceLoseNothing) {
  { SitesDatabase(path()).open(); }
  constexpr int kEach = 100;
  std::atomic<int> failures{0};
  const auto writer = [&](const QString& prefix) {
    return QThread::create([&, prefix] {
      SitesDatabase db(path());
      if (db.open() != State::Ready) {
        failures += kEach;
        return;
      }
      for (int i = 0; i < kEach; ++i) {
        Site site = ShopSite();
        site.name = QStringLiteral("%1 %2").arg(prefix).arg(i);
        if (db.add(site) != Write::Done) ++failures;
        if (i % 10 == 0 && db.recordConnection(site.id, QDateTime::currentDateTimeUtc(), QString()) != Write::Done)
          ++failures;
      }
    });
  };
  std::unique_ptr<QThread> first(writer(QStringLiteral("North")));
  std::unique_ptr<QThread> second(writer(QStringLiteral("South")));
  first->start();
  second->start();
  ASSERT_TRUE(first->wait(60000));
  ASSERT_TRUE(second->wait(60000));
  EXPECT_EQ(failures, 0);
  SitesDatabase db(path());
  ASSERT_EQ(db.open(), State::Ready);
  EXPECT_EQ(db.count(), 2 * kEach);
  EXPECT_TRUE(db.findByName(QStringLiteral("North 99")));
  EXPECT_TRUE(db.findByName(QStringLiteral("South 0")));
}

}  // namespace
