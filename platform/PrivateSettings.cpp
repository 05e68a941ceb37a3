#include "platform/PrivateSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

bool MakeSettingsFilePrivate(const QSettings& settings) {
#ifdef Q_OS_UNIX
  // The registry and its kin are no files of ours.
  if (settings.format() != QSettings::NativeFormat && settings.format() != QSettings::IniFormat) return true;
  const QString path = settings.fileName();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  const QByteArray name = QFile::encodeName(path);
  // Created with its final mode, so it is never readable by others, not even for a moment.
  const int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (fd < 0) return false;
  struct stat status {};
  const bool ok = ::fstat(fd, &status) == 0 &&
                  ((status.st_mode & (S_IRWXG | S_IRWXO)) == 0 || ::fchmod(fd, S_IRUSR | S_IWUSR) == 0);
  ::close(fd);
  return ok;
#else
  Q_UNUSED(settings);
  return true;
#endif
}

// Qt writes a new lock file for every sync and, when the settings file does
// not exist yet, a temporary file that takes its place: the mask covers both.
PrivateSettingsWriter::PrivateSettingsWriter(QSettings& settings) : settings_(settings) {
#ifdef Q_OS_UNIX
  previousMask_ = ::umask(S_IRWXG | S_IRWXO);
#endif
  MakeSettingsFilePrivate(settings_);
}

PrivateSettingsWriter::~PrivateSettingsWriter() {
  settings_.sync();
#ifdef Q_OS_UNIX
  ::umask(static_cast<mode_t>(previousMask_));
#endif
}

void PrivateSettingsWriter::setValue(const QString& key, const QVariant& value) { settings_.setValue(key, value); }

}  // namespace platform
