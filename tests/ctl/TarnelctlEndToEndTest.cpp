// tarnelctl as a script runs it: a separate process against the simulated
// panel (its program, over loopback), judged by exit status, output, and
// what the simulator says it received and holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"
#include "tests/support/ToolRun.h"

namespace {

using testseams::SimProcess;
using testseams::ToolRun;
using testseams::WaitFor;

constexpr char kModulePassword[] = "installer1";

// The tool's own settings (link secrets) come from a folder of the test's own.
QProcessEnvironment ToolEnvironment(const QString& configHome) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("TARNEL_INSTALLER_CODE"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  return environment;
}

class TarnelctlTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    sim = std::make_unique<SimProcess>(QStringList{"--listen", "0", "--password", kModulePassword});
    port = sim->listeningPort();
    ASSERT_NE(port, 0);
  }

  QString path(const QString& name) const { return dir.filePath(name); }
  QStringList route() const {
    return {"--call", QStringLiteral("127.0.0.1:%1").arg(port), "--module-password", kModulePassword};
  }
  QStringList programMode() const { return route() + QStringList{"--installer-code", "9999"}; }

  std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& installerCodeInEnvironment = {}) {
    auto tool = std::make_unique<QProcess>();
    QProcessEnvironment environment = ToolEnvironment(dir.filePath(QStringLiteral("config")));
    if (!installerCodeInEnvironment.isEmpty())
      environment.insert(QStringLiteral("TARNEL_INSTALLER_CODE"), installerCodeInEnvironment);
    tool->setProcessEnvironment(environment);
    tool->start(QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnelctl"), arguments);
    EXPECT_TRUE(tool->waitForStarted(5000));
    return tool;
  }
  ToolRun finish(QProcess& tool) { return testseams::FinishRun(tool, 60000); }
  ToolRun run(const QStringList& arguments) { return finish(*start(arguments)); }

  // Everything the simulator printed after `from` (a length of its output).
  QString simSince(qsizetype from) { return sim->output().mid(from); }
  qsizetype mark() { return sim->output().size(); }
  // Sends lines to the simulator and waits for the last line's answer.
  QString simAsk(const QString& lines, const QString& answerPrefix) {
    const qsizetype from = mark();
    sim->process().write((lines + QLatin1Char('\n')).toUtf8());
    static const QRegularExpression lineEnd(QStringLiteral("\n"));
    QString answer;
    WaitFor([&] {
      const QStringList got = simSince(from).split(lineEnd);
      for (const QString& line : got)
        if (line.startsWith(answerPrefix)) answer = line;
      return !answer.isEmpty();
    });
    return answer;
  }
  QString simParam(int p, int e, const QString& value = QString()) {
    const QString name = QStringLiteral("param %1 %2").arg(p).arg(e);
    return simAsk(value.isEmpty() ? name : name + QLatin1Char(' ') + value,
                  QStringLiteral("sim: param %1/%2 = ").arg(p).arg(e));
  }
  QString simMode() { return simAsk(QStringLiteral("status"), QStringLiteral("sim: mode: ")); }
  // What the simulator received after `from`: its log lines' bytes.
  QStringList received(qsizetype from) {
    QStringList messages;
    for (const QString& line : simSince(from).split(QLatin1Char('\n')))
      if (line.contains(QLatin1String("\t\t"))) messages << line.section(QLatin1String("\t\t"), 1).trimmed();
    return messages;
  }

  QTemporaryDir dir;
  std::unique_ptr<SimProcess> sim;
  quint16 port = 0;
};

// The cells of a table row (two blanks or more between them).
QStringList Cells(const QString& line) {
  static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
  return line.trimmed().split(gap);
}

// The rows of a restore report's group "<heading> (n):".
std::vector<QStringList> Group(const QString& report, const QString& heading) {
  std::vector<QStringList> rows;
  bool in = false;
  for (const QString& line : report.split(QLatin1Char('\n'))) {
    if (!line.startsWith(QLatin1Char(' '))) in = line.startsWith(heading + QLatin1String(" ("));
    else if (in) rows.push_back(Cells(line));
  }
  return rows;
}

