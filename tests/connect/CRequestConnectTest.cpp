#include <QComboBox>
#include <QSettings>

#include "link/CWorkSocket.h"
#include "tests/connect/ConnectFixture.h"
#include "tests/support/Accessibility.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace connecttest {
namespace {

using connection::CRequestConnect;
using testseams::Beep;
using testseams::Beeps;
using testseams::Boxes;
using testseams::Times;

QSettings AppSettings() { return QSettings(QStringLiteral("Vell"), QStringLiteral("tarnel")); }

class RequestConnectTest : public ConnectFixture {
 protected:
  bool tcpButtonsEnabled() { return button("directConnect")->isEnabled() && button("search")->isEnabled(); }
  bool tcpButtonsDisabled() { return !button("directConnect")->isEnabled() && !button("search")->isEnabled(); }
  // The titles of every failed attempt, once they stop coming.
  QString errorTitle(const QString& address, quint16 port, const QString& text) {
    return QStringLiteral("Error connect to %1:%2  %3").arg(address).arg(port).arg(text);
  }
};

TEST_F(RequestConnectTest, OpensWithTheStoredInputsAndTheProtocolList) {
  {
    QSettings settings = AppSettings();
    settings.setValue("Address/Unit", "10.0.0.5");
    settings.setValue("Address/Reseiver2", "10.0.0.7");
    settings.setValue("Address/Account", "0042");
    settings.setValue("Setting/phone", "+4930123");
    settings.setValue("Setting/Protocol DSC", 2);
  }
  pcPassword.inMemory = QStringLiteral("in-memory-pw");
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog();

  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Requect connect"));
  EXPECT_EQ(field("unit")->text(), QStringLiteral("10.0.0.5"));
  EXPECT_EQ(field("receiver1")->text(), QString());
  EXPECT_EQ(field("receiver2")->text(), QStringLiteral("10.0.0.7"));
  EXPECT_EQ(field("account")->text(), QStringLiteral("0042"));
  EXPECT_EQ(field("phone")->text(), QStringLiteral("+4930123"));
  EXPECT_EQ(field("searchPassword")->text(), QStringLiteral("in-memory-pw"));
  auto* protocol = child<QComboBox>("protocol");
  ASSERT_EQ(protocol->count(), 4);
  EXPECT_EQ(protocol->itemText(1), QStringLiteral("V.110 - 9600 bsp"));
  EXPECT_EQ(protocol->currentIndex(), 2);
  EXPECT_EQ(field("searchPassword")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(field("account")->maxLength(), 4);
}

TEST_F(RequestConnectTest, EveryFieldIsNamedByItsOwnLabelAndTabGoesTopToBottom) {
  openDialog();
  testseams::ExpectLabelledFields(dialog.get(), {{"site", QStringLiteral("Site:")},
                                                 {"unit", QStringLiteral("Unit:")},
                                                 {"directPassword", QStringLiteral("Password: ")},
                                                 {"phone", QStringLiteral("Phone number:")},
                                                 {"gsmPassword", QStringLiteral("Password:")},
                                                 {"protocol", QStringLiteral("Protocol:")},
                                                 {"account", QStringLiteral("Account: ")},
                                                 {"searchPassword", QStringLiteral("Password: ")},
                                                 {"receiver1", QStringLiteral("Reseiver1:")},
                                                 {"receiver2", QStringLiteral("Reseiver2:")},
                                                 {"receiver3", QStringLiteral("Reseiver3:")},
                                                 {"receiver4", QStringLiteral("Reseiver4:")}});
  EXPECT_EQ(testseams::TabOrder(dialog.get()),
            QStringList({"site", "saveAsSite", "notAuthorised", "unit", "directPassword", "directConnect", "phone", "gsmPassword", "protocol",
                         "gsmConnect", "account", "searchPassword", "change", "receiver1", "receiver2", "receiver3",
                         "receiver4", "search", "exit"}));
}

TEST_F(RequestConnectTest, AStoredProtocolOutOfRangeSelectsTheFirst) {
  AppSettings().setValue("Setting/Protocol DSC", 7);
  openDialog();
  EXPECT_EQ(child<QComboBox>("protocol")->currentIndex(), 0);
}

TEST_F(RequestConnectTest, DirectPasswordFieldFollowsTheNotAuthorisedBox) {
  openDialog();
  QLineEdit* password = field("directPassword");
  EXPECT_FALSE(password->isEnabled());
  QTest::mouseClick(child<QCheckBox>("notAuthorised"), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(password->isEnabled());
  QTest::mouseClick(child<QCheckBox>("notAuthorised"), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(password->isEnabled());
}

TEST_F(RequestConnectTest, DirectPasswordNeedsEightCharacters) {
  openDialog(testseams::FreeLoopbackPort());
  type("unit", QStringLiteral("127.0.0.1"));
  child<QCheckBox>("notAuthorised")->setChecked(true);
  type("directPassword", QStringLiteral("1234567"));
  click("directConnect");

  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Password"));
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("A password must be more than 8 characters"));
  EXPECT_EQ(Boxes().shown[0].kind, platform::MessageBoxes::Kind::Critical);
  EXPECT_TRUE(tcpButtonsEnabled());
  EXPECT_EQ(panel::PanelLink::instance().currentConnection(), nullptr);
  EXPECT_TRUE(titles.isEmpty());

  type("directPassword", QStringLiteral("12345678"));
  click("directConnect");
  EXPECT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(titles.value(0), QStringLiteral("Connecting to 127.0.0.1:%1").arg(dialog->callPort()));
  EXPECT_NE(dynamic_cast<panel::CWorkSocket*>(panel::PanelLink::instance().currentConnection()), nullptr);
  EXPECT_TRUE(tcpButtonsDisabled());
  EXPECT_EQ(Times().timers, std::vector<int>{6000});
}

TEST_F(RequestConnectTest, AnUnansweredAttemptFailsAfterItsTimer) {
  const quint16 closedPort = testseams::FreeLoopbackPort();
  openDialog(closedPort);
  type("unit", QStringLiteral("127.0.0.1"));
  click("directConnect");
  EXPECT_TRUE(tcpButtonsDisabled());

  ASSERT_TRUE(testseams::WaitFor([&] { return tcpButtonsEnabled(); }));
  EXPECT_EQ(dialog->windowTitle(), errorTitle("127.0.0.1", closedPort, "Reseiver not answer"));
  EXPECT_EQ(Beeps().beeps, (std::vector<Beep>{{400, 50}}));
  EXPECT_EQ(Times().pauses, std::vector<int>{1000});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(Boxes().shown.empty());
}

TEST_F(RequestConnectTest, AnEmptyOrUnfinishedUnitAddressAttemptsNothing) {
  openDialog();
  click("directConnect");
  type("unit", QStringLiteral("192.168"));
  click("directConnect");
  EXPECT_TRUE(titles.isEmpty());
  EXPECT_TRUE(Times().timers.empty());
  EXPECT_TRUE(tcpButtonsEnabled());
}

TEST_F(RequestConnectTest, ResultTextsOfRefusedAttempts) {
  const std::pair<int, const char*> table[] = {
      {-1, "Account fail"},         {-2, "Unit off-line"},
      {-3, "Unit not answer"},      {-4, "Account error"},
      {-5, "Reseiver not found"},   {-6, "Password error"},
      {-7, "Request from Not autorized PC"}, {-17, "Request from Not autorized PC"},
      {-8, "Reseiver not answer"},  {5, "Reseiver not answer"},
      {0xFC, "Account error"},      {0xEF, "Request from Not autorized PC"},  // a verdict byte, taken as signed
  };
  for (const auto& [code, text] : table) EXPECT_EQ(CRequestConnect::resultText(code), QString::fromUtf8(text)) << code;
}

TEST_F(RequestConnectTest, SearchRefusesAWrongPcPassword) {
  pcPassword.stored = QStringLiteral("right-password");
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog();
  type("receiver1", QStringLiteral("127.0.0.1"));
  type("searchPassword", QStringLiteral("wrong-password"));
  click("search");

  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Password"));
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Access Denied"));
  EXPECT_EQ(pcPassword.inMemory, QStringLiteral("wrong-password"));  // kept in memory all the same
  EXPECT_TRUE(titles.isEmpty());
  EXPECT_TRUE(tcpButtonsEnabled());
}

TEST_F(RequestConnectTest, SearchWithoutAPasswordStoreIsDenied) {
  openDialog();
  type("receiver1", QStringLiteral("127.0.0.1"));
  click("search");
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Access Denied"));
  EXPECT_FALSE(button("change")->isEnabled());
}

TEST_F(RequestConnectTest, SearchWithNoStoredPasswordOpensTheChangeDialog) {
  pcPassword.passwordAfterChange = QStringLiteral("brand-new-pw");
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog();
  type("receiver1", QStringLiteral("127.0.0.1"));
  click("search");
  EXPECT_EQ(pcPassword.changeRuns, 1);
  EXPECT_EQ(field("searchPassword")->text(), QStringLiteral("brand-new-pw"));
  EXPECT_TRUE(titles.isEmpty());
  EXPECT_TRUE(Boxes().shown.empty());
}

TEST_F(RequestConnectTest, ChangeShowsThePasswordInMemoryWhateverTheEnding) {
  pcPassword.stored = QStringLiteral("old-password");
  pcPassword.inMemory = QStringLiteral("old-password");
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog();
  type("searchPassword", QStringLiteral("typed"));
  click("change");  // cancelled: the password in memory is shown again
  EXPECT_EQ(field("searchPassword")->text(), QStringLiteral("old-password"));
  pcPassword.passwordAfterChange = QStringLiteral("changed-password");
  click("change");
  EXPECT_EQ(field("searchPassword")->text(), QStringLiteral("changed-password"));
  EXPECT_EQ(pcPassword.changeRuns, 2);
}

TEST_F(RequestConnectTest, SearchTriesTheFilledReceiversInTurn) {
  pcPassword.stored = QStringLiteral("pc-password");
  connection::PcPasswordCheck::install(&pcPassword);
  const quint16 closedPort = testseams::FreeLoopbackPort();
  openDialog(closedPort);
  type("receiver1", QStringLiteral("127.0.0.1"));
  type("receiver3", QStringLiteral("127.0.0.3"));
  type("searchPassword", QStringLiteral("pc-password"));
  click("search");
  EXPECT_TRUE(tcpButtonsDisabled());

  ASSERT_TRUE(testseams::WaitFor([&] { return tcpButtonsEnabled(); }));
  const QString port = QString::number(closedPort);
  EXPECT_EQ(titles, (QStringList{"Connecting to 127.0.0.1:" + port, errorTitle("127.0.0.1", closedPort, "Reseiver not answer"),
                                 "Connecting to 127.0.0.3:" + port, errorTitle("127.0.0.3", closedPort, "Reseiver not answer")}));
  EXPECT_EQ(Beeps().beeps.size(), 2u);
  EXPECT_EQ(Times().pauses, (std::vector<int>{1000, 1000}));
}

TEST_F(RequestConnectTest, SearchWithNoReceiverFilledInAttemptsNothing) {
  pcPassword.stored = QStringLiteral("pc-password");
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog();
  type("searchPassword", QStringLiteral("pc-password"));
  click("search");
  EXPECT_TRUE(titles.isEmpty());
  EXPECT_TRUE(tcpButtonsEnabled());
}

TEST_F(RequestConnectTest, APcPasswordLongerThanThirtyOneCharactersStillVerifies) {
  const QString longPassword(40, QLatin1Char('x'));
  pcPassword.stored = longPassword;
  connection::PcPasswordCheck::install(&pcPassword);
  openDialog(testseams::FreeLoopbackPort());
  type("receiver1", QStringLiteral("127.0.0.1"));
  type("searchPassword", longPassword);
  click("search");
  EXPECT_EQ(pcPassword.verified, QStringList{longPassword});
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_TRUE(titles.value(0).startsWith(QStringLiteral("Connecting to 127.0.0.1:")));
}

TEST_F(RequestConnectTest, ClosingSavesTheAddressesAndAccount) {
  openDialog();
  type("unit", QStringLiteral("192.168.1.20"));
  type("account", QStringLiteral("12345"));  // four characters at most
  type("receiver1", QStringLiteral("10.1.1.1"));
  type("receiver4", QStringLiteral("10.4.4.4"));
  click("exit");

  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->isVisible());
  QSettings settings = AppSettings();
  EXPECT_EQ(settings.value("Address/Unit").toString(), QStringLiteral("192.168.1.20"));
  EXPECT_EQ(settings.value("Address/Account").toString(), QStringLiteral("1234"));
  EXPECT_EQ(settings.value("Address/Reseiver1").toString(), QStringLiteral("10.1.1.1"));
  EXPECT_EQ(settings.value("Address/Reseiver2").toString(), QString());
  EXPECT_EQ(settings.value("Address/Reseiver4").toString(), QStringLiteral("10.4.4.4"));
}

TEST_F(RequestConnectTest, ExitDuringAnAttemptGivesTheCallUp) {
  openDialog(testseams::FreeLoopbackPort());
  type("unit", QStringLiteral("127.0.0.1"));
  child<QCheckBox>("notAuthorised")->setChecked(true);
  type("directPassword", QStringLiteral("12345678"));
  click("directConnect");
  ASSERT_NE(panel::PanelLink::instance().currentConnection(), nullptr);
  click("exit");
  EXPECT_EQ(panel::PanelLink::instance().currentConnection(), nullptr);
  // The attempt's timer no longer runs: no failure is reported afterwards.
  testseams::WaitFor([] { return false; }, 150);
  EXPECT_TRUE(Beeps().beeps.empty());
}

// The GSM route as the serial side will provide it, scripted.
class FakeGsmRoute : public connection::GsmRoute {
 public:
  Outcome call(QWidget*, const connection::GsmCall& c) override {
    calls.push_back(c);
    return outcome;
  }
  Outcome outcome = Outcome::Cancelled;
  std::vector<connection::GsmCall> calls;
};

TEST_F(RequestConnectTest, GsmConnectWaitsForTheGsmRoute) {
  openDialog();
  EXPECT_FALSE(button("gsmConnect")->isEnabled());
}

TEST_F(RequestConnectTest, GsmConnectStoresItsInputsAndReportsACancelledCall) {
  FakeGsmRoute route;
  connection::GsmRoute::install(&route);
  openDialog();
  type("phone", QStringLiteral("0171 555"));
  type("gsmPassword", QStringLiteral("gsm-pass"));
  child<QComboBox>("protocol")->setCurrentIndex(3);
  click("gsmConnect");

  ASSERT_EQ(route.calls.size(), 1u);
  EXPECT_EQ(route.calls[0].phone, QStringLiteral("0171 555"));
  EXPECT_EQ(route.calls[0].password, QStringLiteral("gsm-pass"));
  EXPECT_EQ(route.calls[0].protocol, 3);
  QSettings settings = AppSettings();
  EXPECT_EQ(settings.value("Setting/phone").toString(), QStringLiteral("0171 555"));
  EXPECT_EQ(settings.value("Setting/Protocol DSC").toInt(), 3);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("GSM Modem ( GT12-Port) not found."));
  EXPECT_EQ(Beeps().beeps, (std::vector<Beep>{{400, 50}}));
  EXPECT_TRUE(dialog->isVisible());

  route.outcome = connection::GsmRoute::Outcome::AlreadyRunning;
  Beeps().beeps.clear();
  click("gsmConnect");
  EXPECT_TRUE(Beeps().beeps.empty());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(RequestConnectTest, AStandingGsmLinkSwitchesToSerialAndEndsWithOk) {
  FakeGsmRoute route;
  route.outcome = connection::GsmRoute::Outcome::LinkUp;
  connection::GsmRoute::install(&route);
  openDialog();
  click("gsmConnect");
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(panel::PanelLink::instance().activeLink(), panel::LinkKind::Serial);
}

}  // namespace
}  // namespace connecttest
