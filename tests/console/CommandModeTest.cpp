// Command mode as the user drives it: menus and their enabled items, the
// exact bytes of every command, remembered codes, the checkers, Disconnect.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "console/CChecker.h"
#include "console/CDbgDlg.h"
#include "console/CPassDlg.h"
#include "console/EditorDialog.h"
#include "console/RememberedCodes.h"
#include "core/parameters/ParameterMap.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/Accessibility.h"

using consoletest::KeypadFixture;
using consoletest::WhenModal;
using testseams::Bytes;

namespace {

const char* const kCommandItems[] = {"Install code", "Arm/Disarm", "Stay",   "Control", "Bypass",
                                     "Fire",         "Medical",    "Panic", "Memory"};

// Remembered codes kept in memory, answering later as the keyring does.
class MemoryCodes : public console::RememberedCodes {
 public:
  void recall(const QString& title, QObject* context, std::function<void(const QString&)> done) override {
    QTimer::singleShot(20, context, [this, title, done] { done(kept.value(title)); });
  }
  void remember(const QString& title, const QString& code) override {
    if (code.isEmpty())
      kept.remove(title);
    else
      kept.insert(title, code);
  }
  bool canRemember() const override { return available; }
  QMap<QString, QString> kept;
  bool available = true;
};

class CommandMode : public KeypadFixture {
 protected:
  void SetUp() override {
    console::RememberedCodes::install(&codes);
    KeypadFixture::SetUp();
  }
  void TearDown() override {
    KeypadFixture::TearDown();
    console::RememberedCodes::install(nullptr);
  }
  bool enabled(const char* text) { return window->commandAction(QString::fromLatin1(text))->isEnabled(); }

  MemoryCodes codes;

  // Types a code into the code dialog and answers it.
  void answerCode(const QString& digits, bool remember, bool ok = true) {
    WhenModal<console::CPassDlg>([=](console::CPassDlg* dialog) {
      dialog->codeField()->clear();
      QTest::keyClicks(dialog->codeField(), digits);
      dialog->rememberBox()->setChecked(remember);
      ok ? dialog->accept() : dialog->reject();
    });
  }
};

TEST_F(CommandMode, ConnectEndedWithCancelLeavesEverythingDisabled) {
  connectWith(false);
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_FALSE(window->isConnected());
  for (const char* item : kCommandItems) EXPECT_FALSE(enabled(item)) << item;
  EXPECT_TRUE(enabled("Connect"));
  EXPECT_FALSE(enabled("Disconnect"));
  EXPECT_TRUE(enabled("Debug"));
}

TEST_F(CommandMode, ConnectEndedWithOkEnablesTheCommands) {
  connectWith(true);
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode"));
  for (const char* item : kCommandItems) EXPECT_TRUE(enabled(item)) << item;
  EXPECT_FALSE(enabled("Connect"));
  EXPECT_TRUE(enabled("Disconnect"));
}

TEST_F(CommandMode, CommandMenuHasItsTextsInPlace) {
  QStringList top;
  for (QAction* a : window->commandMenuBar()->actions()) top << a->text();
  EXPECT_EQ(top, (QStringList{QStringLiteral("Communication"), QStringLiteral("Mode")}));
  QMenu* mode = window->commandMenuBar()->actions()[1]->menu();
  QStringList sub;
  for (QAction* a : mode->actions()) sub << a->text();
  EXPECT_EQ(sub, (QStringList{QStringLiteral("Program Mode"), QStringLiteral("Command Mode")}));
  QStringList commands;
  for (QAction* a : mode->actions()[1]->menu()->actions()) commands << a->text();
  EXPECT_EQ(commands, (QStringList{QStringLiteral("Arm/Disarm"), QStringLiteral("Stay"), QStringLiteral("Control"),
                                   QStringLiteral("Bypass"), QStringLiteral("Alarm"), QStringLiteral("Memory")}));
}

TEST_F(CommandMode, OneKeyCommandsSendTheirBytes) {
  connectWith(true);
  for (const char* item : {"Fire", "Medical", "Panic", "Stay"}) trigger(QString::fromLatin1(item));
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{
                        Bytes({0x7A, 0x21}), Bytes({0x7A, 0x22}), Bytes({0x7A, 0x20}), Bytes({0x7A, 0x0E})}));
  // Each frame beeps.
  EXPECT_EQ(testseams::Beeps().beeps.size(), 4u);
}