QString ReadText(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST_F(TarnelctlTest, RoundTripBacksUpComparesRestoresAndLeavesTheStoreEqualToTheFile) {
  const QString file = path("panel.toml");
  // The installer code from the environment, as a script keeps it out of its command lines.
  ToolRun backup = finish(*start(route() + QStringList{"backup", file}, QStringLiteral("9999")));
  ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
  EXPECT_EQ(backup.out, QStringLiteral("2332 of 2332 parameters saved to %1\n").arg(file));
  EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));

  // One change of each kind: option bits, a number, a code, a time, a phone number, a date.
  for (const auto& [p, e, value] : std::vector<std::tuple<int, int, QString>>{{122, 5, "0x81"},
                                                                             {60, 1, "45"},
                                                                             {1, 3, "\"4711\""},
                                                                             {172, 1, "07:15"},
                                                                             {181, 2, "\"0612W34\""},
                                                                             {170, 3, "2027-05-01"}})
    ASSERT_EQ(simParam(p, e, value), QStringLiteral("sim: param %1/%2 = %3").arg(p).arg(e).arg(value));

  const ToolRun different = run(programMode() + QStringList{"compare", file});
  EXPECT_EQ(different.exitCode, 1) << different.err.toStdString();
  QStringList lines = different.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 8) << different.out.toStdString();
  EXPECT_EQ(Cells(lines[0]), (QStringList{"Menu title", "Entity", "Panel value", "File value", "Options that differ"}));
  std::vector<QStringList> rows;
  for (qsizetype i = 1; i < 7; ++i) rows.push_back(Cells(lines[i]));
  EXPECT_EQ(rows, (std::vector<QStringList>{
                      {"User > Code", "user 3", "\"4711\"", "\"\""},
                      {"Clock Setting > Time zone > Start", "time zone 1", "07:15", "08:00"},
                      {"Clock Setting > Holydays > Date", "holiday 3", "2027-05-01", "none"},
                      {"Phone Number > Number", "phone 2", "\"0612W34\"", "\"0412345678\""},
                      {"Area > Armed Exit Delay Time", "area A", "45", "60"},
                      {"Zone-Main > Zone Alarm Type Options > Zone Options A", "zone 5", "0x81", "0x45",
                       "Not an Exit Delay Zone: off -> on; Zone can be Manually Bypassed: off -> on; "
                       "Zone can be Auto-Bypassed: on -> off"},
                  }));
  EXPECT_EQ(lines[7], QStringLiteral("6 of 2332 parameters differ."));

  const ToolRun restore = run(programMode() + QStringList{"restore", file});
  EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString();
  EXPECT_EQ(Group(restore.out, "Written").size(), 6u) << restore.out.toStdString();
  const ToolRun equal = run(programMode() + QStringList{"compare", file});
  EXPECT_EQ(equal.exitCode, 0) << equal.out.toStdString();
  EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));

  // Every line of the file against the simulator's own store.
  static const QRegularExpression entry(QStringLiteral("^\"P(\\d+)[ /]([^\"]*)\" = (.*?)  #"));
  QStringList asks;
  std::vector<std::pair<QString, QString>> expected;
  for (const QString& line : ReadText(file).split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch m = entry.match(line);
    if (!m.hasMatch()) continue;
    // The entity as the simulator numbers it: areas A/B and start/finish are 1/2.
    QString entity = m.captured(2).section(QLatin1Char(' '), -1);
    if (entity == QLatin1String("A") || entity == QLatin1String("start")) entity = QStringLiteral("1");
    if (entity == QLatin1String("B") || entity == QLatin1String("finish")) entity = QStringLiteral("2");
    // TOML keeps times and "none" in quotes; the simulator writes them bare.
    QString value = m.captured(3);
    static const QRegularExpression quotedBare(QStringLiteral("^\"(\\d\\d:\\d\\d|none)\"$"));
    if (const QRegularExpressionMatch bare = quotedBare.match(value); bare.hasMatch()) value = bare.captured(1);
    asks << QStringLiteral("param %1 %2").arg(m.captured(1), entity);
    expected.emplace_back(QStringLiteral("sim: param %1/%2").arg(m.captured(1), entity), value);
  }
  ASSERT_EQ(expected.size(), 2332u);
  const qsizetype from = mark();
  sim->process().write((asks.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
  QStringList answers;
  ASSERT_TRUE(WaitFor(
      [&] {
        answers = simSince(from).split(QLatin1Char('\n')).filter(QStringLiteral("sim: param "));
        return answers.size() >= 2332;
      },
      20000));
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(answers[static_cast<qsizetype>(i)], expected[i].first + QStringLiteral(" = ") + expected[i].second);
}

// A panel that has lived for years holds values no editor would type. A
// backup keeps each exactly, compare finds the file equal, and a restore
// onto a panel that holds ordinary values types none of them: it lists them
// as kept, with option bits no editor shows, and the run succeeds.
TEST_F(TarnelctlTest, ValuesNoEditorTypesSurviveABackupAndARestoreKeepsThem) {
  const struct {
    int p, e;
    const char* raw;       // the reply's value bytes, as the panel holds them
    const char* key;       // the file's line starts so
    const char* ordinary;  // what another panel holds there
  } cases[] = {
      {172, 1, "27 10", "\"P172 time zone 1\" = \"raw 27 10\"", "08:00"},  // 100:00, once read as 00:00
      {173, 2, "09 60", "\"P173 time zone 2\" = \"raw 09 60\"", "06:00"},  // 24:00
      {170, 3, "00 00 1A", "\"P170 holiday 3\" = \"raw 00 00 1A\"", "2026-12-25"},
      {170, 4, "65 01 1A", "\"P170 holiday 4\" = \"raw 65 01 1A\"", "none"},  // day byte 101
      {1, 4, "21 4A FF FF FF FF FF FF", "\"P1 user 4\" = \"raw 21 4A FF FF FF FF FF FF\"", "\"1234\""},
      {175, 8, "10 B2 FF FF FF FF FF FF", "\"P175/8\" = \"raw 10 B2 FF FF FF FF FF FF\"", "\"0123\""},
      {27, 1, "00", "\"P27 start\" = \"raw 00\"", "5"},  // Sunday 0
      {157, 1, "00 00", "\"P157 zone 1\" = \"raw 00 00\"", "110"},
      {127, 1, "07", "\"P127 zone 1\" = \"raw 07\"", "6"},  // not in the list
  };
  for (const auto& c : cases)
    ASSERT_EQ(simParam(c.p, c.e, QStringLiteral("raw %1").arg(QString::fromLatin1(c.raw))),
              QStringLiteral("sim: param %1/%2 = raw %3").arg(c.p).arg(c.e).arg(QString::fromLatin1(c.raw)));

  const QString file = path("old.toml");
  const ToolRun backup = run(programMode() + QStringList{"backup", file});
  ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
  const QString text = ReadText(file);
  for (const auto& c : cases) {
    const qsizetype at = text.indexOf(QString::fromLatin1(c.key));
    ASSERT_GE(at, 0) << c.key;
    EXPECT_TRUE(text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at).endsWith(QStringLiteral("; no editor types this value")))
        << c.key;
  }
  const ToolRun equal = run(programMode() + QStringList{"compare", file});
  EXPECT_EQ(equal.exitCode, 0) << equal.out.toStdString();

  // Another panel: ordinary values, and the hidden option 5 of area A's options on.
  for (const auto& c : cases) simParam(c.p, c.e, QString::fromLatin1(c.ordinary));
  simParam(45, 1, QStringLiteral("0x54"));
  const qsizetype from = mark();
  const ToolRun restore = run(programMode() + QStringList{"restore", file});
  EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString() << restore.out.toStdString();
  // The installer code, and no key of any value.
  EXPECT_EQ(received(from).filter(QRegularExpression(QStringLiteral("^7A "))), QStringList{"7A 10 09 09 09 09 11"});
  const auto kept = Group(restore.out, "Kept on the panel, no editor can type the file's value");
  ASSERT_EQ(kept.size(), std::size(cases)) << restore.out.toStdString();
  for (const QStringList& row : kept) EXPECT_TRUE(row.value(2).contains(QStringLiteral(" -> raw "))) << row.join('|').toStdString();
  EXPECT_EQ(Group(restore.out, "Kept on the panel, options no editor shows differ"),
            (std::vector<QStringList>{{"P45 area A", "Area > Area Optioin A", "0x54 -> 0x44", "option 5: on -> off"}}));
  EXPECT_TRUE(Group(restore.out, "Written").empty());

  // Equal is equal in every bit: what was kept still differs.
  const ToolRun differs = run(programMode() + QStringList{"compare", file});
  EXPECT_EQ(differs.exitCode, 1);
  EXPECT_TRUE(differs.out.endsWith(QStringLiteral("10 of 2332 parameters differ.\n"))) << differs.out.toStdString();
}

