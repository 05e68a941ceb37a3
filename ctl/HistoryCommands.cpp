#include "ctl/HistoryCommands.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QSaveFile>
#include <QTimeZone>
#include <deque>
#include <memory>

#include "core/panelfiles/PanelFile.h"
#include "ctl/Commands.h"
#include "ctl/CtlText.h"
#include "ctl/ExitCode.h"
#include "ctl/Interrupts.h"
#include "ctl/Progress.h"
#include "ctl/SitesCommands.h"
#include "sites/SiteCsv.h"
#include "sites/SiteHistory.h"
#include "sites/SitesDatabase.h"

namespace ctl {
namespace {

using sites::EntryName;
using sites::SiteHistory;
using sites::SitesDatabase;

std::optional<sites::Site> FindSite(SitesDatabase& database, const QString& name, Progress& progress) {
  std::optional<sites::Site> site = database.findByName(name);
  if (!site) Say(progress, Tr("--site: there is no site named '%1' (tarnelctl sites lists them)").arg(name));
  return site;
}

QString LocalTime(const QDateTime& when) {
  return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("-");
}

QString UtcTime(const QDateTime& when) { return when.isValid() ? SiteHistory::Stamp(when) : QString(); }

int ListHistory(const CtlOptions& options, SitesDatabase& database, const sites::Site& site, Progress& progress) {
  const std::vector<sites::TimelineEntry> entries = SiteHistory(database).timeline(site.id);
  if (!options.csvFile.isEmpty()) {
    QString csv = QStringLiteral("entry,time,pc_user,kind,software,route,outcome,ended,changes,source\r\n");
    for (const sites::TimelineEntry& e : entries) {
      const bool snapshot = e.name.kind == EntryName::Kind::Snapshot;
      QStringList row{e.name.text(), UtcTime(e.when), e.pcUser,
                      snapshot ? QStringLiteral("snapshot") : e.sessionKind, e.software, e.route, e.outcome,
                      UtcTime(e.ended), snapshot ? QString() : QString::number(e.changes), e.source};
      for (QString& field : row) field = sites::CsvField(field);
      csv += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    if (options.csvFile == QLatin1String("-")) {
      Print(csv);
      return kSuccess;
    }
    QSaveFile file(options.csvFile);
    const QByteArray bytes = csv.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return kSuccess;
    Say(progress, Tr("cannot write %1: %2").arg(options.csvFile, file.errorString()));
    return kFileRefused;
  }
  if (entries.empty()) {
    Say(progress, Tr("the history of %1 is empty: a backup of the site starts it").arg(site.name));
    return kSuccess;
  }
  std::vector<QStringList> rows{{Tr("entry"), Tr("time"), Tr("PC user"), Tr("kind"), Tr("details")}};
  for (const sites::TimelineEntry& e : entries)
    rows.push_back({e.name.text(), LocalTime(e.when), e.pcUser.isEmpty() ? QStringLiteral("-") : e.pcUser,
                    sites::EntryKindText(e), sites::EntryDetailsText(e)});
  Print(Table(rows));
  return kSuccess;
}

int Prune(const CtlOptions& options, SitesDatabase& database, Progress& progress) {
  qint64 siteId = 0;
  if (!options.allSites) {
    const std::optional<sites::Site> site = FindSite(database, options.site, progress);
    if (!site) return kUsage;
    siteId = site->id;
  }
  // The day begins at midnight where the user is, as the listing shows times.
  const QDateTime before(options.pruneBefore, QTime(0, 0), QTimeZone::systemTimeZone());
  SiteHistory history(database);
  const std::optional<int> removed = history.prune(siteId, before);
  if (!removed) {
    Say(progress, Tr("the history cannot be pruned: %1").arg(history.lastError()));
    return kFileRefused;
  }
  Print(Tr("snapshots removed: %1\n").arg(*removed));
  return kSuccess;
}

// A snapshot named by the user, or the exit status after saying why not.
std::variant<EntryName, int> ResolveSnapshot(SitesDatabase& database, const sites::Site& site, const QString& typed,
                                             Progress& progress) {
  const std::optional<EntryName> name = SiteHistory(database).resolve(site.id, typed);
  if (!name) {
    Say(progress, Tr("'%1' is no entry of the history of %2 (tarnelctl history --site '%2' lists them)").arg(typed, site.name));
    return kUsage;
  }
  if (name->kind != EntryName::Kind::Snapshot) {
    Say(progress, Tr("%1 is a program-mode session, not a snapshot of the whole panel").arg(name->text()));
    return kUsage;
  }
  return *name;
}

std::variant<panelfiles::PanelImage, int> ReadSnapshot(SitesDatabase& database, const sites::Site& site,
                                                       const EntryName& name, Progress& progress) {
  auto image = SiteHistory(database).snapshotImage(site.id, name);
  if (const QString* problem = std::get_if<QString>(&image)) {
    Say(progress, *problem);
    return kFileRefused;
  }
  return std::get<panelfiles::PanelImage>(std::move(image));
}

}  // namespace

int RunHistory(const CtlOptions& options, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  if (options.pruneBefore.isValid()) return Prune(options, *database, progress);
  const std::optional<sites::Site> site = FindSite(*database, options.site, progress);
  if (!site) return kUsage;
  return ListHistory(options, *database, *site, progress);
}

int RunDiff(const CtlOptions& options, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  const std::optional<sites::Site> site = FindSite(*database, options.site, progress);
  if (!site) return kUsage;
  std::vector<EntryName> names;
  for (const QString& typed : {options.entryA, options.entryB}) {
    const auto name = ResolveSnapshot(*database, *site, typed, progress);
    if (const int* refused = std::get_if<int>(&name)) return *refused;
    names.push_back(std::get<EntryName>(name));
  }
  const auto compared = SiteHistory(*database).compareSnapshots(site->id, names[0], names[1]);
  if (const QString* problem = std::get_if<QString>(&compared)) {
    Say(progress, *problem);
    return kFileRefused;
  }
  const auto& differences = std::get<std::vector<panelfiles::Difference>>(compared);
  const QString a = names[0].text();
  const QString b = names[1].text();
  if (differences.empty()) {
    Print(Tr("%1 and %2 hold the same.\n").arg(a, b));
    return kSuccess;
  }
  Print(Table(DifferenceTable(differences, Tr("%1 value").arg(a), Tr("%1 value").arg(b),
                              [](int) { return Tr("(none)"); })));
  Print(Tr("%1 parameters differ.\n").arg(differences.size()));
  return kDifferent;
}

std::variant<panelfiles::PanelImage, int> LoadSnapshot(CtlOptions& options, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  const std::optional<sites::Site> site = database->find(options.siteId);
  if (!site) return kUsage;
  const auto name = ResolveSnapshot(*database, *site, options.from, progress);
  if (const int* refused = std::get_if<int>(&name)) return *refused;
  options.file = std::get<EntryName>(name).text();
  return ReadSnapshot(*database, *site, std::get<EntryName>(name), progress);
}

int KeepSnapshot(const CtlOptions& options, const panelfiles::PanelImage& image, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  const std::optional<sites::Site> site = database->find(options.siteId);
  if (!site) {
    Say(progress, Tr("the site '%1' left the sites list: the backup is not kept in its history").arg(options.site));
    return kFileRefused;
  }
  SiteHistory history(*database);
  const QByteArray text = QByteArray::fromStdString(panelfiles::WritePanelFile(image));
  const SiteHistory::Stored stored = history.addBackup(*site, text, QString::fromStdString(image.softwareVersion));
  const QString name = EntryName{EntryName::Kind::Snapshot, stored.id}.text();
  switch (stored.outcome) {
    case SiteHistory::Stored::Outcome::Added:
      Print(Tr("%1: snapshot %2 stored (%3 parameters)\n").arg(site->name, name).arg(image.knownCount()));
      return kSuccess;
    case SiteHistory::Stored::Outcome::SameAsLatest:
      Print(Tr("%1: equal to snapshot %2, not stored again (%3 parameters)\n").arg(site->name, name).arg(image.knownCount()));
      return kSuccess;
    case SiteHistory::Stored::Outcome::Failed: break;
  }
  Say(progress, Tr("the history of %1 cannot be written: %2").arg(site->name, history.lastError()));
  return kFileRefused;
}

int RunBackupAllSites(const CtlOptions& options, Progress& progress, Interrupts& interrupts) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  // A module that calls back rings the one listening port: such sites go one
  // at a time; those called with the module password need no call back.
  std::deque<sites::Site> callOut;
  std::deque<sites::Site> callBack;
  const std::vector<sites::Site> list = database->sites();
  int overGsm = 0;
  for (const sites::Site& site : list) {
    if (site.route == sites::RouteKind::Gsm)
      ++overGsm;
    else if (site.route == sites::RouteKind::Direct && site.modulePassword)
      callOut.push_back(site);
    else
      callBack.push_back(site);
  }
  const auto total = static_cast<int>(callOut.size() + callBack.size());

