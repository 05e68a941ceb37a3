// A site's history: its History window opened over 1,000 snapshots of a
// whole panel (from making the window to the timeline painted, the newest
// snapshot compared with the one before it on the way), the diff of two
// snapshots, and `tarnelctl backup --all-sites --jobs 8` against eight
// simulated panels beside the backup of one, over loopback and over a link
// of 10 ms round trip. Reports p50, p99 and max
// (manual time, milliseconds), and for the backups the ratio. The targets
// are under 100 ms, under 10 ms and under 2x.
//
//   history_bench [--benchmark_filter=...]   (offscreen unless a platform is set)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QThread>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>
#include <algorithm>
#include <cstdio>
#include <chrono>
#include <memory>
#include <vector>

#include "bench/WindowTiming.h"
#include "core/panelfiles/PanelFile.h"
#include "sites/SiteHistory.h"
#include "sites/SitesDatabase.h"
#include "sites/widgets/HistoryDlg.h"
#include "tests/core/panelfiles/SampleValues.h"

namespace {

using benchwindow::Clock;
using benchwindow::PaintWatch;
using benchwindow::Percentile;
using benchwindow::Report;
using benchwindow::UntilPainted;
constexpr int kSnapshots = 1000;
constexpr int kSessions = 200;
qint64 g_site = 0;

void BM_OpenHistoryWindow(benchmark::State& state) {
  const std::optional<sites::Site> site = sites::SharedSites().find(g_site);
  std::vector<double> millis;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    sites::HistoryDlg window(*site);
    PaintWatch watch(window.timeline()->viewport());
    window.show();
    const double ms = std::chrono::duration<double, std::milli>(UntilPainted(watch) - start).count();
    if (window.model()->rowCount() == 0 || window.detailRows().isEmpty()) state.SkipWithError("nothing shown");
    state.SetIterationTime(ms / 1000.0);
    millis.push_back(ms);
  }
  Report(state, millis);
}
BENCHMARK(BM_OpenHistoryWindow)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

// As `tarnelctl diff --site NAME previous latest` does it, without the process start.
void BM_DiffTwoSnapshots(benchmark::State& state) {
  sites::SiteHistory history(sites::SharedSites());
  const sites::EntryName latest = *history.resolve(g_site, QStringLiteral("latest"));
  const sites::EntryName previous = *history.resolve(g_site, QStringLiteral("previous"));
  std::vector<double> millis;
  std::size_t found = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const auto compared = history.compareSnapshots(g_site, previous, latest);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!std::holds_alternative<std::vector<panelfiles::Difference>>(compared)) {
      state.SkipWithError("the snapshots cannot be compared");
      return;
    }
    found = std::get<std::vector<panelfiles::Difference>>(compared).size();
    state.SetIterationTime(ms / 1000.0);
    millis.push_back(ms);
  }
  state.counters["differences"] = static_cast<double>(found);
  Report(state, millis);
}
BENCHMARK(BM_DiffTwoSnapshots)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- backups of every site

QProcessEnvironment ToolEnvironment(const QString& dataHome) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), dataHome + QStringLiteral("/config"));
  env.insert(QStringLiteral("TARNEL_INSTALLER_CODE"), QStringLiteral("9999"));
  env.insert(QStringLiteral("TARNEL_MODULE_PASSWORD"), QStringLiteral("installer1"));
  return env;
}