TEST_F(CommandMode, ArmDisarmAndInstallerCodesGoAsDigitKeys) {
  connectWith(true);
  answerCode(QStringLiteral("4711"), false);
  trigger(QStringLiteral("Arm/Disarm"));
  answerCode(QStringLiteral("1234"), false);
  trigger(QStringLiteral("Install code"));
  answerCode(QString(), false);
  trigger(QStringLiteral("Arm/Disarm"));
  answerCode(QStringLiteral("9999"), false, /*ok=*/false);
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7A, 4, 7, 1, 1, 0x11}),
                                                            Bytes({0x7A, 0x10, 1, 2, 3, 4, 0x11}),
                                                            Bytes({0x7A, 0x11})}));
}

TEST_F(CommandMode, CodeFieldTakesDigitsOnlyAndNoMoreThanFitInAFrame) {
  connectWith(true);
  QString typed;
  WhenModal<console::CPassDlg>([&](console::CPassDlg* dialog) {
    QTest::keyClicks(dialog->codeField(), QStringLiteral("12ab34567890123456789"));
    typed = dialog->codeField()->text();
    dialog->accept();
  });
  trigger(QStringLiteral("Install code"));
  EXPECT_EQ(typed, QStringLiteral("1234567890123"));
  ASSERT_EQ(sent().size(), 1u);
  EXPECT_EQ(sent()[0].size(), 16u);
}

TEST_F(CommandMode, RememberedCodeIsOfferedAndForgottenWhenUntickedButNeverWrittenToTheSettings) {
  connectWith(true);
  answerCode(QStringLiteral("2580"), true);
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_EQ(codes.kept, (QMap<QString, QString>{{QStringLiteral("User"), QStringLiteral("2580")}}));

  QString offered;
  bool ticked = false;
  QString announced;
  WhenModal<console::CPassDlg>([&](console::CPassDlg* dialog) {
    announced = testseams::AccessibleName(dialog->codeField());
    // The store answers a moment after the dialog is up, as the keyring does.
    testseams::WaitFor([&] { return dialog->rememberBox()->isChecked(); }, 2000);
    offered = dialog->codeField()->text();
    ticked = dialog->rememberBox()->isChecked();
    QCheckBox* box = dialog->rememberBox();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));  // on the tick mark
    dialog->accept();
  });
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_EQ(offered, QStringLiteral("2580"));
  EXPECT_EQ(announced, QStringLiteral("User"));
  EXPECT_TRUE(ticked);
  // Forgotten; the installer code is kept apart, under its own title.
  EXPECT_TRUE(codes.kept.isEmpty());
  EXPECT_EQ(sent().back(), Bytes({0x7A, 2, 5, 8, 0, 0x11}));
  // Codes are secrets of the keyring: nothing of them reaches tarnel.conf.
  EXPECT_FALSE(QSettings().contains(QStringLiteral("Passwords/User")));
}

TEST_F(CommandMode, WithoutAKeyringRememberIsGreyedAndNothingIsKept) {
  codes.available = false;
  connectWith(true);
  bool greyed = false;
  WhenModal<console::CPassDlg>([&](console::CPassDlg* dialog) {
    greyed = !dialog->rememberBox()->isEnabled();
    QTest::keyClicks(dialog->codeField(), QStringLiteral("2580"));
    dialog->accept();
  });
  trigger(QStringLiteral("Arm/Disarm"));
  EXPECT_TRUE(greyed);
  EXPECT_TRUE(codes.kept.isEmpty());
  EXPECT_EQ(sent().back(), Bytes({0x7A, 2, 5, 8, 0, 0x11}));
}

