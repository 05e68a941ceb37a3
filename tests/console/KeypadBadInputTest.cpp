// Frames the keypad window must survive: every status type cut short at
// every length, and a flood from the panel's side that must not freeze it.
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>
#include <QCheckBox>
#include <vector>

#include "console/CChecker.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/console/KeypadSimFixture.h"

namespace consoletest {
namespace {

using console::CKeypadDlg;
using console::LedState;
using testseams::WaitFor;

constexpr std::uint8_t kStatusTypes[] = {0x10, 0x11, 0x12, 0x14, 0x15, 0x1B, 0x1D, 0x1F, 0x23, 0x50, 0x54};

// Bytes a type's row reads, type byte included and closing delimiter not.
std::size_t BytesRead(std::uint8_t type) {
  switch (type) {
    case 0x50: return 2;
    case 0x1B:
    case 0x1D:
    case 0x1F:
    case 0x23: return 4;
    case 0x10:
    case 0x11: return 5;
    case 0x15: return 6;
    case 0x12:
    case 0x14: return 7;
    case 0x54: return 8;
    default: return 1;
  }
}

QString Colours(const console::CStaticColor& lamp) {
  return QStringLiteral("%1/%2/%3 lit %4 blink %5")
      .arg(lamp.currentColour().name(), lamp.litColour().name(), lamp.darkColour().name())
      .arg(lamp.isLit())
      .arg(lamp.isBlinking());
}

// Everything the display shows, one line per item, so a difference names it.
std::string Display(const CKeypadDlg& window, bool withClock = true) {
  QStringList shown;
  for (int l = 0; l < CKeypadDlg::kLampCount; ++l)
    shown << QStringLiteral("lamp %1: ").arg(l) + Colours(*window.lamp(static_cast<CKeypadDlg::Lamp>(l)));
  for (int a = 0; a < 2; ++a) shown << QStringLiteral("area %1: ").arg(a) + Colours(*window.areaLetter(a));
  for (int z = 1; z <= 16; ++z) shown << QStringLiteral("zone %1: %2").arg(z).arg(static_cast<int>(window.zone(z)->state()));
  for (int o = 1; o <= 8; ++o)
    shown << QStringLiteral("output %1: %2").arg(o).arg(static_cast<int>(window.output(o)->state()));
  shown << QStringLiteral("mode: ") + window.modeText() << QStringLiteral("program: %1").arg(window.isProgramMode())
        << QStringLiteral("version: ") + window.versionText();
  if (withClock) shown << QStringLiteral("clock: ") + window.clockText();
  return shown.join(QLatin1Char('\n')).toStdString();
}

// A frame of `length` bytes: the type, 07 where panel frames carry it, then
// all bits set, so every row that reads a byte too many would show it. The
// mode frame carries "program mode" instead.
std::vector<std::uint8_t> StatusFrame(std::uint8_t type, std::size_t length) {
  std::vector<std::uint8_t> frame(length, 0xFF);
  frame[0] = type;
  if (length > 1) frame[1] = 0x07;
  if (type == 0x1F && length > 2) frame[2] = 0x02;
  if (type == 0x1F && length > 3) frame[3] = 0x00;
  return frame;
}

using KeypadShortFrames = KeypadFixture;

// Each frame sits in a buffer of exactly its length, so a sanitizer build
// catches a read past it; a trailing delimiter is no data byte either.
TEST_F(KeypadShortFrames, EveryTypeAtEveryLengthShortOfItsBytesChangesNothing) {
  const std::string pristine = Display(*window);
  for (int type = 0; type <= 0xFF; ++type) {
    const auto t = static_cast<std::uint8_t>(type);
    for (std::size_t length = 1; length <= 12; ++length) {
      if (t == 0x15 && length == 1) continue;  // the panel's close frame
      for (bool delimited : {false, true}) {
        std::vector<std::uint8_t> frame = StatusFrame(t, length);
        if (delimited) frame.push_back(0x7E);
        const auto heap = std::make_unique<std::uint8_t[]>(frame.size());
        std::copy(frame.begin(), frame.end(), heap.get());
        window->handlePanelFrame(heap.get(), frame.size());
        const std::string shown = Display(*window);
        if (length < BytesRead(t) || BytesRead(t) == 1) {
          EXPECT_EQ(shown, pristine) << "type " << std::hex << type << std::dec << " length " << length
                                     << (delimited ? " +7E" : "");
        }
        if (shown != pristine) {
          window = std::make_unique<CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
          link().setMainWindow(window.get());
        }
      }
    }
  }
}

TEST_F(KeypadShortFrames, FramesJustLongEnoughTakeEffect) {
  // The shortest frame of each type that holds its bytes still counts, so the
  // test above is not passing because nothing ever changes.
  for (std::uint8_t type : kStatusTypes) {
    window = std::make_unique<CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    link().setMainWindow(window.get());
    const std::string before = Display(*window);
    std::vector<std::uint8_t> frame = StatusFrame(type, BytesRead(type));
    frame.push_back(0x7E);
    window->handlePanelFrame(frame.data(), frame.size());
    EXPECT_NE(Display(*window), before) << "type " << std::hex << int{type};
  }
}

TEST_F(KeypadShortFrames, ADelimiterWhereADataByteBelongsIsNotReadAsData) {
  for (int z = 1; z <= 16; ++z) window->zone(z)->setState(LedState::Close);
  feed({0x1B, 0x07, 0x05, 0x7E});  // the second zone byte is missing
  for (int z = 1; z <= 16; ++z) EXPECT_EQ(window->zone(z)->state(), LedState::Close) << z;
  feed({0x11, 0x01, 0x00, 0x00, 0x7E});  // no stay byte
  EXPECT_FALSE(window->lamp(CKeypadDlg::Stay)->isBlinking());
  EXPECT_FALSE(window->lamp(CKeypadDlg::Armed)->isLit());
  feed({0x54, 0x07, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x7E});  // no year
  EXPECT_TRUE(window->clockText().isEmpty());
  // Complete, they count.
  feed({0x1B, 0x07, 0x05, 0x00, 0x7E});
  EXPECT_EQ(window->zone(3)->state(), LedState::Bypass);
  EXPECT_EQ(window->zone(10)->state(), LedState::Close);
}

TEST_F(KeypadShortFrames, TheBypassCheckerWaitsForAWholeZoneFrame) {
  connectWith(true);
  bool enabledByShortFrame = true;
  bool tickedByWholeFrame = false;
  WhenModal<console::CChecker>([&](console::CChecker* checker) {
    feed({0x1B, 0x07, 0x05, 0x7E});  // the second zone byte is missing
    enabledByShortFrame = checker->box(1)->isEnabled() || checker->box(10)->isChecked();
    feed({0x1B, 0x07, 0x05, 0x00, 0x7E});
    tickedByWholeFrame = checker->box(1)->isChecked() && checker->box(3)->isChecked() && !checker->box(10)->isChecked();
    checker->reject();
  });
  trigger(QStringLiteral("Bypass"));
  EXPECT_FALSE(enabledByShortFrame);
  EXPECT_TRUE(tickedByWholeFrame);
}

// The panel calls in with plain frames; its "raw" command sends what a test needs.
class KeypadFromPanel : public KeypadSimFixture {
 protected:
  // Zone frames flipping zones 1-8 in many writes, then an output frame that
  // marks the end: more than the window can take in at once.
  void flood(qint64 longestStallMs) {
    constexpr int kLines = 60;
    constexpr int kFramesPerLine = 4000;
    QString line = QStringLiteral("raw");
    for (int i = 0; i < kFramesPerLine; ++i)
      line += i % 2 == 0 ? QStringLiteral(" 7e 12 00 ff 00 00 00 00 7e") : QStringLiteral(" 7e 12 00 00 00 00 00 00 7e");

    // A timer that should tick every 5 ms; the longest gap between ticks while
    // the flood is handled is how long the window stopped answering.
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      const qint64 now = clock.elapsed();
      longestGap = std::max(longestGap, now - lastTick);
      lastTick = now;
      ++ticks;
    });
    clock.start();
    ticker.start();
    for (int i = 0; i < kLines; ++i) simCommand(line);
    simCommand(QStringLiteral("raw 7e 1d 07 00 a5 7e"));
    ASSERT_TRUE(WaitFor([&] { return window->output(8)->state() == LedState::Open; }, 120000));
    const qint64 total = clock.elapsed();
    ticker.stop();