// Over TCP a reply holding the byte 0x7E arrives cut short. The backup says
// so, misses those values, and leaves the complete backup there as it was;
// compare and restore cannot read them either and end with status 7.
TEST_F(TarnelctlTest, ValuesThatCannotTravelOverTcpAreNamedAndNoBackupIsReplaced) {
  const QString file = path("panel.toml");
  ASSERT_EQ(run(programMode() + QStringList{"backup", file}).exitCode, 0);
  EXPECT_EQ(QFile::permissions(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
  const QString complete = ReadText(file);

  // 126 s, 11:50 (0x047E) and option byte 0x7E.
  simParam(60, 1, QStringLiteral("126"));
  simParam(172, 1, QStringLiteral("11:50"));
  simParam(122, 5, QStringLiteral("0x7E"));
  const ToolRun backup = run(programMode() + QStringList{"backup", file});
  EXPECT_EQ(backup.exitCode, 7) << backup.err.toStdString();
  EXPECT_EQ(backup.out, QStringLiteral("2329 of 2332 parameters saved to %1.partial\n").arg(file));
  EXPECT_TRUE(backup.err.contains(QStringLiteral(
      "tarnelctl: 3 parameters hold a value that cannot be read over TCP, since its reply holds the byte 0x7E, "
      "which the file lacks: P172 time zone 1, P60 area A, P122 zone 5\n")))
      << backup.err.toStdString();
  EXPECT_TRUE(backup.err.contains(QStringLiteral("%1 was left as it was").arg(file))) << backup.err.toStdString();
  EXPECT_FALSE(backup.err.contains(QStringLiteral("did not answer"))) << backup.err.toStdString();
  EXPECT_EQ(ReadText(file), complete);
  EXPECT_EQ(QFile::permissions(file + QStringLiteral(".partial")),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

  const ToolRun compare = run(programMode() + QStringList{"compare", file});
  EXPECT_EQ(compare.exitCode, 7);
  EXPECT_TRUE(compare.out.contains(QStringLiteral("(cannot be read over TCP: its reply holds the byte 0x7E)  60")))
      << compare.out.toStdString();
  const ToolRun restore = run(programMode() + QStringList{"restore", file});
  EXPECT_EQ(restore.exitCode, 7);
  EXPECT_EQ(Group(restore.out, "Not written, its value cannot be read over TCP, since its reply holds the byte 0x7E")
                .size(),
            3u)
      << restore.out.toStdString();
}

TEST_F(TarnelctlTest, ARestoreThatLosesTheLinkReportsWhatWasWrittenAndTheNextRunWritesTheRest) {
  for (int user = 2; user <= 5; ++user) simParam(1, user, QStringLiteral("\"111%1\"").arg(user));
  const QString file = path("codes.toml");
  ASSERT_EQ(run(programMode() + QStringList{"backup", file}).exitCode, 0);
  for (int user = 2; user <= 5; ++user) simParam(1, user, QStringLiteral("\"2222\""));

  // Each code gets 1000 ms after its write: the link drops in the pause after the second.
  qsizetype from = mark();
  auto tool = start(programMode() + QStringList{"restore", file});
  ASSERT_TRUE(WaitFor([&] { return received(from).filter(QStringLiteral("7A 01 01 01 0")).size() == 2; }, 20000));
  sim->process().write("drop\n");
  const ToolRun lost = finish(*tool);
  EXPECT_EQ(lost.exitCode, 5) << lost.err.toStdString();
  const auto unconfirmed = Group(lost.out, "Written but not read back, the link was lost");
  const auto notWritten = Group(lost.out, "Not written, the link was lost");
  ASSERT_EQ(unconfirmed.size(), 2u) << lost.out.toStdString();
  ASSERT_EQ(notWritten.size(), 2u) << lost.out.toStdString();
  EXPECT_EQ(unconfirmed[0], (QStringList{"P1 user 2", "User > Code", "\"1112\""}));
  EXPECT_EQ(unconfirmed[1], (QStringList{"P1 user 3", "User > Code", "\"1113\""}));
  EXPECT_EQ(notWritten[0], (QStringList{"P1 user 4", "User > Code", "\"2222\" -> \"1114\""}));
  EXPECT_EQ(notWritten[1], (QStringList{"P1 user 5", "User > Code", "\"2222\" -> \"1115\""}));
  EXPECT_TRUE(lost.err.contains(QStringLiteral("program mode could not be left"))) << lost.err.toStdString();

  // The panel is still in program mode: the next run finds it so and sends no code into it.
  from = mark();
  const ToolRun rest = run(programMode() + QStringList{"restore", file});
  EXPECT_EQ(rest.exitCode, 0) << rest.err.toStdString();
  const auto written = Group(rest.out, "Written");
  ASSERT_EQ(written.size(), 2u) << rest.out.toStdString();
  EXPECT_EQ(written[0][0], QStringLiteral("P1 user 4"));
  EXPECT_EQ(written[1][0], QStringLiteral("P1 user 5"));
  const QStringList keys = received(from).filter(QRegularExpression(QStringLiteral("^7A ")));
  EXPECT_EQ(keys, (QStringList{"7A 01 01 01 04 11", "7A 01 01 01 05 11"}));
  for (int user = 2; user <= 5; ++user)
    EXPECT_EQ(simParam(1, user), QStringLiteral("sim: param 1/%1 = \"111%1\"").arg(user));
  EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));
}

TEST_F(TarnelctlTest, RefusedFilesNameTheLineAndWriteNothing) {
  const struct {
    const char* name;
    const char* text;
    const char* message;
  } cases[] = {
      {"syntax", "format = 1\n[parameters]\n\"P60 area A\" = = 45\n", "line 3: "},
      {"unknown", "format = 1\n[parameters]\n\"P60 area A\" = 45\n\"P99 zone 1\" = 3\n",
       "line 4: unknown parameter \"P99 zone 1\""},
      {"range", "format = 1\n[parameters]\n\"P60 area A\" = 300\n",
       "line 3: P60 area A (Area > Armed Exit Delay Time) must be a number from 0 to 255"},
      {"version", "format = 2\n[parameters]\n\"P60 area A\" = 45\n", "line 1: format 2 is not 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString file = path(QString::fromLatin1(c.name) + QStringLiteral(".toml"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.text);
    f.close();
    for (const char* command : {"restore", "compare"}) {
      const qsizetype from = mark();
      const ToolRun refused = run(programMode() + QStringList{QString::fromLatin1(command), file});
      EXPECT_EQ(refused.exitCode, 4);
      EXPECT_TRUE(refused.err.startsWith(QStringLiteral("tarnelctl: %1: %2").arg(file, QString::fromUtf8(c.message))))
          << refused.err.toStdString();
      EXPECT_TRUE(refused.err.contains(QStringLiteral("nothing is written from it")));
      EXPECT_TRUE(received(from).isEmpty()) << simSince(from).toStdString();
    }
  }
  // A device that never ends is read only as far as a panel file can go.
  const ToolRun endless = run(programMode() + QStringList{"restore", "/dev/zero"});
  EXPECT_EQ(endless.exitCode, 4);
  EXPECT_TRUE(endless.err.startsWith(QStringLiteral("tarnelctl: /dev/zero: too large to be a panel file")))
      << endless.err.toStdString();
  EXPECT_EQ(simParam(60, 1), QStringLiteral("sim: param 60/1 = 60"));
}

TEST_F(TarnelctlTest, LeavesProgramModeAfterAnErrorAndOnEveryInterruptingSignal) {
  // An error once in program mode: the backup's file cannot be written.
  QDir(dir.path()).mkdir(QStringLiteral("taken"));
  qsizetype from = mark();
  const ToolRun error = run(programMode() + QStringList{"backup", path("taken")});
  EXPECT_EQ(error.exitCode, 4) << error.err.toStdString();
  EXPECT_TRUE(error.err.contains(QStringLiteral("cannot write"))) << error.err.toStdString();
  EXPECT_EQ(received(from).last(), QStringLiteral("7E A0 07 00 7E"));
  EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));

  for (int user = 2; user <= 5; ++user) simParam(1, user, QStringLiteral("\"333%1\"").arg(user));
  const QString file = path("codes.toml");
  ASSERT_EQ(run(programMode() + QStringList{"backup", file}).exitCode, 0);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(signal);
    for (int user = 2; user <= 5; ++user) simParam(1, user, QStringLiteral("\"4444\""));
    from = mark();
    auto tool = start(programMode() + QStringList{"restore", file});
    ASSERT_TRUE(WaitFor([&] { return !received(from).filter(QStringLiteral("7A 03 03 03 02")).isEmpty(); }, 20000));
    ::kill(static_cast<pid_t>(tool->processId()), signal);
    const ToolRun interrupted = finish(*tool);
    EXPECT_EQ(interrupted.exitCode, 130) << interrupted.err.toStdString();
    // The write under way finishes; the rest is left and reported.
    EXPECT_EQ(Group(interrupted.out, "Written but not read back, the run was interrupted").size(), 1u)
        << interrupted.out.toStdString();
    EXPECT_EQ(Group(interrupted.out, "Not written, the run was interrupted").size(), 3u);
    EXPECT_TRUE(interrupted.err.endsWith(QStringLiteral("tarnelctl: interrupted\n"))) << interrupted.err.toStdString();
    EXPECT_EQ(interrupted.err.count(QStringLiteral("interrupted")), 1) << interrupted.err.toStdString();
    EXPECT_EQ(received(from).last(), QStringLiteral("7E A0 07 00 7E"));
    EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));
  }
}

