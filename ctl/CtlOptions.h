#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <variant>

namespace ctl {

// How tarnelctl reaches the panel.
enum class Route {
  Listen,           // wait for the module to call in
  CallAuthorised,   // call the module, then wait for its call back
  CallWithPassword, // call the module with its password: a scrambled link
  Gsm,              // dial through the GSM modem
  Receivers,        // ask TCP receivers in turn; the module calls back (a site's route)
};

enum class Command { Backup, Compare, Restore, Events, Status, Sites, History, Diff };

// What "sites" does with the list.
enum class SitesAction { List, Import, Export };

struct CtlOptions {
  Route route = Route::Listen;
  quint16 listenPort = 4700;
  QString host;
  quint16 callPort = 4700;
  QString modulePassword;
  // The receivers route: tried in order, empty ones skipped, on callPort.
  std::array<QString, 4> receivers;
  QString account;
  QString phone;
  QString gsmPassword;
  bool gsmPasswordGiven = false;
  int gsmProtocol = 0;
  QStringList serialPorts;
  QString installerCode;
  int timeoutSeconds = 60;
  bool quiet = false;
  // --site: the route and its secrets come from the sites list and the
  // keyring when the command runs (what the command line gives wins).
  QString site;
  qint64 siteId = 0;

  Command command = Command::Status;
  QString file;     // backup, compare, restore
  bool dryRun = false;
  QString csvFile;  // events, sites: "-" is standard output
  SitesAction sitesAction = SitesAction::List;

  // A site's history. restore --from: the snapshot written instead of a
  // file; diff: the two entries compared; history: pruning instead of
  // listing when pruneBefore is valid.
  QString from;
  QString entryA;
  QString entryB;
  QDate pruneBefore;
  // backup and history --prune-before: every site of the list; backup: that
  // many panels at a time, each on a link of its own.
  bool allSites = false;
  int jobs = 4;

  // Whether the command works in program mode.
  bool needsProgramMode() const {
    return command == Command::Backup || command == Command::Compare || command == Command::Restore;
  }
};

// The options, or the exit status when the command line was answered
// without running (help, version, a bad argument: the option is named).
// What the environment gives instead of options, so that no secret need
// stand in a shell history or a process list.
struct CtlEnvironment {
  QString installerCode;   // TARNEL_INSTALLER_CODE, when --installer-code is not given
  QString modulePassword;  // TARNEL_MODULE_PASSWORD, when --module-password is not given
};
std::variant<CtlOptions, int> ParseCtlCommandLine(const QStringList& arguments, const CtlEnvironment& environment);

}  // namespace ctl
