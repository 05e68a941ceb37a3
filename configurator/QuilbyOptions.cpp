#include "configurator/QuilbyOptions.h"

#include <QCoreApplication>
#include <QSettings>

#include "platform/CommandLine.h"

namespace quilby {

std::optional<quint32> ParseConstant(const QString& text) {
  bool ok = false;
  const qulonglong value = text.trimmed().toULongLong(&ok, 0);
  if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<quint32>(value);
}

namespace {

// quilby's command line, with the options that main() and the tests read.
struct QuilbyCommandLine {
  QuilbyCommandLine()
      : line(QStringLiteral("quilby"), QCoreApplication::translate("quilby", "Configurator of the Halvex IP module")),
        port(QStringLiteral("port"), QCoreApplication::translate("quilby", "TCP port to wait on for the module (4700)."),
             QStringLiteral("N")),
        k{{QStringLiteral("k1"), QCoreApplication::translate("quilby", "Derivation constant K1."), QStringLiteral("X")},
          {QStringLiteral("k2"), QCoreApplication::translate("quilby", "Derivation constant K2."), QStringLiteral("X")},
          {QStringLiteral("k3"), QCoreApplication::translate("quilby", "Derivation constant K3."), QStringLiteral("X")},
          {QStringLiteral("k4"), QCoreApplication::translate("quilby", "Derivation constant K4."), QStringLiteral("X")}},
        // The simulator's spelling: all four at once, hexadecimal.
        constants(QStringLiteral("constants"),
                  QCoreApplication::translate("quilby", "Derivation constants k1,k2,k3,k4 in hex."),
                  QStringLiteral("k1,k2,k3,k4")) {
    line.addOptions({port, k[0], k[1], k[2], k[3], constants});
  }

  // Settings first, then what the command line says. Empty with *error set
  // when a setting or a value is bad.
  std::optional<QuilbyOptions> options(const QSettings* settings, QString* error) const;

  platform::CommandLine line;
  QCommandLineOption port;
  QCommandLineOption k[4];
  QCommandLineOption constants;
};

std::optional<QuilbyOptions> QuilbyCommandLine::options(const QSettings* settings, QString* error) const {
  QuilbyOptions options;
  quint32* values[4] = {&options.constants.k1, &options.constants.k2, &options.constants.k3,
                        &options.constants.k4};
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return std::nullopt;
  };

  if (settings) {
    if (settings->contains(QStringLiteral("Module/Port"))) {
      const QString text = settings->value(QStringLiteral("Module/Port")).toString();
      const auto parsed = platform::ParsePort(text, 1);
      if (!parsed)
        return fail(QCoreApplication::translate("quilby", "setting Module/Port: '%1' is not a port number from 1 to 65535")
                        .arg(text));
      options.port = *parsed;
    }
    for (int i = 0; i < 4; ++i) {
      const QString key = QStringLiteral("Module/K%1").arg(i + 1);
      if (!settings->contains(key)) continue;
      const QString text = settings->value(key).toString();
      const auto value = ParseConstant(text);
      if (!value)
        return fail(QCoreApplication::translate("quilby", "setting %1: '%2' is not a 32-bit number").arg(key, text));
      *values[i] = *value;
    }
  }

  if (line.isSet(port)) {
    const auto parsed = platform::ParsePort(line.value(port), 1);
    if (!parsed)
      return fail(QCoreApplication::translate("quilby", "--port: '%1' is not a port number from 1 to 65535")
                      .arg(line.value(port)));
    options.port = *parsed;
  }
  if (line.isSet(constants)) {
    const QStringList parts = line.value(constants).split(QLatin1Char(','));
    if (parts.size() != 4)
      return fail(QCoreApplication::translate("quilby", "--constants: '%1' is not four values").arg(line.value(constants)));
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      const qulonglong value = parts[i].trimmed().toULongLong(&ok, 16);
      if (!ok || value > 0xFFFFFFFFull)
        return fail(QCoreApplication::translate("quilby", "--constants: '%1' is not a 32-bit hexadecimal number").arg(parts[i]));
      *values[i] = static_cast<quint32>(value);
    }
  }
  for (int i = 0; i < 4; ++i) {
    if (!line.isSet(k[i])) continue;
    const auto value = ParseConstant(line.value(k[i]));
    if (!value)
      return fail(QCoreApplication::translate("quilby", "--k%1: '%2' is not a 32-bit number").arg(i + 1).arg(line.value(k[i])));
    *values[i] = *value;
  }
  return options;
}

}  // namespace

std::optional<QuilbyOptions> LoadQuilbyOptions(const QStringList& arguments,
                                               const QSettings* settings, QString* error) {
  QuilbyCommandLine commandLine;
  if (commandLine.line.check(arguments.mid(1)) == platform::CommandLine::Outcome::Error) {
    if (error) *error = commandLine.line.errorText();
    return std::nullopt;
  }
  return commandLine.options(settings, error);
}

std::variant<QuilbyOptions, int> ParseQuilbyCommandLine(const QStringList& arguments, const QSettings* settings) {
  QuilbyCommandLine commandLine;
  if (const auto end = commandLine.line.parse(arguments)) return *end;
  QString error;
  const auto options = commandLine.options(settings, &error);
  if (!options) return commandLine.line.fail(error);
  return *options;
}

}  // namespace quilby
