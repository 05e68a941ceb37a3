// The program-mode "File" commands against a recording link: what reaches
// the wire, what a person is told, and what a refused file keeps from the panel.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

#include "console/ProgramModeMenu.h"
#include "panelfiles/CSlotTableDlg.h"
#include "panelfiles/CTransferProgressDlg.h"
#include "panelfiles/PanelFileCommands.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/support/Accessibility.h"

namespace {

using console::FileMenuItem;
using editorstest::Bytes;
using panelfiles::CSlotTableDlg;
using panelfiles::CTransferProgressDlg;
using testseams::Boxes;
using testseams::Files;
using testseams::WaitFor;
using testseams::WhenModal;

const Bytes kReadExitDelayA{0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E};
// Reading back starts with a read of the software version (P200/1): every
// reply before its answer belongs to an older read.
const Bytes kFence{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E};

class FileCommands : public editorstest::ProgramModeTest {
 protected:
  void SetUp() override {
    ProgramModeTest::SetUp();
    panelfiles::WirePanelFileCommands(*window);
    // Reply waits of 200 ms: long enough for the test to look before the job asks again.
    testseams::Times().scale = 0.1;
  }
  // A file in the test's folder holding `text`; its path.
  QString file(const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
  }
  void trigger(FileMenuItem item) {
    QAction* action = window->programAction(console::FileMenuPath(item));
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
  }
  bool waitSent(std::size_t count) {
    return WaitFor([&] { return sent().size() >= count; }) && sent().size() == count;
  }

  QTemporaryDir dir;
};

TEST_F(FileCommands, WriteSendsOnlyWhatDiffersAsTheEditorWouldAndReportsItConfirmed) {
  Files().answers = {file(QStringLiteral("site.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 45\n")};
  QList<QStringList> reported;
  WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg* progress) {
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Write file to panel"));
    testseams::ExpectEveryControlNamed(progress);
    // Only what the file knows is read...
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], kReadExitDelayA);
    EXPECT_EQ(conn.owners[0], progress);
    feed({0x17, 0x07, 60, 0x3C, 0x01, 0x7E});
    // ...then written as the value editor writes it, the read that places the panel first...
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E, 0x7A, 0x04, 0x05, 0x11}));
    // ...and read back after the value's 100 ms, once the reply to the positioning read is past:
    // on a slow link it comes after the pause, holding the old value.
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], kFence);
    EXPECT_NE(std::find(testseams::Times().timers.begin(), testseams::Times().timers.end(), 100),
              testseams::Times().timers.end());
    feed({0x17, 0x07, 60, 0x3C, 0x01, 0x7E});
    feed({0x18, 0x07, 0x00, 0xD2, 0xC8, 0x01, 0x7E});
    ASSERT_TRUE(waitSent(4));
    EXPECT_EQ(sent()[3], kReadExitDelayA);
    WhenModal<CSlotTableDlg>([&](CSlotTableDlg* report) {
      reported = report->rows();
      testseams::ExpectEveryControlNamed(report);
      EXPECT_EQ(report->summaryLabel()->text(),
                QStringLiteral("Written and confirmed: 1. Kept on the panel: 0. Not taken by the panel: 0. "
                               "Written, not read back: 0. Not written: 0."));
      report->reject();
    });
    feed({0x17, 0x07, 45, 0x3C, 0x01, 0x7E});
  });
  trigger(FileMenuItem::WriteToPanel);
  EXPECT_EQ(reported, (QList<QStringList>{{QStringLiteral("Area > Armed Exit Delay Time"), QStringLiteral("area A"),
                                           QStringLiteral("45"), QStringLiteral("written and confirmed"), QString()}}));
  EXPECT_EQ(sent().size(), 4u);
  EXPECT_EQ(window->editorFrameType(), -1);
}

