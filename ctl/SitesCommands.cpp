#include "ctl/SitesCommands.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

#include "ctl/Commands.h"
#include "ctl/CtlText.h"
#include "ctl/ExitCode.h"
#include "ctl/PanelSession.h"
#include "ctl/Progress.h"
#include "sites/SecretStore.h"
#include "sites/SiteCsv.h"
#include "sites/SitesDatabase.h"

namespace ctl {
namespace {

using sites::SitesDatabase;

int ListSites(const CtlOptions& options, SitesDatabase& database, Progress& progress) {
  const std::vector<sites::Site> list = database.sites();
  if (!options.csvFile.isEmpty()) {
    const QByteArray csv = sites::SitesCsv(list);
    if (options.csvFile == QLatin1String("-")) {
      std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
      std::fflush(stdout);
      return kSuccess;
    }
    QSaveFile file(options.csvFile);
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit()) return kSuccess;
    Say(progress, Tr("cannot write %1: %2").arg(options.csvFile, file.errorString()));
    return kFileRefused;
  }
  if (list.empty()) {
    Say(progress, Tr("the sites list is empty (%1)").arg(database.path()));
    return kSuccess;
  }
  std::vector<QStringList> rows{{Tr("name"), Tr("account"), Tr("route"), Tr("last connected"), Tr("software")}};
  for (const sites::Site& site : list) {
    rows.push_back({site.name, site.account.isEmpty() ? QStringLiteral("-") : site.account, sites::RouteSummary(site),
                    site.lastConnected.isValid() ? site.lastConnected.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                                 : QStringLiteral("-"),
                    site.panelSoftware.isEmpty() ? QStringLiteral("-") : site.panelSoftware});
  }
  Print(Table(rows));
  return kSuccess;
}

int ImportSites(const CtlOptions& options, SitesDatabase& database, Progress& progress) {
  QFile file(options.file);
  if (!file.open(QIODevice::ReadOnly)) {
    Say(progress, Tr("cannot read %1: %2").arg(options.file, file.errorString()));
    return kFileRefused;
  }
  const auto parsed = sites::ParseSitesCsv(file.read(sites::kMaxSitesCsvBytes + 1));
  if (const auto* problem = std::get_if<sites::CsvProblem>(&parsed)) {
    Say(progress, problem->line > 0 ? Tr("%1:%2: %3; nothing was imported").arg(options.file).arg(problem->line).arg(problem->message)
                                    : Tr("%1: %2; nothing was imported").arg(options.file, problem->message));
    return kFileRefused;
  }
  SitesDatabase::Imported imported;
  if (database.import(std::get<std::vector<sites::Site>>(parsed), imported) != SitesDatabase::Write::Done) {
    Say(progress, Tr("%1: %2; nothing was imported").arg(options.file, database.lastError()));
    return kFileRefused;
  }
  Print(Tr("sites added: %1, updated: %2\n").arg(imported.added).arg(imported.updated));
  return kSuccess;
}

}  // namespace

int RunSites(const CtlOptions& options, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  switch (options.sitesAction) {
    case SitesAction::List: return ListSites(options, *database, progress);
    case SitesAction::Export: {
      CtlOptions asCsv = options;
      asCsv.csvFile = options.file;
      return ListSites(asCsv, *database, progress);
    }
    case SitesAction::Import: return ImportSites(options, *database, progress);
  }
  return kUsage;
}

