// Each site's history through tarnelctl, against simulated panels: backups
// into the history, the diff of two snapshots, a snapshot written back,
// pruning, and backups of every site at once.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"
#include "tests/support/ToolRun.h"

namespace {

using testseams::SimProcess;
using testseams::ToolRun;

constexpr char kPassword[] = "installer1";

QStringList Cells(const QString& line) {
  static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
  return line.trimmed().split(gap);
}

class TarnelctlHistory : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // The tool with the test's own sites list and settings; the secrets of
  // every site from the environment, so no keyring is asked.
  ToolRun run(const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("TARNEL_INSTALLER_CODE"), QStringLiteral("9999"));
    env.insert(QStringLiteral("TARNEL_MODULE_PASSWORD"), QString::fromLatin1(kPassword));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnelctl"), arguments);
    if (!tool.waitForStarted(5000)) return {};
    return testseams::FinishRun(tool, 90000);
  }
  // A simulated panel whose module takes the password, and a site for it.
  SimProcess& addPanel(const QString& site) {
    sims.push_back(std::make_unique<SimProcess>(QStringList{"--listen", "0", "--password", kPassword}));
    const quint16 port = sims.back()->listeningPort();
    EXPECT_NE(port, 0);
    QFile csv(dir.filePath(site + QStringLiteral(".csv")));
    EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(QStringLiteral("name,route,address,port,module_password\n%1,direct,127.0.0.1,%2,yes\n").arg(site).arg(port).toUtf8());
    csv.close();
    EXPECT_EQ(run({"sites", "import", csv.fileName()}).exitCode, 0);
    return *sims.back();
  }
  static QString simParam(SimProcess& sim, const QString& command) {
    const qsizetype from = sim.output().size();
    sim.process().write((QStringLiteral("param ") + command + QLatin1Char('\n')).toUtf8());
    QString answer;
    testseams::WaitFor([&] {
      for (const QString& line : sim.output().mid(from).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("sim: "))) answer = line;
      return !answer.isEmpty();
    });
    return answer;
  }
  // The entries of the site's history, newest first.
  QStringList entries(const QString& site) {
    QStringList names;
    const QStringList lines = run({"history", "--site", site}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) names << Cells(lines[i]).first();
    return names;
  }

  QTemporaryDir dir;
  std::vector<std::unique_ptr<SimProcess>> sims;
};

TEST_F(TarnelctlHistory, TwoBackupsAChangeBetweenTheDiffNamesItAndTheOlderSnapshotGoesBack) {
  SimProcess& panel = addPanel(QStringLiteral("Shop"));
  const ToolRun first = run({"--site", "Shop", "backup"});
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_EQ(first.out, QStringLiteral("Shop: snapshot S1 stored (2332 parameters)\n"));
  ASSERT_EQ(simParam(panel, QStringLiteral("60 1 45")), QStringLiteral("sim: param 60/1 = 45"));
  const QString file = dir.filePath(QStringLiteral("shop.toml"));
  const ToolRun second = run({"--site", "Shop", "backup", file});
  ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
  EXPECT_EQ(second.out, QStringLiteral("2332 of 2332 parameters saved to %1\nShop: snapshot S2 stored (2332 parameters)\n").arg(file));
  // The snapshot is the file, byte for byte: the same panel again is not stored.
  EXPECT_EQ(run({"--site", "Shop", "backup"}).out, QStringLiteral("Shop: equal to snapshot S2, not stored again (2332 parameters)\n"));
  EXPECT_EQ(entries(QStringLiteral("Shop")), (QStringList{"S2", "S1"}));

  const ToolRun diff = run({"diff", "--site", "Shop", "previous", "latest"});
  EXPECT_EQ(diff.exitCode, 1) << diff.err.toStdString();
  const QStringList lines = diff.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << diff.out.toStdString();
  EXPECT_EQ(Cells(lines[0]), (QStringList{"Menu title", "Entity", "S1 value", "S2 value", "Options that differ"}));
  EXPECT_EQ(Cells(lines[1]), (QStringList{"Area > Armed Exit Delay Time", "area A", "60", "45"}));

  const ToolRun restore = run({"--site", "Shop", "restore", "--from", "S1"});
  ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString() << restore.out.toStdString();
  EXPECT_EQ(simParam(panel, QStringLiteral("60 1")), QStringLiteral("sim: param 60/1 = 60"));
  // The panel's whole store is the first one again.
  ASSERT_EQ(run({"--site", "Shop", "backup"}).out, QStringLiteral("Shop: snapshot S3 stored (2332 parameters)\n"));
  const ToolRun same = run({"diff", "--site", "Shop", "S1", "latest"});
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_EQ(same.out, QStringLiteral("S1 and S3 hold the same.\n"));

  // Pruning everything before tomorrow keeps the newest snapshot, and the
  // journal's session of the restore.
  const QString tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate);
  EXPECT_EQ(run({"history", "--prune-before", tomorrow, "--site", "Shop"}).out, QStringLiteral("snapshots removed: 2\n"));
  EXPECT_EQ(entries(QStringLiteral("Shop")), (QStringList{"S3", "J1"}));
}

