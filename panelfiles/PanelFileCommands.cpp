#include "panelfiles/PanelFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "console/CKeypadDlg.h"
#include "console/ProgramModeMenu.h"
#include "console/RestoreJournal.h"
#include "panelfiles/CSlotTableDlg.h"
#include "panelfiles/CTransferProgressDlg.h"
#include "panelfiles/OfflinePanel.h"
#include "panelfiles/PanelFileSave.h"
#include "panelfiles/SlotTexts.h"
#include "core/panelfiles/PanelFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "sites/SiteHistory.h"
#include "sites/SitesDatabase.h"

namespace panelfiles {

namespace {

using console::FileMenuItem;
using Outcome = PanelTransferJob::Outcome;

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

void Inform(QWidget* parent, const QString& caption, const QString& text) {
  platform::ShowMessage(parent, caption, text, platform::MessageBoxes::Kind::Information);
}

}  // namespace

PanelFileCommands::PanelFileCommands(console::CKeypadDlg& window) : QObject(&window), window_(window) {
  const auto item = [this](FileMenuItem which, std::function<void()> command) {
    window_.setProgramItemHandler(console::FileMenuPath(which), std::move(command));
  };
  item(FileMenuItem::SaveToFile, [this] { saveToFile(); });
  item(FileMenuItem::CompareWithFile, [this] { compareWithFile(); });
  item(FileMenuItem::WriteToPanel, [this] { writeToPanel(); });
  item(FileMenuItem::SavePanelFile, [this] { savePanelFile(); });
  item(FileMenuItem::SavePanelFileAs, [this] { savePanelFileAs(); });
  setOfflineItemsEnabled(false);
  window_.setOpenPanelFileCommand([this] { return openPanelFile(); });
  window_.setLeaveCheck([this] { return mayLeave(); });
}

void PanelFileCommands::setOfflineItemsEnabled(bool enabled) {
  for (const FileMenuItem which : {FileMenuItem::SavePanelFile, FileMenuItem::SavePanelFileAs})
    window_.setProgramItemEnabled(console::FileMenuPath(which), enabled);
}

// ---- files

std::optional<PanelFileCommands::ChosenFile> PanelFileCommands::chooseAndRead(const QString& caption, bool forPanel) {
  const QString path = platform::ChooseFileToOpen(&window_, caption, tr("Panel files (*.toml);;All files (*)"));
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    platform::ShowMessage(&window_, caption, tr("%1 cannot be read:\n%2").arg(Shown(path), file.errorString()));
    return std::nullopt;
  }
  const QByteArray text = file.read(static_cast<qint64>(kMaxPanelFileBytes) + 1);
  if (static_cast<std::size_t>(text.size()) > kMaxPanelFileBytes) {
    platform::ShowMessage(&window_, caption, tr("%1 is too large to be a panel file.").arg(Shown(path)));
    return std::nullopt;
  }
  auto read = ReadPanelFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (const FileError* error = std::get_if<FileError>(&read)) {
    const QString refused = forPanel ? tr("%1 is not a panel file this program can use; nothing was sent to the panel.")
                                     : tr("%1 is not a panel file this program can use.");
    platform::ShowMessage(&window_, caption,
                          refused.arg(Shown(path)) + QStringLiteral("\n\n") + FromStd(Describe(*error)));
    return std::nullopt;
  }
  return ChosenFile{path, std::move(std::get<PanelImage>(read))};
}

bool PanelFileCommands::writeFile(const QString& path, const PanelImage& image) {
  QString error;
  if (SavePanelFile(path, image, error)) return true;
  platform::ShowMessage(&window_, tr("Panel file"),
                        tr("The panel file %1 could not be written:\n%2").arg(Shown(path), error));
  return false;
}

bool PanelFileCommands::writeOfflineFile(const QString& path, const PanelImage& image) {
  if (!writeFile(path, image)) return false;
  Inform(&window_, tr("Panel file"),
         tr("%n parameter(s) saved to %1.", "", static_cast<int>(image.knownCount())).arg(Shown(path)));
  return true;
}

