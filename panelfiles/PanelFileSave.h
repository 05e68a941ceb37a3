#pragma once

#include <QString>
#include <optional>

#include "core/panelfiles/PanelImage.h"

namespace panelfiles {

// Writes a panel file for its owner alone (it holds every code of the
// panel), atomically: a failed write leaves the old file as it was. False
// with the system's reason in `error`.
bool SavePanelFile(const QString& path, const PanelImage& image, QString& error);

// Where a backup goes: the file chosen, unless the backup misses parameters
// and a file is there already, which may be a complete backup: then beside
// it, "site.toml.partial", so that no good backup is replaced by a worse one.
QString BackupPath(const QString& chosen, bool complete);

}  // namespace panelfiles