int ApplySite(CtlOptions& options, Progress& progress) {
  SitesDatabase* database = OpenSitesList(progress);
  if (!database) return kFileRefused;
  const std::optional<sites::Site> found = database->findByName(options.site);
  if (!found) {
    Say(progress, Tr("--site: there is no site named '%1' (tarnelctl sites lists them)").arg(options.site));
    return kUsage;
  }
  const sites::Site& site = *found;
  options.siteId = site.id;
  sites::SecretStore& keyring = sites::SecretStore::instance();
  QObject saidOnce;
  QObject::connect(&keyring, &sites::SecretStore::keyringUnavailable, &saidOnce,
                   [&progress](const QString& reason) { Say(progress, sites::SecretStore::UnavailableNotice(reason)); });
  // A secret the command line and the environment did not give, from the keyring.
  const auto secret = [&](sites::Secret which) { return keyring.readNow(sites::SecretKey(site.name, which)).second; };
  switch (site.route) {
    case sites::RouteKind::Direct:
      options.host = site.address;
      options.callPort = static_cast<quint16>(site.port);
      options.route = site.modulePassword ? Route::CallWithPassword : Route::CallAuthorised;
      if (!site.modulePassword) {
        options.modulePassword.clear();
        break;
      }
      if (options.modulePassword.isEmpty()) options.modulePassword = secret(sites::Secret::ModulePassword);
      if (options.modulePassword.isEmpty()) {
        Say(progress, Tr("the site '%1' needs its module password, and the keyring has none: give it in "
                         "TARNEL_MODULE_PASSWORD or with --module-password")
                          .arg(site.name));
        return kUsage;
      }
      break;
    case sites::RouteKind::Receivers:
      options.route = Route::Receivers;
      options.receivers = site.receivers;
      options.account = site.account;
      options.callPort = static_cast<quint16>(site.port);
      break;
    case sites::RouteKind::Gsm:
      options.route = Route::Gsm;
      options.phone = site.phone;
      options.gsmProtocol = site.protocol;
      if (!options.gsmPasswordGiven) {
        // An empty GSM password is one too: only one the keyring has counts as given.
        const auto [outcome, value] = keyring.readNow(sites::SecretKey(site.name, sites::Secret::GsmPassword));
        if (outcome != sites::SecretStore::Outcome::Found) {
          Say(progress, Tr("the site '%1' needs its GSM password, and the keyring has none: give it with "
                           "--gsm-password")
                            .arg(site.name));
          return kUsage;
        }
        options.gsmPassword = value;
      }
      break;
  }
  if (options.needsProgramMode() && options.installerCode.isEmpty()) {
    options.installerCode = secret(sites::Secret::InstallerCode);
    static const QRegularExpression kDigits(QStringLiteral("^[0-9]{1,13}$"));
    if (!options.installerCode.isEmpty() && !kDigits.match(options.installerCode).hasMatch()) {
      Say(progress, Tr("the installer code of the site '%1' in the keyring is not 1 to 13 digits").arg(site.name));
      return kUsage;
    }
    if (options.installerCode.isEmpty()) {
      Say(progress, Tr("%1 needs the installer code: --installer-code, TARNEL_INSTALLER_CODE, or the site's "
                       "installer code in the keyring")
                        .arg(options.command == Command::Backup    ? QStringLiteral("backup")
                             : options.command == Command::Compare ? QStringLiteral("compare")
                                                                   : QStringLiteral("restore")));
      return kUsage;
    }
  }
  return kSuccess;
}

void RecordSiteConnection(const CtlOptions& options, const QString& software) {
  if (options.siteId == 0) return;
  sites::SharedSites().recordConnection(options.siteId, QDateTime::currentDateTimeUtc(), software);
}

std::unique_ptr<sites::SessionJournal> StartRestoreJournal(PanelSession& session, const CtlOptions& options,
                                                           Progress& progress) {
  if (options.siteId == 0 || options.dryRun) return nullptr;
  auto journal = std::make_unique<sites::SessionJournal>(
      sites::SharedSites(), options.siteId, sites::SessionLog::Kind::Restore, QFileInfo(options.file).fileName(),
      [&progress](const QString& notice) { Say(progress, notice); });
  sites::SessionJournal* watched = journal.get();
  panel::PanelLink::instance().setSendWatcher([watched](std::span<const std::uint8_t> bytes) { watched->sent(bytes); });
  session.setFrameWatcher([watched](const std::uint8_t* frame, std::size_t length) { watched->received(frame, length); });
  return journal;
}

void EndRestoreJournal(PanelSession& session, std::unique_ptr<sites::SessionJournal> journal) {
  if (!journal) return;
  bool done = session.linkLost();
  if (!done) {
    journal->readBack([&session](const panel::FrameBytes& reads) { session.send(reads); }, [&] {
      done = true;
      session.poke();
    });
    // The read-back bounds its own wait; a lost link or an interrupt ends it sooner.
    session.waitFor([&] { return done; }, -1);
  }
  journal->end(session.linkLost() ? sites::SessionLog::Outcome::LinkLost : sites::SessionLog::Outcome::Ended);
  panel::PanelLink::instance().setSendWatcher(nullptr);
  session.setFrameWatcher(nullptr);
}

sites::SitesDatabase* OpenSitesList(Progress& progress) {
  sites::SitesDatabase& database = sites::SharedSites();
  if (database.state() == sites::SitesDatabase::State::Ready) return &database;
  Say(progress, database.problem());
  return nullptr;
}

}  // namespace ctl
