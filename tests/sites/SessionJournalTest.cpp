// The session journal end to end: the keypad window on a site, against the
// simulated panel, with the site's history in a real sites list. What the
// editors write is put down with the values the panel reports before and
// after; a lost link leaves the session as far as it got.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QVariant>

#include "editors/CByteItemDlg.h"
#include "editors/CValueDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/ProgramEditors.h"
#include "console/CPassDlg.h"
#include "console/ProgramModeMenu.h"
#include "panelfiles/CSlotTableDlg.h"
#include "panelfiles/PanelFileCommands.h"
#include "sites/PcUser.h"
#include "tests/editors/RunEditor.h"
#include "tests/sites/SitesFixture.h"
#include "tests/support/PrivateKeyring.h"

namespace sitestest {
namespace {

using testseams::WaitFor;
using testseams::WhenModal;

// One row of session_changes: parameter, entity, before, after ("NULL" for none).
using ChangeRow = std::tuple<int, int, QString, QString>;

class SessionJournalTest : public SiteConnectionsFixture {
 protected:
  void SetUp() override {
    SiteConnectionsFixture::SetUp();
    editors::WireProgramModeEditors(*window);
    panelfiles::WirePanelFileCommands(*window);
    sites::Site office;
    office.name = QStringLiteral("Office");
    office.address = QStringLiteral("127.0.0.1");
    office.port = startSim({QStringLiteral("--call-back"), QString::number(callBackPort())});
    site = addSite(office);
    connections->connectToSite(site);
    ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
    ASSERT_TRUE(displayFilled()) << sim->output().toStdString();
    WhenModal<console::CPassDlg>([](console::CPassDlg* dialog) {
      QTest::keyClicks(dialog->codeField(), QStringLiteral("9999"));
      dialog->accept();
    });
    trigger(QStringLiteral("Install code"));
    ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); }, 8000)) << sim->output().toStdString();
  }

  // Opens the item, waits for the panel's value, changes it, applies and closes.
  template <typename D>
  void edit(const QString& path, const std::function<void(D*)>& change) {
    const bool ran = editorstest::RunEditor<D>(window->programAction(path), [&](D* editor) {
      ASSERT_TRUE(WaitFor([&] { return editor->isLoaded(); }, 8000)) << path.toStdString();
      change(editor);
      QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
      ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
    });
    EXPECT_TRUE(ran) << path.toStdString();
  }
  void editValue(const QString& path, const QString& text) {
    edit<editors::CValueDlg>(path, [&](editors::CValueDlg* editor) {
      editor->valueField()->clear();
      QTest::keyClicks(editor->valueField(), text);
    });
  }

  // The site's sessions, oldest first: kind, outcome, whether it has ended, source.
  std::vector<QStringList> sessions() const {
    QSqlQuery query(database->connection());
    query.prepare(QStringLiteral("SELECT kind, outcome, ended_at IS NOT NULL, pc_user, source FROM sessions "
                                 "WHERE site_id = ? ORDER BY id"));
    query.addBindValue(site.id);
    EXPECT_TRUE(query.exec());
    std::vector<QStringList> rows;
    while (query.next())
      rows.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString()});
    return rows;
  }
  std::vector<ChangeRow> changes() const {
    QSqlQuery query(database->connection());
    EXPECT_TRUE(query.exec(QStringLiteral(
        "SELECT parameter, entity, ifnull(before_value, 'NULL'), ifnull(after_value, 'NULL') FROM session_changes "
        "ORDER BY id")));
    std::vector<ChangeRow> rows;
    while (query.next())
      rows.emplace_back(query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                        query.value(3).toString());
    return rows;
  }

  sites::Site site;
};

