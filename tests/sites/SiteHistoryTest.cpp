// A site's history on a real SQLite file: snapshots stored once per
// content, the timeline of snapshots and journal sessions, the names users
// type, pruning, and a writer killed in the middle of a snapshot.
#include <gtest/gtest.h>

#include <csignal>

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimeZone>

#include "sites/SiteHistory.h"
#include "sites/SitesDatabase.h"
#include "tests/support/TestSeams.h"

namespace {

using sites::EntryName;
using sites::SiteHistory;
using Outcome = SiteHistory::Stored::Outcome;

QDateTime Utc(int day, int hour, int minute, int ms = 0) {
  return QDateTime(QDate(2026, 12, day), QTime(hour, minute, 0, ms), QTimeZone::utc());
}

QByteArray File(const char* value) {
  return QByteArray("format = 1\npanel-software = \"2.10\"\n\n[parameters]\n\"P60 area A\" = ") + value + "  # Été\n";
}

class SiteHistoryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    database = std::make_unique<sites::SitesDatabase>(dir.filePath(QStringLiteral("sites.db")));
    ASSERT_EQ(database->open(), sites::SitesDatabase::State::Ready);
    shop = add(QStringLiteral("Shop"));
    farm = add(QStringLiteral("Farm"));
  }
  qint64 add(const QString& name) {
    sites::Site site;
    site.name = name;
    site.address = QStringLiteral("127.0.0.1");
    EXPECT_EQ(database->add(site), sites::SitesDatabase::Write::Done);
    return site.id;
  }
  SiteHistory::Stored snapshot(qint64 site, const char* value, const QDateTime& when) {
    return history().addSnapshot(site, File(value), QStringLiteral("2.10"), QStringLiteral("127.0.0.1:4700"), when,
                                 QStringLiteral("anna"));
  }
  // A session as the journal writes it.
  qint64 session(qint64 site, const QDateTime& start, const char* outcome) {
    QSqlQuery query(database->connection());
    query.prepare(QStringLiteral("INSERT INTO sessions (site_id, started_at, ended_at, pc_user, outcome) VALUES (?, ?, ?, 'ben', ?)"));
    query.addBindValue(site);
    query.addBindValue(SiteHistory::Stamp(start));
    query.addBindValue(SiteHistory::Stamp(start.addSecs(300)));
    query.addBindValue(QString::fromLatin1(outcome));
    EXPECT_TRUE(query.exec());
    return query.lastInsertId().toLongLong();
  }
  void change(qint64 session, int parameter, int entity, const char* before, const char* after) {
    QSqlQuery query(database->connection());
    query.prepare(QStringLiteral("INSERT INTO session_changes (session_id, parameter, entity, before_value, after_value) VALUES (?, ?, ?, ?, ?)"));
    for (const QVariant& value : {QVariant(session), QVariant(parameter), QVariant(entity),
                                  before ? QVariant(QString::fromLatin1(before)) : QVariant(),
                                  QVariant(QString::fromLatin1(after))})
      query.addBindValue(value);
    EXPECT_TRUE(query.exec());
  }
  QStringList names(qint64 site) {
    QStringList list;
    for (const sites::TimelineEntry& entry : history().timeline(site)) list << entry.name.text();
    return list;
  }
  SiteHistory history() { return SiteHistory(*database); }

  QTemporaryDir dir;
  std::unique_ptr<sites::SitesDatabase> database;
  qint64 shop = 0;
  qint64 farm = 0;
};

