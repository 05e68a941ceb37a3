// Command mode against the simulated panel, driven through the keypad
// window's menus and dialogs: arming, the bypass checker's round trip,
// program mode and back, and a link the panel's side drops.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QTest>

#include "console/CChecker.h"
#include "tests/console/KeypadSimFixture.h"

namespace consoletest {
namespace {

using console::CKeypadDlg;
using console::LedState;
using testseams::WaitFor;

class KeypadCommands : public KeypadSimFixture {
 protected:
  void SetUp() override {
    KeypadSimFixture::SetUp();
    startSimCallingBack();
    connectAuthorised();
  }
  bool lit(CKeypadDlg::Lamp lamp) const { return window->lamp(lamp)->isLit(); }
  // Asks the panel for its state and waits for the line that holds text.
  bool panelSays(const QString& text) {
    simCommand(QStringLiteral("status"));
    return sim->waitForOutput(text);
  }
  // Runs the bypass checker: waits for the panel's answer to fill it, flips
  // the given boxes and presses OK. Returns the boxes ticked on arrival.
  QList<int> runBypassChecker(QList<int> flip) {
    QList<int> ticked;
    WhenModal<console::CChecker>([&, flip](console::CChecker* checker) {
      if (!WaitFor([&] { return checker->box(1)->isEnabled(); })) {
        ADD_FAILURE() << "the panel's bypass answer never reached the checker";
        checker->reject();
        return;
      }
      for (int n = 1; n <= 16; ++n)
        if (checker->box(n)->isChecked()) ticked << n;
      for (int n : flip) QTest::mouseClick(checker->box(n), Qt::LeftButton, {}, QPoint(6, checker->box(n)->height() / 2));
      QTest::mouseClick(checker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    trigger(QStringLiteral("Bypass"));
    return ticked;
  }
};

TEST_F(KeypadCommands, UserCodeArmsAndDisarmsAndTheWindowFollows) {
  EXPECT_FALSE(lit(CKeypadDlg::Armed));
  EXPECT_TRUE(lit(CKeypadDlg::Ready));
  answerCode(QStringLiteral("1234"));
  trigger(QStringLiteral("Arm/Disarm"));
  ASSERT_TRUE(WaitFor([&] { return lit(CKeypadDlg::Armed); }));
  EXPECT_TRUE(window->areaLetter(0)->isLit());
  EXPECT_TRUE(window->areaLetter(1)->isLit());
  EXPECT_TRUE(panelSays(QStringLiteral("areas armed: AB")));

  // A wrong code changes nothing at the panel.
  answerCode(QStringLiteral("4321"));
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 04 03 02 01 11")));
  QTest::qWait(200);
  EXPECT_TRUE(lit(CKeypadDlg::Armed));

  answerCode(QStringLiteral("1234"));
  trigger(QStringLiteral("Arm/Disarm"));
  ASSERT_TRUE(WaitFor([&] { return !lit(CKeypadDlg::Armed); }));
  EXPECT_FALSE(window->areaLetter(0)->isLit());
}

TEST_F(KeypadCommands, AnOpenZoneShowsOpenAndAnAlarmShowsOnItsZone) {
  simCommand(QStringLiteral("zone open 5"));
  ASSERT_TRUE(WaitFor([&] { return window->zone(5)->state() == LedState::Open; }));
  EXPECT_FALSE(lit(CKeypadDlg::Ready));
  simCommand(QStringLiteral("zone alarm 12"));
  ASSERT_TRUE(WaitFor([&] { return window->zone(12)->state() == LedState::Alarm; }));
  EXPECT_TRUE(WaitFor([&] { return window->output(1)->state() == LedState::Open; }));  // the bell
  EXPECT_EQ(window->zone(4)->state(), LedState::Close);
}

TEST_F(KeypadCommands, BypassCheckerShowsThePanelsZonesAndSendsTheFlippedOnes) {
  // Nothing bypassed yet: the checker opens empty; zones 3 and 12 are picked.
  EXPECT_EQ(runBypassChecker({3, 12}), QList<int>{});
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 00 03 01 02 11")));
  ASSERT_TRUE(WaitFor([&] {
    return window->zone(3)->state() == LedState::Bypass && window->zone(12)->state() == LedState::Bypass;
  }));
  EXPECT_TRUE(lit(CKeypadDlg::Bypass));
  EXPECT_EQ(window->zone(4)->state(), LedState::Close);
  EXPECT_EQ(window->editorFrameType(), -1);

  // The second time the checker shows what the panel holds; unticking 12 restores it.
  EXPECT_EQ(runBypassChecker({12}), (QList<int>{3, 12}));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 01 02 11")));
  ASSERT_TRUE(WaitFor([&] { return window->zone(12)->state() == LedState::Close; }));
  EXPECT_EQ(window->zone(3)->state(), LedState::Bypass);
  EXPECT_TRUE(panelSays(QStringLiteral("bypassed: 3;")));
}

TEST_F(KeypadCommands, BypassCheckerCancelledEndsTheEntryAtThePanel) {
  WhenModal<console::CChecker>([](console::CChecker* checker) {
    WaitFor([&] { return checker->box(1)->isEnabled(); });
    QTest::mouseClick(checker->box(7), Qt::LeftButton, {}, QPoint(6, checker->box(7)->height() / 2));
    QTest::mouseClick(checker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  });
  trigger(QStringLiteral("Bypass"));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 17")));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 11 ")));
  EXPECT_TRUE(panelSays(QStringLiteral("entry: none")));
  EXPECT_TRUE(sim->output().contains(QStringLiteral("bypassed: -")));
  EXPECT_EQ(window->zone(7)->state(), LedState::Close);
}

TEST_F(KeypadCommands, InstallerCodeOpensProgramModeAndExitFromInstallLeavesIt) {
  answerCode(QStringLiteral("9999"));
  trigger(QStringLiteral("Install code"));
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); })) << sim->output().toStdString();
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode"));
  EXPECT_TRUE(window->programMenuBar()->isVisible());
  EXPECT_FALSE(window->commandMenuBar()->isVisible());
  EXPECT_TRUE(WaitFor([&] { return lit(CKeypadDlg::Program); }));
  EXPECT_TRUE(sim->output().contains(QStringLiteral("7A 10 09 09 09 09 11")));

  triggerProgramItem(QStringLiteral("Exit from Install"));
  EXPECT_FALSE(window->isProgramMode());
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode"));
  EXPECT_TRUE(window->commandMenuBar()->isVisible());
  EXPECT_TRUE(window->isConnected());
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7E A0 07 00 7E")));
  EXPECT_TRUE(WaitFor([&] { return !lit(CKeypadDlg::Program); }));
  EXPECT_TRUE(panelSays(QStringLiteral("mode: command")));
}

