#include "ctl/CtlOptions.h"

#include <QCoreApplication>
#include <algorithm>

#include "connect/ConnectAttempt.h"
#include "core/keypad/CommandKeys.h"
#include "ctl/CtlText.h"
#include "core/link/LinkHandshake.h"
#include "platform/CommandLine.h"

namespace ctl {
namespace {

using connection::kMaxGsmPasswordChars;
using connection::kMaxPhoneChars;
using connection::kMinModulePasswordChars;
using connection::kModulePort;
constexpr int kMaxModulePasswordChars = static_cast<int>(panel::kMaxPasswordChars);

bool AllDigits(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QString Epilogue() {
  return Tr(
      "Commands:\n"
      "  backup FILE            save every parameter of the panel to FILE (a panel file, for its\n"
      "                         owner only); a backup that misses parameters goes to FILE.partial\n"
      "                         when FILE exists, so that no complete backup is replaced\n"
      "  compare FILE           show where the panel differs from FILE: menu title, entity,\n"
      "                         panel value, file value, the options that differ\n"
      "  restore FILE           write what differs from FILE to the panel, then read it back and\n"
      "                         report what was written, kept, not taken and not written, and why;\n"
      "                         --dry-run only reports what would be written\n"
      "\n"
      "Equal means equal in every byte and bit, for compare and restore alike. restore reports\n"
      "\"Written\" only where the panel then holds exactly the file's value. What no editor can\n"
      "write (a value no editor types, options no editor shows) is kept on the panel and listed\n"
      "as kept: that alone does not fail a restore, though compare still lists it.\n"
      "  events                 every event of the panel's memory, newest first, as the event\n"
      "                         window shows them, or as CSV with --csv\n"
      "  status                 the panel's version, clock, areas, zones, outputs and troubles\n"
      "  sites                  the sites list: name, account, route, last connected, software;\n"
      "                         --csv: as CSV\n"
      "  sites export [FILE]    the sites list as CSV (to standard output without FILE or with -),\n"
      "                         for another PC; no passwords or codes go with it\n"
      "  sites import FILE      add the sites of a CSV file, and update those of the same name;\n"
      "                         a file with a fault changes nothing\n"
      "\n"
      "Each site's history: every complete backup of a site is also kept in the sites list as a\n"
      "snapshot (time, PC user, panel software, route, the panel file), unless it equals the\n"
      "site's latest snapshot; program-mode sessions are kept there too. Entries are named\n"
      "S<n> (snapshot n) and J<n> (session n); latest and previous name the newest snapshot\n"
      "and the one before it.\n"
      "  backup --site NAME [FILE]\n"
      "                         back up the site's panel into its history (and to FILE if given)\n"
      "  backup --all-sites [--jobs N]\n"
      "                         back up every site reached over IP, N panels at a time (default\n"
      "                         4), each on a link of its own; sites whose module calls back share\n"
      "                         the listening port and go one at a time; one line per site, then a\n"
      "                         summary; the exit status of the first site that failed;\n"
      "                         TARNEL_MODULE_PASSWORD and TARNEL_INSTALLER_CODE, where set,\n"
      "                         serve every site, the keyring each site's own otherwise\n"
      "  history --site NAME [--csv [FILE]]\n"
      "                         the site's snapshots and sessions, newest first\n"
      "  history --prune-before YYYY-MM-DD --site NAME|--all-sites\n"
      "                         remove the snapshots taken before that day (local time), never a\n"
      "                         site's latest snapshot, never a session or its changes\n"
      "  diff --site NAME A B   compare two snapshots of the site in compare's table (exit 0: equal,\n"
      "                         1: different)\n"
      "  restore --site NAME --from ENTRY\n"
      "                         write a snapshot back to the site's panel, as restore FILE does\n"
      "\n"
      "backup, compare and restore put the panel into program mode with the installer code and\n"
      "always leave it before the program ends: on success, on an error and on Ctrl+C, SIGTERM,\n"
      "SIGHUP or SIGQUIT. Only a link that is lost leaves nothing to send it on (the program says\n"
      "so). A file that is refused is refused before the panel is called, and nothing is written\n"
      "from it.\n"
      "\n"
      "Routes (one of):\n"
      "  --listen PORT                          wait for the IP module to call in\n"
      "  --call HOST[:PORT] [--listen PORT]     call the module as an authorised PC; it calls\n"
      "                                         back on the listening port (default 4700)\n"
      "  --call HOST[:PORT] --module-password PW\n"
      "                                         call the module with its password (scrambled)\n"
      "  --gsm PHONE --gsm-password PW [--serial-ports LIST]\n"
      "                                         dial the GSM unit through the modem\n"
      "  --site NAME [--listen PORT]            the route of a site in tarnel's sites list, with its\n"
      "                                         passwords and installer code from the keyring\n"
      "                                         (options and the environment win); --listen: where\n"
      "                                         the module calls back (default 4700)\n"
      "\n"
      "Environment:\n"
      "  TARNEL_INSTALLER_CODE  the installer code when --installer-code is not given, so that\n"
      "                         the code need not stand in a shell history or a process list\n"
      "  TARNEL_MODULE_PASSWORD the module password when --module-password is not given: --call\n"
      "                         without --listen then logs in with it (scrambled)\n"
      "\n"
      "Progress goes to standard error when it is a terminal, never with --quiet.\n"
      "\n"
      "Exit status:\n"
      "  0    done; compare: the panel holds what the file holds; diff: the snapshots are equal\n"
      "  1    compare: the panel and the file differ; diff: the snapshots differ\n"
      "  2    a bad option or argument\n"
      "  3    the panel could not be reached, or refused the login\n"
      "  4    the file cannot be read or written, or was refused (syntax, unknown parameter,\n"
      "       value out of range, other format version); the sites list or a site's history\n"
      "       cannot be used\n"
      "  5    the link was lost while working, or program mode could not be left\n"
      "  6    the panel did not take the installer code (wrong code, or an area is armed)\n"
      "  7    the panel left parameters unanswered, or their values cannot be read over TCP\n"
      "       (a reply holding the byte 0x7E), or it did not take a value written;\n"
      "       status: the panel did not report all of its state\n"
      "  130  interrupted by Ctrl+C, SIGTERM, SIGHUP or SIGQUIT");
}

}  // namespace

std::variant<CtlOptions, int> ParseCtlCommandLine(const QStringList& arguments, const CtlEnvironment& environment) {
  platform::CommandLine line(QStringLiteral("tarnelctl"),
                             Tr("Back up, compare and restore the alarm panel's parameters, read its events and "
                                "status, from a script."));
  line.addPositionalArgument(QStringLiteral("command"), Tr("backup, compare, restore, events, status, sites, history or diff."),
                             QStringLiteral("command"));
  line.addPositionalArgument(QStringLiteral("FILE"),
                             Tr("The panel file of backup, compare and restore; sites import and export: "
                                "import or export, then the CSV file; diff: the two entries."),
                             QStringLiteral("[FILE]"));
  const QCommandLineOption listen(QStringLiteral("listen"),
                                  Tr("Wait on port for the IP module to call in (with --call: where it calls "
                                     "back; default 4700)."),
                                  QStringLiteral("port"));
  const QCommandLineOption call(QStringLiteral("call"), Tr("Call the IP module at host (port default 4700)."),
                                QStringLiteral("host[:port]"));
  const QCommandLineOption modulePassword(QStringLiteral("module-password"),
                                          Tr("Call the module with its password (8 to 14 characters)."),
                                          QStringLiteral("password"));
  const QCommandLineOption gsm(QStringLiteral("gsm"), Tr("Dial the GSM unit's phone number through the modem."),
                               QStringLiteral("phone"));
  const QCommandLineOption gsmPassword(QStringLiteral("gsm-password"),
                                      Tr("The GSM unit's password (up to 15 characters)."), QStringLiteral("password"));
  const QCommandLineOption gsmProtocol(QStringLiteral("gsm-protocol"),
                                      Tr("0 V.110 14400 bps (default), 1 V.110 9600, 2 V.32 14400, 3 V.32 9600."),
                                      QStringLiteral("n"), QStringLiteral("0"));
  const QCommandLineOption serialPorts(
      QStringLiteral("serial-ports"),
      Tr("Devices of port numbers 1 to 19, comma-separated (default: the system's serial ports)."),
      QStringLiteral("paths"));
  const QCommandLineOption installerCode(
      QStringLiteral("installer-code"),
      Tr("The installer code for program mode (default: $TARNEL_INSTALLER_CODE)."), QStringLiteral("digits"));
  const QCommandLineOption timeout(QStringLiteral("timeout"),
                                   Tr("Seconds to wait for the link to stand and the panel to show its state (default 60)."), QStringLiteral("seconds"),
                                   QStringLiteral("60"));
  const QCommandLineOption quiet(QStringLiteral("quiet"), Tr("No progress on standard error."));
  const QCommandLineOption dryRun(QStringLiteral("dry-run"), Tr("restore: report what would be written, write nothing."));
  const QCommandLineOption csv(QStringLiteral("csv"),
                               Tr("events, sites: write CSV to file (- or none: standard output)."),
                               QStringLiteral("file"));
  const QCommandLineOption site(QStringLiteral("site"),
                                Tr("Reach the panel by the route of the site of that name (tarnelctl sites lists them)."),
                                QStringLiteral("name"));
  const QCommandLineOption from(QStringLiteral("from"),
                                Tr("restore: write this entry of the site's history (S12, latest, previous)."),
                                QStringLiteral("entry"));
  const QCommandLineOption allSites(QStringLiteral("all-sites"),
                                    Tr("backup, history --prune-before: every site of the sites list."));
  const QCommandLineOption jobs(QStringLiteral("jobs"), Tr("backup --all-sites: panels at a time (default 4)."),
                                QStringLiteral("n"), QStringLiteral("4"));
  const QCommandLineOption pruneBefore(QStringLiteral("prune-before"),
                                       Tr("history: remove the snapshots taken before that day."),
                                       QStringLiteral("YYYY-MM-DD"));
  line.addOptions({listen, call, modulePassword, gsm, gsmPassword, gsmProtocol, serialPorts, installerCode, timeout,
                   quiet, dryRun, csv, site, from, allSites, jobs, pruneBefore});
  line.setEpilogue(Epilogue());
  line.setHintOnError(true);
  // "--csv" alone (last, or before another option) writes to standard output.
  QStringList given = arguments;
  for (qsizetype i = 0; i < given.size(); ++i) {
    if (given[i] != QLatin1String("--csv")) continue;
    if (i + 1 == given.size() || (given[i + 1].startsWith(QLatin1Char('-')) && given[i + 1] != QLatin1String("-")))
      given.insert(i + 1, QStringLiteral("-"));
  }
  if (const auto end = line.parse(given)) return *end;

  CtlOptions options;
  const QStringList words = line.positionalArguments();
  if (words.isEmpty()) return line.fail(Tr("no command given"));
  static const std::pair<const char*, Command> kCommands[] = {{"backup", Command::Backup},
                                                              {"compare", Command::Compare},
                                                              {"restore", Command::Restore},
                                                              {"events", Command::Events},
                                                              {"status", Command::Status},
                                                              {"sites", Command::Sites},
                                                              {"history", Command::History},
                                                              {"diff", Command::Diff}};
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [&](const auto& entry) { return words[0] == QLatin1String(entry.first); });
  if (found == std::end(kCommands)) return line.fail(Tr("unknown command '%1'").arg(words[0]));
  options.command = found->second;
  if (options.command == Command::Sites) {
    const bool anyRoute = line.isSet(listen) || line.isSet(call) || line.isSet(gsm) || line.isSet(site) ||
                          line.isSet(modulePassword) || line.isSet(gsmPassword) || line.isSet(installerCode) ||
                          line.isSet(dryRun);
    if (anyRoute) return line.fail(Tr("sites: takes no route, code or --dry-run"));
    const QString action = words.value(1);
    if (action.isEmpty()) {
      options.sitesAction = SitesAction::List;
    } else if (action == QLatin1String("import")) {
      options.sitesAction = SitesAction::Import;
      if (words.size() < 3) return line.fail(Tr("sites import needs a FILE"));
      options.file = words[2];
    } else if (action == QLatin1String("export")) {
      options.sitesAction = SitesAction::Export;
      options.file = words.value(2, QStringLiteral("-"));
    } else {
      return line.fail(Tr("sites: '%1' is not import or export").arg(action));
    }
    const qsizetype used = options.sitesAction == SitesAction::List ? 1 : (words.size() > 2 ? 3 : 2);
    if (words.size() > used) return line.fail(Tr("unexpected argument '%1'").arg(words[used]));
    if (line.isSet(csv)) {
      if (options.sitesAction != SitesAction::List) return line.fail(Tr("--csv: not with sites import or export"));
      options.csvFile = line.value(csv);
    }
    options.quiet = line.isSet(quiet);
    return options;
  }
  const bool historyOnly = options.command == Command::History || options.command == Command::Diff;
  if (historyOnly) {
    const bool anyRoute = line.isSet(listen) || line.isSet(call) || line.isSet(gsm) || line.isSet(modulePassword) ||
                          line.isSet(gsmPassword) || line.isSet(installerCode) || line.isSet(dryRun) ||
                          line.isSet(from) || line.isSet(jobs);
    if (anyRoute) return line.fail(Tr("%1: takes no route, code or --dry-run").arg(words[0]));
    options.site = line.value(site).trimmed();
    options.allSites = line.isSet(allSites);
    options.quiet = line.isSet(quiet);
    if (options.command == Command::Diff) {
      if (line.isSet(allSites) || line.isSet(pruneBefore) || line.isSet(csv))
        return line.fail(Tr("diff: takes --site NAME and two entries only"));
      if (options.site.isEmpty()) return line.fail(Tr("diff needs --site NAME"));
      if (words.size() < 3) return line.fail(Tr("diff needs two entries, for example: diff --site NAME previous latest"));
      if (words.size() > 3) return line.fail(Tr("unexpected argument '%1'").arg(words[3]));
      options.entryA = words[1];
      options.entryB = words[2];
      return options;
    }
    if (words.size() > 1) return line.fail(Tr("unexpected argument '%1'").arg(words[1]));
    if (line.isSet(pruneBefore)) {
      options.pruneBefore = QDate::fromString(line.value(pruneBefore), Qt::ISODate);
      if (!options.pruneBefore.isValid())
        return line.fail(Tr("--prune-before: '%1' is not a date YYYY-MM-DD").arg(line.value(pruneBefore)));
      if (options.site.isEmpty() == !options.allSites)
        return line.fail(Tr("history --prune-before: give --site NAME or --all-sites"));
      if (line.isSet(csv)) return line.fail(Tr("--csv: not with --prune-before"));
      return options;
    }
    if (options.allSites) return line.fail(Tr("--all-sites: history lists one site; --prune-before takes all"));
    if (options.site.isEmpty()) return line.fail(Tr("history needs --site NAME"));
    if (line.isSet(csv)) options.csvFile = line.value(csv);
    return options;
  }
  if (line.isSet(pruneBefore)) return line.fail(Tr("--prune-before: only history takes it"));
  if (line.isSet(from)) {
    if (options.command != Command::Restore) return line.fail(Tr("--from: only restore takes it"));
    if (!line.isSet(site)) return line.fail(Tr("--from: the entry is one of a site's history: give --site NAME"));
    options.from = line.value(from).trimmed();
    if (options.from.isEmpty()) return line.fail(Tr("--from: no entry given"));
  }
  if (line.isSet(allSites) || line.isSet(jobs)) {
    if (options.command != Command::Backup) return line.fail(Tr("--all-sites and --jobs: only backup takes them"));
    if (!line.isSet(allSites)) return line.fail(Tr("--jobs: only with --all-sites"));
    if (line.isSet(site) || line.isSet(call) || line.isSet(gsm))
      return line.fail(Tr("--all-sites: each site gives its route, not --site, --call or --gsm"));
    bool ok = false;
    options.jobs = line.value(jobs).toInt(&ok);
    if (!ok || options.jobs < 1 || options.jobs > 64)
      return line.fail(Tr("--jobs: '%1' is not a number from 1 to 64").arg(line.value(jobs)));
    options.allSites = true;
  }
  // A backup of a site goes into its history, so it needs no file; a
  // restore --from takes the snapshot instead of one.
  const bool fileOptional = (options.command == Command::Backup && (line.isSet(site) || options.allSites)) ||
                            !options.from.isEmpty();
  const bool takesFile = (options.command == Command::Backup || options.command == Command::Compare ||
                          options.command == Command::Restore) &&
                         !options.allSites && options.from.isEmpty();
  if (takesFile && words.size() >= 2) options.file = words[1];
  if (takesFile && !fileOptional && options.file.isEmpty()) return line.fail(Tr("%1 needs a FILE").arg(words[0]));
  const qsizetype used = options.file.isEmpty() ? 1 : 2;
  if (words.size() > used) return line.fail(Tr("unexpected argument '%1'").arg(words[used]));

