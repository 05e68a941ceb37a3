// The "File" commands of the real keypad window against the simulator
// program: a saved file is the panel, a compare finds what the simulator's
// console changed, a write puts the file back, and Cancel stops a write
// between two parameters.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "console/ProgramModeMenu.h"
#include "panelfiles/CSlotTableDlg.h"
#include "panelfiles/CTransferProgressDlg.h"
#include "core/panelfiles/PanelFile.h"
#include "panelfiles/PanelFileCommands.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"

namespace {

using console::FileMenuItem;
using panelfiles::CSlotTableDlg;
using panelfiles::CTransferProgressDlg;
using panelfiles::PanelTransferJob;
using testseams::Boxes;
using testseams::Files;
using testseams::WaitFor;
using testseams::WhenModal;

class FileCommandsSim : public editorstest::ProgramModeSimTest {
 protected:
  void SetUp() override {
    ProgramModeSimTest::SetUp();
    panelfiles::WirePanelFileCommands(*window);
    // The panel's pauses after writes at a fifth of their time.
    testseams::Times().scale = 0.2;
  }
  // Runs the item with `file` as the user's choice; the table it ends with, if any.
  QList<QStringList> run(FileMenuItem item, const QString& file) {
    Files().answers = {file};
    QList<QStringList> rows;
    // Watches only while the command runs, so a table that never comes leaves no watcher behind.
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* table = dynamic_cast<CSlotTableDlg*>(QApplication::activeModalWidget())) {
        rows = table->rows();
        table->reject();
      }
    });
    poll.start();
    window->programAction(console::FileMenuPath(item))->trigger();
    return rows;
  }
  std::optional<panelfiles::PanelImage> read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray text = f.readAll();
    auto image = panelfiles::ReadPanelFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!std::holds_alternative<panelfiles::PanelImage>(image)) return std::nullopt;
    return std::get<panelfiles::PanelImage>(image);
  }
  QString file(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
};

TEST_F(FileCommandsSim, SaveCompareAndWriteRoundTrip) {
  // Saved: every parameter, as the simulator holds it.
  const QString backup = file(QStringLiteral("backup.toml"));
  EXPECT_TRUE(run(FileMenuItem::SaveToFile, backup).isEmpty());
  const std::optional<panelfiles::PanelImage> saved = read(backup);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->knownCount(), 2332u);
  EXPECT_EQ(saved->softwareVersion, window->versionText().toStdString());
  const auto savedText = [&](int p, int e) {
    const int slot = panelfiles::SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e));
    return QString::fromStdString(
        params::FormatValue(*panelfiles::AllSlots()[static_cast<std::size_t>(slot)].parameter, *saved->at(slot)));
  };
  for (const auto& [p, e] : {std::pair{1, 1}, {144, 16}, {122, 5}, {0xB5, 2}, {170, 1}})
    EXPECT_TRUE(simAnswers(QStringLiteral("param %1 %2").arg(p).arg(e),
                           QStringLiteral("sim: param %1/%2 = %3").arg(p).arg(e).arg(savedText(p, e))))
        << p << "/" << e << " " << sim->output().toStdString();

  // Four kinds of value changed at the panel: the compare lists exactly those.
  for (const char* change : {"param 60 1 45", "param 1 2 \"4711\"", "param 122 5 0x44", "param 172 1 09:30"})
    ASSERT_TRUE(simAnswers(QString::fromLatin1(change), QStringLiteral("sim: param "))) << change;
  EXPECT_EQ(run(FileMenuItem::CompareWithFile, backup),
            (QList<QStringList>{{QStringLiteral("User > Code"), QStringLiteral("user 2"), QStringLiteral("\"4711\""),
                                 QStringLiteral("\"\""), QString()},
                                {QStringLiteral("Clock Setting > Time zone > Start"), QStringLiteral("time zone 1"),
                                 QStringLiteral("09:30"), QStringLiteral("08:00"), QString()},
                                {QStringLiteral("Area > Armed Exit Delay Time"), QStringLiteral("area A"),
                                 QStringLiteral("45"), QStringLiteral("60"), QString()},
                                {QStringLiteral("Zone-Main > Zone Alarm Type Options > Zone Options A"),
                                 QStringLiteral("zone 5"), QStringLiteral("0x44"), QStringLiteral("0x45"),
                                 QStringLiteral("Zone is Active: off -> on")}}));

  // Written back: the four, each confirmed, and the simulator holds the file again.
  const QList<QStringList> report = run(FileMenuItem::WriteToPanel, backup);
  ASSERT_EQ(report.size(), 4);
  for (const QStringList& row : report)
    EXPECT_EQ(row[3], QStringLiteral("written and confirmed")) << row[0].toStdString();
  for (const char* check : {"param 60 1|= 60", "param 1 2|= \"\"", "param 122 5|= 0x45", "param 172 1|= 08:00"}) {
    const QStringList parts = QString::fromLatin1(check).split(QLatin1Char('|'));
    EXPECT_TRUE(simAnswers(parts[0], parts[1])) << check;
  }
  Boxes().shown.clear();
  EXPECT_TRUE(run(FileMenuItem::CompareWithFile, backup).isEmpty());
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("The panel and backup.toml agree."));
}

TEST_F(FileCommandsSim, CancelDuringAWriteStopsBetweenParameters) {
  const QString wanted = file(QStringLiteral("delays.toml"));
  QFile f(wanted);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("format = 1\n[parameters]\n\"P144 zone 1\" = 41\n\"P144 zone 2\" = 42\n\"P144 zone 3\" = 43\n");
  f.close();
  WhenModal<CTransferProgressDlg>([](CTransferProgressDlg* progress) {
    // The person presses Cancel as the second write is due.
    QObject::connect(&progress->job(), &PanelTransferJob::progress,
                     [progress](PanelTransferJob::Stage stage, int done, int total) {
                       if (stage != PanelTransferJob::Stage::Writing || done != 1) return;
                       EXPECT_EQ(progress->stageLabel()->text(), QStringLiteral("Writing to the panel: 1 of 3"));
                       EXPECT_EQ(total, 3);
                       QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
                     });
  });
  const QList<QStringList> report = run(FileMenuItem::WriteToPanel, wanted);
  ASSERT_EQ(report.size(), 3);
  EXPECT_EQ(report[0][3], QStringLiteral("written, not read back (cancelled)"));
  EXPECT_EQ(report[1][3], QStringLiteral("not written: cancelled"));
  EXPECT_EQ(report[2][3], QStringLiteral("not written: cancelled"));
  EXPECT_TRUE(simAnswers(QStringLiteral("param 144 1"), QStringLiteral("sim: param 144/1 = 41")));
  EXPECT_TRUE(simAnswers(QStringLiteral("param 144 2"), QStringLiteral("sim: param 144/2 = 30")));
  EXPECT_TRUE(simAnswers(QStringLiteral("param 144 3"), QStringLiteral("sim: param 144/3 = 30")));
  EXPECT_TRUE(window->isProgramMode());
}

}  // namespace
