// tarnelctl with the sites list, as a script runs it: sites import, export
// and list; --site with its secrets from a (private) keyring, the
// environment winning over it; and what it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <QSqlQuery>

#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"
#include "tests/support/PrivateKeyring.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"
#include "tests/support/ToolRun.h"

namespace {

using testseams::SimProcess;
using testseams::ToolRun;

class TarnelctlSites : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  void TearDown() override {
    for (const char* site : {"Shop", "Farm"}) sites::SecretStore::instance().removeSite(QString::fromLatin1(site));
    testseams::WaitFor([] { return false; }, 100);
  }

  // The tool with the test's own sites list and settings, on the private keyring's bus.
  ToolRun run(const QStringList& arguments, const QStringList& environment = {}) {
    QProcess tool;
    QProcessEnvironment env = testseams::PrivateKeyringEnvironment::keyring().environment();
    for (const char* name : {"TARNEL_INSTALLER_CODE", "TARNEL_MODULE_PASSWORD"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    for (const QString& pair : environment) env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnelctl"), arguments);
    if (!tool.waitForStarted(5000)) return {};
    return testseams::FinishRun(tool, 60000);
  }
  QString write(const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }

  QTemporaryDir dir;
};

TEST_F(TarnelctlSites, ImportExportAndListMoveTheListWithoutSecrets) {
  const QByteArray csv =
      "name,account,route,address,port,module_password,receiver1,receiver2,receiver3,receiver4,phone,protocol,notes,"
      "last_connected,panel_software\r\n"
      "Farm,0815,receivers,,4700,no,192.0.2.1,,192.0.2.3,,,0,,,\r\n"
      "Shop,,direct,10.0.0.5,4701,yes,,,,,,0,\"Key safe, back door\",2026-12-25T18:30:00Z,2.10 [005]\r\n";
  const ToolRun imported = run({"sites", "import", write(QStringLiteral("sites.csv"), csv)});
  ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
  EXPECT_EQ(imported.out, QStringLiteral("sites added: 2, updated: 0\n"));
  EXPECT_EQ(run({"sites", "export"}).out.toUtf8(), csv);
  EXPECT_EQ(run({"sites", "--csv"}).out.toUtf8(), csv);
  const ToolRun again = run({"sites", "import", dir.filePath(QStringLiteral("sites.csv"))});
  EXPECT_EQ(again.out, QStringLiteral("sites added: 0, updated: 2\n"));

  // Cells two blanks or more apart; the time shows in the PC's own zone.
  std::vector<QStringList> rows;
  for (const QString& line : run({"sites"}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    rows.push_back(line.split(QRegularExpression(QStringLiteral("\\s{2,}"))));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (QStringList{"name", "account", "route", "last connected", "software"}));
  EXPECT_EQ(rows[1], (QStringList{"Farm", "0815", "receivers 192.0.2.1, 192.0.2.3", "-", "-"}));
  const QString christmas =
      QDateTime(QDate(2026, 12, 25), QTime(18, 30), QTimeZone::utc()).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  EXPECT_EQ(rows[2], (QStringList{"Shop", "-", "10.0.0.5:4701, module password", christmas, "2.10 [005]"}));

  // A file with a fault changes nothing, and says where.
  const ToolRun refused =
      run({"sites", "import", write(QStringLiteral("bad.csv"), "name,route,address\nBarn,direct,10.0.0.9\nCellar,tunnel,\n")});
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("bad.csv:3: the route 'tunnel' is not direct, receivers or gsm; "
                                                  "nothing was imported")))
      << refused.err.toStdString();
  EXPECT_FALSE(run({"sites"}).out.contains(QStringLiteral("Barn")));
}

TEST_F(TarnelctlSites, SiteRouteTakesItsSecretsFromTheKeyringAndTheEnvironmentWins) {
  SimProcess sim({"--listen", "0", "--password", "installer1"});
  const quint16 port = sim.listeningPort();
  ASSERT_NE(port, 0);
  run({"sites", "import",
       write(QStringLiteral("s.csv"), QStringLiteral("name,route,address,port,module_password\nShop,direct,127.0.0.1,%1,yes\n")
                                          .arg(port)
                                          .toUtf8())});

  const ToolRun nothingKept = run({"--site", "Shop", "status"});
  EXPECT_EQ(nothingKept.exitCode, 2);
  EXPECT_TRUE(nothingKept.err.contains(QStringLiteral("the site 'Shop' needs its module password, and the keyring has none")))
      << nothingKept.err.toStdString();

  ASSERT_TRUE(sites::SecretStore::instance().writeNow(QStringLiteral("site/Shop/module password"), QStringLiteral("installer1")));
  const ToolRun status = run({"--site", "Shop", "status"});
  ASSERT_EQ(status.exitCode, 0) << status.err.toStdString();
  EXPECT_TRUE(status.out.startsWith(QStringLiteral("version:         2.10 [005]\n"))) << status.out.toStdString();
  EXPECT_TRUE(run({"sites"}).out.contains(QStringLiteral("2.10 [005]")));

  // The environment wins over the keyring: a wrong password is refused by the module.
  const ToolRun wrong = run({"--site", "Shop", "status"}, {"TARNEL_MODULE_PASSWORD=installer2"});
  EXPECT_EQ(wrong.exitCode, 3);
  EXPECT_TRUE(wrong.err.contains(QStringLiteral("Password error"))) << wrong.err.toStdString();
  // And it serves --call as well, so no password stands in the process list.
  const ToolRun called = run({"--call", QStringLiteral("127.0.0.1:%1").arg(port), "status"}, {"TARNEL_MODULE_PASSWORD=installer1"});
  EXPECT_EQ(called.exitCode, 0) << called.err.toStdString();
}

TEST_F(TarnelctlSites, ReceiverSiteIsReachedThroughItsReceiverAndTheCallBack) {
  const quint16 listen = testseams::FreeLoopbackPort();
  SimProcess sim({"--listen", "0", "--call-back", QString::number(listen)});
  const quint16 port = sim.listeningPort();
  run({"sites", "import",
       write(QStringLiteral("s.csv"), QStringLiteral("name,account,route,receiver2,port\nFarm,0815,receivers,127.0.0.1,%1\n")
                                          .arg(port)
                                          .toUtf8())});
  const ToolRun status = run({"--site", "Farm", "--listen", QString::number(listen), "status"});
  ASSERT_EQ(status.exitCode, 0) << status.err.toStdString() << sim.output().toStdString();
  EXPECT_TRUE(sim.waitForOutput(QStringLiteral("login-only (account): verdict 89 00")));
}

TEST_F(TarnelctlSites, RestoreOnASiteIsASessionOfItsHistoryWithWhatThePanelReported) {
  const quint16 listen = testseams::FreeLoopbackPort();
  SimProcess sim({"--listen", "0", "--call-back", QString::number(listen)});
  run({"sites", "import",
       write(QStringLiteral("s.csv"),
             QStringLiteral("name,route,address,port\nOffice,direct,127.0.0.1,%1\n").arg(sim.listeningPort()).toUtf8())});
  // Area A's exit delay from 60 to 45 s; area B's is 60 already.
  const QString file = write(QStringLiteral("delays.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 45\n"
                                                            "\"P60 area B\" = 60\n");
  const ToolRun restore = run({"--site", "Office", "--listen", QString::number(listen), "--installer-code", "9999",
                               "restore", file});
  ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString() << restore.out.toStdString();

  sites::SitesDatabase database(dir.filePath(QStringLiteral("data/Vell/tarnel/sites.db")));
  ASSERT_EQ(database.open(), sites::SitesDatabase::State::Ready);
  QSqlQuery query(database.connection());
  ASSERT_TRUE(query.exec(QStringLiteral(
      "SELECT kind, outcome, source, ended_at IS NOT NULL, parameter, entity, before_value, after_value "
      "FROM sessions JOIN session_changes ON session_changes.session_id = sessions.id")));
  ASSERT_TRUE(query.next());
  QStringList row;
  for (int i = 0; i < 8; ++i) row << query.value(i).toString();
  EXPECT_EQ(row, (QStringList{"restore", "ended", "delays.toml", "1", "60", "1", "3C", "2D"}));
  EXPECT_FALSE(query.next());
}

TEST_F(TarnelctlSites, RefusedSiteArgumentsNameTheProblem) {
  const struct {
    QStringList arguments;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"--site", "Nowhere", "status"}, 2, "--site: there is no site named 'Nowhere' (tarnelctl sites lists them)"},
      {{"--site", "Shop", "--call", "h", "status"}, 2, "--site: the site gives the route, not --call or --gsm"},
      {{"--site", "Shop", "--gsm-protocol", "2", "status"}, 2, "--gsm-protocol: the site gives it"},
      {{"sites", "--listen", "4700"}, 2, "sites: takes no route, code or --dry-run"},
      {{"sites", "import"}, 2, "sites import needs a FILE"},
      {{"sites", "purge"}, 2, "sites: 'purge' is not import or export"},
      {{"sites", "import", "/nonexistent/x.csv"}, 4, "cannot read /nonexistent/x.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ToolRun refused = run(c.arguments);
    EXPECT_EQ(refused.exitCode, c.exitCode);
    EXPECT_TRUE(refused.err.startsWith(QStringLiteral("tarnelctl: ") + QString::fromUtf8(c.message))) << refused.err.toStdString();
  }
}

}  // namespace
