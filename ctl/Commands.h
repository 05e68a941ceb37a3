#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>
#include <optional>
#include <variant>

#include "ctl/CtlOptions.h"
#include "core/panelfiles/PanelImage.h"

namespace ctl {

class PanelSession;
class Progress;

// Rows of cells in columns as wide as their widest cell, two blanks apart.
QString Table(const std::vector<QStringList>& rows, const QString& indent = QString());

// The table compare prints: menu title, entity, the two values (leftMissing
// says why a value on the left is missing), the options that differ; a
// heading row first.
std::vector<QStringList> DifferenceTable(const std::vector<panelfiles::Difference>& differences,
                                        const QString& leftHeading, const QString& rightHeading,
                                        const std::function<QString(int)>& leftMissing);

// A panel file read and checked before the panel is called: its image, or
// the exit status after saying why it is refused (naming the line).
std::variant<panelfiles::PanelImage, int> LoadPanelFile(const QString& path, Progress& progress);

// The commands, once the link stands (and program mode, for the first
// three). Each returns its exit status; results go to standard output.
int RunBackup(PanelSession& session, const CtlOptions& options, Progress& progress);
int RunCompare(PanelSession& session, const panelfiles::PanelImage& file, const CtlOptions& options,
               Progress& progress);
int RunRestore(PanelSession& session, const panelfiles::PanelImage& file, const CtlOptions& options,
               Progress& progress);
int RunEvents(PanelSession& session, const CtlOptions& options, Progress& progress);
int RunStatus(PanelSession& session, Progress& progress);

}  // namespace ctl
