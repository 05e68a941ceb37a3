#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace ctl {

// How tarnelctl reaches the panel.
enum class Route {
  Listen,           // wait for the module to call in
  CallAuthorised,   // call the module, then wait for its call back
  CallWithPassword, // call the module with its password: a scrambled link
  Gsm,              // dial through the GSM modem
};

enum class Command { Backup, Compare, Restore, Events, Status };

struct CtlOptions {
  Route route = Route::Listen;
  quint16 listenPort = 4700;
  QString host;
  quint16 callPort = 4700;
  QString modulePassword;
  QString phone;
  QString gsmPassword;
  int gsmProtocol = 0;
  QStringList serialPorts;
  QString installerCode;
  int timeoutSeconds = 60;
  bool quiet = false;

  Command command = Command::Status;
  QString file;     // backup, compare, restore
  bool dryRun = false;
  QString csvFile;  // events: "-" is standard output

  // Whether the command works in program mode.
  bool needsProgramMode() const {
    return command == Command::Backup || command == Command::Compare || command == Command::Restore;
  }
};

// The options, or the exit status when the command line was answered
// without running (help, version, a bad argument: the option is named).
// installerCodeFromEnvironment: TARNEL_INSTALLER_CODE, used when
// --installer-code is not given.
std::variant<CtlOptions, int> ParseCtlCommandLine(const QStringList& arguments,
                                                  const QString& installerCodeFromEnvironment);

}  // namespace ctl
