// tarnel-sim: the alarm panel behind its IP module (and, as "module", the IP
// module calling in to quilby; as "modem", a GSM modem on a pseudo-terminal),
// for demonstrations and end-to-end tests.
#include <QCoreApplication>
#include <algorithm>

#include "platform/CommandLine.h"

#include "sim/PanelSimulator.h"
#include "sim/modem/GsmModemSimulator.h"
#include "sim/module/ModuleSimulator.h"

namespace {

std::optional<std::array<std::uint8_t, 6>> ParseVerdict(const QString& text, std::uint8_t lead, bool* ok) {
  *ok = true;
  const QString v = text.toLower();
  if (v.isEmpty() || v == QLatin1String("judge")) return std::nullopt;
  if (v == QLatin1String("accept")) return std::array<std::uint8_t, 6>{lead, 0x00, 0, 0, 0, 0};
  if (v == QLatin1String("password")) return std::array<std::uint8_t, 6>{lead, 0xFC, 0, 0, 0, 0};
  if (v == QLatin1String("not-authorised")) return std::array<std::uint8_t, 6>{lead, 0xFB, 0, 0, 0, 0};
  if (v == QLatin1String("other")) return std::array<std::uint8_t, 6>{lead, 0x05, 0, 0, 0, 0};
  if (v == QLatin1String("garbage")) return std::array<std::uint8_t, 6>{0x6A, 0x13, 0x37, 0, 0, 0};
  const QByteArray hex = QByteArray::fromHex(v.toLatin1());
  if (hex.size() == 6) {
    std::array<std::uint8_t, 6> bytes;
    std::copy(hex.begin(), hex.end(), bytes.begin());
    return bytes;
  }
  *ok = false;
  return std::nullopt;
}

bool IsCode(const QString& code, qsizetype maxDigits) {
  if (code.isEmpty() || code.size() > maxDigits) return false;
  return std::all_of(code.begin(), code.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

int RunPanelSimulator(const QStringList& arguments) {
  platform::CommandLine line(QStringLiteral("tarnel-sim"), QStringLiteral("Simulated alarm panel behind its IP module"));
  line.setEpilogue(QStringLiteral(
      "Commands (each takes --help):\n"
      "  tarnel-sim [panel] ...   the panel behind its IP module (this one)\n"
      "  tarnel-sim module ...    the IP module calling in to quilby\n"
      "  tarnel-sim modem ...     a GSM modem with the panel behind it, on a pseudo-terminal"));
  const QCommandLineOption callIn(QStringLiteral("connect"),
                                  QStringLiteral("Call in to the PC at host:port; call again every few seconds until the "
                                                 "call is taken, and after the link drops (unless --once)."),
                                  QStringLiteral("host:port"));
  const QCommandLineOption redial(QStringLiteral("redial-ms"),
                                  QStringLiteral("Milliseconds between calls with --connect (default 3000)."),
                                  QStringLiteral("ms"), QStringLiteral("3000"));
  const QCommandLineOption listen(QStringLiteral("listen"),
                                  QStringLiteral("Wait for the PC to call out on port (0: any free port)."),
                                  QStringLiteral("port"));
  const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Password a PC must log in with."),
                                    QStringLiteral("text"), QStringLiteral("12345678"));
  const QCommandLineOption verdict(
      QStringLiteral("verdict"),
      QStringLiteral("Verdict for a password login: judge, accept, password, not-authorised, other, garbage or 12 hex digits."),
      QStringLiteral("verdict"), QStringLiteral("judge"));
  const QCommandLineOption loginVerdict(QStringLiteral("login-verdict"),
                                        QStringLiteral("Verdict for a login-only connection, as --verdict."),
                                        QStringLiteral("verdict"), QStringLiteral("judge"));
  const QCommandLineOption split(QStringLiteral("split-writes"), QStringLiteral("Send every byte in a write of its own."));
  const QCommandLineOption callBack(QStringLiteral("call-back"),
                                    QStringLiteral("After an accepted login-only call, call the PC back on port."),
                                    QStringLiteral("port"));
  const QCommandLineOption once(QStringLiteral("once"), QStringLiteral("Exit when the link closes or a call fails."));
  const QCommandLineOption constants(QStringLiteral("constants"),
                                     QStringLiteral("Derivation constants k1,k2,k3,k4 in hex."),
                                     QStringLiteral("k1,k2,k3,k4"));
  const QCommandLineOption accessCode(QStringLiteral("access-code"),
                                      QStringLiteral("Four-character code of login-only connections."),
                                      QStringLiteral("code"));
  const QCommandLineOption userCode(QStringLiteral("user-code"),
                                    QStringLiteral("A user code that arms and disarms, up to 6 digits (repeatable: users 1, 2, ...; default 1234)."),
                                    QStringLiteral("digits"));
  const QCommandLineOption installerCode(QStringLiteral("installer-code"),
                                         QStringLiteral("The installer code that opens program mode, up to 6 digits (default 9999)."),
                                         QStringLiteral("digits"), QStringLiteral("9999"));
  line.addOptions({callIn, redial, callBack, listen, password, verdict, loginVerdict, split, once, constants, accessCode,
                   userCode, installerCode, sim::LatencyOption(), sim::ByteRateOption()});
  if (const auto end = line.parse(arguments)) return *end;

  sim::PanelSimulatorOptions options;
  int badValue = 0;
  if (const auto shape = sim::ReadLinkShape(line, &badValue)) options.linkShape = *shape;
  else return badValue;
  if (line.isSet(callIn)) {
    const auto target = platform::ParseHostPort(line.value(callIn));
    if (!target)
      return line.fail(QStringLiteral("--connect: '%1' is not host:port with a port from 1 to 65535").arg(line.value(callIn)));
    options.callInHost = target->first;
    options.callInPort = target->second;
  }
  bool ok = false;
  options.redialMs = line.value(redial).toInt(&ok);
  if (!ok || options.redialMs < 1)
    return line.fail(QStringLiteral("--redial-ms: '%1' is not a number of milliseconds above 0").arg(line.value(redial)));
  if (line.isSet(listen)) {
    const auto port = platform::ParsePort(line.value(listen), 0);
    if (!port) return line.fail(QStringLiteral("--listen: '%1' is not a port number from 0 to 65535").arg(line.value(listen)));
    options.listen = true;
    options.listenPort = *port;
  }
  if (line.isSet(callBack)) {
    const auto port = platform::ParsePort(line.value(callBack), 1);
    if (!port)
      return line.fail(QStringLiteral("--call-back: '%1' is not a port number from 1 to 65535").arg(line.value(callBack)));
    options.callBackPort = *port;
  }
  options.splitWrites = line.isSet(split);
  options.exitWhenLinkCloses = line.isSet(once);
  options.policy.password = line.value(password).toStdString();
  for (const auto& [option, target] : {std::pair{&verdict, &options.policy.verdict},
                                       std::pair{&loginVerdict, &options.policy.loginOnlyVerdict}}) {
    *target = ParseVerdict(line.value(*option), panel::kVerdictLead, &ok);
    if (!ok)
      return line.fail(QStringLiteral("--%1: '%2' is none of judge, accept, password, not-authorised, other, garbage "
                                      "or 12 hex digits")
                           .arg(option->names().first(), line.value(*option)));
  }
  if (line.isSet(constants)) {
    const QStringList k = line.value(constants).split(QLatin1Char(','));
    quint32 values[4] = {};
    ok = k.size() == 4;
    for (int i = 0; ok && i < 4; ++i) values[i] = k[i].trimmed().toUInt(&ok, 16);
    if (!ok)
      return line.fail(QStringLiteral("--constants: '%1' is not four hexadecimal 32-bit numbers").arg(line.value(constants)));
    options.policy.secrets.constants = {values[0], values[1], values[2], values[3]};
  }
  if (line.isSet(accessCode)) {
    const QByteArray code = line.value(accessCode).toLatin1();
    if (code.size() != 4)
      return line.fail(QStringLiteral("--access-code: '%1' is not four characters").arg(line.value(accessCode)));
    std::copy_n(code.constData(), 4, options.policy.secrets.accessCode.begin());
  }

  // They go into the panel's parameters: user codes (users 1, 2, ... in
  // order) and the installer code hold up to 6 digits.
  constexpr qsizetype kCodeDigits = 6;
  sim::AlarmPanel::Codes codes;
  if (line.isSet(userCode)) codes.user.clear();
  if (line.values(userCode).size() > sim::ParameterStore::kUsers)
    return line.fail(QStringLiteral("--user-code: more than %1 users").arg(sim::ParameterStore::kUsers));
  for (const QString& code : line.values(userCode)) {
    if (!IsCode(code, kCodeDigits))
      return line.fail(QStringLiteral("--user-code: '%1' is not 1 to %2 digits").arg(code).arg(kCodeDigits));
    codes.user.push_back(code.toStdString());
  }
  if (!IsCode(line.value(installerCode), kCodeDigits))
    return line.fail(QStringLiteral("--installer-code: '%1' is not 1 to %2 digits")
                         .arg(line.value(installerCode))
                         .arg(kCodeDigits));
  codes.installer = line.value(installerCode).toStdString();
  // Checked last, so a bad value is named even when the route is missing too.
  if (!line.isSet(callIn) && !line.isSet(listen)) return line.fail(QStringLiteral("--connect or --listen is needed"));

  sim::PanelSimulator simulator(options, std::make_unique<sim::PanelModel>(nullptr, std::move(codes)));
  if (!simulator.start()) return 1;
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tarnel-sim"));
  QCoreApplication::setApplicationVersion(platform::ProgramVersion());
  QStringList arguments = app.arguments().mid(1);
  const QString command = arguments.value(0);
  if (command == QLatin1String("module")) return sim::RunModuleSimulator(arguments.mid(1));
  if (command == QLatin1String("modem")) return sim::RunModemSimulator(arguments.mid(1));
  if (command == QLatin1String("panel")) arguments.removeFirst();
  return RunPanelSimulator(arguments);
}
