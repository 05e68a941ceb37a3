// What the panel's frames do to the keypad window, how they are routed to
// the open editor, and what a lost link resets.
#include <QAccessible>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "console/CChecker.h"
#include "console/CDbgDlg.h"
#include "console/CLed.h"
#include "console/EditorDialog.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/Accessibility.h"

using console::CKeypadDlg;
using console::CStaticColor;
using console::LedState;
using consoletest::KeypadFixture;
using testseams::Bytes;

namespace {

// An editor that keeps what reaches it.
class RecordingEditor : public console::EditorDialog {
 public:
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    frames.emplace_back(frame, frame + length);
  }
  std::vector<std::vector<std::uint8_t>> frames;
};

using KeypadStatus = KeypadFixture;

TEST_F(KeypadStatus, StartsDisconnectedWithEverythingDarkAndUnknown) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Keyridge 1.00"));
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_TRUE(window->clockText().isEmpty());
  EXPECT_TRUE(window->versionText().isEmpty());
  for (int z = 1; z <= 16; ++z) EXPECT_EQ(window->zone(z)->state(), LedState::Unknown);
  for (int o = 1; o <= 8; ++o) EXPECT_EQ(window->output(o)->state(), LedState::Unknown);
  for (int l = 0; l < CKeypadDlg::kLampCount; ++l) {
    EXPECT_FALSE(window->lamp(CKeypadDlg::Lamp(l))->isLit());
    EXPECT_EQ(window->lamp(CKeypadDlg::Lamp(l))->currentColour(), CStaticColor::kGrey);
  }
  EXPECT_EQ(window->lamp(CKeypadDlg::Ready)->litColour(), CStaticColor::kGreen);
  EXPECT_EQ(window->lamp(CKeypadDlg::Program)->litColour(), CStaticColor::kGreen);
  EXPECT_EQ(window->lamp(CKeypadDlg::Trouble)->litColour(), CStaticColor::kRed);
}

// A dark desktop: the lamps keep the product's colours, their face and
// everything else take the palette's; the indicators are drawn for the
// screen's pixel ratio instead of being blown up.
TEST_F(KeypadStatus, LampsKeepTheirOwnColoursOverADarkPaletteAndIconsFollowThePixelRatio) {
  QPalette dark = window->palette();
  dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
  dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
  window->setPalette(dark);
  feed({0x10, 0x00, 0x00, 0x01, 0x00, 0x7E});  // READY lit
  CStaticColor* ready = window->lamp(CKeypadDlg::Ready);
  CStaticColor* power = window->lamp(CKeypadDlg::Power);
  EXPECT_EQ(ready->currentColour(), QColor(20, 200, 10));
  EXPECT_EQ(power->currentColour(), QColor(160, 160, 160));
  const QImage face = ready->grab().toImage();
  EXPECT_EQ(face.pixelColor(0, 0), QColor(0x30, 0x30, 0x30));
  bool litText = false;
  for (int y = 0; y < face.height() && !litText; ++y)
    for (int x = 0; x < face.width() && !litText; ++x) litText = face.pixelColor(x, y) == QColor(20, 200, 10);
  EXPECT_TRUE(litText);

  for (qreal ratio : {1.0, 2.0}) {
    const QPixmap icon = console::CLed::icon(LedState::Alarm, ratio);
    EXPECT_EQ(icon.devicePixelRatio(), ratio);
    EXPECT_EQ(icon.size(), QSize(16, 16) * ratio);
  }
}

TEST_F(KeypadStatus, ZoneFrameSelectsItsBankAndLaterRulesWin) {
  for (int z = 1; z <= 8; ++z) window->zone(z)->setState(LedState::Close);
  // Bank 9-16: bit 0 open, bit 1 alarm, bit 2 tamper (byte 6), bit 3 alarm+bypass, bit 4 tamper+bypass.
  feed({0x12, 0x01, 0x01, 0x0A, 0x18, 0x00, 0x14, 0x7E});
  EXPECT_EQ(window->zone(9)->state(), LedState::Open);
  EXPECT_EQ(window->zone(10)->state(), LedState::Alarm);
  EXPECT_EQ(window->zone(11)->state(), LedState::Tamper);
  EXPECT_EQ(window->zone(12)->state(), LedState::Bypass);
  EXPECT_EQ(window->zone(13)->state(), LedState::Bypass);
  EXPECT_EQ(window->zone(14)->state(), LedState::Close);
  for (int z = 1; z <= 8; ++z) EXPECT_EQ(window->zone(z)->state(), LedState::Close) << z;
  // Byte 1 = 0 is the first bank; tamper from byte 5 too.
  feed({0x12, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x7E});
  EXPECT_EQ(window->zone(8)->state(), LedState::Tamper);
  EXPECT_EQ(window->zone(12)->state(), LedState::Bypass);

  // A screen reader hears which indicator it is and what it shows.
  const auto description = [](QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
  };
  EXPECT_EQ(testseams::AccessibleName(window->zone(8)), QStringLiteral("Zone 8"));
  EXPECT_EQ(description(window->zone(8)), QStringLiteral("Tamper"));
  EXPECT_EQ(description(window->zone(14)), QStringLiteral("Close"));
  EXPECT_EQ(testseams::AccessibleName(window->output(3)), QStringLiteral("Output 3"));
  EXPECT_EQ(description(window->output(3)), QStringLiteral("Unknown"));
}