  // The secrets given to this run go to each child by its environment, so
  // that they stand in no process list.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!options.installerCode.isEmpty()) environment.insert(QStringLiteral("TARNEL_INSTALLER_CODE"), options.installerCode);
  if (!options.modulePassword.isEmpty()) environment.insert(QStringLiteral("TARNEL_MODULE_PASSWORD"), options.modulePassword);

  struct Outcome {
    QString site;
    int exitCode = kSuccess;
  };
  std::vector<Outcome> outcomes;
  std::vector<std::unique_ptr<QProcess>> running;
  bool callBackBusy = false;
  bool interrupted = false;
  QEventLoop loop;
  std::function<void()> startMore;
  const auto finished = [&](QProcess* child, const QString& name, bool wasCallBack) {
    int code = child->exitStatus() == QProcess::NormalExit ? child->exitCode() : kInterrupted;
    QStringList said = QString::fromLocal8Bit(child->readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (child->error() == QProcess::FailedToStart) {
      code = kNoConnection;
      said = QStringList{Tr("tarnelctl could not be started: %1").arg(child->errorString())};
    }
    const QStringList out = QString::fromUtf8(child->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    progress.clear();
    if (code == kSuccess && !out.isEmpty()) {
      Print(out.last() + QLatin1Char('\n'));
    } else {
      if (code == kSuccess) code = kIncomplete;
      QString why = said.isEmpty() ? QString() : said.first();
      if (why.startsWith(QLatin1String("tarnelctl: "))) why = why.mid(11);
      Print(Tr("%1: failed (exit %2): %3\n").arg(name).arg(code).arg(why.isEmpty() ? Tr("no reason given") : why));
    }
    outcomes.push_back({name, code});
    if (wasCallBack) callBackBusy = false;
    const auto it = std::ranges::find_if(running, [child](const auto& p) { return p.get() == child; });
    if (it != running.end()) {
      it->release()->deleteLater();
      running.erase(it);
    }
    progress.count(Tr("Sites backed up"), static_cast<int>(outcomes.size()), total);
    startMore();
  };
  startMore = [&] {
    while (!interrupted && static_cast<int>(running.size()) < options.jobs) {
      const bool fromCallBack = !callBackBusy && !callBack.empty();
      if (!fromCallBack && callOut.empty()) break;
      std::deque<sites::Site>& queue = fromCallBack ? callBack : callOut;
      const sites::Site site = queue.front();
      queue.pop_front();
      if (fromCallBack) callBackBusy = true;
      auto child = std::make_unique<QProcess>();
      child->setProcessEnvironment(environment);
      QProcess* raw = child.get();
      QObject::connect(raw, &QProcess::finished, &loop,
                       [&finished, raw, name = site.name, fromCallBack] { finished(raw, name, fromCallBack); });
      // A child that never starts never finishes either.
      QObject::connect(raw, &QProcess::errorOccurred, &loop,
                       [&finished, raw, name = site.name, fromCallBack](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) finished(raw, name, fromCallBack);
                       });
      running.push_back(std::move(child));
      raw->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--site"), site.name, QStringLiteral("--listen"), QString::number(options.listenPort),
                  QStringLiteral("--timeout"), QString::number(options.timeoutSeconds), QStringLiteral("backup")});
    }
    if (running.empty()) loop.quit();
  };
  // Each child leaves its panel's program mode on SIGTERM before it ends.
  QObject::connect(&interrupts, &Interrupts::interrupted, &loop, [&] {
    interrupted = true;
    progress.step(Tr("Stopping the backups under way"));
    for (const auto& child : running) child->terminate();
  });
  progress.count(Tr("Sites backed up"), 0, total);
  QMetaObject::invokeMethod(&loop, [&] { startMore(); }, Qt::QueuedConnection);
  if (total > 0) loop.exec();
  progress.clear();

  int failed = 0;
  int code = kSuccess;
  for (const sites::Site& site : list) {
    const auto it = std::ranges::find_if(outcomes, [&](const Outcome& o) { return o.site == site.name; });
    if (it == outcomes.end() || it->exitCode == kSuccess) continue;
    ++failed;
    if (code == kSuccess) code = it->exitCode;
  }
  QString summary = Tr("%1 of %2 sites backed up, %3 failed").arg(static_cast<int>(outcomes.size()) - failed).arg(total).arg(failed);
  if (overGsm > 0) summary += Tr("; left out, reached over GSM: %1").arg(overGsm);
  Print(summary + QLatin1Char('\n'));
  if (interrupted) return kInterrupted;
  return code;
}

}  // namespace ctl
