// Whole-panel work as an installer runs it: a full backup of the simulated
// panel (the tarnel-sim program, every parameter: 2332 slots) over loopback
// with the module calling in (plain frames) and with the PC calling out
// (scrambled), and comparing two full panel files (two reads plus the
// compare). Real time, milliseconds; each repetition is one backup or one
// compare, and the aggregates give median, mean, spread and extremes.
//
// With --slow-link it also backs up over the simulator's slow link, once
// each: a distant IP module (100 ms round trip) and a GSM-like call (300 ms
// round trip at 1200 bytes a second). Each batch of reads waits for its
// replies, so a backup takes at least its batches times the round trip:
// the counters give the round trips and that floor in seconds. These take
// minutes, so they only run when asked for.
//
//   panel_files_bench [--slow-link] [--benchmark_filter=...] [--benchmark_repetitions=N]
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "connect/ConnectAttempt.h"
#include "core/keypad/CommandKeys.h"
#include "core/keypad/PanelStatus.h"
#include "link/CListenSocket.h"
#include "link/PanelLink.h"
#include "core/panelfiles/PanelFile.h"
#include "tests/core/panelfiles/SampleValues.h"
#include "panelfiles/PanelTransferJob.h"

namespace {

constexpr char kPassword[] = "installer1";

bool RunUntil(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  return done();
}

// The simulator program in program mode over one link, kept for the whole run.
class LoopbackPanel : public panel::LinkListener {
 public:
  enum class Route { CallsIn, CalledOut };

  // simArguments: more options for the simulator (a slow link).
  explicit LoopbackPanel(Route route, const QStringList& simArguments = {}) {
    panel::PanelLink& link = panel::PanelLink::instance();
    link.setMainWindow(this);
    // The simulator prints every message it receives, as it does in use; it is read and dropped.
    QObject::connect(&sim_, &QProcess::readyReadStandardOutput, [this] { output_ += sim_.readAllStandardOutput(); });
    const QString program = QStringLiteral(TARNEL_BINARY_DIR "/bin/tarnel-sim");
    if (route == Route::CallsIn) {
      listener_ = std::make_unique<panel::CListenSocket>(link);
      if (!listener_->listen(0, QHostAddress::LocalHost)) return;
      sim_.start(program, QStringList{"--connect", QStringLiteral("127.0.0.1:%1").arg(listener_->server().serverPort())} +
                              simArguments);
    } else {
      sim_.start(program, QStringList{"--listen", "0", "--password", kPassword} + simArguments);
      static const QRegularExpression listening(QStringLiteral("listening on (\\d+)"));
      QRegularExpressionMatch port;
      if (!RunUntil([&] { return (port = listening.match(QString::fromUtf8(output_))).hasMatch(); }, 5000)) return;
      bool accepted = false;
      QObject::connect(&attempt_, &connection::ConnectAttempt::connected, [&] { accepted = true; });
      attempt_.start(connection::ConnectAttempt::kDirectWithPassword, QStringLiteral("127.0.0.1"),
                     static_cast<quint16>(port.captured(1).toUInt()), kPassword);
      if (!RunUntil([&] { return accepted; }, 7000)) return;
    }
    if (!RunUntil([&] { return link.currentConnection() && link.currentConnection()->isOpen(); }, 5000)) return;
    panel::SendPanelFrame(console::CodeEntryKeys("9999", true));
    ready_ = RunUntil([this] { return inProgramMode_; }, 5000);
    output_.clear();
  }

  ~LoopbackPanel() {
    panel::SendPanelFrame(panel::LeaveProgramMode());
    RunUntil([] { return false; }, 50);
    panel::PanelLink::instance().closeCurrentConnection();
    panel::PanelLink::instance().setMainWindow(nullptr);
    sim_.kill();
    sim_.waitForFinished(3000);
  }

  bool ready() const { return ready_; }

  // One whole backup; the parameters read, or nothing when it did not finish.
  std::optional<std::size_t> backup(int timeoutMs = 60000) {
    panelfiles::PanelTransferJob job([this](const panel::FrameBytes& bytes) {
      ++sends_;
      panel::SendPanelFrame(bytes);
    });
    std::optional<panelfiles::PanelTransferJob::Outcome> outcome;
    QObject::connect(&job, &panelfiles::PanelTransferJob::finished, [&](auto o) { outcome = o; });
    job_ = &job;
    job.startBackup();
    const bool done = RunUntil([&] { return outcome.has_value(); }, timeoutMs);
    job_ = nullptr;
    output_.clear();
    if (!done || *outcome != panelfiles::PanelTransferJob::Outcome::Done) return std::nullopt;
    return job.panelImage().knownCount();
  }

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    const console::StatusFrame status = console::DecodeStatusFrame(frame, length);
    if (const auto* answer = std::get_if<console::ProgramModeAnswer>(&status.content)) inProgramMode_ = answer->entered;
    if (job_) job_->takeFrame(frame, length);
  }
  void handleLinkClosed() override { ready_ = false; }

  // Transmissions the backups sent so far: each a batch that waits for its replies.
  int sends() const { return sends_; }