  if (line.isSet(dryRun) && options.command != Command::Restore)
    return line.fail(Tr("--dry-run: only restore takes it"));
  options.dryRun = line.isSet(dryRun);
  if (line.isSet(csv)) {
    if (options.command != Command::Events) return line.fail(Tr("--csv: only events and sites take it"));
    options.csvFile = line.value(csv);
    if (options.csvFile.isEmpty()) return line.fail(Tr("--csv: no file given"));
  }

  // The route.
  if (line.isSet(site)) {
    if (line.isSet(call) || line.isSet(gsm)) return line.fail(Tr("--site: the site gives the route, not --call or --gsm"));
    if (line.isSet(gsmProtocol)) return line.fail(Tr("--gsm-protocol: the site gives it"));
    options.site = line.value(site).trimmed();
    if (options.site.isEmpty()) return line.fail(Tr("--site: no name given"));
  }
  const int routes = int{line.isSet(call)} + int{line.isSet(gsm)} + int{line.isSet(site)} + int{options.allSites} +
                     int{line.isSet(listen) && !line.isSet(call) && !line.isSet(site) && !options.allSites};
  if (routes == 0) return line.fail(Tr("no route to the panel: give --listen, --call, --gsm or --site"));
  if (line.isSet(gsm) && (line.isSet(call) || line.isSet(listen)))
    return line.fail(Tr("--gsm: give one route only, not with --call or --listen"));
  if (line.isSet(listen)) {
    const auto port = platform::ParsePort(line.value(listen), 1);
    if (!port) return line.fail(Tr("--listen: '%1' is not a port number from 1 to 65535").arg(line.value(listen)));
    options.listenPort = *port;
  }
  if (line.isSet(modulePassword) && !line.isSet(call) && !line.isSet(site) && !options.allSites)
    return line.fail(Tr("--module-password: only --call, --site and --all-sites take it"));
  // The module password: the option, else the environment.
  const QString passwordSource =
      line.isSet(modulePassword) ? QStringLiteral("--module-password") : QStringLiteral("TARNEL_MODULE_PASSWORD");
  if (line.isSet(call) || line.isSet(site) || options.allSites)
    options.modulePassword = line.isSet(modulePassword) ? line.value(modulePassword) : environment.modulePassword;
  // --call with --listen: the module calls back an authorised PC, which logs in without one.
  if (line.isSet(call) && line.isSet(listen) && !line.isSet(modulePassword)) options.modulePassword.clear();
  if (!options.modulePassword.isEmpty() &&
      (options.modulePassword.size() < kMinModulePasswordChars || options.modulePassword.size() > kMaxModulePasswordChars))
    return line.fail(Tr("%1: %2 to %3 characters").arg(passwordSource).arg(kMinModulePasswordChars).arg(kMaxModulePasswordChars));
  if (line.isSet(call)) {
    const QString target = line.value(call);
    if (target.contains(QLatin1Char(':'))) {
      const auto hostPort = platform::ParseHostPort(target);
      if (!hostPort) return line.fail(Tr("--call: '%1' is not host or host:port with a port from 1 to 65535").arg(target));
      options.host = hostPort->first;
      options.callPort = hostPort->second;
    } else {
      if (target.isEmpty()) return line.fail(Tr("--call: no host given"));
      options.host = target;
      options.callPort = kModulePort;
    }
    options.route = Route::CallAuthorised;
    if (!options.modulePassword.isEmpty()) {
      if (line.isSet(listen)) return line.fail(Tr("--listen: the module does not call back with --module-password"));
      options.route = Route::CallWithPassword;
    }
  } else if (line.isSet(listen) && !options.allSites) {
    options.route = Route::Listen;
  }
  const bool gsmOnly[] = {line.isSet(gsmPassword), line.isSet(serialPorts), line.isSet(gsmProtocol)};
  if (!line.isSet(gsm) && !line.isSet(site) && std::find(std::begin(gsmOnly), std::end(gsmOnly), true) != std::end(gsmOnly))
    return line.fail(Tr("--gsm-password, --gsm-protocol and --serial-ports: only --gsm takes them"));
  if (line.isSet(site)) {
    options.gsmPasswordGiven = line.isSet(gsmPassword);
    options.gsmPassword = line.value(gsmPassword);
    if (options.gsmPassword.size() > kMaxGsmPasswordChars)
      return line.fail(Tr("--gsm-password: at most %1 characters").arg(kMaxGsmPasswordChars));
    if (line.isSet(serialPorts)) {
      options.serialPorts = line.value(serialPorts).split(QLatin1Char(','), Qt::SkipEmptyParts);
      if (options.serialPorts.isEmpty()) return line.fail(Tr("--serial-ports: no device path given"));
    }
  }
  if (line.isSet(gsm)) {
    options.route = Route::Gsm;
    options.phone = line.value(gsm);
    if (options.phone.isEmpty() || options.phone.size() > kMaxPhoneChars)
      return line.fail(Tr("--gsm: a phone number of 1 to %1 characters").arg(kMaxPhoneChars));
    if (!line.isSet(gsmPassword)) return line.fail(Tr("--gsm: --gsm-password is needed as well"));
    options.gsmPassword = line.value(gsmPassword);
    if (options.gsmPassword.size() > kMaxGsmPasswordChars)
      return line.fail(Tr("--gsm-password: at most %1 characters").arg(kMaxGsmPasswordChars));
    bool ok = false;
    options.gsmProtocol = line.value(gsmProtocol).toInt(&ok);
    if (!ok || options.gsmProtocol < 0 || options.gsmProtocol > 3)
      return line.fail(Tr("--gsm-protocol: '%1' is not 0, 1, 2 or 3").arg(line.value(gsmProtocol)));
    if (line.isSet(serialPorts)) {
      options.serialPorts = line.value(serialPorts).split(QLatin1Char(','), Qt::SkipEmptyParts);
      if (options.serialPorts.isEmpty()) return line.fail(Tr("--serial-ports: no device path given"));
    }
  }

