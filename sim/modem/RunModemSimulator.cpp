#include <QCoreApplication>

#include "platform/CommandLine.h"

#include "sim/modem/GsmModemSimulator.h"

namespace sim {

int RunModemSimulator(const QStringList& arguments) {
  platform::CommandLine parser(QStringLiteral("tarnel-sim modem"),
                               QStringLiteral("Simulated GSM modem with the alarm panel behind it, on a pseudo-terminal"));
  const QCommandLineOption fail(
      QStringLiteral("fail"),
      QStringLiteral("How calls fail: none, no-carrier, unknown-number, password-error, communication-error, silence or no-modem."),
      QStringLiteral("how"), QStringLiteral("none"));
  const QCommandLineOption phone(QStringLiteral("phone"), QStringLiteral("The unit's number; others are unknown."),
                                 QStringLiteral("digits"));
  const QCommandLineOption password(QStringLiteral("password"),
                                    QStringLiteral("The unit's password; others are refused."), QStringLiteral("text"));
  const QCommandLineOption step(QStringLiteral("step-ms"), QStringLiteral("Time between progress codes (default 200)."),
                                QStringLiteral("ms"), QStringLiteral("200"));
  parser.addOptions({fail, phone, password, step, LatencyOption(), ByteRateOption()});
  if (const auto end = parser.parse(arguments)) return *end;

  using Failure = GsmModemOptions::Failure;
  const QMap<QString, Failure> failures{{QStringLiteral("none"), Failure::None},
                                        {QStringLiteral("no-carrier"), Failure::NoCarrier},
                                        {QStringLiteral("unknown-number"), Failure::UnknownNumber},
                                        {QStringLiteral("password-error"), Failure::PasswordError},
                                        {QStringLiteral("communication-error"), Failure::CommunicationError},
                                        {QStringLiteral("silence"), Failure::Silence},
                                        {QStringLiteral("no-modem"), Failure::NoModem}};
  GsmModemOptions options;
  const QString how = parser.value(fail).toLower();
  if (!failures.contains(how))
    return parser.fail(QStringLiteral("--fail: '%1' is none of %2").arg(parser.value(fail), failures.keys().join(QStringLiteral(", "))));
  options.failure = failures.value(how);
  options.phone = parser.value(phone);
  options.password = parser.value(password);
  bool ok = false;
  options.stepMs = parser.value(step).toInt(&ok);
  if (!ok || options.stepMs < 1)
    return parser.fail(QStringLiteral("--step-ms: '%1' is not a number of milliseconds above 0").arg(parser.value(step)));

  int badValue = 0;
  if (const auto shape = ReadLinkShape(parser, &badValue)) options.call = *shape;
  else return badValue;

  GsmModemSimulator modem(options, std::make_unique<PanelModel>(nullptr));
  if (!modem.open()) return 1;
  modem.watchStdin();
  return QCoreApplication::exec();
}

}  // namespace sim