// ---- transfers

PanelFileCommands::JobResult PanelFileCommands::runJob(const QString& title,
                                                       std::function<void(PanelTransferJob&)> start) {
  // The link may have gone while a file was being chosen: the window has left
  // program mode, and no close request would ever end the job.
  if (!window_.isProgramMode()) return {Outcome::LinkLost, {}, {}};
  CTransferProgressDlg dialog(title, std::move(start), &window_);
  window_.runEditor(dialog, 0);
  return {dialog.outcome(), dialog.job().panelImage(), dialog.job().report()};
}

void PanelFileCommands::reportLinkLost(const QString& caption) {
  platform::ShowMessage(&window_, caption, tr("The link to the panel was lost before the work was done."));
}

void PanelFileCommands::saveToFile() {
  const QString caption = tr("Save panel to file");
  const QString path =
      platform::ChooseFileToSave(&window_, caption, tr("Panel files (*.toml)"), QStringLiteral("toml"));
  if (path.isEmpty()) return;
  JobResult result = runJob(caption, [](PanelTransferJob& job) { job.startBackup(); });
  if (result.outcome == Outcome::LinkLost) {
    platform::ShowMessage(&window_, caption,
                          tr("The link to the panel was lost before the work was done; nothing was saved."));
    return;
  }
  if (result.outcome != Outcome::Done) {
    Inform(&window_, caption, tr("Cancelled: nothing was saved."));
    return;
  }
  const auto known = static_cast<int>(result.panel.knownCount());
  // A file of no values must not replace the one chosen, nor stand beside it.
  if (known == 0) {
    platform::ShowMessage(&window_, caption, tr("The panel answered no read; nothing was saved."));
    return;
  }
  const auto unanswered = static_cast<int>(result.report.unanswered.size());
  const auto cutShort = static_cast<int>(result.report.cutShort.size());
  const QString target = BackupPath(path, unanswered + cutShort == 0);
  result.panel.softwareVersion = window_.versionText().toStdString();
  if (!writeFile(target, result.panel)) return;
  if (unanswered + cutShort == 0) {
    Inform(&window_, caption,
           tr("%n parameter(s) saved to %1.", "", known).arg(Shown(target)) + keepInHistory(result.panel));
    return;
  }
  QStringList missing;
  if (unanswered > 0) missing << tr("The panel did not answer for %n parameter(s).", "", unanswered);
  if (cutShort > 0)
    missing << tr("%n parameter(s) hold a value that cannot be read over TCP: its reply holds the byte 0x7E.", "",
                  cutShort);
  missing << (target == path ? tr("The %n parameter(s) read were saved to %1.", "", known).arg(Shown(target))
                             : tr("%1 was left as it was; the %n parameter(s) read were saved to %2.", "", known)
                                   .arg(Shown(path), Shown(target)));
  platform::ShowMessage(&window_, caption, missing.join(QLatin1Char(' ')));
}

QString PanelFileCommands::keepInHistory(const PanelImage& image) {
  // Only a whole panel is a snapshot, so that any snapshot can be written back as it is.
  if (!window_.isConnected() || window_.siteName().isEmpty()) return {};
  sites::SitesDatabase& database = sites::SharedSites();
  const std::optional<sites::Site> site = database.findByName(window_.siteName());
  if (!site) return {};
  sites::SiteHistory history(database);
  const sites::SiteHistory::Stored stored = history.addBackup(
      *site, QByteArray::fromStdString(WritePanelFile(image)), QString::fromStdString(image.softwareVersion));
  const QString name = sites::EntryName{sites::EntryName::Kind::Snapshot, stored.id}.text();
  switch (stored.outcome) {
    case sites::SiteHistory::Stored::Outcome::Added:
      return QLatin1Char(' ') + tr("The history of %1 keeps it as snapshot %2.").arg(site->name, name);
    case sites::SiteHistory::Stored::Outcome::SameAsLatest:
      return QLatin1Char(' ') + tr("The history of %1 holds it already as snapshot %2.").arg(site->name, name);
    case sites::SiteHistory::Stored::Outcome::Failed: break;
  }
  return QLatin1Char(' ') + tr("It could not be kept in the history of %1: %2").arg(site->name, history.lastError());
}

