#pragma once

#include <QString>
#include <QVariant>

class QSettings;

namespace platform {

// tarnel's settings hold remembered codes in clear, so its settings file,
// and the lock and temporary files written beside it, are for their owner
// only, from the first write on.

// Creates the settings file for its owner alone if it is missing, and takes
// group and other access away from one that has it. False when it cannot.
bool MakeSettingsFilePrivate(const QSettings& settings);

// Writes values and syncs them with the file kept private throughout.
class PrivateSettingsWriter {
 public:
  explicit PrivateSettingsWriter(QSettings& settings);
  ~PrivateSettingsWriter();
  PrivateSettingsWriter(const PrivateSettingsWriter&) = delete;
  PrivateSettingsWriter& operator=(const PrivateSettingsWriter&) = delete;

  void setValue(const QString& key, const QVariant& value);

 private:
  QSettings& settings_;
  unsigned previousMask_ = 0;
};

}  // namespace platform
