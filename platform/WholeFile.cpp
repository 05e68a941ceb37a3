#include "platform/WholeFile.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace platform {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The temporary file is created under the process's umask; while it is
// created, group and others get nothing.
class OwnerOnlyMask {
 public:
  OwnerOnlyMask() {
#ifdef Q_OS_UNIX
    previous_ = ::umask(S_IRWXG | S_IRWXO);
#endif
  }
  ~OwnerOnlyMask() {
#ifdef Q_OS_UNIX
    ::umask(previous_);
#endif
  }
  OwnerOnlyMask(const OwnerOnlyMask&) = delete;
  OwnerOnlyMask& operator=(const OwnerOnlyMask&) = delete;

 private:
#ifdef Q_OS_UNIX
  mode_t previous_ = 0;
#endif
};

}  // namespace

bool WriteWholeFile(const QString& path, const QByteArray& contents, QString& error, FileAccess access) {
  const bool ownerOnly = access == FileAccess::OwnerOnly;
  QSaveFile file(path);
  {
    std::optional<OwnerOnlyMask> mask;
    if (ownerOnly) {
      mask.emplace();
      // The new file takes over the mode of the one it replaces: that one is
      // narrowed first, so the new one is never wider, not even while empty.
      if (QFile::exists(path)) QFile::setPermissions(path, QFile::permissions(path) & kOwnerOnly);
    }
    if (!file.open(QIODevice::WriteOnly)) {
      error = file.errorString();
      return false;
    }
  }
  if (ownerOnly) file.setPermissions(kOwnerOnly);
  if (file.write(contents) == contents.size() && file.commit()) return true;
  error = file.errorString();
  return false;
}

}  // namespace platform