TEST_F(KeypadStatus, BypassLampFollowsItsOwnRules) {
  CStaticColor* bypass = window->lamp(CKeypadDlg::Bypass);
  feed({0x12, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x7E});
  EXPECT_TRUE(bypass->isLit());
  EXPECT_EQ(bypass->currentColour(), CStaticColor::kRed);
  // A zero bypass byte leaves the lamp as it was.
  feed({0x12, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7E});
  EXPECT_TRUE(bypass->isLit());
  // 0x1B with nothing bypassed turns it off and leaves every zone icon alone.
  window->zone(5)->setState(LedState::Alarm);
  feed({0x1B, 0x07, 0x00, 0x00, 0x7E});
  EXPECT_FALSE(bypass->isLit());
  EXPECT_EQ(bypass->currentColour(), CStaticColor::kGrey);
  EXPECT_EQ(window->zone(5)->state(), LedState::Alarm);
  EXPECT_EQ(window->zone(3)->state(), LedState::Close);
  // 0x1B marks bypassed zones of both bytes and lights the lamp.
  feed({0x1B, 0x07, 0x02, 0x80, 0x7E});
  EXPECT_EQ(window->zone(2)->state(), LedState::Bypass);
  EXPECT_EQ(window->zone(16)->state(), LedState::Bypass);
  EXPECT_TRUE(bypass->isLit());
  // 0x14 from the panel: bit 3 of byte 6 blinks the lamp; clear stops and darkens it.
  feed({0x14, 0x07, 0, 0, 0, 0, 0x08, 0x7E});
  EXPECT_TRUE(bypass->isBlinking());
  feed({0x14, 0x07, 0, 0, 0, 0, 0x00, 0x7E});
  EXPECT_FALSE(bypass->isBlinking());
  EXPECT_EQ(bypass->currentColour(), CStaticColor::kGrey);
}

TEST_F(KeypadStatus, TroubleAndFailureLampsFromTheSystemFrame) {
  feed({0x10, 0x07, 0x03, 0x05, 0x12, 0x7E});
  EXPECT_TRUE(window->lamp(CKeypadDlg::Battery)->isBlinking());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->lamp(CKeypadDlg::Battery))->text(QAccessible::Description),
            QStringLiteral("flashing"));
  EXPECT_TRUE(window->lamp(CKeypadDlg::Power)->isBlinking());
  EXPECT_FALSE(window->lamp(CKeypadDlg::Fuse)->isBlinking());
  EXPECT_TRUE(window->lamp(CKeypadDlg::Trouble)->isBlinking());
  EXPECT_TRUE(window->lamp(CKeypadDlg::Program)->isLit());
  EXPECT_EQ(window->lamp(CKeypadDlg::Program)->currentColour(), CStaticColor::kGreen);
  EXPECT_TRUE(window->lamp(CKeypadDlg::Ready)->isLit());
  feed({0x10, 0x07, 0x00, 0x04, 0x00, 0x7E});
  EXPECT_FALSE(window->lamp(CKeypadDlg::Battery)->isBlinking());
  EXPECT_FALSE(window->lamp(CKeypadDlg::Trouble)->isBlinking());
  EXPECT_TRUE(window->lamp(CKeypadDlg::Trouble)->isLit());  // byte 3 bit 2
  for (const auto& [lamp, said] : {std::pair{CKeypadDlg::Trouble, "on"}, std::pair{CKeypadDlg::Ready, "off"}})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->lamp(lamp))->text(QAccessible::Description),
              QString::fromLatin1(said));
  EXPECT_FALSE(window->lamp(CKeypadDlg::Program)->isLit());
  EXPECT_FALSE(window->lamp(CKeypadDlg::Ready)->isLit());
}

