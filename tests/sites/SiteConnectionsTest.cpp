// Sites end to end against the simulated panel, driven through the keypad
// window as a person would: the demo's site, a site whose module password
// is in the keyring, Reconnect after a lost link, and the connection
// dialog's site box.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include "console/CPassDlg.h"
#include "link/CWorkSocket.h"
#include "sites/SiteCsv.h"
#include "sites/widgets/SiteEditDlg.h"
#include "sites/widgets/SitesDlg.h"
#include "tests/sites/SitesFixture.h"
#include "tests/support/PrivateKeyring.h"

namespace sitestest {
namespace {

using sites::Secret;
using testseams::WaitFor;
using testseams::WhenModal;

class SiteConnections : public SiteConnectionsFixture {
 protected:
  // Sites → the site → Connect, by keyboard.
  void connectFromSitesWindow(const QString& name) {
    WhenModal<sites::SitesDlg>([name](sites::SitesDlg* sitesWindow) {
      QTest::keyClicks(sitesWindow->searchField(), name);
      QTest::keyClick(sitesWindow->searchField(), Qt::Key_Return);
    });
    trigger(QStringLiteral("Sites…"));
  }
  void answerCode(const QString& digits, bool remember = false) {
    WhenModal<console::CPassDlg>([digits, remember](console::CPassDlg* dialog) {
      QTest::keyClicks(dialog->codeField(), digits);
      dialog->rememberBox()->setChecked(remember);
      QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
  }
};

TEST_F(SiteConnections, DemoPanelConnectsFromTheSitesWindowAndTakesTheInstallerCode) {
  // The demo's own site, on this test's ports.
  QFile demo(QStringLiteral(TARNEL_SOURCE_DIR "/scripts/demo-sites.csv"));
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  auto parsed = std::get<std::vector<sites::Site>>(sites::ParseSitesCsv(demo.readAll()));
  ASSERT_EQ(parsed.size(), 1u);
  parsed[0].port = startSim({QStringLiteral("--call-back"), QString::number(callBackPort())});
  const sites::Site site = addSite(parsed[0]);

  connectFromSitesWindow(QStringLiteral("Demo"));
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyridge 1.00 - Demo panel"));
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode - Demo panel"));
  ASSERT_TRUE(displayFilled()) << sim->output().toStdString();

  answerCode(QStringLiteral("9999"));
  trigger(QStringLiteral("Install code"));
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); })) << sim->output().toStdString();
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode - Demo panel"));
  const sites::Site stored = *database->find(site.id);
  EXPECT_LE(std::abs(stored.lastConnected.secsTo(QDateTime::currentDateTimeUtc())), 60);
  EXPECT_EQ(stored.panelSoftware, QStringLiteral("2.10 [005]"));
}

TEST_F(SiteConnections, SiteWithItsModulePasswordInTheKeyringConnectsWithNothingTypedAndReconnects) {
  sites::Site shop;
  shop.name = QStringLiteral("Shop");
  shop.address = QStringLiteral("127.0.0.1");
  shop.modulePassword = true;
  shop.port = startSim({QStringLiteral("--password"), QStringLiteral("installer1")});
  shop = addSite(shop);
  ASSERT_TRUE(sites::SecretStore::instance().writeNow(sites::SecretKey(shop.name, Secret::ModulePassword),
                                                      QStringLiteral("installer1")));
  WhenModal<sites::SitesDlg>([](sites::SitesDlg* sitesWindow) { click(*sitesWindow, "connect"); });
  trigger(QStringLiteral("Sites…"));
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  auto* link = dynamic_cast<panel::CWorkSocket*>(panel::PanelLink::instance().currentConnection());
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->scrambled());
  ASSERT_TRUE(displayFilled());
  EXPECT_FALSE(window->commandAction(QStringLiteral("Reconnect"))->isEnabled());

  // "Remember" keeps the code for this site.
  answerCode(QStringLiteral("1234"), true);
  trigger(QStringLiteral("Arm/Disarm"));
  ASSERT_TRUE(WaitFor([&] { return secret(shop.name, Secret::UserCode) == QLatin1String("1234"); }));

  sim->process().write("drop\n");
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); })) << sim->output().toStdString();
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyridge 1.00"));
  static const QRegularExpression lost(QStringLiteral("^The link to Shop was lost at \\d\\d:\\d\\d:\\d\\d\\.$"));
  EXPECT_TRUE(lost.match(window->statusText()).hasMatch()) << window->statusText().toStdString();
  EXPECT_TRUE(window->commandAction(QStringLiteral("Reconnect"))->isEnabled());
  ASSERT_TRUE(window->reconnectButton()->isVisible());

  QTest::mouseClick(window->reconnectButton(), Qt::LeftButton);
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  EXPECT_TRUE(window->statusText().isEmpty());
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode - Shop"));
  ASSERT_TRUE(displayFilled());
  EXPECT_EQ(sim->output().count(QStringLiteral("verdict 71 00")), 2) << sim->output().toStdString();

  // The code remembered at this site is offered again.
  QString offered;
  WhenModal<console::CPassDlg>([&](console::CPassDlg* dialog) {
    WaitFor([&] { return dialog->rememberBox()->isChecked(); }, 2000);
    offered = dialog->codeField()->text();
    dialog->reject();
  });
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_EQ(offered, QStringLiteral("1234"));
}

