// From a program-mode menu command to its editor showing the panel's value,
// against a panel that answers every read at once: an in-process link hands
// the reply back to the keypad window as the next event, as a socket would.
// The editor's 1 ms start timer runs at 0 ms here, so the figures leave it
// out. Reports p50 and p99 per editor (manual time, milliseconds), and the
// p99 of the process's CPU time per opening, which tells a slow path from a
// busy machine.
//
//   editor_open_bench [--benchmark_filter=...]   (offscreen unless a platform is set)
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

#include "console/CKeypadDlg.h"
#include "console/EditorDialog.h"
#include "core/parameters/PanelParameters.h"
#include "editors/ParamEditor.h"
#include "editors/ProgramEditors.h"
#include "link/PanelLink.h"
#include "platform/DesktopFeedback.h"

namespace {

using Clock = std::chrono::steady_clock;

// Real timers, except the editors' 1 ms start, which is taken out of the figures.
class NoStartTimer : public platform::Timing {
 public:
  int timerInterval(int requestedMs) override { return requestedMs == 1 ? 0 : requestedMs; }
};

class ConnectedDialog : public QDialog {
 public:
  int exec() override { return Accepted; }
};

params::Value SomeValue(const params::PanelParameter& parameter) {
  switch (parameter.kind) {
    case params::ValueKind::Options: return {0x5A, {}};
    case params::ValueKind::Number: return {parameter.minimum, {}};
    case params::ValueKind::Choice: return {parameter.choices.back().value, {}};
    default: return {0, "1234"};
  }
}

// Answers each parameter read on the next turn of the event loop; the moment
// the keypad window has passed the reply on, the open editor should show it.
class AnsweringPanel : public panel::LinkConnection {
 public:
  explicit AnsweringPanel(console::CKeypadDlg& window) : window_(window) {}

  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject*) override {
    if (length != 8 || bytes[1] != panel::kTypeParamRead) return;
    const params::PanelParameter* parameter = params::FindPanelParameter(bytes[4], bytes[6]);
    if (!parameter) return;
    std::vector<std::uint8_t> reply = params::ReplyFrameFor(*parameter, bytes[6], SomeValue(*parameter));
    QMetaObject::invokeMethod(
        &window_,
        [this, reply = std::move(reply)] {
          // As delivered: from the type byte on.
          window_.handlePanelFrame(reply.data() + 1, reply.size() - 1);
          shown = Clock::now();
          auto* editor = dynamic_cast<editors::ParamEditor*>(console::EditorDialog::openEditor());
          loaded = editor && editor->isLoaded();
          if (editor) editor->reject();
        },
        Qt::QueuedConnection);
  }
  void closeConnection() override {}
  bool isOpen() const override { return true; }

  Clock::time_point shown;
  bool loaded = false;

 private:
  console::CKeypadDlg& window_;
};

struct Fixture {
  Fixture() {
    platform::Timing::install(&timing);
    editors::WireProgramModeEditors(window);
    window.setConnectDialogFactory([](QWidget*) { return std::make_unique<ConnectedDialog>(); });
    panel::PanelLink::instance().setCurrentConnection(&panel);
    window.commandAction(QStringLiteral("Connect"))->trigger();
    const std::uint8_t programMode[] = {0x1F, 0x07, 0x02, 0x00, 0x7E};
    window.handlePanelFrame(programMode, sizeof programMode);
  }
  ~Fixture() {
    panel::PanelLink::instance().setCurrentConnection(nullptr);
    platform::Timing::install(nullptr);
  }
  NoStartTimer timing;
  console::CKeypadDlg window{QStringLiteral("Keyridge")};
  AnsweringPanel panel{window};
};

Fixture* g_fixture = nullptr;

const char* const kItems[] = {
    "Zone-Main|Zone Alarm Type Options|Zone Options A",  // options
    "Area|Armed Exit Delay Time",                          // value, range
    "Area|Monitoring Account Code Number",                 // value, digits
    "Zone-Main|Zone Response Time",                        // list
};

double Percentile(const std::vector<double>& sorted, double p) {
  const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[std::min(at, sorted.size() - 1)];
}

void BM_OpenEditorUntilValueShown(benchmark::State& state) {
  const QString path = QString::fromUtf8(kItems[state.range(0)]);
  state.SetLabel(path.section(QLatin1Char('|'), -1).toStdString());
  QAction* action = g_fixture->window.programAction(path);
  AnsweringPanel& panel = g_fixture->panel;
  std::vector<double> millis;
  std::vector<double> cpuMillis;
  for (auto _ : state) {
    panel.loaded = false;
    const std::clock_t cpuStart = std::clock();
    const Clock::time_point start = Clock::now();
    action->trigger();  // returns once the editor has shown the value and closed
    cpuMillis.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    if (!panel.loaded) {
      state.SkipWithError("the editor did not show the panel's value");
      break;
    }
    const double ms = std::chrono::duration<double, std::milli>(panel.shown - start).count();
    state.SetIterationTime(ms / 1000.0);
    millis.push_back(ms);
  }
  if (millis.empty()) return;
  std::sort(millis.begin(), millis.end());
  state.counters["p50_ms"] = Percentile(millis, 0.50);
  state.counters["p99_ms"] = Percentile(millis, 0.99);
  state.counters["max_ms"] = millis.back();
  std::sort(cpuMillis.begin(), cpuMillis.end());
  state.counters["cpu_p99_ms"] = Percentile(cpuMillis, 0.99);
}
BENCHMARK(BM_OpenEditorUntilValueShown)
    ->DenseRange(0, 3)
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The tone beeper, as in the program.
  platform::UseDesktopFeedback();
  benchmark::Initialize(&argc, argv);
  Fixture fixture;
  g_fixture = &fixture;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
