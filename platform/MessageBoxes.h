#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace platform {

// Every message box of the programs goes through here, so tests can answer
// and read them instead of a modal box blocking the run.
class MessageBoxes {
 public:
  enum class Kind { Information, Warning, Critical, Question };

  virtual ~MessageBoxes() = default;
  virtual QMessageBox::StandardButton show(QWidget* parent, Kind kind, const QString& caption,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons) = 0;

  static MessageBoxes& current();
  // Installs boxes (not owned) for the whole process; nullptr restores real boxes.
  static void install(MessageBoxes* boxes);
};

// One OK button, the usual case.
inline void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                        MessageBoxes::Kind kind = MessageBoxes::Kind::Warning) {
  MessageBoxes::current().show(parent, kind, caption, text, QMessageBox::Ok);
}

// Yes / No; true for Yes.
inline bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  return MessageBoxes::current().show(parent, MessageBoxes::Kind::Question, caption, text,
                                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace platform
