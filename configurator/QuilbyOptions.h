#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "core/link/ModuleLinkDefaults.h"
#include "core/link/LinkKeyDerivation.h"

class QSettings;

namespace quilby {

// How this quilby meets its modules: the listening port and the four
// derivation constants.
struct QuilbyOptions {
  quint16 port = kDefaultPort;
  QHostAddress address = QHostAddress::Any;
  panel::DerivationConstants constants = kDefaultDerivationConstants;
};

// Settings keys in QSettings("Vell", "quilby"): "Module/Port", "Module/K1"
// to "Module/K4" (decimal, or hexadecimal with 0x). The command line
// (--port N, --constants K1,K2,K3,K4 in hex, or one by one --k1 X ... --k4 X)
// wins over the settings. arguments[0] is the
// program. On a bad value, error says why and nothing is returned.
std::optional<QuilbyOptions> LoadQuilbyOptions(const QStringList& arguments,
                                               const QSettings* settings, QString* error);
// The same for main(), arguments without the program: the options, or the
// exit code once --help, --version or a bad argument has been answered.
std::variant<QuilbyOptions, int> ParseQuilbyCommandLine(const QStringList& arguments, const QSettings* settings);

// 32-bit number, decimal or 0x-hexadecimal.
std::optional<quint32> ParseConstant(const QString& text);

}  // namespace quilby
