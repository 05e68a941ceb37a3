#include "ctl/Commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <set>

#include "ctl/CtlText.h"
#include "ctl/ExitCode.h"
#include "ctl/HistoryCommands.h"
#include "ctl/PanelSession.h"
#include "ctl/Progress.h"
#include "core/events/EventCsv.h"
#include "core/events/EventReview.h"
#include "core/CoreText.h"
#include "core/panelfiles/PanelFile.h"
#include "panelfiles/PanelFileSave.h"
#include "panelfiles/PanelTransferJob.h"
#include "panelfiles/SlotTexts.h"
#include "platform/WholeFile.h"

namespace ctl {
namespace {

using panelfiles::PanelImage;
using panelfiles::PanelTransferJob;

// Silence this long after a request ends the event memory: the panel
// answers nothing after its oldest event.
constexpr int kEventSilenceMs = 2000;
// The panel sends its whole status as soon as the link stands.
constexpr int kStatusWaitMs = 3000;

std::string TranslateCoreText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

using panelfiles::OptionChanges;
using panelfiles::ValueText;

QString Key(int slot) { return QString::fromStdString(panelfiles::SlotKey(slot)); }
QString Title(int slot) { return QString::fromStdString(panelfiles::SlotTitle(slot)); }
QString Entity(int slot) {
  const std::string entity = panelfiles::EntityText(slot);
  return entity.empty() ? QStringLiteral("-") : QString::fromStdString(entity);
}


bool WriteFile(const QString& path, const QByteArray& bytes, Progress& progress) {
  QString error;
  if (platform::WriteWholeFile(path, bytes, error)) return true;
  Say(progress, Tr("cannot write %1: %2").arg(path, error));
  return false;
}

QString StageText(PanelTransferJob::Stage stage) {
  switch (stage) {
    case PanelTransferJob::Stage::Reading: return Tr("Reading parameters");
    case PanelTransferJob::Stage::Writing: return Tr("Writing parameters");
    case PanelTransferJob::Stage::Verifying: return Tr("Reading back");
  }
  return {};
}

struct JobEnd {
  PanelTransferJob::Outcome outcome = PanelTransferJob::Outcome::Done;
  bool interrupted = false;
};

// Runs the job to its end. Ctrl+C cancels it, which stops it between two
// parameters (a write's pause ends first); a lost link ends it at once.
JobEnd RunJob(PanelSession& session, PanelTransferJob& job, Progress& progress, const std::function<void()>& start) {
  std::optional<PanelTransferJob::Outcome> outcome;
  QObject::connect(&job, &PanelTransferJob::finished, &job, [&](PanelTransferJob::Outcome o) {
    outcome = o;
    session.poke();
  });
  QObject::connect(&job, &PanelTransferJob::progress, &job,
                   [&](PanelTransferJob::Stage stage, int done, int total) { progress.count(StageText(stage), done, total); });
  session.setFrameTap([&job](const std::uint8_t* frame, std::size_t length) { job.takeFrame(frame, length); });
  start();
  JobEnd end;
  while (!outcome) {
    switch (session.waitFor([&] { return outcome.has_value(); }, -1)) {
      case PanelSession::Wait::Done:
      case PanelSession::Wait::TimedOut: break;
      case PanelSession::Wait::Interrupted:
        session.acknowledgeInterrupts();
        if (!end.interrupted) {
          end.interrupted = true;
          progress.step(Tr("Stopping after the parameter under way"));
          job.cancel();
        }
        break;
      case PanelSession::Wait::LinkLost: job.linkLost(); break;
    }
  }
  session.setFrameTap(nullptr);
  progress.clear();
  end.outcome = *outcome;
  return end;
}

QString SlotList(const std::vector<int>& indexes) {
  QStringList keys;
  for (const int slot : indexes) keys << Key(slot);
  return keys.join(QStringLiteral(", "));
}

bool Holds(const std::vector<int>& list, int slot) { return std::ranges::find(list, slot) != list.end(); }

// In parentheses, as a cell where the panel's value is missing.
QString Missing(int slot, const PanelTransferJob::RestoreReport& report) {
  return QStringLiteral("(%1)").arg(panelfiles::MissingText(slot, report));
}

// Says which parameters a reading missed and why.
void SayMissing(Progress& progress, const PanelTransferJob::RestoreReport& report, bool fileLacksThem) {
  const auto say = [&](const std::vector<int>& missed, const char* text, const char* textForAFile) {
    if (!missed.empty())
      Say(progress, Tr(fileLacksThem ? textForAFile : text).arg(missed.size()).arg(SlotList(missed)));
  };
  say(report.unanswered, QT_TRANSLATE_NOOP("ctl", "the panel did not answer %1 parameters: %2"),
      QT_TRANSLATE_NOOP("ctl", "the panel did not answer %1 parameters, which the file lacks: %2"));
  say(report.cutShort,
      QT_TRANSLATE_NOOP("ctl", "%1 parameters hold a value that cannot be read over TCP, since its reply holds "
                               "the byte 0x7E: %2"),
      QT_TRANSLATE_NOOP("ctl", "%1 parameters hold a value that cannot be read over TCP, since its reply holds "
                               "the byte 0x7E, which the file lacks: %2"));
}

}  // namespace

QString Table(const std::vector<QStringList>& rows, const QString& indent) {
  std::vector<qsizetype> widths;
  for (const QStringList& row : rows)
    for (qsizetype i = 0; i < row.size(); ++i) {
      if (static_cast<std::size_t>(i) >= widths.size()) widths.push_back(0);
      widths[static_cast<std::size_t>(i)] = std::max(widths[static_cast<std::size_t>(i)], row[i].size());
    }
  QString text;
  for (const QStringList& row : rows) {
    QString line = indent;
    for (qsizetype i = 0; i < row.size(); ++i)
      line += i + 1 < row.size() ? row[i].leftJustified(widths[static_cast<std::size_t>(i)] + 2) : row[i];
    text += line + QLatin1Char('\n');
  }
  return text;
}

std::vector<QStringList> DifferenceTable(const std::vector<panelfiles::Difference>& differences,
                                        const QString& leftHeading, const QString& rightHeading,
                                        const std::function<QString(int)>& leftMissing) {
  std::vector<QStringList> rows{{Tr("Menu title"), Tr("Entity"), leftHeading, rightHeading, Tr("Options that differ")}};
  for (const panelfiles::Difference& d : differences)
    rows.push_back({Title(d.slot), Entity(d.slot), ValueText(d.slot, d.left, leftMissing(d.slot)),
                    ValueText(d.slot, d.right, Tr("(none)")), OptionChanges(d.slot, d.left, d.right)});
  return rows;
}

std::variant<PanelImage, int> LoadPanelFile(const QString& path, Progress& progress) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Say(progress, Tr("cannot read %1: %2").arg(path, file.errorString()));
    return kFileRefused;
  }
  const QByteArray text = file.read(static_cast<qint64>(panelfiles::kMaxPanelFileBytes) + 1);
  if (static_cast<std::size_t>(text.size()) > panelfiles::kMaxPanelFileBytes) {
    Say(progress, Tr("%1: too large to be a panel file; nothing is written from it").arg(path));
    return kFileRefused;
  }
  auto read = panelfiles::ReadPanelFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (const auto* error = std::get_if<panelfiles::FileError>(&read)) {
    Say(progress, Tr("%1: %2; nothing is written from it").arg(path, QString::fromStdString(panelfiles::Describe(*error))));
    return kFileRefused;
  }
  return std::get<PanelImage>(std::move(read));
}

