#pragma once

#include <QString>

class QWidget;

namespace platform {

// Every file the user picks goes through here, so tests can answer the
// choice instead of a native dialog blocking the run.
class FileDialogs {
 public:
  enum class Purpose { Open, Save };

  struct Request {
    Purpose purpose = Purpose::Open;
    QString caption;
    QString filter;         // "Panel files (*.toml)"
    QString defaultSuffix;  // added to a saved name that has none ("toml")
  };

  virtual ~FileDialogs() = default;
  // The chosen path, or empty when the user cancelled. Saving over an
  // existing file has been confirmed by then.
  virtual QString choose(QWidget* parent, const Request& request) = 0;

  static FileDialogs& current();
  // Installs dialogs (not owned) for the whole process; nullptr restores real ones.
  static void install(FileDialogs* dialogs);
};

inline QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter) {
  return FileDialogs::current().choose(parent, {FileDialogs::Purpose::Open, caption, filter, {}});
}

inline QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& defaultSuffix) {
  return FileDialogs::current().choose(parent, {FileDialogs::Purpose::Save, caption, filter, defaultSuffix});
}

}  // namespace platform
