#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class FileAccess { Default, OwnerOnly };

// Writes the whole file through a temporary one, so that a failed save
// leaves the old file as it was; the system's reason in `error` on failure.
// OwnerOnly: for files that hold codes, readable by their owner alone from
// the first byte, also where the file replaced was readable by others.
bool WriteWholeFile(const QString& path, const QByteArray& contents, QString& error,
                    FileAccess access = FileAccess::Default);

}  // namespace platform