void PanelFileCommands::compareWithFile() {
  const QString caption = tr("Compare panel with file");
  const std::optional<ChosenFile> file = chooseAndRead(caption, true);
  if (!file) return;
  // A dry run reads exactly what the file knows and writes nothing.
  const JobResult result =
      runJob(caption, [image = file->image](PanelTransferJob& job) { job.startRestore(image, true); });
  if (result.outcome == Outcome::LinkLost) reportLinkLost(caption);
  if (result.outcome != Outcome::Done) return;
  const std::vector<Difference> differences = Compare(result.panel, file->image);
  const QString name = QFileInfo(file->path).fileName();
  if (differences.empty()) {
    platform::ShowMessage(&window_, caption, tr("The panel and %1 agree.").arg(name),
                          platform::MessageBoxes::Kind::Information);
    return;
  }
  QList<QStringList> rows;
  for (const Difference& d : differences) rows << DifferenceRow(d, MissingText(d.slot, result.report));
  CSlotTableDlg table(
      caption, tr("The panel differs from %1 in %n parameter(s).", "", static_cast<int>(differences.size())).arg(name),
      {tr("Menu title"), tr("Entity"), tr("Panel value"), tr("File value"), tr("Options that differ")}, rows,
      &window_);
  table.exec();
}

void PanelFileCommands::writeToPanel() {
  const QString caption = tr("Write file to panel");
  const std::optional<ChosenFile> file = chooseAndRead(caption, true);
  if (!file) return;
  writeImage(caption, file->image, QFileInfo(file->path).fileName());
}

void PanelFileCommands::writeImageToPanel(const PanelImage& image, const QString& name) {
  writeImage(tr("Write to panel"), image, name);
}

void PanelFileCommands::writeImage(const QString& caption, const PanelImage& image, const QString& name) {
  // The restore is a session of its own in the site's journal, named by its source.
  console::RestoreJournal* journal = console::RestoreJournal::current();
  if (journal) journal->restoreStarting(name);
  const JobResult result =
      runJob(caption, [image](PanelTransferJob& job) { job.startRestore(image, false); });
  if (journal) journal->restoreEnded();
  if (!result.outcome) return;
  const PanelTransferJob::RestoreReport& report = result.report;
  const QString stopped = *result.outcome == Outcome::Cancelled ? tr("cancelled") : tr("link lost");
  QList<QStringList> rows;
  const auto add = [&](const std::vector<int>& list, const std::function<QString(int)>& outcome) {
    for (const int slot : list)
      rows << QStringList{FromStd(SlotTitle(slot)), FromStd(EntityText(slot)),
                          ValueText(slot, image.at(slot), {}), outcome(slot),
                          OptionChanges(slot, result.panel.at(slot), image.at(slot))};
  };
  add(report.written, [&](int) { return tr("written and confirmed"); });
  add(report.kept, [&](int slot) { return KeptText(slot, *image.at(slot)); });
  add(report.notTaken, [&](int slot) {
    if (std::ranges::find(report.cutShort, slot) != report.cutShort.end())
      return tr("written, not read back: %1").arg(MissingText(slot, report));
    return tr("not taken by the panel, which holds %1").arg(ValueText(slot, result.panel.at(slot), tr("no answer")));
  });
  add(report.unconfirmed, [&](int) { return tr("written, not read back (%1)").arg(stopped); });
  add(report.notWritten, [&](int) { return tr("not written: %1").arg(stopped); });
  add(report.unread, [&](int slot) { return tr("not written: %1").arg(MissingText(slot, report)); });
  if (rows.isEmpty()) {
    if (*result.outcome == Outcome::Done)
      Inform(&window_, caption, tr("The panel already holds every value of %1.").arg(name));
    else if (*result.outcome == Outcome::LinkLost)
      reportLinkLost(caption);
    return;
  }
  const QString summary = tr("Written and confirmed: %1. Kept on the panel: %2. Not taken by the panel: %3. "
                             "Written, not read back: %4. Not written: %5.")
                              .arg(report.written.size())
                              .arg(report.kept.size())
                              .arg(report.notTaken.size())
                              .arg(report.unconfirmed.size())
                              .arg(report.notWritten.size() + report.unread.size());
  CSlotTableDlg table(caption, summary,
                      {tr("Menu title"), tr("Entity"), tr("File value"), tr("Result"), tr("Options that differ")}, rows,
                      &window_);
  table.exec();
}