TEST_F(SiteHistoryTest, BackupsEqualToTheLatestAreStoredOnceAndTheTimelineMixesSessions) {
  const SiteHistory::Stored first = snapshot(shop, "30", Utc(22, 9, 0));
  ASSERT_EQ(first.outcome, Outcome::Added);
  EXPECT_EQ(snapshot(shop, "30", Utc(23, 9, 0)).outcome, Outcome::SameAsLatest);
  EXPECT_EQ(snapshot(shop, "30", Utc(23, 9, 0)).id, first.id);
  const qint64 changed = snapshot(shop, "45", Utc(24, 9, 0)).id;
  // Back to the first content: equal to an older snapshot but not the latest, so kept.
  const qint64 back = snapshot(shop, "30", Utc(25, 9, 0, 250)).id;
  EXPECT_EQ(snapshot(farm, "30", Utc(25, 9, 0)).outcome, Outcome::Added);
  const qint64 edit = session(shop, Utc(24, 12, 0), "ended");
  change(edit, 60, 1, "1E", "2D");
  change(edit, 1, 2, nullptr, "47 11 FF FF FF FF FF FF");
  const qint64 lost = session(shop, Utc(25, 9, 0, 500), "link lost");

  EXPECT_EQ(names(shop), (QStringList{EntryName{EntryName::Kind::Session, lost}.text(),
                                      QStringLiteral("S%1").arg(back), QStringLiteral("J%1").arg(edit),
                                      QStringLiteral("S%1").arg(changed), QStringLiteral("S%1").arg(first.id)}));
  const std::vector<sites::TimelineEntry> timeline = history().timeline(shop);
  EXPECT_EQ(timeline[1].when, Utc(25, 9, 0, 250));
  EXPECT_EQ(timeline[1].pcUser, QStringLiteral("anna"));
  EXPECT_EQ(timeline[1].route, QStringLiteral("127.0.0.1:4700"));
  EXPECT_EQ(timeline[2].changes, 2);
  EXPECT_EQ(timeline[2].ended, Utc(24, 12, 5));
  EXPECT_EQ(timeline[0].outcome, QStringLiteral("link lost"));

  // The file comes back byte for byte; the changes in parameter order, a missing before as empty.
  EXPECT_EQ(history().snapshotText(shop, changed), File("45"));
  EXPECT_EQ(history().snapshotText(farm, changed), std::nullopt);
  EXPECT_EQ(history().previousSnapshot(shop, back), changed);
  EXPECT_EQ(history().previousSnapshot(shop, first.id), std::nullopt);
  const std::vector<sites::SessionChange> changes = history().sessionChanges(edit);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].parameter, 1);
  EXPECT_EQ(changes[0].before, QString());
  EXPECT_EQ(changes[1].after, QStringLiteral("2D"));

  // The names users type.
  const struct {
    const char* typed;
    qint64 site;
    std::optional<qint64> snapshot;
  } cases[] = {{"latest", shop, back}, {"Previous", shop, changed}, {"latest", farm, back + 1},
               {"previous", farm, std::nullopt}, {"S1", farm, std::nullopt}, {"s1", shop, first.id},
               {"S99", shop, std::nullopt}, {"12", shop, std::nullopt}, {"S-1", shop, std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::optional<EntryName> name = history().resolve(c.site, QString::fromLatin1(c.typed));
    EXPECT_EQ(name.has_value(), c.snapshot.has_value());
    if (name && c.snapshot) {
      EXPECT_EQ(*name, (EntryName{EntryName::Kind::Snapshot, *c.snapshot}));
    }
  }
  EXPECT_EQ(history().resolve(shop, QStringLiteral("j%1").arg(edit)), (EntryName{EntryName::Kind::Session, edit}));
  EXPECT_EQ(history().resolve(farm, QStringLiteral("J%1").arg(edit)), std::nullopt);
}

TEST_F(SiteHistoryTest, PruningKeepsEachSitesLatestSnapshotAndEverySession) {
  const qint64 old1 = snapshot(shop, "1", Utc(1, 9, 0)).id;
  snapshot(shop, "2", Utc(10, 9, 0));
  const qint64 kept = snapshot(shop, "3", Utc(20, 9, 0)).id;
  const qint64 farmOnly = snapshot(farm, "1", Utc(2, 9, 0)).id;
  const qint64 journal = session(shop, Utc(1, 8, 0), "ended");
  change(journal, 60, 1, "1E", "2D");

  // A cut the day after 10 December, one site: the other site is not touched.
  EXPECT_EQ(history().prune(shop, Utc(11, 0, 0)), 2);
  EXPECT_EQ(names(shop), (QStringList{QStringLiteral("S%1").arg(kept), QStringLiteral("J%1").arg(journal)}));
  EXPECT_EQ(names(farm), QStringList{QStringLiteral("S%1").arg(farmOnly)});
  // Everything older than the future: each site keeps its newest snapshot.
  EXPECT_EQ(history().prune(0, Utc(31, 0, 0)), 0);
  EXPECT_EQ(history().snapshotText(shop, old1), std::nullopt);
  EXPECT_EQ(history().sessionChanges(journal).size(), 1u);
  EXPECT_EQ(names(farm).size(), 1);
}

// A child that stores large snapshots of the site in a loop is killed at a
// random moment, again and again: the list stays consistent and what was
// stored before stays as it was.
TEST_F(SiteHistoryTest, WriterKilledWhileStoringLeavesTheHistoryIntact) {
  const qint64 before = snapshot(shop, "30", Utc(20, 9, 0)).id;
  const QString path = dir.filePath(QStringLiteral("sites.db"));
  database.reset();
  for (int round = 0; round < 4; ++round) {
    QProcess writer;
    writer.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/history_writer"), {path, QString::number(shop)});
    ASSERT_TRUE(writer.waitForStarted(5000));
    ASSERT_TRUE(testseams::WaitFor([&] { return writer.canReadLine() || writer.waitForReadyRead(10); }, 10000));
    testseams::WaitFor([] { return false; }, static_cast<int>(QRandomGenerator::global()->bounded(20, 200)));
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    ASSERT_TRUE(writer.waitForFinished(5000));
  }
  database = std::make_unique<sites::SitesDatabase>(path);
  ASSERT_EQ(database->open(), sites::SitesDatabase::State::Ready) << database->problem().toStdString();
  QSqlQuery check(database->connection());
  ASSERT_TRUE(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
  EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
  EXPECT_EQ(history().snapshotText(shop, before), File("30"));
  // Every snapshot that did get in is whole: its text matches its hash.
  ASSERT_TRUE(check.exec(QStringLiteral("SELECT panel_file, content_hash FROM snapshots")));
  int whole = 0;
  while (check.next()) {
    EXPECT_EQ(QCryptographicHash::hash(check.value(0).toString().toUtf8(), QCryptographicHash::Sha256).toHex(),
              check.value(1).toString().toLatin1());
    ++whole;
  }
  EXPECT_GT(whole, 1);
}

}  // namespace
