#include "configurator/QuilbyOptions.h"

#include <QCommandLineParser>
#include <QSettings>

namespace quilby {

std::optional<quint32> ParseConstant(const QString& text) {
  bool ok = false;
  const qulonglong value = text.trimmed().toULongLong(&ok, 0);
  if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<quint32>(value);
}

namespace {

std::optional<quint16> ParsePort(const QString& text) {
  bool ok = false;
  const uint value = text.trimmed().toUInt(&ok, 10);
  if (!ok || value == 0 || value > 65535) return std::nullopt;
  return static_cast<quint16>(value);
}

}  // namespace

std::optional<QuilbyOptions> LoadQuilbyOptions(const QStringList& arguments,
                                               const QSettings* settings, QString* error) {
  QuilbyOptions options;
  quint32* constants[4] = {&options.constants.k1, &options.constants.k2, &options.constants.k3,
                           &options.constants.k4};
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return std::nullopt;
  };

  if (settings) {
    if (settings->contains(QStringLiteral("Module/Port"))) {
      const QString text = settings->value(QStringLiteral("Module/Port")).toString();
      const auto port = ParsePort(text);
      if (!port) return fail(QStringLiteral("bad Module/Port setting: %1").arg(text));
      options.port = *port;
    }
    for (int i = 0; i < 4; ++i) {
      const QString key = QStringLiteral("Module/K%1").arg(i + 1);
      if (!settings->contains(key)) continue;
      const QString text = settings->value(key).toString();
      const auto value = ParseConstant(text);
      if (!value) return fail(QStringLiteral("bad %1 setting: %2").arg(key, text));
      *constants[i] = *value;
    }
  }

  QCommandLineParser parser;
  QCommandLineOption portOption(QStringLiteral("port"),
                                QStringLiteral("TCP port to wait on for the module (4700)."),
                                QStringLiteral("N"));
  parser.addOption(portOption);
  QCommandLineOption constantOptions[4] = {
      {QStringLiteral("k1"), QStringLiteral("Derivation constant K1."), QStringLiteral("X")},
      {QStringLiteral("k2"), QStringLiteral("Derivation constant K2."), QStringLiteral("X")},
      {QStringLiteral("k3"), QStringLiteral("Derivation constant K3."), QStringLiteral("X")},
      {QStringLiteral("k4"), QStringLiteral("Derivation constant K4."), QStringLiteral("X")},
  };
  for (const auto& option : constantOptions) parser.addOption(option);
  // The simulator's spelling: all four at once, hexadecimal.
  QCommandLineOption allConstants(QStringLiteral("constants"),
                                  QStringLiteral("Derivation constants k1,k2,k3,k4 in hex."),
                                  QStringLiteral("k1,k2,k3,k4"));
  parser.addOption(allConstants);
  if (!parser.parse(arguments)) return fail(parser.errorText());
  if (!parser.positionalArguments().isEmpty())
    return fail(QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));

  if (parser.isSet(portOption)) {
    const auto port = ParsePort(parser.value(portOption));
    if (!port) return fail(QStringLiteral("bad --port: %1").arg(parser.value(portOption)));
    options.port = *port;
  }
  if (parser.isSet(allConstants)) {
    const QStringList parts = parser.value(allConstants).split(QLatin1Char(','));
    if (parts.size() != 4) return fail(QStringLiteral("--constants needs four values"));
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      const qulonglong value = parts[i].trimmed().toULongLong(&ok, 16);
      if (!ok || value > 0xFFFFFFFFull)
        return fail(QStringLiteral("bad --constants: %1").arg(parts[i]));
      *constants[i] = static_cast<quint32>(value);
    }
  }
  for (int i = 0; i < 4; ++i) {
    if (!parser.isSet(constantOptions[i])) continue;
    const auto value = ParseConstant(parser.value(constantOptions[i]));
    if (!value)
      return fail(QStringLiteral("bad --k%1: %2").arg(i + 1).arg(parser.value(constantOptions[i])));
    *constants[i] = *value;
  }
  return options;
}

}  // namespace quilby
