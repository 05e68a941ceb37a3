#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "configurator/CAboutDlg.h"
#include "configurator/CIpAddressCtrl.h"
#include "configurator/CListenSocket.h"
#include "configurator/CquilbyDlg.h"
#include "tests/configurator/QuilbyTestRecords.h"
#include "tests/support/SimProcess.h"
#include "tests/support/Accessibility.h"
#include "tests/support/TestSeams.h"

namespace {

using quilby::CquilbyDlg;
using quilby::ModuleSettingsRecord;
using quilbytest::Control;
using quilbytest::Retype;
using Text = ModuleSettingsRecord::Text;

quilby::QuilbyOptions LoopbackOptions() {
  quilby::QuilbyOptions options;
  options.port = testseams::FreeLoopbackPort();
  options.address = QHostAddress::LocalHost;
  return options;
}

QString TextOf(CquilbyDlg& dlg, const char* name) { return Control<QLineEdit>(dlg, name)->text(); }

class QuilbyDialog : public testing::Test {
 protected:
  CquilbyDlg dlg{LoopbackOptions()};
  ModuleSettingsRecord record = quilbytest::SampleRecord();
  QPushButton* ok() { return Control<QPushButton>(dlg, "okButton"); }
  QCheckBox* check(const char* name) { return Control<QCheckBox>(dlg, name); }
  QRadioButton* radio(const char* name) { return Control<QRadioButton>(dlg, name); }
  QLineEdit* edit(const char* name) { return Control<QLineEdit>(dlg, name); }
};

const char* const kDataControls[] = {
    "obtainAutomatically", "useFollowing", "ipAddress",     "subnetMask",     "defaultGateway",
    "dnsServer",           "authorizedPc", "receiver1",     "receiver2",      "receiver3",
    "receiver4",           "ethernetTamper", "systemTamper", "disableAck",    "nonAuthorized",
    "okButton",            "password",     "confirmation"};

TEST_F(QuilbyDialog, OpensWaitingWithVersionTitleAndEverythingDisabled) {
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Quilby ver 1.00"));
  ASSERT_NE(dlg.listenSocket(), nullptr);
  EXPECT_TRUE(dlg.listenSocket()->isListening());
  for (const char* name : kDataControls) {
    auto* w = dlg.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(w, nullptr) << name;
    EXPECT_FALSE(w->isEnabled()) << name;
  }
  EXPECT_TRUE(Control<QPushButton>(dlg, "cancelButton")->isEnabled());
  EXPECT_TRUE(testseams::Boxes().shown.empty());
}

TEST_F(QuilbyDialog, EveryFieldIsNamedByItsOwnLabelAndTabGoesColumnByColumn) {
  testseams::ExpectLabelledFields(&dlg, {{"ipAddress", QStringLiteral("IP address:")},
                                         {"subnetMask", QStringLiteral("Subnet mask:")},
                                         {"defaultGateway", QStringLiteral("Default gateway:")},
                                         {"dnsServer", QStringLiteral("DNS server:")},
                                         {"authorizedPc", QStringLiteral("Authorized PC IP:")},
                                         {"receiver1", QStringLiteral(" 1:")},
                                         {"receiver2", QStringLiteral(" 2:")},
                                         {"receiver3", QStringLiteral("3:")},
                                         {"receiver4", QStringLiteral("4:")},
                                         {"password", QStringLiteral("Password:")},
                                         {"confirmation", QStringLiteral("Confirmation:")}});
  // The read-only values are named by their captions too.
  EXPECT_TRUE(testseams::LabelledBy(dlg.findChild<QWidget*>(QStringLiteral("accountNumber")))
                  .contains(QStringLiteral("Account number:")));
  EXPECT_TRUE(testseams::LabelledBy(dlg.findChild<QWidget*>(QStringLiteral("linkVersion")))
                  .contains(QStringLiteral("Link Version:")));
  // Of the two address buttons, Tab stops at the checked one.
  EXPECT_EQ(testseams::TabOrder(&dlg),
            QStringList({"useFollowing", "ipAddress", "subnetMask", "defaultGateway", "dnsServer",
                         "authorizedPc", "receiver1", "receiver2", "receiver3", "receiver4", "ethernetTamper",
                         "systemTamper", "disableAck", "nonAuthorized", "password", "confirmation", "okButton",
                         "cancelButton"}));
}

TEST_F(QuilbyDialog, ShowRecordFillsEveryControl) {
  record.bytes()[335] |= 0x02 | 0x80;  // Ethernet tamper, acknowledgements disabled
  dlg.showRecord(record);

  EXPECT_TRUE(radio("useFollowing")->isChecked());
  EXPECT_FALSE(radio("obtainAutomatically")->isChecked());
  EXPECT_EQ(TextOf(dlg, "ipAddress"), "10.1.2.3");
  EXPECT_EQ(TextOf(dlg, "subnetMask"), "255.255.240.0");
  EXPECT_EQ(TextOf(dlg, "defaultGateway"), "10.1.0.1");
  EXPECT_EQ(TextOf(dlg, "dnsServer"), "10.1.0.2");
  EXPECT_EQ(TextOf(dlg, "authorizedPc"), "10.1.0.99");
  EXPECT_EQ(TextOf(dlg, "receiver1"), "rx-one.example:4700");
  EXPECT_EQ(TextOf(dlg, "receiver2"), "10.9.9.9");
  EXPECT_EQ(TextOf(dlg, "receiver3"), "");
  EXPECT_EQ(TextOf(dlg, "receiver4"), "0123456789");
  EXPECT_EQ(Control<QLabel>(dlg, "accountNumber")->text(), "4321");
  EXPECT_EQ(Control<QLabel>(dlg, "linkVersion")->text(), "A 1.05");
  EXPECT_TRUE(check("nonAuthorized")->isChecked());
  EXPECT_EQ(TextOf(dlg, "password"), "Secret9");
  EXPECT_EQ(TextOf(dlg, "confirmation"), "Secret9");
  EXPECT_TRUE(check("ethernetTamper")->isChecked());
  EXPECT_FALSE(check("systemTamper")->isChecked());
  EXPECT_TRUE(check("disableAck")->isChecked());

  for (const char* name : kDataControls) {
    EXPECT_TRUE(dlg.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled()) << name;
  }
}

TEST_F(QuilbyDialog, ShowRecordEnablesAddressAndPasswordFieldsOnlyWhenTheRecordSaysSo) {
  record.setObtainAddressAutomatically(true);
  record.setNonAuthorizedConnect(false);
  dlg.showRecord(record);
  EXPECT_TRUE(radio("obtainAutomatically")->isChecked());
  for (const char* name : {"ipAddress", "subnetMask", "defaultGateway", "dnsServer", "password",
                           "confirmation"})
    EXPECT_FALSE(edit(name)->isEnabled()) << name;
  EXPECT_TRUE(edit("authorizedPc")->isEnabled());

  quilbytest::Click(radio("useFollowing"));
  quilbytest::Click(check("nonAuthorized"));
  for (const char* name : {"ipAddress", "subnetMask", "defaultGateway", "dnsServer", "password",
                           "confirmation"})
    EXPECT_TRUE(edit(name)->isEnabled()) << name;

  quilbytest::Click(radio("obtainAutomatically"));
  quilbytest::Click(check("nonAuthorized"));
  EXPECT_FALSE(edit("ipAddress")->isEnabled());
  EXPECT_FALSE(edit("password")->isEnabled());
}

TEST_F(QuilbyDialog, OkWritesTheEditedFieldsAtTheirOffsetsAndNothingElse) {
  dlg.show();
  dlg.showRecord(record);
  const ModuleSettingsRecord before = record;

  Retype(edit("ipAddress"), "192.168.7.40");
  Retype(edit("subnetMask"), "255.255.255.0");
  Retype(edit("defaultGateway"), "192.168.7.1");
  Retype(edit("dnsServer"), "8.8.4.4");
  Retype(edit("authorizedPc"), "192.168.7.2");
  Retype(edit("receiver1"), QString(70, QLatin1Char('r')));  // cut to 59
  Retype(edit("receiver3"), "third");
  Retype(edit("password"), "NewPass");
  Retype(edit("confirmation"), "NewPass");
  quilbytest::Click(check("ethernetTamper"));
  quilbytest::Click(check("systemTamper"));
  quilbytest::Click(check("disableAck"));
  QTest::mouseClick(ok(), Qt::LeftButton);

  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  ModuleSettingsRecord expected = before;
  expected.setText(Text::IpAddress, "192.168.7.40");
  expected.setSubnetMask(0xFFFFFF00u);
  expected.setText(Text::DefaultGateway, "192.168.7.1");
  expected.setText(Text::DnsServer, "8.8.4.4");
  expected.setText(Text::AuthorizedPc, "192.168.7.2");
  expected.setText(Text::Receiver1, std::string(59, 'r'));
  expected.setText(Text::Receiver3, "third");
  expected.setText(Text::Password, "NewPass");
  expected.bytes()[335] = static_cast<std::uint8_t>(0x69 | 0x02 | 0x04 | 0x80);
  for (std::size_t i = 0; i < ModuleSettingsRecord::kSize; ++i)
    EXPECT_EQ(record.bytes()[i], expected.bytes()[i]) << "offset " << i;
  EXPECT_EQ(record.bytes()[4], 0x00);
  EXPECT_EQ(record.bytes()[7], 0xFF);
}

TEST_F(QuilbyDialog, UnchangedRecordGoesBackAsItCame) {
  dlg.showRecord(record);
  const ModuleSettingsRecord before = record;
  QTest::mouseClick(ok(), Qt::LeftButton);
  EXPECT_EQ(record.bytes(), before.bytes());
}

TEST_F(QuilbyDialog, PasswordMismatchShowsTheMessageAndKeepsTheDialogOpen) {
  dlg.show();
  dlg.showRecord(record);
  const ModuleSettingsRecord before = record;
  Retype(edit("password"), "abc");
  Retype(edit("confirmation"), "ABC");  // case counts
  QTest::mouseClick(ok(), Qt::LeftButton);

  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].text,
            "The passwords you typed do not match.Please retype the new password in both boxes");
  EXPECT_EQ(testseams::Boxes().shown[0].buttons, QMessageBox::Ok);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(record.bytes(), before.bytes());
  EXPECT_EQ(dlg.editedRecord(), &record);
}