int RunBackup(PanelSession& session, const CtlOptions& options, Progress& progress) {
  PanelTransferJob job([&session](const panel::FrameBytes& bytes) { session.send(bytes); });
  const JobEnd end = RunJob(session, job, progress, [&job] { job.startBackup(); });
  const auto total = static_cast<int>(panelfiles::AllSlots().size());
  if (end.interrupted) {
    Say(progress, Tr("nothing was saved"));
    return kInterrupted;
  }
  if (end.outcome == PanelTransferJob::Outcome::LinkLost) {
    Say(progress, Tr("the link was lost after %1 of %2 parameters: nothing was saved")
                      .arg(job.panelImage().knownCount())
                      .arg(total));
    return kLinkLost;
  }
  PanelImage image = job.panelImage();
  if (image.knownCount() == 0) {
    Say(progress, Tr("the panel answered no read: nothing was saved"));
    return kIncomplete;
  }
  image.softwareVersion = session.status().version.value_or(std::string());
  const PanelTransferJob::RestoreReport& report = job.report();
  const bool complete = report.unanswered.empty() && report.cutShort.empty();
  // A site's backup may go to its history alone.
  const QString target = options.file.isEmpty() ? QString() : panelfiles::BackupPath(options.file, complete);
  if (!target.isEmpty()) {
    QString error;
    if (!panelfiles::SavePanelFile(target, image, error)) {
      Say(progress, Tr("cannot write %1: %2").arg(target, error));
      return kFileRefused;
    }
    Print(Tr("%1 of %2 parameters saved to %3\n").arg(image.knownCount()).arg(total).arg(target));
  }
  if (complete) return options.siteId != 0 ? KeepSnapshot(options, image, progress) : kSuccess;
  SayMissing(progress, report, true);
  if (target != options.file && !options.file.isEmpty())
    Say(progress, Tr("%1 was left as it was, since it may hold a complete backup").arg(options.file));
  // History holds whole panels only, so that any snapshot can be written back as it is.
  if (options.siteId != 0) Say(progress, Tr("a backup that misses parameters is not kept in the history of %1").arg(options.site));
  return kIncomplete;
}