  bool ok = false;
  options.timeoutSeconds = line.value(timeout).toInt(&ok);
  if (!ok || options.timeoutSeconds < 1 || options.timeoutSeconds > 86400)
    return line.fail(Tr("--timeout: '%1' is not a number of seconds from 1 to 86400").arg(line.value(timeout)));
  options.quiet = line.isSet(quiet);

  const QString codeSource = line.isSet(installerCode) ? QStringLiteral("--installer-code")
                                                       : QStringLiteral("TARNEL_INSTALLER_CODE");
  options.installerCode = line.isSet(installerCode) ? line.value(installerCode) : environment.installerCode;
  if (!options.installerCode.isEmpty() &&
      (!AllDigits(options.installerCode) || options.installerCode.size() > console::kMaxInstallerCodeDigits))
    return line.fail(Tr("%1: the installer code is 1 to %2 digits").arg(codeSource).arg(console::kMaxInstallerCodeDigits));
  // A site's installer code may come from the keyring, once the site is read.
  if (options.needsProgramMode() && options.installerCode.isEmpty() && options.site.isEmpty() && !options.allSites)
    return line.fail(Tr("%1 needs the installer code: --installer-code or TARNEL_INSTALLER_CODE").arg(words[0]));
  return options;
}

}  // namespace ctl