TEST_F(QuilbyDialog, WithoutNonAuthorisedConnectThePasswordGoesBackEmpty) {
  dlg.showRecord(record);
  Retype(edit("password"), "typed");
  Retype(edit("confirmation"), "different");
  quilbytest::Click(check("nonAuthorized"));  // off
  QTest::mouseClick(ok(), Qt::LeftButton);

  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(record.text(Text::Password), "");
  for (std::size_t i = 317; i < 333; ++i) EXPECT_EQ(record.bytes()[i], 0) << i;
  EXPECT_EQ(record.bytes()[333], 0xF0);
}

TEST_F(QuilbyDialog, FieldsDisabledByObtainAutomaticallyAreStillCopied) {
  dlg.showRecord(record);
  Retype(edit("ipAddress"), "172.16.0.5");
  Retype(edit("subnetMask"), "255.255.0.0");
  Retype(edit("defaultGateway"), "172.16.0.1");
  Retype(edit("dnsServer"), "172.16.0.2");
  quilbytest::Click(radio("obtainAutomatically"));
  ASSERT_FALSE(edit("ipAddress")->isEnabled());
  QTest::mouseClick(ok(), Qt::LeftButton);

  EXPECT_EQ(record.bytes()[1], 1);
  EXPECT_EQ(record.text(Text::IpAddress), "172.16.0.5");
  EXPECT_EQ(record.subnetMask(), 0xFFFF0000u);
  EXPECT_EQ(record.text(Text::DefaultGateway), "172.16.0.1");
  EXPECT_EQ(record.text(Text::DnsServer), "172.16.0.2");
}

