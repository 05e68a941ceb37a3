// Every program answers --help, --version and bad arguments on its command
// line, with a display and without one, and never opens a window for them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Outcome {
  int exitCode = -1;
  QString out;
  QString err;
};

enum class Display { Offscreen, None };

Outcome Start(const QString& program, const QStringList& arguments, Display display) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  if (display == Display::Offscreen) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(TARNEL_BINARY_DIR "/bin/") + program, arguments);
  Outcome run;
  // A window would keep the program running: ending quickly is part of the check.
  if (!process.waitForFinished(10000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

struct Case {
  const char* program;
  QStringList arguments;
  int exitCode;
  const char* stdoutHas;  // may be empty
  const char* stderrHas;  // may be empty
};

TEST(CommandLine, HelpVersionAndBadArgumentsAnswerWithAndWithoutADisplay) {
  const std::vector<Case> cases = {
      {"tarnel", {"--help"}, 0, "Usage: tarnel [options]", ""},
      {"tarnel", {"-h"}, 0, "--listen-port <port>", ""},
      {"tarnel", {"--version"}, 0, "tarnel 1.00\n", ""},
      {"tarnel", {"--listen-port", "abc"}, 2, "", "tarnel: --listen-port: 'abc' is not a port number from 0 to 65535"},
      {"tarnel", {"--call-port", "0"}, 2, "", "--call-port: '0' is not a port number"},
      {"tarnel", {"--bogus"}, 2, "", "Unknown option 'bogus'"},
      {"tarnel", {"stray"}, 2, "", "unexpected argument 'stray'"},
      // Qt's own options are left to the application object.
      {"tarnel", {"-platform", "offscreen", "--version"}, 0, "tarnel 1.00\n", ""},
      {"tarnel", {"--style=fusion", "--bogus"}, 2, "", "Unknown option 'bogus'"},
      {"quilby", {"--help"}, 0, "Usage: quilby [options]", ""},
      {"quilby", {"--version"}, 0, "quilby 1.00\n", ""},
      {"quilby", {"--port", "70000"}, 2, "", "quilby: --port: '70000' is not a port number from 1 to 65535"},
      {"quilby", {"--constants", "1,2,3"}, 2, "", "--constants: '1,2,3' is not four values"},
      {"tarnel-sim", {"--help"}, 0, "tarnel-sim module", ""},
      {"tarnel-sim", {"--version"}, 0, "tarnel-sim 1.00\n", ""},
      {"tarnel-sim", {"module", "--help"}, 0, "Usage: tarnel-sim module [options]", ""},
      {"tarnel-sim", {"modem", "--help"}, 0, "Usage: tarnel-sim modem [options]", ""},
      {"tarnel-sim", {}, 2, "", "--connect or --listen is needed"},
      {"tarnel-sim", {"--verdict", "maybe"}, 2, "", "--verdict: 'maybe' is none of"},
      {"tarnel-sim", {"--connect", "127.0.0.1"}, 2, "", "--connect: '127.0.0.1' is not host:port"},
      {"tarnel-sim", {"--connect", "127.0.0.1:99999"}, 2, "", "--connect: '127.0.0.1:99999' is not host:port"},
      {"tarnel-sim", {"--listen", "abc"}, 2, "", "--listen: 'abc' is not a port number"},
      {"tarnel-sim", {"module", "--connect", "x:1", "--answer", "maybe"}, 2, "", "--answer: 'maybe' is none of"},
      {"tarnel-sim", {"modem", "--step-ms", "0"}, 2, "", "--step-ms: '0' is not"},
      {"tarnel-sim", {"--listen", "0", "--latency-ms", "-1"}, 2, "", "--latency-ms: '-1' is not a number of milliseconds"},
      {"tarnel-sim", {"modem", "--bytes-per-s", "fast"}, 2, "", "--bytes-per-s: 'fast' is not a number of bytes"},
  };
  for (Display display : {Display::Offscreen, Display::None}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.program << " " << c.arguments.join(' ').toStdString()
                                      << (display == Display::None ? " (no display)" : " (display)"));
      const Outcome run = Start(QString::fromLatin1(c.program), c.arguments, display);
      EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
      EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.stdoutHas))) << run.out.toStdString();
      EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.stderrHas))) << run.err.toStdString();
      // A refusal also shows how to do it right.
      if (c.exitCode != 0) {
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: "))) << run.err.toStdString();
      }
    }
  }
}

}  // namespace