TEST_F(TarnelctlTest, APanelLeftInProgramModeGetsNoCodeTypedIntoItHoweverSlowTheLinkOrSilentThePanel) {
  // 300 ms round trip at 1200 bytes a second, as on a GSM call.
  SimProcess slow({"--listen", "0", "--password", kModulePassword, "--latency-ms", "150", "--bytes-per-s", "1200"});
  const quint16 slowPort = slow.listeningPort();
  ASSERT_NE(slowPort, 0);
  const QStringList slowRoute{"--call", QStringLiteral("127.0.0.1:%1").arg(slowPort), "--module-password",
                              kModulePassword, "--installer-code", "9999"};
  const QString file = path("one.toml");
  QFile one(file);
  ASSERT_TRUE(one.open(QIODevice::WriteOnly));
  one.write("format = 1\n[parameters]\n\"P60 area A\" = 60\n");
  one.close();
  const QString code = QStringLiteral("7A 10 09 09 09 09 11");

  // A run that dies in program mode leaves the panel there.
  auto dying = start(slowRoute + QStringList{"compare", file});
  ASSERT_TRUE(slow.waitForOutput(code, 20000));
  dying->kill();
  dying->waitForFinished(5000);
  ASSERT_TRUE(slow.waitForOutput(QStringLiteral("link closed"), 5000));
  const qsizetype from = slow.output().size();
  slow.process().write("status\n");
  ASSERT_TRUE(slow.waitForOutput(QStringLiteral("sim: mode: program"), 5000));

  QElapsedTimer took;
  took.start();
  const ToolRun next = run(slowRoute + QStringList{"compare", file});
  EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
  // The login, the read and leaving program mode: three round trips at least.
  EXPECT_GE(took.elapsed(), 900);
  EXPECT_TRUE(next.err.contains(QStringLiteral("the panel is in program mode already"))) << next.err.toStdString();
  ASSERT_TRUE(slow.waitForOutput(QStringLiteral("7E A0 07 00 7E"), 5000));
  EXPECT_FALSE(slow.output().mid(from).contains(code)) << slow.output().mid(from).toStdString();

  // A panel that shows nothing at all may be in program mode as well.
  SimProcess modem({"modem", "--step-ms", "30"});
  static const QRegularExpression device(QStringLiteral("modem on (\\S+)"));
  QRegularExpressionMatch found;
  ASSERT_TRUE(WaitFor([&] { return (found = device.match(modem.output())).hasMatch(); }));
  modem.process().write("silent on\n");
  ASSERT_TRUE(modem.waitForOutput(QStringLiteral("silent")));
  const ToolRun silent = run({"--gsm", "0612345678", "--gsm-password", "4321", "--serial-ports", found.captured(1),
                              "--installer-code", "9999", "--timeout", "2", "backup", path("silent.toml")});
  EXPECT_EQ(silent.exitCode, 3) << silent.err.toStdString();
  EXPECT_TRUE(silent.err.contains(QStringLiteral("the panel did not show its state within 2 s, so it may be in "
                                                 "program mode: the installer code is not typed into it")))
      << silent.err.toStdString();
  EXPECT_TRUE(modem.waitForOutput(QStringLiteral("call ended")));
  EXPECT_FALSE(modem.output().contains(QStringLiteral("panel got: 7A"))) << modem.output().toStdString();
  EXPECT_FALSE(QFile::exists(path("silent.toml")));
}

