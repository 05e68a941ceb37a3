#include "panelfiles/PanelFileSave.h"

#include <QFileInfo>

#include "core/panelfiles/PanelFile.h"
#include "platform/WholeFile.h"

namespace panelfiles {

bool SavePanelFile(const QString& path, const PanelImage& image, QString& error) {
  return platform::WriteWholeFile(path, QByteArray::fromStdString(WritePanelFile(image)), error,
                                  platform::FileAccess::OwnerOnly);
}

QString BackupPath(const QString& chosen, bool complete) {
  if (complete || !QFileInfo::exists(chosen)) return chosen;
  return chosen + QStringLiteral(".partial");
}

}  // namespace panelfiles
