#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "connect/SiteConnections.h"
#include "console/CKeypadDlg.h"
#include "link/CListenSocket.h"
#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace sitestest {

// A sites list of the test's own, and a keyring emptied of the sites it names.
class SitesFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    database = std::make_unique<sites::SitesDatabase>(dir.filePath(QStringLiteral("sites.db")));
    ASSERT_EQ(database->open(), sites::SitesDatabase::State::Ready);
    sites::InstallSharedSites(database.get());
  }
  void TearDown() override {
    for (const sites::Site& site : database->sites()) sites::SecretStore::instance().removeSite(site.name);
    testseams::WaitFor([] { return false; }, 100);  // the removals reach the keyring
    sites::InstallSharedSites(nullptr);
    database.reset();
  }

  sites::Site addSite(sites::Site site) {
    EXPECT_EQ(database->add(site), sites::SitesDatabase::Write::Done) << database->lastError().toStdString();
    return site;
  }
  static QString secret(const QString& site, sites::Secret which) {
    return sites::SecretStore::instance().readNow(sites::SecretKey(site, which)).second;
  }
  static void type(QWidget& window, const char* name, const QString& text) {
    auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(field, nullptr) << name;
    field->clear();
    QTest::keyClicks(field, text);
  }
  static void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QTemporaryDir dir;
  std::unique_ptr<sites::SitesDatabase> database;
};

// The keypad window as tarnel wires its connections, listening on a free
// port for the module's calls back, beside a simulated panel.
class SiteConnectionsFixture : public SitesFixture {
 protected:
  void SetUp() override {
    SitesFixture::SetUp();
    // Real handshakes must finish inside the attempt's timer.
    testseams::Times().scale = 0.2;
    panel::PanelLink& link = panel::PanelLink::instance();
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    link.setMainWindow(window.get());
    listener = std::make_unique<panel::CListenSocket>(link);
    ASSERT_TRUE(listener->listen(0, QHostAddress::LocalHost));
    window->setListenSocket(listener.get());
    connections = new connection::SiteConnections(*window, 4700);
    window->show();
  }
  void TearDown() override {
    panel::PanelLink& link = panel::PanelLink::instance();
    link.setMainWindow(nullptr);
    link.closeCurrentConnection();
    window.reset();
    listener.reset();
    sim.reset();
    SitesFixture::TearDown();
  }

  // The simulated module, listening on a free port with extra options.
  quint16 startSim(QStringList options) {
    sim = std::make_unique<testseams::SimProcess>(QStringList{QStringLiteral("--listen"), QStringLiteral("0")} + options);
    const quint16 port = sim->listeningPort();
    EXPECT_NE(port, 0) << sim->output().toStdString();
    return port;
  }
  quint16 callBackPort() const { return listener->server().serverPort(); }
  void trigger(const QString& item) {
    QAction* action = window->commandAction(item);
    ASSERT_NE(action, nullptr) << item.toStdString();
    ASSERT_TRUE(action->isEnabled()) << item.toStdString();
    action->trigger();
  }
  // The panel's first frames have filled the display.
  bool displayFilled() {
    return testseams::WaitFor([&] { return !window->versionText().isEmpty() && !window->clockText().isEmpty(); }, 10000);
  }

  std::unique_ptr<console::CKeypadDlg> window;
  std::unique_ptr<panel::CListenSocket> listener;
  connection::SiteConnections* connections = nullptr;
  std::unique_ptr<testseams::SimProcess> sim;
};

}  // namespace sitestest