int RunCompare(PanelSession& session, const PanelImage& file, const CtlOptions& options, Progress& progress) {
  // Reads what the file knows; a dry run writes nothing.
  PanelTransferJob job([&session](const panel::FrameBytes& bytes) { session.send(bytes); });
  const JobEnd end = RunJob(session, job, progress, [&] { job.startRestore(file, true); });
  if (end.interrupted) return kInterrupted;
  if (end.outcome == PanelTransferJob::Outcome::LinkLost) {
    Say(progress, Tr("the link was lost while reading the panel"));
    return kLinkLost;
  }
  const PanelTransferJob::RestoreReport& report = job.report();
  const std::vector<panelfiles::Difference> differences = panelfiles::Compare(job.panelImage(), file);
  const auto known = std::ranges::count_if(differences, [](const panelfiles::Difference& d) { return d.left.has_value(); });
  const std::vector<QStringList> rows = DifferenceTable(differences, Tr("Panel value"), Tr("File value"),
                                                        [&](int slot) { return Missing(slot, report); });
  if (differences.empty()) {
    Print(Tr("The panel holds what %1 holds (%2 parameters).\n").arg(options.file).arg(file.knownCount()));
    return kSuccess;
  }
  Print(Table(rows));
  Print(Tr("%1 of %2 parameters differ.\n").arg(known).arg(file.knownCount()));
  SayMissing(progress, report, false);
  return known > 0 ? kDifferent : kIncomplete;
}

int RunRestore(PanelSession& session, const PanelImage& file, const CtlOptions& options, Progress& progress) {
  PanelTransferJob job([&session](const panel::FrameBytes& bytes) { session.send(bytes); });
  const JobEnd end = RunJob(session, job, progress, [&] { job.startRestore(file, options.dryRun); });
  const PanelTransferJob::RestoreReport& report = job.report();
  const PanelImage& panel = job.panelImage();

  // One group of rows per outcome, each row: parameter, menu title, value(s).
  QString text;
  const auto group = [&](const QString& heading, const std::vector<int>& indexes, auto cells) {
    if (indexes.empty()) return;
    std::vector<QStringList> rows;
    for (const int slot : indexes) rows.push_back(QStringList{Key(slot), Title(slot)} + cells(slot));
    text += QStringLiteral("%1 (%2):\n").arg(heading).arg(indexes.size()) + Table(rows, QStringLiteral("  "));
  };
  const auto fileValue = [&](int slot) { return QStringList{ValueText(slot, file.at(slot), QString())}; };
  const auto panelToFile = [&](int slot) {
    return QStringList{ValueText(slot, panel.at(slot), Missing(slot, report)) + QStringLiteral(" -> ") +
                           ValueText(slot, file.at(slot), QString()),
                       OptionChanges(slot, panel.at(slot), file.at(slot))};
  };
  const auto split = [](const std::vector<int>& all, const auto& first) {
    std::pair<std::vector<int>, std::vector<int>> parts;
    for (const int slot : all) (first(slot) ? parts.first : parts.second).push_back(slot);
    return parts;
  };
  const auto cut = [&](int slot) { return Holds(report.cutShort, slot); };
  const auto [notTypeable, hiddenOptions] = split(report.kept, [&](int slot) {
    return !params::IsValid(*panelfiles::AllSlots()[static_cast<std::size_t>(slot)].parameter, *file.at(slot));
  });
  const auto [writtenUnreadable, notTaken] = split(report.notTaken, cut);
  const auto [unreadable, noAnswer] = split(report.unread, cut);

  const QString stoppedBy = end.interrupted ? Tr("the run was interrupted") : Tr("the link was lost");
  const QString overTcp = Tr("its value cannot be read over TCP, since its reply holds the byte 0x7E");
  group(Tr("Written"), report.written, fileValue);
  group(Tr("Kept on the panel, no editor can type the file's value"), notTypeable, panelToFile);
  group(Tr("Kept on the panel, options no editor shows differ"), hiddenOptions, panelToFile);
  group(Tr("Not taken, the panel holds another value"), notTaken, [&](int slot) {
    return QStringList{ValueText(slot, file.at(slot), QString()),
                       Tr("panel: %1").arg(ValueText(slot, panel.at(slot), Tr("(no answer)")))};
  });
  group(Tr("Written but not read back, %1").arg(overTcp), writtenUnreadable, fileValue);
  group(Tr("Written but not read back, %1").arg(stoppedBy), report.unconfirmed, fileValue);
  if (options.dryRun)
    group(Tr("Would be written, panel -> file"), report.notWritten, panelToFile);
  else
    group(Tr("Not written, %1").arg(stoppedBy), report.notWritten, panelToFile);
  group(Tr("Not written, the panel did not answer when read"), noAnswer, fileValue);
  group(Tr("Not written, %1").arg(overTcp), unreadable, fileValue);
  if (text.isEmpty() && end.outcome == PanelTransferJob::Outcome::Done)
    text = Tr("The panel holds what %1 holds: nothing to write.\n").arg(options.file);
  Print(text);

  if (end.interrupted) return kInterrupted;
  if (end.outcome == PanelTransferJob::Outcome::LinkLost) {
    if (report.unconfirmed.empty() && report.notWritten.empty())
      Say(progress, Tr("the link was lost while reading the panel: nothing was written"));
    else
      Say(progress, Tr("the link was lost: %1 written, %2 not written; run restore again to write the rest")
                        .arg(report.unconfirmed.size())
                        .arg(report.notWritten.size()));
    return kLinkLost;
  }
  // What no editor can write stays as it is on any panel: that is no failure.
  if (!report.notTaken.empty() || !report.unread.empty()) return kIncomplete;
  return kSuccess;
}