// ---- offline editing

bool PanelFileCommands::openPanelFile() {
  const std::optional<ChosenFile> file = chooseAndRead(tr("Open panel file"), false);
  if (!file) return false;
  panel::PanelLink& link = panel::PanelLink::instance();
  link.setActiveLink(panel::LinkKind::Tcp);
  // Owned by the link, which deletes it once it is replaced.
  auto* offline = new OfflinePanel(file->image);
  link.setCurrentConnection(offline);
  connect(offline, &OfflinePanel::closed, this, &PanelFileCommands::offlineEnded);
  offline_ = offline;
  offlinePath_ = file->path;
  offlineSaved_ = file->image;
  window_.setProgramModeText(tr("Program mode - %1").arg(QFileInfo(offlinePath_).fileName()));
  setOfflineItemsEnabled(true);
  return true;
}

bool PanelFileCommands::savePanelFile() {
  if (!offline_) return false;
  const PanelImage image = offline_->fileImage();
  if (!writeOfflineFile(offlinePath_, image)) return false;
  offlineSaved_ = image;
  return true;
}

bool PanelFileCommands::savePanelFileAs() {
  if (!offline_) return false;
  const QString path = platform::ChooseFileToSave(&window_, tr("Save panel file as"), tr("Panel files (*.toml)"),
                                                  QStringLiteral("toml"));
  if (path.isEmpty()) return false;
  const PanelImage image = offline_->fileImage();
  if (!writeOfflineFile(path, image)) return false;
  offlinePath_ = path;
  offlineSaved_ = image;
  window_.setProgramModeText(tr("Program mode - %1").arg(QFileInfo(offlinePath_).fileName()));
  return true;
}

bool PanelFileCommands::mayLeave() { return !offline_ || !offline_->isOpen() || settleChanges(true); }

bool PanelFileCommands::settleChanges(bool mayStay) {
  if (!offline_ || (offlineSaved_ && offline_->fileImage() == *offlineSaved_)) return true;
  QMessageBox::StandardButtons buttons = QMessageBox::Save | QMessageBox::Discard;
  if (mayStay) buttons |= QMessageBox::Cancel;
  const QMessageBox::StandardButton answer = platform::MessageBoxes::current().show(
      &window_, platform::MessageBoxes::Kind::Question, tr("Panel file"),
      tr("The panel held in the program has changes that are not in %1. Save them?")
          .arg(QFileInfo(offlinePath_).fileName()),
      buttons);
  if (answer == QMessageBox::Save) return savePanelFile();
  if (answer != QMessageBox::Discard) return false;
  offlineSaved_ = offline_->fileImage();  // dropped on purpose: not asked again when it ends
  return true;
}

void PanelFileCommands::offlineEnded() {
  // It may end without Exit from Install (the program-mode exit typed in the
  // debug window): the changes are still asked about, though it cannot go on.
  settleChanges(false);
  offline_ = nullptr;
  offlinePath_.clear();
  window_.setProgramModeText({});
  setOfflineItemsEnabled(false);
}

void WirePanelFileCommands(console::CKeypadDlg& window) { new PanelFileCommands(window); }

}  // namespace panelfiles