TEST_F(KeypadStatus, AreaFramesColourTheLetters) {
  feed({0x11, 0x01, 0x00, 0x02, 0x00, 0x7E});
  EXPECT_TRUE(window->lamp(CKeypadDlg::Armed)->isLit());
  EXPECT_TRUE(window->lamp(CKeypadDlg::Stay)->isLit());
  EXPECT_TRUE(window->areaLetter(0)->isLit());
  EXPECT_TRUE(window->areaLetter(1)->isLit());
  // Area B is disarmed-ready: its dark colour turns green while it is not lit.
  feed({0x11, 0x01, 0x00, 0x00, 0x00, 0x7E});
  feed({0x15, 0x07, 0, 0, 0, 0x02, 0x7E});
  EXPECT_EQ(window->areaLetter(1)->darkColour(), CStaticColor::kGreen);
  EXPECT_EQ(window->areaLetter(1)->currentColour(), CStaticColor::kGreen);
  EXPECT_EQ(window->areaLetter(0)->currentColour(), CStaticColor::kRed);
}

TEST_F(KeypadStatus, VersionClockAndOutputsShowAtOnce) {
  feed({0x23, 0x07, 0x00, 0x7B, 0, 0, 0, 0, 0x05, 0x7E});
  EXPECT_EQ(window->versionText(), QStringLiteral("1.23 [005]"));
  feed({0x54, 0x07, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E});
  EXPECT_EQ(window->clockText(), QStringLiteral("12/05/2024   08:47:30"));
  feed({0x50, 0x05, 0x7E});
  EXPECT_EQ(window->output(1)->state(), LedState::Open);
  EXPECT_EQ(window->output(2)->state(), LedState::Close);
  EXPECT_EQ(window->output(3)->state(), LedState::Open);
  feed({0x1D, 0x07, 0x00, 0x80, 0x7E});
  EXPECT_EQ(window->output(8)->state(), LedState::Open);
  EXPECT_EQ(window->output(1)->state(), LedState::Close);
}

TEST_F(KeypadStatus, FramesNotFromThePanelAndShortFramesChangeNothing) {
  trigger(QStringLiteral("Debug"));
  const auto logText = [this] { return window->debugWindow()->log()->toPlainText(); };
  feed({0x23, 0x05, 0x00, 0x7B, 0x7E});
  feed({0x1F, 0x06, 0x02, 0x00, 0x7E});
  EXPECT_TRUE(window->versionText().isEmpty());
  EXPECT_FALSE(window->isProgramMode());
  EXPECT_TRUE(logText().isEmpty());
  // Too short to hold their bytes: logged, no effect, no read past the end.
  for (int z = 1; z <= 16; ++z) window->zone(z)->setState(LedState::Close);
  feed({0x12, 0x01, 0xFF});
  feed({0x54, 0x07, 0x02});
  feed({0x10, 0x07});
  for (int z = 1; z <= 16; ++z) EXPECT_EQ(window->zone(z)->state(), LedState::Close);
  EXPECT_TRUE(window->clockText().isEmpty());
  EXPECT_EQ(logText().count(QStringLiteral("\t\t")), 2);  // clock frames are never logged
  EXPECT_TRUE(logText().contains(QStringLiteral("\t\t12 01 FF ")));
}

TEST_F(KeypadStatus, OnlyLoggedTypesReachTheDebugLog) {
  trigger(QStringLiteral("Debug"));
  const auto logText = [this] { return window->debugWindow()->log()->toPlainText(); };
  feed({0x23, 0x07, 0x00, 0x7B, 0x7E});
  feed({0x54, 0x07, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E});
  feed({0x50, 0x05, 0x7E});
  EXPECT_TRUE(logText().isEmpty());
  feed({0x16, 0x01, 0x7A, 0x7E});
  const QString line = logText();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\t\t16 01 7A 7E $")).match(line).hasMatch())
      << line.toStdString();
}

TEST_F(KeypadStatus, ModeFrameEntersProgramModeOrReportsClientMode) {
  feed({0x1F, 0x07, 0x02, 0x01, 0x7E});
  EXPECT_EQ(window->modeText(), QStringLiteral("Client mode - Not supported!"));
  EXPECT_FALSE(window->isProgramMode());
  feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
  EXPECT_TRUE(window->isProgramMode());
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode"));
  EXPECT_TRUE(window->programMenuBar()->isVisibleTo(window.get()));
  EXPECT_FALSE(window->commandMenuBar()->isVisibleTo(window.get()));
}