TEST_F(KeypadCommands, AWrongInstallerCodeLeavesCommandMode) {
  answerCode(QStringLiteral("1111"));
  trigger(QStringLiteral("Install code"));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("7A 10 01 01 01 01 11")));
  QTest::qWait(300);
  EXPECT_FALSE(window->isProgramMode());
  EXPECT_TRUE(panelSays(QStringLiteral("mode: command")));
}

TEST_F(KeypadCommands, ThePanelsSideDroppingTheLinkResetsTheDisplay) {
  answerCode(QStringLiteral("1234"));
  trigger(QStringLiteral("Arm/Disarm"));
  ASSERT_TRUE(WaitFor([&] { return lit(CKeypadDlg::Armed); }));
  simCommand(QStringLiteral("output on 3"));
  ASSERT_TRUE(WaitFor([&] { return window->output(3)->state() == LedState::Open; }));

  simCommand(QStringLiteral("drop"));
  ASSERT_TRUE(WaitFor([&] { return window->versionText().isEmpty(); }));
  EXPECT_TRUE(window->clockText().isEmpty());
  for (int z = 1; z <= 16; ++z) EXPECT_EQ(window->zone(z)->state(), LedState::Unknown) << z;
  for (int o = 1; o <= 8; ++o) EXPECT_EQ(window->output(o)->state(), LedState::Unknown) << o;
  for (int l = 0; l < CKeypadDlg::kLampCount; ++l) {
    EXPECT_FALSE(window->lamp(static_cast<CKeypadDlg::Lamp>(l))->isLit()) << l;
    EXPECT_FALSE(window->lamp(static_cast<CKeypadDlg::Lamp>(l))->isBlinking()) << l;
  }
  EXPECT_FALSE(window->areaLetter(0)->isLit());
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_TRUE(window->commandAction(QStringLiteral("Connect"))->isEnabled());
  EXPECT_FALSE(window->commandAction(QStringLiteral("Arm/Disarm"))->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyridge 1.00"));
  EXPECT_TRUE(testseams::Boxes().shown.empty());

  // Connect again: the same panel fills the display once more.
  connectAuthorised();
  EXPECT_TRUE(WaitFor([&] { return lit(CKeypadDlg::Armed) && window->output(3)->state() == LedState::Open; }));
}

TEST_F(KeypadCommands, DroppingTheLinkInProgramModeReturnsToTheCommandMenu) {
  answerCode(QStringLiteral("9999"));
  trigger(QStringLiteral("Install code"));
  ASSERT_TRUE(WaitFor([&] { return window->isProgramMode(); }));
  simCommand(QStringLiteral("drop"));
  ASSERT_TRUE(WaitFor([&] { return !window->isProgramMode(); }));
  EXPECT_TRUE(window->commandMenuBar()->isVisible());
  EXPECT_FALSE(window->programMenuBar()->isVisible());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
}

TEST_F(KeypadCommands, DisconnectFromTheMenuClosesTheModulesLink) {
  trigger(QStringLiteral("Disconnect"));
  EXPECT_FALSE(window->isConnected());
  EXPECT_TRUE(window->versionText().isEmpty());
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("link closed")));
  EXPECT_EQ(panel::PanelLink::instance().currentConnection(), nullptr);
}

}  // namespace
}  // namespace consoletest
