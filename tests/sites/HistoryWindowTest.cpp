// A site's "History" window as a person uses it, on a real list: the
// timeline, one session's changes as the panel reported them, one snapshot
// against the one before, two snapshots compared, a snapshot saved as a
// panel file; keyboard order and labels.
#include <sys/stat.h>

#include <QFile>
#include <algorithm>
#include <QLabel>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTimeZone>

#include "console/CPassDlg.h"
#include "console/ProgramModeMenu.h"
#include "panelfiles/CSlotTableDlg.h"
#include "panelfiles/PanelFileCommands.h"
#include "sites/SiteHistory.h"
#include "sites/widgets/HistoryDlg.h"
#include "sites/widgets/SitesDlg.h"
#include "tests/sites/SitesFixture.h"
#include "tests/support/Accessibility.h"
#include "tests/support/PrivateKeyring.h"

namespace sitestest {
namespace {

using sites::HistoryDlg;
using testseams::Files;
using testseams::WaitFor;
using testseams::WhenModal;

QByteArray PanelFile(const char* delay, const char* zoneOptions) {
  return QByteArray("format = 1\npanel-software = \"2.10\"\n\n[parameters]\n\"P60 area A\" = ") + delay +
         "\n\"P122 zone 5\" = " + zoneOptions + "\n";
}

class HistoryWindow : public SitesFixture {
 protected:
  void SetUp() override {
    SitesFixture::SetUp();
    sites::Site site;
    site.name = QStringLiteral("Shop");
    site.address = QStringLiteral("10.0.0.1");
    shop = addSite(site);
    const QDateTime monday(QDate(2026, 12, 21), QTime(9, 0), QTimeZone::utc());
    sites::SiteHistory history(*database);
    const auto add = [&](const QByteArray& text, int days) {
      return history.addSnapshot(shop.id, text, QStringLiteral("2.10"), QStringLiteral("10.0.0.1:4700"),
                                 monday.addDays(days), QStringLiteral("anna")).id;
    };
    first = add(PanelFile("30", "0x45"), 0);
    session = journal(monday.addDays(1));
    second = add(PanelFile("45", "0x41"), 2);
    third = add(PanelFile("45", "0x41") + "\"P1 user 2\" = \"4711\"\n", 3);
  }
  // A session with three changes of different kinds, as the journal writes them.
  qint64 journal(const QDateTime& start) {
    QSqlQuery query(database->connection());
    query.prepare(QStringLiteral("INSERT INTO sessions (site_id, started_at, ended_at, pc_user, outcome) "
                                 "VALUES (?, ?, ?, 'ben', 'ended')"));
    query.addBindValue(shop.id);
    query.addBindValue(sites::SiteHistory::Stamp(start));
    query.addBindValue(sites::SiteHistory::Stamp(start.addSecs(600)));
    EXPECT_TRUE(query.exec());
    const qint64 id = query.lastInsertId().toLongLong();
    const struct {
      int p, e;
      const char* before;
      const char* after;
    } changes[] = {{173, 2, "02 58", "09 60"}, {60, 1, "1E", "2D"}, {122, 5, "45", "41"}};
    for (const auto& c : changes) {
      query.prepare(QStringLiteral("INSERT INTO session_changes (session_id, parameter, entity, before_value, after_value) "
                                   "VALUES (?, ?, ?, ?, ?)"));
      for (const QVariant& v : {QVariant(id), QVariant(c.p), QVariant(c.e), QVariant(QString::fromLatin1(c.before)),
                                QVariant(QString::fromLatin1(c.after))})
        query.addBindValue(v);
      EXPECT_TRUE(query.exec());
    }
    return id;
  }
  static QStringList Entries(HistoryDlg& window) {
    QStringList names;
    for (int row = 0; row < window.model()->rowCount(); ++row) names << window.model()->entry(row).name.text();
    return names;
  }
  static void clickRow(HistoryDlg& window, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTableView* view = window.timeline();
    const QRect cell = view->visualRect(window.model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
  }
  QString S(qint64 id) const { return QStringLiteral("S%1").arg(id); }

  sites::Site shop;
  qint64 first = 0, second = 0, third = 0, session = 0;
};

TEST_F(HistoryWindow, SelectingEntriesShowsTheirChangesAndTwoSnapshotsAreCompared) {
  HistoryDlg window(shop);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("History of Shop"));
  EXPECT_EQ(Entries(window), (QStringList{S(third), S(second), QStringLiteral("J%1").arg(session), S(first)}));
  EXPECT_EQ(testseams::TabOrder(&window), (QStringList{"timeline", "details", "save", "close"}));
  // A table tells no "labelled by" relation: its name is the label's text, and the label is its buddy.
  const QString label = QStringLiteral("Entries (select two snapshots to compare them):");
  EXPECT_EQ(testseams::AccessibleName(window.timeline()), label);
  EXPECT_TRUE(std::ranges::any_of(window.findChildren<QLabel*>(), [&](QLabel* l) {
    return l->buddy() == window.timeline() && l->text() == label;
  }));
  EXPECT_EQ(window.summary()->buddy(), window.details());
  testseams::ExpectEveryControlNamed(&window);

  // The newest, against the one before it.
  EXPECT_EQ(window.summary()->text(), QStringLiteral("From %1 to %2: 1 parameter(s) differ.").arg(S(second), S(third)));
  EXPECT_EQ(window.detailRows(), (QList<QStringList>{{"User > Code", "user 2", "(none)", "\"4711\"", ""}}));