int RunEvents(PanelSession& session, const CtlOptions& options, Progress& progress) {
  // In program mode the review's keys would go to the parameter the panel stands on.
  const std::optional<bool> programMode = session.panelInProgramMode();
  if (programMode.value_or(false)) Say(progress, Tr("the panel was in program mode: leaving it to read the events"));
  // A panel that showed nothing in the time-out may be in it too; leaving costs nothing when it is not.
  if (programMode.value_or(!session.interrupted() && !session.linkLost())) session.leaveProgramMode();
  if (session.interrupted()) return kInterrupted;
  events::EventReview review(events::EventReview::kWholeMemory);
  std::vector<events::EventRecord> shown;
  std::set<std::uint8_t> seen;
  bool ended = false;
  int taken = 0;
  session.setFrameTap([&](const std::uint8_t* frame, std::size_t length) {
    if (ended) return;
    const std::optional<events::EventReview::Step> step = review.take(frame, length);
    if (!step) return;
    // A panel whose memory runs in a circle would never end it.
    if (!seen.insert(step->record.index).second) {
      ended = true;
      return;
    }
    ++taken;
    if (step->shown) shown.push_back(step->record);
    progress.step(Tr("Reading events: %1").arg(shown.size()));
    session.send(step->next);
  });
  session.send(events::EventReview::StartFrame());
  PanelSession::Wait wait = PanelSession::Wait::Done;
  for (int before = -1; !ended && before != taken;) {
    before = taken;
    wait = session.waitFor([&] { return ended || taken != before; }, kEventSilenceMs);
    if (wait == PanelSession::Wait::Interrupted || wait == PanelSession::Wait::LinkLost) break;
  }
  session.setFrameTap(nullptr);
  progress.clear();
  if (wait == PanelSession::Wait::LinkLost) {
    Say(progress, Tr("the link was lost after %1 events").arg(shown.size()));
    return kLinkLost;
  }
  session.send(events::EventReview::EndFrame());
  if (wait == PanelSession::Wait::Interrupted) return kInterrupted;

  std::string out;
  if (options.csvFile.isEmpty()) {
    for (const events::EventRecord& record : shown) {
      std::string line = events::FormatEventLine(record, TranslateCoreText);
      line.resize(line.size() - 2);  // CR LF
      out += line + '\n';
    }
    Print(QString::fromStdString(out));
    return kSuccess;
  }
  out = events::EventCsvHeader();
  for (const events::EventRecord& record : shown) out += events::EventCsvRow(record);
  if (options.csvFile == QLatin1String("-")) {
    Print(QString::fromStdString(out));
    return kSuccess;
  }
  if (!WriteFile(options.csvFile, QByteArray::fromStdString(out), progress)) return kFileRefused;
  Print(Tr("%1 events saved to %2\n").arg(shown.size()).arg(options.csvFile));
  return kSuccess;
}

int RunStatus(PanelSession& session, Progress& progress) {
  const PanelSession::Wait wait = session.waitFor([&] { return session.status().complete(); }, kStatusWaitMs);
  if (wait == PanelSession::Wait::Interrupted) return kInterrupted;
  progress.clear();
  Print(FormatStatus(session.status()));
  if (wait == PanelSession::Wait::LinkLost) {
    Say(progress, Tr("the link to the panel was lost"));
    return kLinkLost;
  }
  return session.status().complete() ? kSuccess : kIncomplete;
}

}  // namespace ctl