TEST_F(TarnelctlTest, EventsAsCsvHoldTheWholeMemoryAsTheWindowsLinesDo) {
  qsizetype from = mark();
  const QString csv = path("events.csv");
  const ToolRun saved = run(route() + QStringList{"events", "--csv", csv});
  ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
  const QStringList messages = received(from);
  // Review started, every record followed to the oldest (a full memory of 255), review ended.
  ASSERT_FALSE(messages.isEmpty());
  EXPECT_EQ(messages.first(), QStringLiteral("7E A1 07 16 7E"));
  EXPECT_EQ(messages.filter(QRegularExpression(QStringLiteral("^7E A9 07 .. 7E$"))).size(), 255);
  EXPECT_EQ(messages.last(), QStringLiteral("7E A1 07 11 7E"));

  const QStringList rows = ReadText(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_GT(rows.size(), 200);
  EXPECT_EQ(rows[0], QStringLiteral("time,event,code,area,number,index"));
  EXPECT_TRUE(rows[1].contains(QStringLiteral(",Restart unit,145,"))) << rows[1].toStdString();
  EXPECT_EQ(saved.out, QStringLiteral("%1 events saved to %2\n").arg(rows.size() - 1).arg(csv));

  // The same events as lines: date, time, a tab, the text.
  const ToolRun lines = run(route() + QStringList{"events"});
  ASSERT_EQ(lines.exitCode, 0);
  const QStringList shown = lines.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(shown.size(), rows.size() - 1);
  static const QRegularExpression line(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d\\tRestart unit$"));
  EXPECT_TRUE(line.match(shown[0]).hasMatch()) << shown[0].toStdString();
}

TEST_F(TarnelctlTest, EventsFirstLeaveAProgramModeALostLinkLeftBehind) {
  const QString file = path("codes.toml");
  ASSERT_EQ(run(programMode() + QStringList{"backup", file}).exitCode, 0);
  simParam(1, 2, QStringLiteral("\"2222\""));
  qsizetype from = mark();
  auto tool = start(programMode() + QStringList{"restore", file});
  ASSERT_TRUE(WaitFor([&] { return !received(from).filter(QStringLiteral("7A 11")).isEmpty(); }, 20000));
  sim->process().write("drop\n");
  ASSERT_EQ(finish(*tool).exitCode, 5);
  ASSERT_EQ(simMode(), QStringLiteral("sim: mode: program, entry: none"));

  // The review's keys would otherwise be typed into the parameter the panel stands on.
  from = mark();
  const ToolRun events = run(route() + QStringList{"events"});
  EXPECT_EQ(events.exitCode, 0) << events.err.toStdString();
  EXPECT_TRUE(events.err.contains(QStringLiteral("the panel was in program mode"))) << events.err.toStdString();
  const QStringList messages = received(from);
  ASSERT_GE(messages.size(), 2);
  EXPECT_EQ(messages[0], QStringLiteral("7E A0 07 00 7E"));
  EXPECT_EQ(messages[1], QStringLiteral("7E A1 07 16 7E"));
  EXPECT_EQ(simParam(1, 2), QStringLiteral("sim: param 1/2 = \"\""));
  EXPECT_EQ(simMode(), QStringLiteral("sim: mode: command, entry: none"));
}

TEST_F(TarnelctlTest, StatusShowsWhatThePanelsFramesSay) {
  simAsk(QStringLiteral("zone open 3\nzone open 12\ntrouble battery on\noutput on 2\nstatus"), QStringLiteral("sim: mode: "));
  const ToolRun status = run(route() + QStringList{"status"});
  ASSERT_EQ(status.exitCode, 0) << status.err.toStdString();
  QStringList lines = status.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (QString& l : lines) l = l.simplified();
  EXPECT_EQ(lines.mid(2), (QStringList{"mode: command", "ready: -", "armed: -", "stay armed: -", "zones open: 3 12",
                                       "zones alarm: -", "zones bypassed: -", "zones tamper: -", "outputs on: 2",
                                       "troubles: battery"}));
  EXPECT_EQ(lines.value(0), QStringLiteral("version: 2.10 [005]"));
  EXPECT_TRUE(lines.value(1).startsWith(QStringLiteral("clock: "))) << lines.value(1).toStdString();
}

TEST_F(TarnelctlTest, BadArgumentsNameTheOptionAndExitWithTwo) {
  const std::pair<QStringList, const char*> cases[] = {
      {{"status"}, "no route to the panel"},
      {{"--listen", "4700", "frobnicate"}, "unknown command 'frobnicate'"},
      {{"--listen", "4700", "backup"}, "backup needs a FILE"},
      {{"--listen", "4700", "backup", "x.toml"}, "backup needs the installer code"},
      {{"--listen", "abc", "status"}, "--listen: 'abc' is not a port number"},
      {{"--call", "h:0", "status"}, "--call: 'h:0' is not host or host:port"},
      {{"--call", "h", "--module-password", "short", "status"}, "--module-password: 8 to 14 characters"},
      {{"--module-password", "installer1", "--listen", "4700", "status"}, "--module-password: only --call, --site and --all-sites take it"},
      {{"--gsm", "0612", "status"}, "--gsm: --gsm-password is needed"},
      {{"--gsm", "0612", "--gsm-password", "1", "--call", "h", "status"}, "--gsm: give one route only"},
      {{"--listen", "4700", "--installer-code", "12a4", "status"}, "--installer-code: the installer code is 1 to 13 digits"},
      {{"--listen", "4700", "--dry-run", "status"}, "--dry-run: only restore takes it"},
      {{"--listen", "4700", "--csv", "x.csv", "status"}, "--csv: only events and sites take it"},
      {{"--listen", "4700", "--timeout", "0", "status"}, "--timeout: '0' is not a number of seconds"},
      {{"--listen", "4700", "status", "extra"}, "unexpected argument 'extra'"},
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ToolRun bad = run(arguments);
    EXPECT_EQ(bad.exitCode, 2);
    // One line and where to read more, not the whole usage.
    const QStringList lines = bad.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << bad.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("tarnelctl: ") + QString::fromUtf8(message))) << bad.err.toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("Try 'tarnelctl --help' for more."));
    EXPECT_TRUE(bad.out.isEmpty());
  }
  const ToolRun help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* documented : {"TARNEL_INSTALLER_CODE", "--installer-code", "--timeout", "--quiet", "restore FILE",
                                 "events", "130  interrupted by Ctrl+C, SIGTERM, SIGHUP or SIGQUIT",
                                 "Equal means equal in every byte and bit", "FILE.partial"})
    EXPECT_TRUE(help.out.contains(QString::fromLatin1(documented))) << documented;
}