 private:
  int sends_ = 0;
  QProcess sim_;
  QByteArray output_;
  std::unique_ptr<panel::CListenSocket> listener_;
  connection::ConnectAttempt attempt_;
  panelfiles::PanelTransferJob* job_ = nullptr;
  bool inProgramMode_ = false;
  bool ready_ = false;
};

void BM_FullBackupOverLoopback(benchmark::State& state) {
  const auto route = state.range(0) == 0 ? LoopbackPanel::Route::CallsIn : LoopbackPanel::Route::CalledOut;
  state.SetLabel(route == LoopbackPanel::Route::CallsIn ? "module calls in, plain" : "PC calls out, scrambled");
  static std::unique_ptr<LoopbackPanel> panels[2];
  std::unique_ptr<LoopbackPanel>& panel = panels[state.range(0)];
  if (!panel) panel = std::make_unique<LoopbackPanel>(route);
  if (!panel->ready()) {
    state.SkipWithError("the simulated panel is not in program mode over loopback");
    return;
  }
  std::size_t read = 0;
  for (auto _ : state) {
    const std::optional<std::size_t> parameters = panel->backup();
    if (!parameters) {
      state.SkipWithError("the backup did not finish");
      return;
    }
    read = *parameters;
  }
  state.counters["parameters"] = static_cast<double>(read);
}

// A full backup over the simulator's slow link: one-way delay and byte rate.
void BM_FullBackupOverSlowLink(benchmark::State& state) {
  const auto latencyMs = static_cast<int>(state.range(0));
  const auto bytesPerSecond = static_cast<int>(state.range(1));
  const int roundTripMs = 2 * latencyMs;
  state.SetLabel(bytesPerSecond > 0
                     ? QStringLiteral("%1 ms round trip, %2 bytes/s").arg(roundTripMs).arg(bytesPerSecond).toStdString()
                     : QStringLiteral("%1 ms round trip").arg(roundTripMs).toStdString());
  LoopbackPanel panel(LoopbackPanel::Route::CalledOut,
                      {"--latency-ms", QString::number(latencyMs), "--bytes-per-s", QString::number(bytesPerSecond)});
  if (!panel.ready()) {
    state.SkipWithError("the simulated panel is not in program mode over the slow link");
    return;
  }
  std::size_t read = 0;
  const int sendsBefore = panel.sends();
  for (auto _ : state) {
    const std::optional<std::size_t> parameters = panel.backup(10 * 60 * 1000);
    if (!parameters) {
      state.SkipWithError("the backup did not finish");
      return;
    }
    read = *parameters;
  }
  const int roundTrips = (panel.sends() - sendsBefore) / static_cast<int>(state.iterations());
  state.counters["parameters"] = static_cast<double>(read);
  state.counters["round_trips"] = roundTrips;
  state.counters["floor_s"] = roundTrips * roundTripMs / 1000.0;
}

using panelfilestest::SampleValue;

void BM_CompareTwoFullFiles(benchmark::State& state) {
  panelfiles::PanelImage saved;
  saved.softwareVersion = "2.10 [005]";
  const auto slotCount = static_cast<int>(panelfiles::AllSlots().size());
  for (int slot = 0; slot < slotCount; ++slot) saved.set(slot, SampleValue(slot));
  panelfiles::PanelImage changed = saved;
  for (int slot = 0; slot < slotCount; slot += 400) changed.set(slot, SampleValue(slot + 1));
  const std::string left = panelfiles::WritePanelFile(saved);
  const std::string right = panelfiles::WritePanelFile(changed);
  std::size_t differences = 0;
  for (auto _ : state) {
    auto a = panelfiles::ReadPanelFile(left);
    auto b = panelfiles::ReadPanelFile(right);
    if (!std::holds_alternative<panelfiles::PanelImage>(a) || !std::holds_alternative<panelfiles::PanelImage>(b)) {
      state.SkipWithError("a sample file was refused");
      return;
    }
    const auto found = panelfiles::Compare(std::get<panelfiles::PanelImage>(a), std::get<panelfiles::PanelImage>(b));
    differences = found.size();
    benchmark::DoNotOptimize(differences);
  }
  state.counters["parameters"] = slotCount;
  state.counters["differences"] = static_cast<double>(differences);
}

double Smallest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double Largest(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

BENCHMARK(BM_FullBackupOverLoopback)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(15)
    ->ComputeStatistics("min", Smallest)
    ->ComputeStatistics("max", Largest)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareTwoFullFiles)
    ->Repetitions(10)
    ->ComputeStatistics("min", Smallest)
    ->ComputeStatistics("max", Largest)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Taken out before Google Benchmark sees the arguments, as it refuses flags it does not know.
  const auto slow = std::find(argv + 1, argv + argc, std::string_view("--slow-link"));
  if (slow != argv + argc) {
    std::rotate(slow, slow + 1, argv + argc);
    --argc;
    // 100 ms round trip; a GSM-like call: 300 ms round trip at 1200 bytes/s.
    benchmark::RegisterBenchmark("BM_FullBackupOverSlowLink", BM_FullBackupOverSlowLink)
        ->Args({50, 0})
        ->Args({150, 1200})
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