TEST_F(FileCommands, APanelThatKeepsItsValueOrDoesNotAnswerIsReportedSo) {
  Files().answers = {
      file(QStringLiteral("site.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 45\n\"P60 area B\" = 50\n")};
  QList<QStringList> reported;
  WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg*) {
    ASSERT_TRUE(waitSent(1));
    feed({0x17, 0x07, 60, 0x3C, 0x01, 0x7E});                                   // area B never answers
    ASSERT_TRUE(WaitFor([&] { return sent().size() >= 5; })) << sent().size();  // three reads, the write, the fence
    feed({0x18, 0x07, 0x00, 0xD2, 0xC8, 0x01, 0x7E});
    ASSERT_TRUE(WaitFor([&] { return sent().size() >= 6; })) << sent().size();  // the read-back
    WhenModal<CSlotTableDlg>([&](CSlotTableDlg* report) {
      reported = report->rows();
      report->reject();
    });
    feed({0x17, 0x07, 60, 0x3C, 0x01, 0x7E});
  });
  trigger(FileMenuItem::WriteToPanel);
  ASSERT_EQ(reported.size(), 2);
  EXPECT_EQ(reported[0][3], QStringLiteral("not taken by the panel, which holds 60"));
  EXPECT_EQ(reported[1][1], QStringLiteral("area B"));
  EXPECT_EQ(reported[1][3], QStringLiteral("not written: no answer"));
}

TEST_F(FileCommands, ALinkLostWhileAFileIsChosenStartsNothing) {
  const QString path = dir.filePath(QStringLiteral("backup.toml"));
  Files().answers = {path};
  Files().whileChoosing = [&] { window->handleLinkClosed(); };
  bool progressShown = false;
  QTimer watch;  // ends with the test, unlike a WhenModal that never fires
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* progress = qobject_cast<CTransferProgressDlg*>(QApplication::activeModalWidget())) {
      progressShown = true;
      progress->reject();
    }
  });
  watch.start(5);
  trigger(FileMenuItem::SaveToFile);
  Files().whileChoosing = nullptr;
  EXPECT_FALSE(progressShown);
  EXPECT_TRUE(sent().empty());
  EXPECT_FALSE(QFile::exists(path));
  ASSERT_FALSE(Boxes().shown.empty());
  EXPECT_EQ(Boxes().shown.back().text,
            QStringLiteral("The link to the panel was lost before the work was done; nothing was saved."));
}

TEST_F(FileCommands, CancelWhileReadingForASaveStopsAtOnceAndWritesNoFile) {
  const QString path = dir.filePath(QStringLiteral("backup.toml"));
  Files().answers = {path};
  WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg* progress) {
    // The first batch: eight read requests in one write, as the editors' loads send them.
    ASSERT_TRUE(waitSent(1));
    Bytes batch;
    for (std::uint8_t user = 1; user <= 8; ++user)
      batch.insert(batch.end(), {0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, user, 0x7E});
    EXPECT_EQ(sent()[0], batch);
    QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
  });
  trigger(FileMenuItem::SaveToFile);
  ASSERT_EQ(Files().asked.size(), 1u);
  EXPECT_EQ(Files().asked[0].purpose, platform::FileDialogs::Purpose::Save);
  EXPECT_EQ(Files().asked[0].defaultSuffix, QStringLiteral("toml"));
  EXPECT_EQ(sent().size(), 1u);
  EXPECT_FALSE(QFile::exists(path));
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Cancelled: nothing was saved."));
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
}

// A panel that answers the first batch, then nothing: the file it gives
// misses parameters, so it never replaces a file that is there.
TEST_F(FileCommands, ABackupThatMissesParametersNeverReplacesAFile) {
  const mode_t mask = ::umask(022);
  const QString path = dir.filePath(QStringLiteral("site.toml"));
  const auto backUp = [&] {
    conn.writes.clear();
    conn.owners.clear();
    Files().answers = {path};
    WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg*) {
      ASSERT_TRUE(waitSent(1));
      for (std::uint8_t user = 1; user <= 8; ++user)
        feed({0x1A, 0x07, 0x21, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, user, 0x7E});
    });
    trigger(FileMenuItem::SaveToFile);
  };
  const QString missed = QStringLiteral("The panel did not answer for 2324 parameter(s). ");

  // No file there: the parameters read are saved, for their owner alone.
  backUp();
  ASSERT_FALSE(Boxes().shown.empty());
  EXPECT_EQ(Boxes().shown.back().text, missed + QStringLiteral("The 8 parameter(s) read were saved to %1.").arg(path));
  EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

  // A file there: it is left byte for byte, the new one goes beside it.
  const QByteArray complete = "format = 1\n# a complete backup\n";
  file(QStringLiteral("site.toml"), complete);
  backUp();
  EXPECT_EQ(Boxes().shown.back().text,
            missed + QStringLiteral("%1 was left as it was; the 8 parameter(s) read were saved to %1.partial.").arg(path));
  QFile kept(path);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), complete);
  QFile partial(path + QStringLiteral(".partial"));
  ASSERT_TRUE(partial.open(QIODevice::ReadOnly));
  EXPECT_TRUE(partial.readAll().contains("\"P1 user 8\" = \"1234\"  # User > Code\n"));
  EXPECT_EQ(partial.permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
  ::umask(mask);
}