TEST_F(KeypadStatus, FirstBlinkAfterOneMillisecondThenOnSixHundredOffTwoHundred) {
  ASSERT_FALSE(testseams::Times().timers.empty());
  EXPECT_EQ(testseams::Times().timers.front(), 1);
  feed({0x10, 0x07, 0x01, 0x00, 0x00, 0x7E});  // BATTERY blinks
  feed({0x11, 0x00, 0x01, 0x00, 0x00, 0x7E});  // ARMED blinks
  CStaticColor* battery = window->lamp(CKeypadDlg::Battery);
  CStaticColor* armed = window->lamp(CKeypadDlg::Armed);
  std::vector<bool> seen;
  for (int step = 0; step < 4; ++step) {
    const std::size_t before = testseams::Times().timers.size();
    ASSERT_TRUE(testseams::WaitFor([&] { return testseams::Times().timers.size() > before; }, 2000));
    seen.push_back(battery->isLit());
    EXPECT_EQ(battery->isLit(), armed->isLit());
    EXPECT_EQ(testseams::Times().timers.back(), battery->isLit() ? 600 : 200);
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
}

TEST_F(KeypadStatus, CheckerGetsOnlyItsTypeWhileTheDisplayStillUpdates) {
  RecordingEditor editor;
  consoletest::WhenModal<RecordingEditor>([&](RecordingEditor* open) {
    EXPECT_EQ(console::EditorDialog::openEditor(), open);
    feed({0x12, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x7E});
    feed({0x1B, 0x07, 0x02, 0x00, 0x7E});
    open->accept();
  });
  window->runEditor(editor, 0x1B);
  EXPECT_EQ(window->zone(1)->state(), LedState::Open);
  EXPECT_EQ(window->zone(2)->state(), LedState::Bypass);
  ASSERT_EQ(editor.frames.size(), 1u);
  EXPECT_EQ(editor.frames[0][0], 0x1B);
  // Closed: nothing more reaches it, and the filter is back to none.
  EXPECT_EQ(window->editorFrameType(), -1);
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
  feed({0x1B, 0x07, 0x02, 0x00, 0x7E});
  EXPECT_EQ(editor.frames.size(), 1u);
}

TEST_F(KeypadStatus, EditorOpenForAllFramesGetsStatusFramesToo) {
  RecordingEditor editor;
  consoletest::WhenModal<RecordingEditor>([&](RecordingEditor* open) {
    feed({0x54, 0x07, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E});
    feed({0x16, 0x01, 0x7A, 0x7E});
    feed({0x33});  // one byte, not 0x15: ignored
    open->accept();
  });
  window->runEditor(editor, 0);
  ASSERT_EQ(editor.frames.size(), 2u);
  EXPECT_EQ(window->clockText(), QStringLiteral("12/05/2024   08:47:30"));
}

TEST_F(KeypadStatus, OneByteCloseFrameClosesTheEditorAndEndsTheWindow) {
  int windowResult = -1;
  QObject::connect(window.get(), &QDialog::finished, [&](int r) { windowResult = r; });
  RecordingEditor editor;
  consoletest::WhenModal<RecordingEditor>([&](RecordingEditor*) { feed({0x15}); });
  window->show();
  const int editorResult = window->runEditor(editor, 0);
  EXPECT_EQ(editorResult, QDialog::Rejected);
  EXPECT_EQ(windowResult, 21);
}

TEST_F(KeypadStatus, LostLinkResetsTheDisplayAndClosesTheEditor) {
  connectWith(true);
  feed({0x23, 0x07, 0x00, 0x7B, 0x7E});
  feed({0x54, 0x07, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E});
  feed({0x12, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x7E});
  feed({0x10, 0x07, 0x01, 0x01, 0x00, 0x7E});
  feed({0x11, 0x01, 0x00, 0x00, 0x00, 0x7E});
  RecordingEditor editor;
  consoletest::WhenModal<RecordingEditor>([&](RecordingEditor*) { window->handleLinkClosed(); });
  EXPECT_EQ(window->runEditor(editor, 0), QDialog::Rejected);
  EXPECT_TRUE(window->versionText().isEmpty());
  EXPECT_TRUE(window->clockText().isEmpty());
  EXPECT_EQ(window->zone(3)->state(), LedState::Unknown);
  EXPECT_FALSE(window->lamp(CKeypadDlg::Battery)->isBlinking());
  EXPECT_FALSE(window->lamp(CKeypadDlg::Ready)->isLit());
  EXPECT_EQ(window->areaLetter(0)->litColour(), QColor(180, 20, 20));
  EXPECT_FALSE(window->areaLetter(0)->isLit());
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_FALSE(window->commandAction(QStringLiteral("Arm/Disarm"))->isEnabled());
}

}  // namespace
