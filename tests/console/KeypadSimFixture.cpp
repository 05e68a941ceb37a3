#include "tests/console/KeypadSimFixture.h"

#include <QDialogButtonBox>
#include <QTest>
#include <QTimer>

#include "console/CPassDlg.h"

namespace consoletest {

int StorePcPassword::verify(const QString& password) {
  return console::AccessPasswordStore::current().verify(password.toStdString());
}

void KeypadSimFixture::SetUp() {
  // Real handshakes must finish inside the attempt's timer: 1.2 s here.
  testseams::Times().scale = 0.2;
  ASSERT_TRUE(storeDir.isValid());
  store = std::make_unique<console::AccessPasswordStore>(storeDir.filePath(QStringLiteral("access.conf")));
  ASSERT_TRUE(store->open());
  console::AccessPasswordStore::install(store.get());
  connection::PcPasswordCheck::install(&pcPassword);
  console::g_strPcPassword.clear();

  panel::PanelLink& link = panel::PanelLink::instance();
  window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
  link.setMainWindow(window.get());
  listener = std::make_unique<panel::CListenSocket>(link);
  ASSERT_TRUE(listener->listen(0, QHostAddress::LocalHost));
  window->setListenSocket(listener.get());
  window->setConnectDialogFactory([this](QWidget* parent) -> std::unique_ptr<QDialog> {
    auto dialog = std::make_unique<connection::CRequestConnect>(parent);
    dialog->setCallPort(simPort);
    return dialog;
  });
  window->show();
}

void KeypadSimFixture::TearDown() {
  panel::PanelLink& link = panel::PanelLink::instance();
  // The link must not outlive the window it reports to.
  link.setMainWindow(nullptr);
  link.closeCurrentConnection();
  window.reset();
  listener.reset();
  sim.reset();
  connection::PcPasswordCheck::install(nullptr);
  console::AccessPasswordStore::install(nullptr);
  console::g_strPcPassword.clear();
}

void KeypadSimFixture::startSim(QStringList options) {
  sim = std::make_unique<testseams::SimProcess>(QStringList{QStringLiteral("--listen"), QStringLiteral("0")} + options);
  simPort = sim->listeningPort();
  ASSERT_NE(simPort, 0) << sim->output().toStdString();
}

void KeypadSimFixture::startSimCallingBack(QStringList options) {
  startSim(QStringList{QStringLiteral("--call-back"), QString::number(listener->server().serverPort())} + options);
}

void KeypadSimFixture::simCommand(const QString& line) {
  sim->process().write((line + QLatin1Char('\n')).toUtf8());
}

void KeypadSimFixture::runConnect(std::function<void(connection::CRequestConnect&)> drive) {
  WhenModal<connection::CRequestConnect>([drive](connection::CRequestConnect* dialog) {
    // A dialog that never reaches the panel must not hang the run.
    QTimer::singleShot(20000, dialog, [dialog] {
      ADD_FAILURE() << "the connection dialog was still open: " << dialog->windowTitle().toStdString();
      dialog->reject();
    });
    drive(*dialog);
  });
  trigger(QStringLiteral("Connect"));
}

void KeypadSimFixture::connectAuthorised() {
  runConnect([](connection::CRequestConnect& dialog) {
    type(dialog, "unit", QStringLiteral("127.0.0.1"));
    click(dialog, "directConnect");
  });
  ASSERT_TRUE(window->isConnected());
  // The module rings back and the panel's first frames fill the display.
  ASSERT_TRUE(testseams::WaitFor([&] { return !window->versionText().isEmpty(); }, 10000)) << sim->output().toStdString();
}

void KeypadSimFixture::trigger(const QString& text) {
  QAction* action = window->commandAction(text);
  ASSERT_NE(action, nullptr) << text.toStdString();
  ASSERT_TRUE(action->isEnabled()) << text.toStdString();
  action->trigger();
}

void KeypadSimFixture::triggerProgramItem(const QString& path) {
  QAction* action = window->programAction(path);
  ASSERT_NE(action, nullptr) << path.toStdString();
  ASSERT_TRUE(action->isEnabled()) << path.toStdString();
  action->trigger();
}

void KeypadSimFixture::answerCode(const QString& digits) {
  WhenModal<console::CPassDlg>([digits](console::CPassDlg* dialog) {
    dialog->codeField()->clear();
    QTest::keyClicks(dialog->codeField(), digits);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
}

QLineEdit* KeypadSimFixture::field(QWidget& dialog, const char* name) {
  auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
  EXPECT_NE(edit, nullptr) << name;
  return edit;
}

QPushButton* KeypadSimFixture::button(QWidget& dialog, const char* name) {
  auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
  EXPECT_NE(b, nullptr) << name;
  return b;
}

void KeypadSimFixture::type(QWidget& dialog, const char* name, const QString& text) {
  QLineEdit* edit = field(dialog, name);
  if (!edit) return;
  edit->clear();
  QTest::keyClicks(edit, text);
}

void KeypadSimFixture::click(QWidget& dialog, const char* name) {
  if (QPushButton* b = button(dialog, name)) QTest::mouseClick(b, Qt::LeftButton);
}

QString KeypadSimFixture::callTitle(const QString& host, const QString& text) const {
  if (text.isEmpty()) return QStringLiteral("Connecting to %1:%2").arg(host).arg(simPort);
  return QStringLiteral("Error connect to %1:%2  %3").arg(host).arg(simPort).arg(text);
}

}  // namespace consoletest
