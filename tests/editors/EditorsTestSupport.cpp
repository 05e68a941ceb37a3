#include "tests/editors/EditorsTestSupport.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "console/CPassDlg.h"
#include "editors/ProgramEditors.h"

namespace editorstest {

namespace {
// A connection dialog that ends at once with OK.
class ConnectedDialog : public QDialog {
 public:
  int exec() override { return Accepted; }
};

panel::PanelLink& Link() { return panel::PanelLink::instance(); }
}  // namespace

void EditorLinkTest::SetUp() { Link().setCurrentConnection(&conn); }

void EditorLinkTest::TearDown() { Link().setCurrentConnection(nullptr); }

Bytes EditorLinkTest::sentBytes() const {
  Bytes all;
  for (const Bytes& write : conn.writes) all.insert(all.end(), write.begin(), write.end());
  return all;
}

void ProgramModeTest::SetUp() {
  EditorLinkTest::SetUp();
  window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
  Link().setMainWindow(window.get());
  editors::WireProgramModeEditors(*window);
  window->setConnectDialogFactory([](QWidget*) { return std::make_unique<ConnectedDialog>(); });
  window->commandAction(QStringLiteral("Connect"))->trigger();
  feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
  ASSERT_TRUE(window->isProgramMode());
  sent().clear();
}

void ProgramModeTest::TearDown() {
  Link().setMainWindow(nullptr);
  window.reset();
  EditorLinkTest::TearDown();
}

QAction* ProgramModeTest::item(const QString& path) {
  QAction* action = window->programAction(path);
  EXPECT_NE(action, nullptr) << path.toStdString();
  if (action) {
    EXPECT_TRUE(action->isEnabled()) << path.toStdString();
  }
  return action;
}

void ProgramModeSimTest::SetUp() {
  window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
  editors::WireProgramModeEditors(*window);
  Link().setMainWindow(window.get());
  listener = std::make_unique<panel::CListenSocket>(Link());
  ASSERT_TRUE(listener->listen(0, QHostAddress::LocalHost));
  sim = std::make_unique<testseams::SimProcess>(
      QStringList{QStringLiteral("--connect"), QStringLiteral("127.0.0.1:%1").arg(listener->server().serverPort())});
  ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty(); }, 8000)) << sim->output().toStdString();
  window->setConnectDialogFactory([](QWidget*) { return std::make_unique<ConnectedDialog>(); });
  window->commandAction(QStringLiteral("Connect"))->trigger();
  ASSERT_TRUE(window->isConnected());

  WhenModal<console::CPassDlg>([](console::CPassDlg* dialog) {
    QTest::keyClicks(dialog->codeField(), QStringLiteral("9999"));
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  window->commandAction(QStringLiteral("Install code"))->trigger();
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); }, 8000)) << sim->output().toStdString();
}

void ProgramModeSimTest::TearDown() {
  sim.reset();
  Link().setMainWindow(nullptr);
  Link().closeCurrentConnection();
  window.reset();
  listener.reset();
}

void ProgramModeSimTest::simCommand(const QString& line) {
  sim->process().write((line + QLatin1Char('\n')).toUtf8());
}

bool ProgramModeSimTest::simAnswers(const QString& line, const QString& expected, int timeoutMs) {
  const qsizetype before = sim->output().size();
  simCommand(line);
  return WaitFor([&] { return sim->output().mid(before).contains(expected); }, timeoutMs);
}

}  // namespace editorstest