  // A session: before and after in the panel file's words; a time no editor types as its bytes.
  clickRow(window, 2);
  EXPECT_EQ(window.detailRows(),
            (QList<QStringList>{
                {"Area > Armed Exit Delay Time", "area A", "30", "45", ""},
                {"Zone-Main > Zone Alarm Type Options > Zone Options A", "zone 5", "0x45", "0x41",
                 "Not an Exit Delay Zone: on -> off"},
                {"Clock Setting > Time zone > End", "time zone 2", "06:00", "raw 09 60", ""}}));
  EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("save"))->isEnabled());

  // The oldest and the newest, by Ctrl+click: older on the left.
  clickRow(window, 0);
  clickRow(window, 3, Qt::ControlModifier);
  EXPECT_EQ(window.summary()->text(), QStringLiteral("From %1 to %2: 3 parameter(s) differ.").arg(S(first), S(third)));
  EXPECT_EQ(window.detailRows(),
            (QList<QStringList>{{"User > Code", "user 2", "(none)", "\"4711\"", ""},
                                {"Area > Armed Exit Delay Time", "area A", "30", "45", ""},
                                {"Zone-Main > Zone Alarm Type Options > Zone Options A", "zone 5", "0x45", "0x41",
                                 "Not an Exit Delay Zone: on -> off"}}));
  EXPECT_EQ(window.details()->horizontalHeaderItem(2)->text(), QStringLiteral("%1 value").arg(S(first)));

  // The first snapshot has nothing before it.
  QTest::keyClick(window.timeline(), Qt::Key_End);
  EXPECT_EQ(window.summary()->text(),
            QStringLiteral("%1 is the site's first snapshot: nothing earlier to compare it with.").arg(S(first)));
}

TEST_F(HistoryWindow, ASnapshotSavedAsPanelFileIsTheSnapshotForItsOwnerOnly) {
  HistoryDlg window(shop);
  clickRow(window, 1);
  const QString path = dir.filePath(QStringLiteral("tuesday.toml"));
  Files().answers.push_back(path);
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("\"P60 area A\" = 45"));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(HistoryWindow, TheSitesWindowOpensTheSelectedSitesHistory) {
  sites::SitesDlg sitesWindow;
  sitesWindow.show();
  QString title;
  WhenModal<HistoryDlg>([&](HistoryDlg* history) {
    title = history->windowTitle();
    history->reject();
  });
  click(sitesWindow, "history");
  EXPECT_EQ(title, QStringLiteral("History of Shop"));
}

// Through the keypad window against the simulator: its backup of a site is a
// snapshot, and the History window writes an older one back.
class HistoryOfAConnectedSite : public SiteConnectionsFixture {};

TEST_F(HistoryOfAConnectedSite, TheWindowsBackupIsASnapshotThatHistoryWritesBack) {
  panelfiles::WirePanelFileCommands(*window);
  sites::Site shop;
  shop.name = QStringLiteral("Shop");
  shop.address = QStringLiteral("127.0.0.1");
  shop.port = startSim({QStringLiteral("--call-back"), QString::number(callBackPort())});
  shop = addSite(shop);
  WhenModal<sites::SitesDlg>([](sites::SitesDlg* sitesWindow) { click(*sitesWindow, "connect"); });
  trigger(QStringLiteral("Sites…"));
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  ASSERT_TRUE(displayFilled());
  EXPECT_TRUE(window->commandAction(QStringLiteral("History…"))->isEnabled());
  WhenModal<console::CPassDlg>([](console::CPassDlg* dialog) {
    QTest::keyClicks(dialog->codeField(), QStringLiteral("9999"));
    dialog->accept();
  });
  trigger(QStringLiteral("Install code"));
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); })) << sim->output().toStdString();

  // A complete backup from the window is kept in the site's history.
  Files().answers.push_back(dir.filePath(QStringLiteral("shop.toml")));
  window->programAction(console::FileMenuPath(console::FileMenuItem::SaveToFile))->trigger();
  ASSERT_FALSE(testseams::Boxes().shown.empty());
  EXPECT_TRUE(testseams::Boxes().shown.back().text.endsWith(QStringLiteral(" The history of Shop keeps it as snapshot S1.")))
      << testseams::Boxes().shown.back().text.toStdString();
  sim->process().write("param 60 1 45\n");
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("sim: param 60/1 = 45")));

  // Write to panel… puts snapshot S1 back, with the restore's report.
  QStringList report;
  WhenModal<HistoryDlg>([&](HistoryDlg* history) {
    auto* write = history->findChild<QPushButton*>(QStringLiteral("write"));
    EXPECT_TRUE(write->isVisible() && write->isEnabled());
    WhenModal<panelfiles::CSlotTableDlg>([&](panelfiles::CSlotTableDlg* table) {
      for (const QStringList& row : table->rows()) report << row.join(QLatin1Char('|'));
      table->reject();
    });
    QTest::mouseClick(write, Qt::LeftButton);
    history->reject();
  });
  window->programAction(console::FileMenuPath(console::FileMenuItem::SiteHistory))->trigger();
  EXPECT_EQ(report, QStringList{QStringLiteral("Area > Armed Exit Delay Time|area A|60|written and confirmed|")});
  sim->process().write("param 60 1\n");
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("sim: param 60/1 = 60")));
}

}  // namespace
}  // namespace sitestest
