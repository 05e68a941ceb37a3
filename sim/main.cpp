// tarnel-sim: the alarm panel behind its IP module (and, as "module", the IP
// module calling in to quilby; as "modem", a GSM modem on a pseudo-terminal),
// for demonstrations and end-to-end tests.
#include <QCommandLineParser>
#include <algorithm>
#include <QCoreApplication>

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
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Simulated alarm panel behind its IP module"));
  parser.addHelpOption();
  const QCommandLineOption callIn(QStringLiteral("connect"), QStringLiteral("Call in to the PC at host:port."),
                                  QStringLiteral("host:port"));
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
  const QCommandLineOption once(QStringLiteral("once"), QStringLiteral("Exit when the link closes."));
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
  parser.addOptions({callIn, callBack, listen, password, verdict, loginVerdict, split, once, constants, accessCode, userCode,
                     installerCode});
  parser.process(arguments);

  sim::PanelSimulatorOptions options;
  if (parser.isSet(callIn)) {
    const QString target = parser.value(callIn);
    const qsizetype colon = target.lastIndexOf(QLatin1Char(':'));
    options.callInHost = colon > 0 ? target.left(colon) : QStringLiteral("127.0.0.1");
    options.callInPort = static_cast<quint16>(target.mid(colon + 1).toUInt());
  }
  if (parser.isSet(listen)) {
    options.listen = true;
    options.listenPort = static_cast<quint16>(parser.value(listen).toUInt());
  }
  if (!options.listen && options.callInPort == 0) parser.showHelp(2);
  options.splitWrites = parser.isSet(split);
  options.callBackPort = static_cast<quint16>(parser.value(callBack).toUInt());
  options.exitWhenLinkCloses = parser.isSet(once);
  options.policy.password = parser.value(password).toStdString();
  bool ok = false;
  options.policy.verdict = ParseVerdict(parser.value(verdict), panel::kVerdictLead, &ok);
  if (!ok) parser.showHelp(2);
  options.policy.loginOnlyVerdict = ParseVerdict(parser.value(loginVerdict), panel::kVerdictLead, &ok);
  if (!ok) parser.showHelp(2);
  if (parser.isSet(constants)) {
    const QStringList k = parser.value(constants).split(QLatin1Char(','));
    if (k.size() != 4) parser.showHelp(2);
    options.policy.secrets.constants = {k[0].toUInt(nullptr, 16), k[1].toUInt(nullptr, 16),
                                        k[2].toUInt(nullptr, 16), k[3].toUInt(nullptr, 16)};
  }
  if (parser.isSet(accessCode)) {
    const QByteArray code = parser.value(accessCode).toLatin1().leftJustified(4, '\0', true);
    std::copy_n(code.constData(), 4, options.policy.secrets.accessCode.begin());
  }

  // They go into the panel's parameters: user codes (users 1, 2, ... in
  // order) and the installer code hold up to 6 digits.
  constexpr qsizetype kCodeDigits = 6;
  sim::AlarmPanel::Codes codes;
  if (parser.isSet(userCode)) codes.user.clear();
  if (parser.values(userCode).size() > sim::ParameterStore::kUsers) parser.showHelp(2);
  for (const QString& code : parser.values(userCode)) {
    if (!IsCode(code, kCodeDigits)) parser.showHelp(2);
    codes.user.push_back(code.toStdString());
  }
  if (!IsCode(parser.value(installerCode), kCodeDigits)) parser.showHelp(2);
  codes.installer = parser.value(installerCode).toStdString();

  sim::PanelSimulator simulator(options, std::make_unique<sim::PanelModel>(nullptr, std::move(codes)));
  if (!simulator.start()) return 1;
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tarnel-sim"));
  QStringList arguments = app.arguments();
  if (arguments.size() > 1 && arguments[1] == QLatin1String("module"))
    return sim::RunModuleSimulator(arguments.mid(2));
  if (arguments.size() > 1 && arguments[1] == QLatin1String("modem")) return sim::RunModemSimulator(arguments.mid(2));
  if (arguments.size() > 1 && arguments[1] == QLatin1String("panel")) arguments.removeAt(1);
  return RunPanelSimulator(arguments);
}