// Milliseconds the tool took, or a negative number when it failed.
double TimeTool(const QProcessEnvironment& env, const QStringList& arguments) {
  QProcess tool;
  tool.setProcessEnvironment(env);
  QElapsedTimer timer;
  timer.start();
  tool.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnelctl"), arguments);
  if (!tool.waitForFinished(120000) || tool.exitCode() != 0) {
    std::fprintf(stderr, "tarnelctl %s: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 tool.readAllStandardError().constData());
    return -1;
  }
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void BM_BackupAllSitesAgainstOne(benchmark::State& state) {
  QTemporaryDir dir;
  std::vector<std::unique_ptr<QProcess>> panels;
  QString csv = QStringLiteral("name,route,address,port,module_password\n");
  for (int i = 0; i < 8; ++i) {
    // A port free a moment ago; the simulator's log goes nowhere, as nobody reads it while a backup runs.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    auto sim = std::make_unique<QProcess>();
    sim->setStandardOutputFile(QProcess::nullDevice());
    sim->setStandardErrorFile(QProcess::nullDevice());
    sim->start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnel-sim"),
               {"--listen", QString::number(port), "--password", "installer1", "--latency-ms",
                QString::number(state.range(0))});
    if (!sim->waitForStarted(5000)) {
      state.SkipWithError("a simulated panel did not start");
      return;
    }
    csv += QStringLiteral("Panel %1,direct,127.0.0.1,%2,yes\n").arg(i + 1).arg(port);
    panels.push_back(std::move(sim));
  }
  QThread::msleep(300);  // the simulators listen
  QFile file(dir.filePath(QStringLiteral("sites.csv")));
  file.open(QIODevice::WriteOnly);
  file.write(csv.toUtf8());
  file.close();
  const QProcessEnvironment env = ToolEnvironment(dir.path());
  QProcess import;
  import.setProcessEnvironment(env);
  import.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnelctl"), {"sites", "import", file.fileName()});
  import.waitForFinished();

  std::vector<double> one;
  std::vector<double> all;
  for (auto _ : state) {
    const double single = TimeTool(env, {"--site", "Panel 1", "backup"});
    const double eight = TimeTool(env, {"backup", "--all-sites", "--jobs", "8"});
    if (single < 0 || eight < 0) {
      state.SkipWithError("a backup failed");
      return;
    }
    one.push_back(single);
    all.push_back(eight);
    state.SetIterationTime(eight / 1000.0);
  }
  for (auto& panel : panels) panel->kill();
  for (auto& panel : panels) panel->waitForFinished();
  state.counters["one_ms"] = Percentile(one, 0.5);
  state.counters["all8_ms"] = Percentile(all, 0.5);
  state.counters["ratio"] = Percentile(all, 0.5) / Percentile(one, 0.5);
}
// Over loopback as it is (a backup is bound by the two processes' work, so
// eight at once share the machine's cores), and with 5 ms each way, a near
// IP module (bound by the round trips, which eight links wait out together).
BENCHMARK(BM_BackupAllSitesAgainstOne)
    ->ArgName("latency_ms")
    ->Arg(0)
    ->Arg(5)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A site with a long history: full panels, each snapshot one value (the exit delay) apart, and journal sessions between them.
bool FillHistory(sites::SitesDatabase& database) {
  sites::Site site;
  site.name = QStringLiteral("Shop");
  site.address = QStringLiteral("10.0.0.1");
  if (database.add(site) != sites::SitesDatabase::Write::Done) return false;
  g_site = site.id;
  panelfiles::PanelImage image;
  image.softwareVersion = "2.10 [005]";
  const auto slotCount = static_cast<int>(panelfiles::AllSlots().size());
  for (int slot = 0; slot < slotCount; ++slot) image.set(slot, panelfilestest::SampleValue(slot));
  const int exitDelay = panelfiles::SlotIndex(60, 1);
  sites::SiteHistory history(database);
  const QDateTime start(QDate(2024, 1, 1), QTime(9, 0), QTimeZone::utc());
  QSqlQuery query(database.connection());
  for (int i = 0; i < kSnapshots; ++i) {
    image.set(exitDelay, params::Value{static_cast<std::uint32_t>(i % 250 + 1), {}});
    const auto stored = history.addSnapshot(g_site, QByteArray::fromStdString(panelfiles::WritePanelFile(image)),
                                            QStringLiteral("2.10 [005]"), QStringLiteral("10.0.0.1:4700"),
                                            start.addDays(i), QStringLiteral("anna"));
    if (stored.outcome == sites::SiteHistory::Stored::Outcome::Failed) return false;
    if (i % (kSnapshots / kSessions) != 0) continue;
    query.prepare(QStringLiteral("INSERT INTO sessions (site_id, started_at, ended_at, pc_user, outcome) VALUES (?, ?, ?, 'ben', 'ended')"));
    query.addBindValue(g_site);
    query.addBindValue(sites::SiteHistory::Stamp(start.addDays(i).addSecs(3600)));
    query.addBindValue(sites::SiteHistory::Stamp(start.addDays(i).addSecs(4200)));
    if (!query.exec()) return false;
    const qint64 session = query.lastInsertId().toLongLong();
    for (int p : {60, 61, 62}) {
      query.prepare(QStringLiteral("INSERT INTO session_changes (session_id, parameter, entity, before_value, after_value) VALUES (?, ?, 1, '1E', '2D')"));
      query.addBindValue(session);
      query.addBindValue(p);
      if (!query.exec()) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  QTemporaryDir dir;
  {
    sites::SitesDatabase database(dir.filePath(QStringLiteral("sites.db")));
    database.open();
    if (!FillHistory(database)) return 1;
    sites::InstallSharedSites(&database);
    benchmark::RunSpecifiedBenchmarks();
    sites::InstallSharedSites(nullptr);
  }
  benchmark::Shutdown();
  return 0;
}