TEST_F(SessionJournalTest, LeavingProgramModeReadsBackAndKeepsExactlyWhatTheEditorsWrote) {
  // An option byte (zone 1's options A, 0x41 from the factory), a value
  // (area A's exit delay, 60 s) and a digit string (its account code, 1234).
  edit<editors::CByteItemDlg>(QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A"),
                              [](editors::CByteItemDlg* editor) {
                                QCheckBox* box = editor->checkBoxes()->box(3);
                                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
                              });
  editValue(QStringLiteral("Area|Armed Exit Delay Time"), QStringLiteral("45"));
  editValue(QStringLiteral("Area|Monitoring Account Code Number"), QStringLiteral("12bf"));
  // Opened and closed without a change: read, not written.
  editorstest::RunEditor<editors::CValueDlg>(window->programAction(QStringLiteral("Area|Armed Entry Delay Time")),
                                             [](editors::CValueDlg* editor) {
                                               WaitFor([&] { return editor->isLoaded(); }, 8000);
                                             });
  EXPECT_EQ(sessions(), (std::vector<QStringList>{{"editors", "running", "0", sites::PcUserName(), ""}}));

  window->programAction(QStringLiteral("Exit from Install"))->trigger();
  ASSERT_TRUE(WaitFor([&] { return !window->isProgramMode(); }, 8000)) << sim->output().toStdString();
  EXPECT_EQ(changes(), (std::vector<ChangeRow>{{122, 1, "41", "49"},
                                               {60, 1, "3C", "2D"},
                                               {62, 1, "21 43 FF FF FF FF FF FF", "21 AB FF FF FF FF FF FF"}}));
  EXPECT_EQ(sessions(), (std::vector<QStringList>{{"editors", "ended", "1", sites::PcUserName(), ""}}));
  // The read-back went out before the exit: the panel answered it in program mode.
  ASSERT_TRUE(WaitFor([&] { return sim->output().contains(QStringLiteral("7E A0 07 00 7E")); }));
  const QString out = sim->output();
  EXPECT_LT(out.lastIndexOf(QStringLiteral("7E AB 07 00 3E 00 01 7E")), out.indexOf(QStringLiteral("7E A0 07 00 7E")))
      << out.toStdString();
}

TEST_F(SessionJournalTest, ClosingTheWindowWithExitFromInstallFirstReadsBackBeforeLeaving) {
  editValue(QStringLiteral("Area|Armed Exit Delay Time"), QStringLiteral("45"));
  testseams::Boxes().answers.push_back(QMessageBox::Yes);
  window->close();
  EXPECT_EQ(changes(), (std::vector<ChangeRow>{{60, 1, "3C", "2D"}}));
  EXPECT_EQ(sessions(), (std::vector<QStringList>{{"editors", "ended", "1", sites::PcUserName(), ""}}));
}

TEST_F(SessionJournalTest, AWriteFromAFileIsARestoreSessionBetweenTheEditorsOnes) {
  editValue(QStringLiteral("Area|Armed Exit Delay Time"), QStringLiteral("45"));
  QFile file(dir.filePath(QStringLiteral("delays.toml")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("format = 1\n[parameters]\n\"P60 area A\" = 50\n");
  file.close();
  testseams::Files().answers = {file.fileName()};
  WhenModal<panelfiles::CSlotTableDlg>([](panelfiles::CSlotTableDlg* report) { report->accept(); });
  window->programAction(console::FileMenuPath(console::FileMenuItem::WriteToPanel))->trigger();
  window->programAction(QStringLiteral("Exit from Install"))->trigger();
  ASSERT_TRUE(WaitFor([&] { return sessions().size() == 3 && sessions()[2][1] == QLatin1String("ended"); }, 8000));

  EXPECT_EQ(sessions(), (std::vector<QStringList>{{"editors", "ended", "1", sites::PcUserName(), ""},
                                                  {"restore", "ended", "1", sites::PcUserName(), "delays.toml"},
                                                  {"editors", "ended", "1", sites::PcUserName(), ""}}));
  // 60 s, 45 from the editor, 50 (0x32) from the file.
  EXPECT_EQ(changes(), (std::vector<ChangeRow>{{60, 1, "3C", "2D"}, {60, 1, "2D", "32"}}));
}

TEST_F(SessionJournalTest, ASessionTheLinkLostIsKeptAsFarAsItGot) {
  editValue(QStringLiteral("Area|Armed Exit Delay Time"), QStringLiteral("45"));
  ASSERT_TRUE(WaitFor([&] { return changes().size() == 1; }));
  sim.reset();
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }, 8000));
  EXPECT_EQ(changes(), (std::vector<ChangeRow>{{60, 1, "3C", "NULL"}}));
  EXPECT_EQ(sessions(), (std::vector<QStringList>{{"editors", "link lost", "1", sites::PcUserName(), ""}}));
}

}  // namespace
}  // namespace sitestest
