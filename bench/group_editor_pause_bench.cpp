// From the end of a group editor's pause to its next frame on the wire: a
// group is written, the editor pauses, and the read that positions the
// panel on the next group waits for the pause. The time counted (manual
// time, wire_* counters) is from the pause's due end (write + pause) to that
// read reaching the link: the lateness of the event loop's wake-up and all
// of the editor's own work. The editor_* counters count from the wake-up.
// Pauses run 5 ms here instead of 100 to 1000 ms; what follows them is the same.
// Argument 0 sends with the programs' own beep per frame, 1 with a silent
// beeper, to tell the editor's share from the link's.
//
//   group_editor_pause_bench [--benchmark_...]   (offscreen unless a platform is set)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "editors/CPhoneNumberDlg.h"
#include "editors/CUserCodeDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/OptionTabs.h"
#include "link/PanelLink.h"
#include "platform/Beeper.h"
#include "platform/DesktopFeedback.h"
#include "platform/Timing.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPauseMs = 5;

// Every timer and pause runs kPauseMs; the load timers with it.
class ShortTiming : public platform::Timing {
 public:
  int timerInterval(int) override { return kPauseMs; }
  int pauseInterval(int) override { return kPauseMs; }
};

class SilentBeeper : public platform::Beeper {
 public:
  void beep(int, int) override {}
};

// Installs the silent beeper for the run when the benchmark's argument is 1.
class BeeperChoice {
 public:
  explicit BeeperChoice(benchmark::State& state) {
    silent_ = state.range(0) == 1;
    state.SetLabel(silent_ ? "silent beeper" : "tone beeper");
    if (silent_) platform::Beeper::install(&beeper_);
  }
  ~BeeperChoice() {
    if (silent_) platform::Beeper::install(nullptr);
  }

 private:
  bool silent_ = false;
  SilentBeeper beeper_;
};

// Keeps when each frame reached the link.
class StampingConnection : public panel::LinkConnection {
 public:
  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject*) override {
    frames.push_back({Clock::now(), std::vector<std::uint8_t>(bytes, bytes + length)});
  }
  void closeConnection() override {}
  bool isOpen() const override { return true; }
  struct Frame {
    Clock::time_point at;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Frame> frames;
};

void RunUntil(const std::function<bool()>& done) {
  // Sleeps until the next event, as the programs do between frames.
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The editor's reply to a read, as the keypad window forwards it.
void Answer(console::EditorDialog& editor, std::uint8_t parameter, std::uint8_t entity, std::uint8_t type,
            std::uint8_t value) {
  const std::vector<std::uint8_t> frame =
      type == 0x16 ? std::vector<std::uint8_t>{0x16, 0x07, 0x00, value, parameter, entity, 0x7E}
                   : std::vector<std::uint8_t>{0x17, 0x07, value, parameter, entity, 0x7E};
  editor.receiveFrame(frame.data(), frame.size());
}

// Per cycle: from the pause's due end to the next frame on the link (the
// wire's view), and from the event loop waking for the pause's end to that
// frame (the editor's own share). A witness timer due just before the pause
// tells when the loop woke.
struct Measured {
  std::vector<double> wire;
  std::vector<double> editor;

  void cycle(benchmark::State& state, const StampingConnection& link, const std::function<void()>& write) {
    Clock::time_point woke{};
    QTimer witness;
    witness.setSingleShot(true);
    witness.setTimerType(Qt::PreciseTimer);
    QObject::connect(&witness, &QTimer::timeout, [&] { woke = Clock::now(); });
    witness.start(kPauseMs);
    const std::size_t first = link.frames.size();
    write();
    RunUntil([&] { return link.frames.size() >= first + 2 && woke != Clock::time_point{}; });
    const Clock::time_point due = link.frames[first].at + std::chrono::milliseconds(kPauseMs);
    const Clock::time_point next = link.frames[first + 1].at;
    wire.push_back(std::chrono::duration<double, std::micro>(next - due).count());
    editor.push_back(std::chrono::duration<double, std::micro>(next - woke).count());
    state.SetIterationTime(wire.back() / 1e6);
  }

  void report(benchmark::State& state) {
    Report(state, "wire", wire);
    Report(state, "editor", editor);
  }
  static void Report(benchmark::State& state, const std::string& name, std::vector<double> micros) {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    state.counters[name + "_p50_us"] = micros[micros.size() / 2];
    state.counters[name + "_p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    state.counters[name + "_max_us"] = micros.back();
  }
};

// Users: map boxes written on a change of tab; the new tab's read follows the pause.
void BM_UserMapWriteThenTabRead(benchmark::State& state) {
  const BeeperChoice beeper(state);
  StampingConnection link;
  panel::PanelLink::instance().setCurrentConnection(&link);
  editors::CUserCodeDlg editor;
  editor.show();
  RunUntil([&] { return !link.frames.empty(); });
  QTabBar* tabs = editor.mapTabs()->tabBar();
  Answer(editor, 10, 1, 0x16, 0x00);
  Measured measured;
  for (auto _ : state) {
    editor.mapTabs()->boxes()->box(0)->click();
    measured.cycle(state, link, [&] { tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count()); });
    RunUntil([&] { return !editor.isPaused(); });
    Answer(editor, editor.mapTabs()->shownParameter(), 1, 0x16, 0x00);
  }
  measured.report(state);
  editor.closeRequest();
  panel::PanelLink::instance().setCurrentConnection(nullptr);
}

// Phone number: the number written on entering the retries field; the retries read follows the pause.
void BM_PhoneNumberWriteThenRetriesRead(benchmark::State& state) {
  const BeeperChoice beeper(state);
  StampingConnection link;
  panel::PanelLink::instance().setCurrentConnection(&link);
  editors::CPhoneNumberDlg editor;
  editor.show();
  editor.activateWindow();  // focus changes reach an active window only
  RunUntil([&] { return !link.frames.empty() && editor.isActiveWindow(); });
  Answer(editor, 0xB8, 1, 0x17, 3);
  const std::vector<std::uint8_t> number{0x1A, 0x07, 0x21, 0xF3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xB5, 0x01, 0x7E};
  editor.receiveFrame(number.data(), number.size());
  Measured measured;
  int round = 0;
  for (auto _ : state) {
    editor.numberField()->setFocus(Qt::TabFocusReason);
    editor.numberField()->setText(QString::number(1000 + round++ % 2));
    measured.cycle(state, link, [&] { editor.retriesField()->setFocus(Qt::TabFocusReason); });
    RunUntil([&] { return !editor.isPaused(); });
  }
  measured.report(state);
  editor.closeRequest();
  panel::PanelLink::instance().setCurrentConnection(nullptr);
}

BENCHMARK(BM_UserMapWriteThenTabRead)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(400);
BENCHMARK(BM_PhoneNumberWriteThenRetriesRead)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(400);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The tone beeper, as in the program.
  platform::UseDesktopFeedback();
  ShortTiming timing;
  platform::Timing::install(&timing);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::Timing::install(nullptr);
  return 0;
}