TEST_F(CommandMode, BypassCheckerShowsPanelStateAndSendsTheChanges) {
  connectWith(true);
  bool disabledBeforeFrame = false;
  bool nineTicked = false;
  WhenModal<console::CChecker>([&](console::CChecker* checker) {
    disabledBeforeFrame = !checker->box(1)->isEnabled();
    testseams::ExpectEveryControlNamed(checker);
    // The panel answers the bypass key with zones 2 and 9 bypassed.
    feed({0x1B, 0x07, 0x02, 0x01, 0x7E});
    nineTicked = checker->box(9)->isChecked() && checker->box(2)->isChecked();
    QTest::mouseClick(checker->box(9), Qt::LeftButton);
    QTest::mouseClick(checker->box(16), Qt::LeftButton);
    checker->accept();
  });
  trigger(QStringLiteral("Bypass"));
  EXPECT_TRUE(disabledBeforeFrame);
  EXPECT_TRUE(nineTicked);
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7A, 0x17}),
                                                            Bytes({0x7A, 0x00, 0x09, 0x01, 0x06, 0x11})}));
  EXPECT_EQ(window->editorFrameType(), -1);
}

TEST_F(CommandMode, OutputCheckerHidesTheSecondRowAndCancelEndsTheEntry) {
  connectWith(true);
  bool secondRowHidden = false;
  QString caption;
  WhenModal<console::CChecker>([&](console::CChecker* checker) {
    secondRowHidden = !checker->box(9)->isVisible() && !checker->box(16)->isVisible() && checker->box(8)->isVisible();
    caption = checker->windowTitle();
    feed({0x1D, 0x07, 0x00, 0x04, 0x7E});
    QTest::mouseClick(checker->box(5), Qt::LeftButton);
    QTest::mouseClick(checker->box(3), Qt::LeftButton);  // unticks output 3, which is on
    checker->accept();
  });
  trigger(QStringLiteral("Control"));
  EXPECT_TRUE(secondRowHidden);
  EXPECT_EQ(caption, QStringLiteral("Control"));
  EXPECT_EQ(sent().back(), Bytes({0x7A, 0x03, 0x05, 0x11}));

  sent().clear();
  WhenModal<console::CChecker>([&](console::CChecker* checker) { checker->reject(); });
  trigger(QStringLiteral("Control"));
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7A, 0x0A}), Bytes({0x7A, 0x11})}));
}

TEST_F(CommandMode, CheckerWithoutAnswerChangesNothing) {
  connectWith(true);
  WhenModal<console::CChecker>([&](console::CChecker* checker) {
    QTest::mouseClick(checker->box(4), Qt::LeftButton);  // disabled: no effect
    checker->accept();
  });
  trigger(QStringLiteral("Bypass"));
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7A, 0x17})}));
}

TEST_F(CommandMode, MemoryRunsTheViewerForAllFramesThenSendsEnter) {
  class Viewer : public console::EditorDialog {
   public:
    void handlePanelFrame(const std::uint8_t*, std::size_t) override { ++frames; }
    int frames = 0;
  };
  connectWith(true);
  Viewer* opened = nullptr;
  int seen = -1;
  window->setMemoryDialogFactory([&](console::CKeypadDlg&) {
    auto viewer = std::make_unique<Viewer>();
    opened = viewer.get();
    return viewer;
  });
  WhenModal<Viewer>([&](Viewer* viewer) {
    feed({0x20, 0x01, 0x02, 0x7E});
    seen = viewer->frames;
    viewer->accept();
  });
  trigger(QStringLiteral("Memory"));
  EXPECT_NE(opened, nullptr);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7E, 0xA1, 0x07, 0x11, 0x7E})}));
}

TEST_F(CommandMode, ExitFromInstallReturnsToCommandModeAndTellsThePanel) {
  connectWith(true);
  feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
  ASSERT_TRUE(window->isProgramMode());
  window->programAction(QStringLiteral("Exit from Install"))->trigger();
  EXPECT_FALSE(window->isProgramMode());
  EXPECT_EQ(window->modeText(), QStringLiteral("Command mode"));
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7E, 0xA0, 0x07, 0x00, 0x7E})}));
}

