#pragma once

#include <QString>
#include <memory>
#include <string>

class QSettings;

namespace console {

// The PC password, scrambled, in a per-user file only its owner may read or
// write. Values TIMESET and PASSWORD as raw bytes; results as the callers
// expect them: 0, a comparison result, kNoAccessPassword (-102), or an error
// code (errno-style) when the file cannot be written or read.
class AccessPasswordStore {
 public:
  explicit AccessPasswordStore(QString filePath = DefaultPath());
  virtual ~AccessPasswordStore();

  // Creates the file if missing (owner-only permissions); false on failure.
  bool open();
  bool isOpen() const { return settings_ != nullptr; }

  virtual int store(const std::string& password);
  virtual int verify(const std::string& text);

  const QString& filePath() const { return path_; }
  // <per-user config folder>/Vell/tarnel-access.conf
  static QString DefaultPath();

  // The store opened at start-up; a default one at DefaultPath() until then.
  static AccessPasswordStore& current();
  static void install(AccessPasswordStore* store);

 private:
  int writePassword(const std::string& password);
  int writeValue(const QString& name, const QByteArray& bytes);

  QString path_;
  std::unique_ptr<QSettings> settings_;
};

// The current PC password in memory (empty at start).
extern QString g_strPcPassword;

}  // namespace console
