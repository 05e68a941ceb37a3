#include "ctl/CtlRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <csignal>

#include "ctl/Commands.h"
#include "ctl/CtlText.h"
#include "ctl/ExitCode.h"
#include "ctl/HistoryCommands.h"
#include "ctl/Interrupts.h"
#include "ctl/PanelSession.h"
#include "ctl/Progress.h"
#include "ctl/SitesCommands.h"
#include "link/LinkSettings.h"
#include "link/PanelLink.h"

namespace ctl {
namespace {

int RunCommand(PanelSession& session, const CtlOptions& options, const panelfiles::PanelImage& file,
               Progress& progress) {
  switch (options.command) {
    case Command::Backup: return RunBackup(session, options, progress);
    case Command::Compare: return RunCompare(session, file, options, progress);
    case Command::Restore: {
      std::unique_ptr<sites::SessionJournal> journal = StartRestoreJournal(session, options, progress);
      const int code = RunRestore(session, file, options, progress);
      EndRestoreJournal(session, std::move(journal));
      return code;
    }
    case Command::Events: return RunEvents(session, options, progress);
    case Command::Status: return RunStatus(session, progress);
    case Command::Sites:
    case Command::History:
    case Command::Diff: break;  // need no panel: run before any link
  }
  return kUsage;
}

}  // namespace

int RunCtl(const CtlOptions& given) {
  // A reader of our output that went away must not end the run before the
  // panel is out of program mode.
  std::signal(SIGPIPE, SIG_IGN);
  Progress progress(!given.quiet);
  if (given.command == Command::Sites) return RunSites(given, progress);
  if (given.command == Command::History) return RunHistory(given, progress);
  if (given.command == Command::Diff) return RunDiff(given, progress);
  CtlOptions options = given;

  // Files are checked before the panel is called: a refused file writes nothing.
  // Ctrl+C still ends a read that blocks (a pipe nobody writes to): the
  // interrupts are caught only from here on.
  panelfiles::PanelImage file;
  if ((options.command == Command::Compare || options.command == Command::Restore) && options.from.isEmpty()) {
    auto loaded = LoadPanelFile(options.file, progress);
    if (const int* refused = std::get_if<int>(&loaded)) return *refused;
    file = std::get<panelfiles::PanelImage>(std::move(loaded));
  }
  Interrupts interrupts;
  if (options.allSites) return RunBackupAllSites(options, progress, interrupts);
  if (options.command == Command::Backup && !options.file.isEmpty() && !QFileInfo(options.file).absoluteDir().exists()) {
    Say(progress, Tr("cannot write %1: its folder does not exist").arg(options.file));
    return kFileRefused;
  }

  if (!options.site.isEmpty())
    if (const int refused = ApplySite(options, progress)) return refused;
  if (!options.from.isEmpty()) {
    auto loaded = LoadSnapshot(options, progress);
    if (const int* refused = std::get_if<int>(&loaded)) return *refused;
    file = std::get<panelfiles::PanelImage>(std::move(loaded));
  }

  // The link secrets tarnel uses, from its settings.
  QSettings settings(QStringLiteral("Vell"), QStringLiteral("tarnel"));
  panel::PanelLink::instance().setSecrets(panel::LoadLinkSecrets(settings));

  int code = kSuccess;
  {
    PanelSession session(options, progress, interrupts);
    code = session.open();
    const bool linked = code == kSuccess;
    if (code == kSuccess && options.needsProgramMode()) code = session.enterProgramMode();
    if (code == kSuccess) code = RunCommand(session, options, file, progress);
    if (linked) RecordSiteConnection(options, QString::fromStdString(session.status().version.value_or(std::string())));
    // A panel left in program mode does not protect the building: no run
    // that leaves it so counts as done.
    if (!session.close() && (code == kSuccess || code == kDifferent)) code = kLinkLost;
  }
  // Connections closed on the way out are deleted later; there is no later.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (code == kInterrupted) Say(progress, Tr("interrupted"));
  return code;
}

}  // namespace ctl