TEST_F(CommandMode, ProgramMenuHasEveryItemAndGreysThoseWithoutEditor) {
  EXPECT_EQ(params::ParameterMap().size(), 138u);
  QMenu* main = window->programMenuBar()->actions().front()->menu();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->title(), QStringLiteral("Main"));
  EXPECT_EQ(window->programMenuBar()->actions().back()->text(), QStringLiteral("Help"));
  EXPECT_EQ(main->actions().back()->text(), QStringLiteral("Exit from Install"));
  EXPECT_TRUE(main->actions()[main->actions().size() - 2]->isSeparator());
  QAction* zoneA = window->programAction(QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A"));
  ASSERT_NE(zoneA, nullptr);
  EXPECT_FALSE(zoneA->isEnabled());
  EXPECT_NE(window->programAction(QStringLiteral("Area|Start of “DTMF Arm/Disarm” Status Messages")), nullptr);
  int calls = 0;
  window->setProgramItemHandler(QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A"), [&] { ++calls; });
  EXPECT_TRUE(zoneA->isEnabled());
  zoneA->trigger();
  EXPECT_EQ(calls, 1);
  // "Help" explains program mode instead of opening an editor.
  window->programAction(QStringLiteral("Help"))->trigger();
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].caption, QStringLiteral("Help"));
  EXPECT_TRUE(testseams::Boxes().shown[0].text.contains(QStringLiteral("Exit from Install")));
}

TEST_F(CommandMode, DisconnectClosesTheLinkAndResets) {
  connectWith(true);
  feed({0x23, 0x07, 0x00, 0x7B, 0x7E});
  trigger(QStringLiteral("Disconnect"));
  EXPECT_FALSE(conn.open);
  EXPECT_EQ(link().currentConnection(), nullptr);
  EXPECT_FALSE(window->isConnected());
  EXPECT_TRUE(window->versionText().isEmpty());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
}

TEST_F(CommandMode, DisconnectOnSerialEndsTheCallAndStopsTheWorker) {
  testseams::RecordingConnection serial;
  link().setActiveLink(panel::LinkKind::Serial);
  link().setSerialTransport(&serial);
  QObject* stoppedFor = nullptr;
  window->setSerialLinkHook({[] { return true; }, [&](QObject* owner) {
                               stoppedFor = owner;
                               link().setSerialTransport(nullptr);
                             }});
  connectWith(true);
  trigger(QStringLiteral("Disconnect"));
  EXPECT_EQ(serial.writes, (std::vector<std::vector<std::uint8_t>>{Bytes({0x0F})}));
  EXPECT_EQ(testseams::Times().pauses, (std::vector<int>{500}));
  EXPECT_EQ(stoppedFor, window.get());
}

TEST_F(CommandMode, ClosingTheWindowDisconnectsFirst) {
  connectWith(true);
  window->show();
  window->close();
  EXPECT_FALSE(conn.open);
  EXPECT_FALSE(window->isConnected());
}

