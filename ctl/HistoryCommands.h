#pragma once

#include <variant>

#include "core/panelfiles/PanelImage.h"
#include "ctl/CtlOptions.h"

namespace ctl {

class Interrupts;
class Progress;

// Each site's history from a script. Each returns the exit status.

// history --site NAME [--csv]: the timeline; history --prune-before.
int RunHistory(const CtlOptions& options, Progress& progress);
// diff --site NAME A B: two snapshots in compare's table.
int RunDiff(const CtlOptions& options, Progress& progress);
// restore --from ENTRY, once --site is applied: the snapshot's panel image,
// or the exit status after saying why there is none. options.file becomes
// the snapshot's name, for the report.
std::variant<panelfiles::PanelImage, int> LoadSnapshot(CtlOptions& options, Progress& progress);
// After a complete backup of a site: the image into its history, with a
// line saying whether it was stored or equals the latest snapshot.
int KeepSnapshot(const CtlOptions& options, const panelfiles::PanelImage& image, Progress& progress);
// backup --all-sites: every site reached over IP, options.jobs at a time,
// each by a tarnelctl of its own (a process holds one link to a panel).
int RunBackupAllSites(const CtlOptions& options, Progress& progress, Interrupts& interrupts);

}  // namespace ctl