    EXPECT_EQ(window->zone(1)->state(), LedState::Close);  // the last zone frame cleared them
    EXPECT_EQ(window->output(1)->state(), LedState::Open);
    EXPECT_EQ(window->output(2)->state(), LedState::Close);
    EXPECT_LT(longestGap, longestStallMs * TARNEL_SLOWDOWN) << kLines * kFramesPerLine << " frames took " << total << " ms in all, " << ticks
                               << " ticks";
    std::printf("flood of %d frames: %lld ms, longest stall %lld ms\n", kLines * kFramesPerLine,
                static_cast<long long>(total), static_cast<long long>(longestGap));
  }
  void SetUp() override {
    KeypadSimFixture::SetUp();
    sim = std::make_unique<testseams::SimProcess>(
        QStringList{QStringLiteral("--connect"), QStringLiteral("127.0.0.1:%1").arg(listener->server().serverPort())});
    ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty() && window->zone(16)->state() == LedState::Close; },
                        10000))
        << sim->output().toStdString();
  }
  static QString Hex(const std::vector<std::uint8_t>& bytes) {
    QStringList words;
    for (std::uint8_t b : bytes) words << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return words.join(QLatin1Char(' '));
  }
};

TEST_F(KeypadFromPanel, ShortFramesOverTheLinkChangeNothingAndTheLinkCarriesOn) {
  const std::string before = Display(*window, false);
  QStringList frames;
  for (std::uint8_t type : kStatusTypes)
    for (std::size_t length = 1; length < BytesRead(type); ++length)
      frames << QStringLiteral("7e ") + Hex(StatusFrame(type, length)) + QStringLiteral(" 7e");
  frames << QStringLiteral("7e 1d 07 00 81 7e");  // a whole one last: outputs 1 and 8 on
  simCommand(QStringLiteral("raw ") + frames.join(QLatin1Char(' ')));
  ASSERT_TRUE(WaitFor([&] { return window->output(8)->state() == LedState::Open; }));
  window->output(1)->setState(LedState::Close);
  window->output(8)->setState(LedState::Close);
  EXPECT_EQ(Display(*window, false), before);
  // The panel is still mirrored.
  simCommand(QStringLiteral("zone open 5"));
  EXPECT_TRUE(WaitFor([&] { return window->zone(5)->state() == LedState::Open; }));
}

// Taken in one go, the flood would hold the window for its whole length (3 s
// and more); the bound leaves room for a machine busy with other work.
TEST_F(KeypadFromPanel, AFloodOfFramesNeverFreezesTheWindow) { flood(1000); }

TEST_F(KeypadFromPanel, AFloodWithTheDebugWindowOpenNeverFreezesIt) {
  // Every zone frame is logged, so each one also becomes a line of the log.
  trigger(QStringLiteral("Debug"));
  flood(1000);  // the log's layout has its own cost, but a flood must not freeze the window for seconds
  EXPECT_GE(window->debugWindow()->log()->blockCount(), 1000);
}

}  // namespace
}  // namespace consoletest