TEST_F(CommandMode, EndingTheLinkWhileThePanelIsInProgramModeAsksWhetherToLeaveItFirst) {
  using Button = QMessageBox::StandardButton;
  const std::vector<std::uint8_t> leave = Bytes({0x7E, 0xA0, 0x07, 0x00, 0x7E});
  const struct {
    const char* how;  // "close": the window in program mode; "Disconnect": only the panel's lamps show it
    bool site;        // false: a panel held in the program, which guards no building
    Button answer;
    bool leaves, ends, answered;
  } cases[] = {
      {"close", true, QMessageBox::Yes, true, true, true},
      {"close", true, QMessageBox::Yes, true, true, false},  // the panel says nothing: the wait is short
      {"close", true, QMessageBox::No, false, true, false},
      {"close", true, QMessageBox::Cancel, false, false, false},
      {"Disconnect", true, QMessageBox::Yes, true, true, true},
      {"Disconnect", true, QMessageBox::Cancel, false, false, false},
      {"close", false, QMessageBox::NoButton, false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.how << (c.site ? "" : " (held)") << " " << c.answer);
    const bool closing = QLatin1String(c.how) == QLatin1String("close");
    window->handleLinkClosed();  // what a case that stayed left behind
    conn = testseams::RecordingConnection();
    conn.site = c.site;
    link().setCurrentConnection(&conn);
    connectWith(true);
    window->show();
    feed({0x10, 0x00, 0x00, 0x01, 0x10, 0x7E});  // PROGRAM lit
    if (closing) feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
    ASSERT_EQ(window->isProgramMode(), closing);
    testseams::Boxes().shown.clear();
    testseams::Times().timers.clear();
    testseams::Boxes().answers = {c.answer};
    if (c.answered) QTimer::singleShot(0, [this] { feed({0x10, 0x00, 0x00, 0x01, 0x00, 0x7E}); });

    if (closing) window->close();
    else trigger(QStringLiteral("Disconnect"));

    if (c.site) {
      ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
      EXPECT_EQ(testseams::Boxes().shown[0].caption, QStringLiteral("Attention"));
      EXPECT_EQ(testseams::Boxes().shown[0].text,
                QStringLiteral("The panel is in program mode, and a panel in program mode does not protect the "
                               "building.\nExit from Install first?"));
      EXPECT_EQ(testseams::Boxes().shown[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    } else {
      EXPECT_TRUE(testseams::Boxes().shown.empty());
    }
    EXPECT_EQ(std::ranges::count(sent(), leave), c.leaves ? 1 : 0);
    EXPECT_EQ(std::ranges::count(testseams::Times().timers, 2000), c.leaves ? 1 : 0);
    EXPECT_EQ(conn.open, !c.ends);
    EXPECT_EQ(window->isConnected(), !c.ends);
    EXPECT_EQ(window->isVisible(), !(closing && c.ends));
    EXPECT_EQ(window->isProgramMode(), closing && !c.ends);
    window->hide();
  }
}

TEST_F(CommandMode, DebugWindowSendsTypedFramesAndKeysWhileALinkStands) {
  trigger(QStringLiteral("Debug"));
  console::CDbgDlg* debug = window->debugWindow();
  ASSERT_NE(debug, nullptr);
  EXPECT_EQ(debug->windowTitle(), QStringLiteral("Debug"));
  testseams::ExpectEveryControlNamed(debug);
  QLineEdit* edit = debug->frameBox()->lineEdit();
  QTest::keyClicks(edit, QStringLiteral("7e ab 7 0 1a 0 1 7e"));
  EXPECT_EQ(edit->text(), QStringLiteral("7E AB 7 0 1A 0 1 7E"));
  sent().clear();  // the letter A key itself sent a key frame
  QTest::mouseClick(debug->sendButton(), Qt::LeftButton);
  ASSERT_EQ(sent().size(), 1u);
  EXPECT_EQ(sent()[0], Bytes({0x7E, 0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7E}));
  // The sent line is in the log, with its arrow.
  EXPECT_TRUE(debug->log()->toPlainText().contains(QStringLiteral("\t->\t7E 7E AB 07 00 1A 00 01 7E 7E ")));

  // History: sorted, no doubles.
  edit->setText(QStringLiteral("1,2,,3"));
  QTest::mouseClick(debug->sendButton(), Qt::LeftButton);
  edit->setText(QStringLiteral("7E AB 7 0 1A 0 1 7E"));
  QTest::mouseClick(debug->sendButton(), Qt::LeftButton);
  ASSERT_EQ(debug->frameBox()->count(), 2);
  EXPECT_EQ(debug->frameBox()->itemText(0), QStringLiteral("1,2,,3"));
  EXPECT_EQ(sent()[1], Bytes({0x7E, 0x01, 0x02, 0x00, 0x03, 0x7E}));

  sent().clear();
  QTest::keyRelease(edit, Qt::Key_Return);
  QTest::keyRelease(edit, Qt::Key_7, Qt::KeypadModifier);
  QTest::keyRelease(edit, Qt::Key_7);  // the main row's 7 is no keypad key
  EXPECT_EQ(sent(), (std::vector<std::vector<std::uint8_t>>{Bytes({0x7E, 0xA1, 0x07, 0x11, 0x7E}),
                                                            Bytes({0x7E, 0xA1, 0x07, 0x07, 0x7E})}));

  // No link: nothing is handed to a transport.
  conn.open = false;
  sent().clear();
  QTest::mouseClick(debug->sendButton(), Qt::LeftButton);
  EXPECT_TRUE(sent().empty());

  // The second choice closes it; sent lines no longer go to it.
  trigger(QStringLiteral("Debug"));
  EXPECT_EQ(window->debugWindow(), nullptr);
  EXPECT_EQ(link().debugSink(), nullptr);
}

}  // namespace