TEST_F(TarnelctlTest, EveryRouteReachesThePanel) {
  // The module calls in.
  const quint16 listenPort = testseams::FreeLoopbackPort();
  SimProcess callingIn({"--connect", QStringLiteral("127.0.0.1:%1").arg(listenPort), "--redial-ms", "200"});
  ToolRun status = run({"--listen", QString::number(listenPort), "status"});
  EXPECT_EQ(status.exitCode, 0) << status.err.toStdString();
  EXPECT_TRUE(status.out.startsWith(QStringLiteral("version:         2.10 [005]\n"))) << status.out.toStdString();

  // An authorised call out: the module logs the PC in and calls it back.
  const quint16 callBackPort = testseams::FreeLoopbackPort();
  SimProcess callingBack({"--listen", "0", "--call-back", QString::number(callBackPort)});
  const quint16 modulePort = callingBack.listeningPort();
  status = run({"--call", QStringLiteral("127.0.0.1:%1").arg(modulePort), "--listen", QString::number(callBackPort),
                "status"});
  EXPECT_EQ(status.exitCode, 0) << status.err.toStdString();
  EXPECT_TRUE(callingBack.waitForOutput(QStringLiteral("login-only (access code): verdict 71 00")));
  EXPECT_TRUE(callingBack.waitForOutput(QStringLiteral("called in to")));

  // The GSM modem on port 2 (port 1 has no device): a whole backup over the serial link.
  SimProcess modem({"modem", "--step-ms", "30"});
  static const QRegularExpression device(QStringLiteral("modem on (\\S+)"));
  QRegularExpressionMatch found;
  ASSERT_TRUE(WaitFor([&] { return (found = device.match(modem.output())).hasMatch(); }));
  const QString file = path("gsm.toml");
  const ToolRun backup = run({"--gsm", "0612345678", "--gsm-password", "4321", "--serial-ports",
                              "/dev/no-such-port," + found.captured(1), "--installer-code", "9999", "backup", file});
  EXPECT_EQ(backup.exitCode, 0) << backup.err.toStdString();
  EXPECT_EQ(backup.out, QStringLiteral("2332 of 2332 parameters saved to %1\n").arg(file));
  EXPECT_TRUE(modem.waitForOutput(QStringLiteral("7E A0 07 00 7E")));
  EXPECT_TRUE(modem.waitForOutput(QStringLiteral("call ended")));
}

}  // namespace