TEST_F(SiteConnections, SiteBoxFillsTheDialogAndSaveAsSiteKeepsWhatIsTyped) {
  sites::Site farm;
  farm.name = QStringLiteral("Farm");
  farm.account = QStringLiteral("0815");
  farm.route = sites::RouteKind::Receivers;
  farm.receivers = {QStringLiteral("192.0.2.1"), QString(), QStringLiteral("192.0.2.3"), QString()};
  addSite(farm);
  sites::Site before;
  WhenModal<connection::CRequestConnect>([&](connection::CRequestConnect* dialog) {
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("site"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);  // "Farm", after "(none)"
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("account"))->text(), QStringLiteral("0815"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("receiver3"))->text(), QStringLiteral("192.0.2.3"));

    type(*dialog, "unit", QStringLiteral("10.1.2.3"));
    dialog->findChild<QCheckBox*>(QStringLiteral("notAuthorised"))->setChecked(true);
    type(*dialog, "directPassword", QStringLiteral("installer7"));
    WhenModal<sites::SiteEditDlg>([](sites::SiteEditDlg* editor) {
      type(*editor, "name", QStringLiteral("Farm gate"));
      editor->accept();
    });
    click(*dialog, "saveAsSite");
    EXPECT_EQ(box->currentText(), QStringLiteral("Farm gate"));
    dialog->reject();
  });
  trigger(QStringLiteral("Connect"));
  const std::optional<sites::Site> gate = database->findByName(QStringLiteral("Farm gate"));
  ASSERT_TRUE(gate);
  EXPECT_EQ(gate->route, sites::RouteKind::Direct);
  EXPECT_EQ(gate->address, QStringLiteral("10.1.2.3"));
  EXPECT_TRUE(gate->modulePassword);
  EXPECT_EQ(gate->account, QStringLiteral("0815"));
  EXPECT_EQ(secret(gate->name, Secret::ModulePassword), QStringLiteral("installer7"));
}

TEST_F(SiteConnections, CodesAnOlderVersionRememberedMoveIntoTheKeyringAndTheStatusLineSaysSo) {
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
  QSettings().setValue(QStringLiteral("Passwords/Installer"), QStringLiteral("2468"));
  QSettings().sync();
  connections->moveOldRememberedCodes();
  ASSERT_TRUE(WaitFor([&] { return !window->statusText().isEmpty(); }));
  EXPECT_EQ(window->statusText(),
            QStringLiteral("The codes remembered in tarnel.conf moved into the desktop keyring and out of the file."));
  EXPECT_FALSE(QSettings().contains(QStringLiteral("Passwords/Installer")));
  EXPECT_EQ(secret(QString(), Secret::InstallerCode), QStringLiteral("2468"));
  sites::SecretStore::instance().writeNow(sites::SecretKey(QString(), Secret::InstallerCode), QString());
}

}  // namespace
}  // namespace sitestest
