#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace platform {

// One program's command line: its options, --help and --version, and the
// answers to bad arguments. Needs no application object, so a windowed
// program can answer before it opens a display.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

 public:
  // program: as the user types it ("tarnel-sim module").
  CommandLine(QString program, QString description);

  void addOption(const QCommandLineOption& option);
  void addOptions(std::initializer_list<QCommandLineOption> options);
  // Printed after the options, e.g. the commands a program also takes.
  void setEpilogue(QString text) { epilogue_ = std::move(text); }
  // A bad argument is answered with its reason and a pointer to --help
  // instead of the whole usage, for a program whose help is too long to
  // repeat under every mistake in a script's log.
  void setHintOnError(bool hint) { hintOnError_ = hint; }
  // Words the program takes besides its options ("command", "FILE"), in the
  // usage line and under "Arguments:"; without any, a word is a bad argument.
  void addPositionalArgument(const QString& name, const QString& description, const QString& syntax);
  QStringList positionalArguments() const { return parser_.positionalArguments(); }

  // arguments come without the program name. Empty when the program is to
  // go on; else the exit code: 0 after --help or --version (printed to
  // standard output), 2 after a bad argument (the reason and the usage, or
  // the hint, on standard error).
  std::optional<int> parse(const QStringList& arguments);
  // The same, printing nothing: what was asked, and errorText() on Error.
  enum class Outcome { Run, Help, Version, Error };
  Outcome check(const QStringList& arguments);
  QString errorText() const { return error_; }
  // A value that parse could not judge is wrong: reports it like parse does.
  int fail(const QString& why) const;

  bool isSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
  QString value(const QCommandLineOption& option) const { return parser_.value(option); }
  QStringList values(const QCommandLineOption& option) const { return parser_.values(option); }

  QString helpText() const;

 private:
  QString program_;
  QString description_;
  QString epilogue_;
  QString error_;
  bool hintOnError_ = false;
  QCommandLineParser parser_;
  std::vector<QCommandLineOption> options_;
  struct Positional {
    QString name, description, syntax;
  };
  std::vector<Positional> positional_;
  QCommandLineOption help_;
  QCommandLineOption version_;
};

// The arguments of main() after the program name.
QStringList ArgumentsAfterProgram(int argc, char** argv);

// Without Qt's own GUI options (-platform NAME, -style NAME, -reverse, ...),
// which QApplication takes for itself: a parse before the application exists
// lets them through.
QStringList WithoutQtGuiOptions(const QStringList& arguments);

// "1.00": the version set once in the build.
QString ProgramVersion();

// Parsers of option values; empty when the text is not one.
std::optional<quint16> ParsePort(const QString& text, quint16 lowest);
// "host:port", port 1 to 65535, host not empty.
std::optional<std::pair<QString, quint16>> ParseHostPort(const QString& text);

}  // namespace platform