TEST_F(QuilbyDialog, ClearAndDisableEmptiesTheControlsAndLetsGoOfTheRecord) {
  dlg.showRecord(record);
  dlg.clearAndDisable();
  EXPECT_EQ(dlg.editedRecord(), nullptr);
  for (const char* name : {"ipAddress", "subnetMask", "receiver1", "password", "confirmation"})
    EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
  EXPECT_TRUE(Control<QLabel>(dlg, "accountNumber")->text().isEmpty());
  EXPECT_TRUE(Control<QLabel>(dlg, "linkVersion")->text().isEmpty());
  EXPECT_FALSE(ok()->isEnabled());
}

TEST_F(QuilbyDialog, CancelLeavesTheRecordAlone) {
  dlg.showRecord(record);
  const ModuleSettingsRecord before = record;
  Retype(edit("receiver2"), "changed");
  QTest::mouseClick(Control<QPushButton>(dlg, "cancelButton"), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(record.bytes(), before.bytes());
}

TEST_F(QuilbyDialog, CloseBoxStopsListening) {
  dlg.show();
  const quint16 port = dlg.listenSocket()->port();
  dlg.close();
  EXPECT_EQ(dlg.listenSocket(), nullptr);
  EXPECT_EQ(dlg.windowTitle(), "Disconnected 0");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QTcpServer again;
  EXPECT_TRUE(again.listen(QHostAddress::LocalHost, port));
}

TEST(QuilbyDialogStart, PortInUseReportsCreateAndOkOnlyCloses) {
  QTcpServer occupier;
  ASSERT_TRUE(occupier.listen(QHostAddress::LocalHost, 0));
  quilby::QuilbyOptions options;
  options.address = QHostAddress::LocalHost;
  options.port = occupier.serverPort();
  CquilbyDlg dlg(options);

  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].caption, "Create ");
  EXPECT_FALSE(testseams::Boxes().shown[0].text.isEmpty());
  EXPECT_EQ(testseams::Boxes().shown[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(dlg.listenSocket(), nullptr);

  ModuleSettingsRecord record = quilbytest::SampleRecord();
  const ModuleSettingsRecord before = record;
  dlg.showRecord(record);
  Control<QPushButton>(dlg, "okButton")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(record.bytes(), before.bytes());
}

TEST(QuilbyAbout, ItemOpensTheAboutBox) {
  CquilbyDlg dlg(LoopbackOptions());
  ASSERT_NE(dlg.aboutAction(), nullptr);
  EXPECT_EQ(dlg.aboutAction()->text(), "&About quilby...");

  QString title, text;
  bool hasIcon = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<quilby::CAboutDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    title = about->windowTitle();
    testseams::ExpectEveryControlNamed(about);
    text = Control<QLabel>(*about, "aboutText")->text();
    hasIcon = !Control<QLabel>(*about, "aboutIcon")->pixmap().isNull();
    Control<QPushButton>(*about, "aboutOk")->click();
  });
  dlg.aboutAction()->trigger();
  EXPECT_EQ(title, "About quilby");
  EXPECT_EQ(text, "quilby Version 1.0");
  EXPECT_TRUE(hasIcon);
}

}  // namespace
