#include "platform/CommandLine.h"

#include <algorithm>
#include <cstdio>

#include "Version.h"

namespace platform {
namespace {

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

QString OptionNames(const QCommandLineOption& option) {
  QStringList names;
  for (const QString& name : option.names())
    names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  QString text = names.join(QStringLiteral(", "));
  if (!option.valueName().isEmpty()) text += QStringLiteral(" <%1>").arg(option.valueName());
  return text;
}

}  // namespace

CommandLine::CommandLine(QString program, QString description)
    : program_(std::move(program)),
      description_(std::move(description)),
      help_({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit.")),
      version_({QStringLiteral("v"), QStringLiteral("version")}, tr("Show the version and exit.")) {
  parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  addOptions({help_, version_});
}

void CommandLine::addOption(const QCommandLineOption& option) {
  parser_.addOption(option);
  options_.push_back(option);
}

void CommandLine::addOptions(std::initializer_list<QCommandLineOption> options) {
  for (const QCommandLineOption& option : options) addOption(option);
}

void CommandLine::addPositionalArgument(const QString& name, const QString& description, const QString& syntax) {
  parser_.addPositionalArgument(name, description, syntax);
  positional_.push_back({name, description, syntax});
}

CommandLine::Outcome CommandLine::check(const QStringList& arguments) {
  error_.clear();
  if (!parser_.parse(QStringList{program_} + arguments)) {
    error_ = parser_.errorText();
    return Outcome::Error;
  }
  if (parser_.isSet(help_)) return Outcome::Help;
  if (parser_.isSet(version_)) return Outcome::Version;
  if (positional_.empty() && !parser_.positionalArguments().isEmpty()) {
    error_ = tr("unexpected argument '%1'").arg(parser_.positionalArguments().first());
    return Outcome::Error;
  }
  return Outcome::Run;
}

std::optional<int> CommandLine::parse(const QStringList& arguments) {
  switch (check(arguments)) {
    case Outcome::Run: return std::nullopt;
    case Outcome::Help: Print(stdout, helpText()); return 0;
    case Outcome::Version:
      Print(stdout, QStringLiteral("%1 %2\n").arg(program_.section(QLatin1Char(' '), 0, 0), ProgramVersion()));
      return 0;
    case Outcome::Error: break;
  }
  return fail(error_);
}

int CommandLine::fail(const QString& why) const {
  if (hintOnError_)
    Print(stderr, QStringLiteral("%1: %2\n%3\n").arg(program_, why, tr("Try '%1 --help' for more.").arg(program_)));
  else
    Print(stderr, QStringLiteral("%1: %2\n\n%3").arg(program_, why, helpText()));
  return 2;
}

QString CommandLine::helpText() const {
  QString usage = tr("Usage: %1 [options]").arg(program_);
  for (const Positional& argument : positional_) usage += QLatin1Char(' ') + argument.syntax;
  QString text = usage + QLatin1Char('\n');
  if (!description_.isEmpty()) text += description_ + QLatin1Char('\n');
  qsizetype width = 0;
  for (const QCommandLineOption& option : options_) width = std::max(width, OptionNames(option).size());
  for (const Positional& argument : positional_) width = std::max(width, argument.name.size());
  if (!positional_.empty()) {
    text += QLatin1Char('\n') + tr("Arguments:") + QLatin1Char('\n');
    for (const Positional& argument : positional_)
      text += QStringLiteral("  %1  %2\n").arg(argument.name.leftJustified(width), argument.description);
  }
  text += QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n');
  for (const QCommandLineOption& option : options_) {
    text += QStringLiteral("  %1  %2\n").arg(OptionNames(option).leftJustified(width), option.description());
  }
  if (!epilogue_.isEmpty()) text += QLatin1Char('\n') + epilogue_ + QLatin1Char('\n');
  return text;
}

QStringList ArgumentsAfterProgram(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

QStringList WithoutQtGuiOptions(const QStringList& arguments) {
  static const QStringList kWithValue = {
      QStringLiteral("platform"),   QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
      QStringLiteral("plugin"),     QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
      QStringLiteral("qwindowtitle"), QStringLiteral("session"),          QStringLiteral("display"),
      QStringLiteral("style"),      QStringLiteral("stylesheet"),         QStringLiteral("qmljsdebugger")};
  static const QStringList kFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};
  QStringList kept;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
      name = name.mid(2);
    else if (name.startsWith(QLatin1Char('-')))
      name = name.mid(1);
    else {
      kept << argument;
      continue;
    }
    const QString bare = name.section(QLatin1Char('='), 0, 0);
    if (kFlags.contains(bare)) continue;
    if (kWithValue.contains(bare)) {
      if (!name.contains(QLatin1Char('='))) ++i;  // the value follows
      continue;
    }
    kept << argument;
  }
  return kept;
}

QString ProgramVersion() {
  return QStringLiteral("%1.%2").arg(build_info::kVersionMajor).arg(build_info::kVersionMinor, 2, 10, QLatin1Char('0'));
}

std::optional<quint16> ParsePort(const QString& text, quint16 lowest) {
  bool ok = false;
  const uint value = text.trimmed().toUInt(&ok, 10);
  if (!ok || value < lowest || value > 65535) return std::nullopt;
  return static_cast<quint16>(value);
}

std::optional<std::pair<QString, quint16>> ParseHostPort(const QString& text) {
  const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
  if (colon <= 0) return std::nullopt;
  const auto port = ParsePort(text.mid(colon + 1), 1);
  if (!port) return std::nullopt;
  return std::pair{text.left(colon), *port};
}

}  // namespace platform