TEST_F(TarnelctlHistory, AllSitesThreeAtATimeReportTheOneStoppedAndFail) {
  for (const char* site : {"Barn", "Cellar", "Farm", "Shop"}) addPanel(QString::fromLatin1(site));
  sims[1]->process().kill();
  sims[1]->process().waitForFinished(3000);
  const ToolRun all = run({"backup", "--all-sites", "--jobs", "3"});
  EXPECT_EQ(all.exitCode, 3) << all.out.toStdString() << all.err.toStdString();
  QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << all.out.toStdString();
  EXPECT_EQ(lines.takeLast(), QStringLiteral("3 of 4 sites backed up, 1 failed"));
  lines.sort();
  // Snapshot ids are the list's own: which site got S1 depends on who finished first.
  static const QRegularExpression stored(QStringLiteral("^(Barn|Farm|Shop): snapshot S[1-3] stored \\(2332 parameters\\)$"));
  for (const int i : {0, 2, 3}) EXPECT_TRUE(stored.match(lines[i]).hasMatch()) << lines[i].toStdString();
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Cellar: failed (exit 3): "))) << lines[1].toStdString();
  for (const char* site : {"Barn", "Farm", "Shop"}) EXPECT_EQ(entries(QString::fromLatin1(site)).size(), 1) << site;
  EXPECT_TRUE(entries(QStringLiteral("Cellar")).isEmpty());
}

TEST_F(TarnelctlHistory, RefusedHistoryArgumentsNameTheProblem) {
  addPanel(QStringLiteral("Shop"));
  const struct {
    QStringList arguments;
    const char* message;
  } cases[] = {
      {{"history"}, "history needs --site NAME"},
      {{"diff", "--site", "Shop", "S1"}, "diff needs two entries"},
      {{"diff", "--site", "Shop", "latest", "S7"}, "'latest' is no entry of the history of Shop"},
      {{"history", "--prune-before", "2026-12-32", "--site", "Shop"}, "--prune-before: '2026-12-32' is not a date"},
      {{"history", "--prune-before", "2026-12-25"}, "history --prune-before: give --site NAME or --all-sites"},
      {{"--site", "Shop", "compare", "--from", "S1"}, "--from: only restore takes it"},
      {{"--call", "127.0.0.1", "restore", "--from", "S1"}, "--from: the entry is one of a site's history"},
      {{"backup", "--all-sites", "--jobs", "0"}, "--jobs: '0' is not a number from 1 to 64"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ToolRun refused = run(c.arguments);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.startsWith(QStringLiteral("tarnelctl: ") + QString::fromUtf8(c.message))) << refused.err.toStdString();
  }
}

}  // namespace