TEST_F(FileCommands, ALostLinkClosesTheProgressAndSaysSo) {
  Files().answers = {file(QStringLiteral("site.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 45\n")};
  WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg*) {
    ASSERT_TRUE(waitSent(1));
    window->handleLinkClosed();
  });
  trigger(FileMenuItem::CompareWithFile);
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("The link to the panel was lost before the work was done."));
  EXPECT_FALSE(window->isProgramMode());
}

TEST_F(FileCommands, CompareShowsTheDifferingValuesSideBySide) {
  Files().answers = {
      file(QStringLiteral("site.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 45\n\"P60 area B\" = 60\n")};
  QList<QStringList> shown;
  QString summary;
  WhenModal<CTransferProgressDlg>([&](CTransferProgressDlg*) {
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0],
              (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E, 0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x02, 0x7E}));
    WhenModal<CSlotTableDlg>([&](CSlotTableDlg* table) {
      shown = table->rows();
      summary = table->summaryLabel()->text();
      table->reject();
    });
    feed({0x17, 0x07, 60, 0x3C, 0x01, 0x7E});
    feed({0x17, 0x07, 60, 0x3C, 0x02, 0x7E});
  });
  trigger(FileMenuItem::CompareWithFile);
  EXPECT_EQ(summary, QStringLiteral("The panel differs from site.toml in 1 parameter(s)."));
  EXPECT_EQ(shown, (QList<QStringList>{{QStringLiteral("Area > Armed Exit Delay Time"), QStringLiteral("area A"),
                                        QStringLiteral("60"), QStringLiteral("45"), QString()}}));
  EXPECT_EQ(sent().size(), 1u);  // a compare writes nothing
}

// Each way a file is refused, for each command that reads one: the line is
// named and nothing goes to the panel.
TEST_F(FileCommands, ARefusedFileNamesTheLineAndSendsNothing) {
  const struct {
    const char* what;
    QByteArray text;
    QString expected;
  } files[] = {
      {"syntax error", "format = 1\n[parameters]\n\"P60 area A\" = = 45\n", QStringLiteral("line 3: ")},
      {"unknown parameter", "format = 1\n\n[parameters]\n\"P999 zone 1\" = 4\n",
       QStringLiteral("line 4: unknown parameter \"P999 zone 1\"")},
      {"out of range", "format = 1\n[parameters]\n\"P60 area A\" = 45\n\"P60 area B\" = 300\n",
       QStringLiteral("line 4: P60 area B (Area > Armed Exit Delay Time) must be")},
      {"format version", "format = 2\n[parameters]\n\"P60 area A\" = 45\n",
       QStringLiteral("line 1: format 2 is not 1")},
  };
  for (const FileMenuItem command : {FileMenuItem::CompareWithFile, FileMenuItem::WriteToPanel}) {
    for (const auto& f : files) {
      Boxes().shown.clear();
      Files().answers = {file(QStringLiteral("refused.toml"), f.text)};
      trigger(command);
      ASSERT_EQ(Boxes().shown.size(), 1u) << f.what;
      EXPECT_TRUE(Boxes().shown[0].text.contains(f.expected)) << f.what << ": " << Boxes().shown[0].text.toStdString();
      EXPECT_TRUE(Boxes().shown[0].text.contains(QStringLiteral("nothing was sent to the panel"))) << f.what;
      EXPECT_TRUE(sent().empty()) << f.what;
    }
  }
}

}  // namespace
