#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "panelfiles/OfflinePanel.h"
#include "core/panelfiles/PanelImage.h"
#include "panelfiles/PanelTransferJob.h"

namespace console {
class CKeypadDlg;
}

namespace panelfiles {

// The keypad window's panel file commands. In program mode, "File" saves the
// whole panel to a panel file, compares it with one, or writes one to it,
// each in a progress window with Cancel. "Open panel file…" (while no panel
// is connected) puts a panel held in the program and loaded from a file on
// the link, so every editor works on the file; "Save panel file" and "Save
// panel file as…" write it back, and leaving it asks to save what changed.
class PanelFileCommands : public QObject {
  Q_OBJECT
 public:
  explicit PanelFileCommands(console::CKeypadDlg& window);

  // The restore of "Write file to panel…" from an image named `name` (a
  // snapshot of the site's history): in program mode only, with its report.
  void writeImageToPanel(const PanelImage& image, const QString& name);

  // The panel held in the program, or null.
  OfflinePanel* offlinePanel() const { return offline_; }

 private:
  struct ChosenFile {
    QString path;
    PanelImage image;
  };
  struct JobResult {
    std::optional<PanelTransferJob::Outcome> outcome;  // nothing: cancelled before it began
    PanelImage panel;
    PanelTransferJob::RestoreReport report;
  };

  void saveToFile();
  void compareWithFile();
  void writeToPanel();
  void writeImage(const QString& caption, const PanelImage& image, const QString& name);
  bool openPanelFile();
  bool savePanelFile();
  bool savePanelFileAs();
  bool mayLeave();
  // Asks about changes the file does not hold: Save writes them, Discard
  // drops them for good; with mayStay, Cancel keeps the session. False when
  // they are still unsaved.
  bool settleChanges(bool mayStay);
  void offlineEnded();
  void setOfflineItemsEnabled(bool enabled);

  // Asks for a panel file and reads it; a file that cannot be used is
  // explained in a message box (saying that the panel was left alone when
  // it is for the panel) and gives nothing.
  std::optional<ChosenFile> chooseAndRead(const QString& caption, bool forPanel);
  // Writes a panel file, or says why it cannot.
  bool writeFile(const QString& path, const PanelImage& image);
  // The same, then says how many parameters went to which file.
  bool writeOfflineFile(const QString& path, const PanelImage& image);
  // A complete backup of a connected site into its history: a sentence for
  // the save's report (empty where no site is connected).
  QString keepInHistory(const PanelImage& image);
  // Runs the job in a progress window as the open editor.
  JobResult runJob(const QString& title, std::function<void(PanelTransferJob&)> start);
  void reportLinkLost(const QString& caption);

  console::CKeypadDlg& window_;
  QPointer<OfflinePanel> offline_;
  QString offlinePath_;
  // What the file holds as last loaded or saved; made with the first panel
  // file opened, as a whole panel image costs start-up memory.
  std::optional<PanelImage> offlineSaved_;
};

// Wires the commands into the window (they live as long as it does).
void WirePanelFileCommands(console::CKeypadDlg& window);

}  // namespace panelfiles
