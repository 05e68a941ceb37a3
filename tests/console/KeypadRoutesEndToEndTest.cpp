// "Connect" from the keypad window's menu, through the real connection
// dialog, to the simulated panel over loopback: each TCP route, a refused
// password, and a receiver search that moves on.
#include <QCheckBox>
#include <QTest>

#include "link/CWorkSocket.h"
#include "tests/console/KeypadSimFixture.h"

namespace consoletest {
namespace {

using testseams::WaitFor;

class KeypadRoutes : public KeypadSimFixture {
 protected:
  // Display fed by the panel: version, clock and the zone row all known.
  bool displayFilled() {
    return WaitFor(
        [&] {
          return !window->versionText().isEmpty() && !window->clockText().isEmpty() &&
                 window->zone(1)->state() == console::LedState::Close &&
                 window->zone(16)->state() == console::LedState::Close;
        },
        10000);
  }
  static void tickNotAuthorised(connection::CRequestConnect& dialog) {
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("notAuthorised"));
    ASSERT_NE(box, nullptr);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    ASSERT_TRUE(box->isChecked());
  }
};

TEST_F(KeypadRoutes, AuthorisedDirectCallIsAnsweredByTheModuleCallingBack) {
  startSimCallingBack();
  QStringList titles;
  runConnect([&](connection::CRequestConnect& dialog) {
    QObject::connect(&dialog, &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    type(dialog, "unit", QStringLiteral("127.0.0.1"));
    click(dialog, "directConnect");
  });
  EXPECT_EQ(titles, QStringList{callTitle(QStringLiteral("127.0.0.1"))});
  ASSERT_TRUE(window->isConnected());
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode"));
  EXPECT_FALSE(window->commandAction(QStringLiteral("Connect"))->isEnabled());
  EXPECT_TRUE(window->commandAction(QStringLiteral("Arm/Disarm"))->isEnabled());

  // The login-only call carries nothing; the module's call-in brings the frames.
  ASSERT_TRUE(displayFilled()) << sim->output().toStdString();
  EXPECT_TRUE(sim->output().contains(QStringLiteral("login-only (access code): verdict 71 00")));
  auto* link = dynamic_cast<panel::CWorkSocket*>(panel::PanelLink::instance().currentConnection());
  ASSERT_NE(link, nullptr);
  EXPECT_FALSE(link->scrambled());
  EXPECT_EQ(window->versionText(), QStringLiteral("2.10 [005]"));
}

TEST_F(KeypadRoutes, NotAuthorisedPcRefusedPasswordIsShownThenTheRightOneConnects) {
  startSim({QStringLiteral("--password"), QStringLiteral("installer1")});
  QString refusedTitle;
  bool buttonsBack = false;
  bool lineFreed = false;
  runConnect([&](connection::CRequestConnect& dialog) {
    tickNotAuthorised(dialog);
    type(dialog, "unit", QStringLiteral("127.0.0.1"));
    type(dialog, "directPassword", QStringLiteral("installer2"));
    click(dialog, "directConnect");
    const QString refused = callTitle(QStringLiteral("127.0.0.1"), QStringLiteral("Password error"));
    buttonsBack = WaitFor([&] { return dialog.windowTitle() == refused && button(dialog, "directConnect")->isEnabled(); });
    refusedTitle = dialog.windowTitle();
    // The refused link is given up at once, so the module's line is free again.
    lineFreed = panel::PanelLink::instance().currentConnection() == nullptr &&
                sim->waitForOutput(QStringLiteral("link closed"));
    // The installer corrects the password and tries again.
    type(dialog, "directPassword", QStringLiteral("installer1"));
    click(dialog, "directConnect");
  });
  EXPECT_TRUE(buttonsBack) << refusedTitle.toStdString() << "\n" << sim->output().toStdString();
  EXPECT_EQ(refusedTitle, callTitle(QStringLiteral("127.0.0.1"), QStringLiteral("Password error")));
  EXPECT_TRUE(lineFreed);
  EXPECT_NE(std::find(testseams::Beeps().beeps.begin(), testseams::Beeps().beeps.end(), testseams::Beep{400, 50}),
            testseams::Beeps().beeps.end());
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode"));

  // This link is the PC's own, scrambled both ways: the panel's frames read
  // right, and a code typed into the keypad window reaches the panel.
  auto* link = dynamic_cast<panel::CWorkSocket*>(panel::PanelLink::instance().currentConnection());
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->scrambled());
  ASSERT_TRUE(displayFilled()) << sim->output().toStdString();
  answerCode(QStringLiteral("1234"));
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_TRUE(WaitFor([&] { return window->lamp(console::CKeypadDlg::Armed)->isLit(); }));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 01 02 03 04 11")));
}

TEST_F(KeypadRoutes, NotAuthorisedPcWithAShortPasswordIsRefusedBeforeAnyCall) {
  startSim();
  runConnect([&](connection::CRequestConnect& dialog) {
    tickNotAuthorised(dialog);
    type(dialog, "unit", QStringLiteral("127.0.0.1"));
    type(dialog, "directPassword", QStringLiteral("1234567"));
    click(dialog, "directConnect");
    click(dialog, "exit");
  });
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].text, QStringLiteral("A password must be more than 8 characters"));
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_FALSE(sim->output().contains(QStringLiteral("PC called")));
}

TEST_F(KeypadRoutes, ReceiverSearchMovesOnFromAnUnreachableReceiverToTheNextFilledOne) {
  ASSERT_EQ(store->store("pc-password-1"), 0);
  startSimCallingBack();
  QStringList titles;
  runConnect([&](connection::CRequestConnect& dialog) {
    QObject::connect(&dialog, &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    type(dialog, "account", QStringLiteral("0815"));
    type(dialog, "receiver1", QStringLiteral("192.0.2.1"));  // a documentation address: nobody answers
    type(dialog, "receiver2", QStringLiteral("127.0.0.1"));
    type(dialog, "receiver3", QString());
    type(dialog, "receiver4", QString());
    type(dialog, "searchPassword", QStringLiteral("pc-password-1"));
    click(dialog, "search");
  });
  EXPECT_EQ(titles, (QStringList{callTitle(QStringLiteral("192.0.2.1")),
                                 callTitle(QStringLiteral("192.0.2.1"), QStringLiteral("Reseiver not answer")),
                                 callTitle(QStringLiteral("127.0.0.1"))}));
  ASSERT_TRUE(window->isConnected());
  EXPECT_EQ(console::g_strPcPassword, QStringLiteral("pc-password-1"));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("login-only (account): verdict 89 00")));
  ASSERT_TRUE(displayFilled()) << sim->output().toStdString();
}

TEST_F(KeypadRoutes, ReceiverSearchWithAWrongPcPasswordCallsNobody) {
  ASSERT_EQ(store->store("pc-password-1"), 0);
  startSimCallingBack();
  runConnect([&](connection::CRequestConnect& dialog) {
    type(dialog, "receiver1", QStringLiteral("127.0.0.1"));
    type(dialog, "searchPassword", QStringLiteral("pc-password-2"));
    click(dialog, "search");
    click(dialog, "exit");
  });
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].text, QStringLiteral("Access Denied"));
  EXPECT_FALSE(window->isConnected());
  QTest::qWait(200);
  EXPECT_FALSE(sim->output().contains(QStringLiteral("PC called")));
}

}  // namespace
}  // namespace consoletest
